// Answering message boxes and file dialogs for in-process UI tests.
#include "ui_driver.h"

#include "win32/message_loop.h"
#include "win32/shared_strings.h"
#include "win32/status_line.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <commdlg.h>
#include <shlobj.h>
#include <cstdio>
#include <cstring>

namespace {

thread_local WindowAnswers* t_answers = nullptr;

constexpr int MESSAGE_TEXT_ID = 0xFFFF;  // the static control holding a message box's text
constexpr int FILE_NAME_COMBO_ID = 0x47C;  // the file name box of the explorer-style dialogs
constexpr int FILE_NAME_EDIT_ID = 0x480;
constexpr int READ_ONLY_BOX_ID = 0x410;  // chx1, "読み取り専用ファイルとして開く"

bool IsDialogClass(HWND window) {
  wchar_t name[32] = L"";
  GetClassNameW(window, name, 32);
  return std::wstring(name) == L"#32770";
}

std::wstring Convert(UINT code_page, const std::string& bytes) {
  std::wstring text(bytes.size(), L'\0');
  text.resize(static_cast<size_t>(MultiByteToWideChar(code_page, 0, bytes.data(), static_cast<int>(bytes.size()),
                                                      text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string Convert(UINT code_page, std::wstring_view text) {
  std::string bytes(text.size() * 4, '\0');
  bytes.resize(static_cast<size_t>(WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()),
                                                       bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr)));
  return bytes;
}

UINT IconOf(HWND box) {
  // The icon of a message box is a static control showing one of the system icons; compare it with
  // the system's own icon handles.
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    if (icon == nullptr) continue;
    if (icon == LoadIconA(nullptr, MAKEINTRESOURCEA(32515))) return MB_ICONWARNING;   // IDI_WARNING
    if (icon == LoadIconA(nullptr, MAKEINTRESOURCEA(32514))) return MB_ICONQUESTION;  // IDI_QUESTION
    if (icon == LoadIconA(nullptr, MAKEINTRESOURCEA(32513))) return MB_ICONERROR;
    if (icon == LoadIconA(nullptr, MAKEINTRESOURCEA(32516))) return MB_ICONINFORMATION;
  }
  return 0;
}

}  // namespace

WindowAnswers::WindowAnswers() {
  t_answers = this;
  hook_ = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
  message_hook_ = SetWindowsHookExW(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId());
}

WindowAnswers::~WindowAnswers() {
  UnhookWindowsHookEx(message_hook_);
  UnhookWindowsHookEx(hook_);
  t_answers = nullptr;
}

void WindowAnswers::PressButton(int id) { answers_.push_back({false, id, {}}); }
void WindowAnswers::ChooseFile(const std::string& path) { answers_.push_back({true, IDOK, path}); }
void WindowAnswers::CancelFileDialog() { answers_.push_back({true, IDCANCEL, {}}); }

std::vector<SeenWindow> WindowAnswers::TakeSeen() {
  std::vector<SeenWindow> seen;
  seen.swap(seen_);
  open_file_dialogs_.clear();
  return seen;
}

LRESULT CALLBACK WindowAnswers::CbtHook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE && t_answers != nullptr) t_answers->OnActivate(reinterpret_cast<HWND>(wparam));
  // A window handle can come back for a new window once the old one is gone.
  if (code == HCBT_DESTROYWND && t_answers != nullptr) {
    std::erase(t_answers->handled_, reinterpret_cast<HWND>(wparam));
    std::erase_if(t_answers->open_file_dialogs_, [&](const auto& entry) { return entry.first == reinterpret_cast<HWND>(wparam); });
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void WindowAnswers::OnActivate(HWND window) {
  if (!IsDialogClass(window)) return;
  if (std::find(handled_.begin(), handled_.end(), window) != handled_.end()) return;
  // The program's own dialog is a "#32770" too; only boxes with an owner are answered.
  if (GetWindow(window, GW_OWNER) == nullptr && GetParent(window) == nullptr) return;
  handled_.push_back(window);

  SeenWindow seen{};
  HWND name_box = GetDlgItem(window, FILE_NAME_COMBO_ID);
  if (name_box == nullptr) name_box = GetDlgItem(window, FILE_NAME_EDIT_ID);
  seen.file_dialog = name_box != nullptr;
  seen.caption = WindowText(window);
  if (seen.file_dialog) {
    open_file_dialogs_.push_back({window, seen_.size()});
  } else {
    seen.text = WindowText(GetDlgItem(window, MESSAGE_TEXT_ID));
    seen.icon = IconOf(window);
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
      if (GetDlgItem(window, id) != nullptr) seen.buttons.push_back(id);
    }
  }
  seen_.push_back(seen);

  if (answers_.empty() || answers_.front().file_dialog != seen.file_dialog) {
    ADD_FAILURE() << (seen.file_dialog ? "unexpected file dialog" : "unexpected message box: ")
                  << seen.text;
    PostMessageW(window, WM_COMMAND, seen.file_dialog ? IDCANCEL : (seen.buttons.empty() ? IDOK : seen.buttons.front()), 0);
    return;
  }
  Answer answer = answers_.front();
  answers_.pop_front();
  if (answer.file_dialog && answer.button == IDOK) {
    SetWindowTextW(name_box, WideOfUtf8(answer.path).c_str());
  }
  PostMessageW(window, WM_COMMAND, answer.button, 0);
}

