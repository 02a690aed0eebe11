// Answering message boxes and file dialogs for in-process UI tests.
#include "ui_driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

thread_local WindowAnswers* t_answers = nullptr;

constexpr int MESSAGE_TEXT_ID = 0xFFFF;  // the static control holding a message box's text
constexpr int FILE_NAME_COMBO_ID = 0x47C;  // the file name box of the explorer-style dialogs
constexpr int FILE_NAME_EDIT_ID = 0x480;

bool IsDialogClass(HWND window) {
  char name[32] = "";
  GetClassNameA(window, name, sizeof name);
  return std::string(name) == "#32770";
}

UINT IconOf(HWND box) {
  // The icon of a message box is a static control showing one of the system icons; compare it with
  // the system's own icon handles.
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
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
}

WindowAnswers::~WindowAnswers() {
  UnhookWindowsHookEx(hook_);
  t_answers = nullptr;
}

void WindowAnswers::PressButton(int id) { answers_.push_back({false, id, {}}); }
void WindowAnswers::ChooseFile(const std::string& path) { answers_.push_back({true, IDOK, path}); }
void WindowAnswers::CancelFileDialog() { answers_.push_back({true, IDCANCEL, {}}); }

std::vector<SeenWindow> WindowAnswers::TakeSeen() {
  std::vector<SeenWindow> seen;
  seen.swap(seen_);
  return seen;
}

LRESULT CALLBACK WindowAnswers::CbtHook(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_ACTIVATE && t_answers != nullptr) t_answers->OnActivate(reinterpret_cast<HWND>(wparam));
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
  if (!seen.file_dialog) {
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
    PostMessageA(window, WM_COMMAND, seen.file_dialog ? IDCANCEL : (seen.buttons.empty() ? IDOK : seen.buttons.front()), 0);
    return;
  }
  Answer answer = answers_.front();
  answers_.pop_front();
  if (answer.file_dialog && answer.button == IDOK) {
    SetWindowTextA(name_box, answer.path.c_str());
  }
  PostMessageA(window, WM_COMMAND, answer.button, 0);
}

LRESULT Command(HWND dialog, int id, int code) {
  return SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, code), 0);
}

std::string WindowText(HWND window) {
  if (window == nullptr) return {};
  int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(window, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
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
  char base[MAX_PATH];
  GetTempPathA(sizeof base, base);
  static int counter = 0;
  char name[MAX_PATH];
  std::snprintf(name, sizeof name, "%suitest-%lu-%d", base, GetCurrentProcessId(), ++counter);
  folder_ = name;
  CreateDirectoryA(folder_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::string file = folder_ + "\\" + found.cFileName;
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(file.c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(folder_.c_str());
}

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return bytes;
  uint8_t chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  std::fclose(file);
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr) << path;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ProgramPath(const char* exe) {
  char folder[MAX_PATH] = "";
  DWORD length = GetEnvironmentVariableA("EDITORS_PROGRAM_DIR", folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) {
    GetModuleFileNameA(nullptr, folder, MAX_PATH);
    *strrchr(folder, '\\') = '\0';  // the test program's folder
    *strrchr(folder, '\\') = '\0';  // the one above
  }
  return std::string(folder) + "\\" + exe;
}