// A file dialog is read when it takes its answer from the queue: while it is being activated it
// may not have browsed to its folder yet, and when it closes it has let go of it.
LRESULT CALLBACK WindowAnswers::GetMessageHook(int code, WPARAM wparam, LPARAM lparam) {
  const MSG& message = *reinterpret_cast<const MSG*>(lparam);
  if (code == HC_ACTION && message.message == WM_COMMAND && t_answers != nullptr) {
    t_answers->OnAnswerTaken(message.hwnd);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

void WindowAnswers::OnAnswerTaken(HWND window) {
  for (auto [dialog, index] : open_file_dialogs_) {
    if (dialog != window || index >= seen_.size()) continue;
    wchar_t folder[MAX_PATH] = L"";
    SendMessageW(window, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
    seen_[index].folder = Utf8OfWide(folder);
    HWND read_only = GetDlgItem(window, READ_ONLY_BOX_ID);
    seen_[index].read_only_box = read_only != nullptr && IsWindowVisible(read_only);
  }
  std::erase_if(open_file_dialogs_, [&](const auto& entry) { return entry.first == window; });
}

LRESULT Command(HWND dialog, int id, int code) {
  return SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, code), 0);
}

std::wstring WindowTextW(HWND window) {
  if (window == nullptr) return {};
  int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int got = GetWindowTextW(window, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

std::string WindowText(HWND window) { return SjisOfWide(WindowTextW(window)); }

std::wstring WideOfUtf8(const std::string& utf8) { return Convert(CP_UTF8, utf8); }
std::string Utf8OfWide(std::wstring_view text) { return Convert(CP_UTF8, text); }
std::wstring WideOfSjis(const std::string& sjis) { return Convert(932, sjis); }
std::string SjisOfWide(std::wstring_view text) { return Convert(932, text); }

void SetWindowSjis(HWND window, const std::string& sjis) { SetWindowTextW(window, WideOfSjis(sjis).c_str()); }

std::string MenuText(HMENU menu, UINT item, UINT flags) {
  wchar_t text[128] = L"";
  GetMenuStringW(menu, item, text, 128, flags);
  return SjisOfWide(text);
}

std::string StatusText(HWND dialog, int part) {
  return Utf8OfWide(WindowTextW(GetDlgItem(dialog, IDC_STATUS_LINE + part)));
}

std::string MenuLabel(HMENU menu, UINT item, UINT flags) {
  wchar_t text[128] = L"";
  GetMenuStringW(menu, item, text, 128, flags);
  std::wstring label = text;
  label = label.substr(0, label.find(L'\t'));
  const size_t key = label.find(L"(&");
  if (key != std::wstring::npos && key + 3 < label.size() && label[key + 3] == L')') label.erase(key, 4);
  return SjisOfWide(label);
}

std::string ListText(HWND control, UINT length_message, UINT text_message, int row) {
  std::wstring text(static_cast<size_t>(SendMessageW(control, length_message, row, 0)) + 1, L'\0');
  text.resize(static_cast<size_t>(SendMessageW(control, text_message, row, reinterpret_cast<LPARAM>(text.data()))));
  return SjisOfWide(text);
}

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
    if (message.message == WM_QUIT) return;
    PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

bool TakeQuitMessage() {
  MSG message;
  return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

TempFolder::TempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  static int counter = 0;
  // Wine hands out the same process ids again: the clock keeps a folder left by a killed run apart.
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  char name[64];
  std::snprintf(name, sizeof name, "uitest-%lu-%d-%llx", GetCurrentProcessId(), ++counter,
                static_cast<unsigned long long>(now.QuadPart & 0xFFFFFF));
  folder_ = Utf8OfWide(base) + name;
  CreateDirectoryW(WideOfUtf8(folder_).c_str(), nullptr);
}

TempFolder::~TempFolder() {
  WIN32_FIND_DATAW found;
  const std::wstring folder = WideOfUtf8(folder_);
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring file = folder + L"\\" + found.cFileName;
      SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(file.c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::FILE* file = _wfopen(WideOfUtf8(path).c_str(), L"rb");
  if (file == nullptr) return bytes;
  uint8_t chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  std::fclose(file);
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* file = _wfopen(WideOfUtf8(path).c_str(), L"wb");
  ASSERT_NE(file, nullptr) << path;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

bool FileExists(const std::string& path) {
  return GetFileAttributesW(WideOfUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

HDROP MakeDrop(const std::string& path) {
  const std::wstring wide = WideOfUtf8(path);
  const size_t bytes = sizeof(DROPFILES) + (wide.size() + 2) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, bytes);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  std::copy(wide.begin(), wide.end(), reinterpret_cast<wchar_t*>(drop + 1));  // two NULs follow from GHND
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

ListState ReadListState(HWND list) {
  ListState state;
  const auto rows = static_cast<int32_t>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int32_t row = 0; row < rows; ++row) {
    std::wstring text(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, row, 0)) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
    state.texts.push_back(text);
  }
  state.selected.resize(static_cast<size_t>(rows));
  state.selected.resize(static_cast<size_t>(std::max<LRESULT>(
      0, SendMessageW(list, LB_GETSELITEMS, rows, reinterpret_cast<LPARAM>(state.selected.data())))));
  state.caret = static_cast<int32_t>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
  state.anchor = static_cast<int32_t>(SendMessageW(list, LB_GETANCHORINDEX, 0, 0));
  state.top = static_cast<int32_t>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  return state;
}

void PrintTo(const ListState& state, std::ostream* out) {
  *out << "{" << state.texts.size() << " rows, selected:";
  const std::vector<int32_t>& selected = state.selected;
  for (size_t k = 0, end = 0; k < selected.size(); k = ++end) {
    while (end + 1 < selected.size() && selected[end + 1] == selected[end] + 1) ++end;
    *out << ' ' << selected[k];
    if (end > k) *out << '-' << selected[end];
  }
  *out << ", caret " << state.caret << ", anchor " << state.anchor << ", top " << state.top << ", texts:";
  for (const std::wstring& text : state.texts) *out << " \"" << Utf8OfWide(text) << '"';
  *out << '}';
}

void PressKeyThroughLoop(HWND dialog, HWND target, WPARAM key, bool ctrl, bool shift) {
  static const DialogKeys keys = LoadDialogKeys();
  BYTE state[256];
  GetKeyboardState(state);
  BYTE held[256];
  std::copy(std::begin(state), std::end(state), std::begin(held));
  held[VK_CONTROL] = held[VK_LCONTROL] = ctrl ? 0x80 : 0;
  held[VK_SHIFT] = held[VK_LSHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(held);
  SetFocus(target);
  for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
    MSG msg{};
    msg.hwnd = target;
    msg.message = message;
    msg.wParam = key;
    msg.lParam = static_cast<LPARAM>(message == WM_KEYUP ? 0xC0000001u : 1u);
    DispatchDialogMessage(dialog, keys, msg);
  }
  SetKeyboardState(state);
  PumpMessages();
}
