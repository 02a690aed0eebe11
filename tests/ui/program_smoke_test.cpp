// The real programs started as processes under Wine and driven from outside with the W messages:
// WinMain, the message loop (including characters typed into an edit), a menu command, an update
// button, the prompt on closing, and the exit status.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "officer_tables.h"
#include "resource.h"  // Quillmere's
#include "sample_data.h"
#include "sjis_text.h"
#include "ui_driver.h"

namespace {

constexpr int FILE_NAME_BOX = 0x47C;  // the file name box of the explorer-style file dialogs

std::wstring Wide(const std::string& sjis) {
  std::wstring wide(sjis.size(), L'\0');
  wide.resize(static_cast<size_t>(MultiByteToWideChar(932, 0, sjis.data(), static_cast<int>(sjis.size()),
                                                      wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

struct Running {
  PROCESS_INFORMATION process{};
  HWND dialog = nullptr;
};

struct BoxSearch {
  DWORD pid;
  HWND except, found;
};

BOOL CALLBACK FindBoxStep(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<BoxSearch*>(data);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  wchar_t name[16] = L"";
  GetClassNameW(window, name, 16);
  if (pid == search->pid && window != search->except && IsWindowVisible(window) && std::wstring(name) == L"#32770") {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// A visible top-level "#32770" window of the process other than `except`, or nullptr.
HWND FindBox(DWORD process_id, HWND except) {
  BoxSearch search{process_id, except, nullptr};
  EnumWindows(FindBoxStep, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForBox(DWORD process_id, HWND except) {
  for (int i = 0; i < 200; ++i) {
    if (HWND box = FindBox(process_id, except)) return box;
    Sleep(50);
  }
  return nullptr;
}

// Sends a command from a second thread (it returns when the handler has finished) while this
// thread answers what the handler shows through `answer`.
template <typename Answer>
void CommandFromOutside(HWND dialog, UINT message, WPARAM wparam, Answer answer) {
  std::atomic<bool> done{false};
  std::thread sender([&] {
    SendMessageW(dialog, message, wparam, 0);
    done = true;
  });
  answer();
  sender.join();
  EXPECT_TRUE(done);
}

TEST(ProgramSmoke, QuillmereOpensEditsAsksOnCloseAndExitsWithZero) {
  TempFolder files;
  std::vector<uint8_t> sample = MakeSampleSave(3);
  std::string save = files.Path("SMOKE.sav");
  WriteFileBytes(save, sample);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  Running q;
  std::string command = "\"" + ProgramPath("Quillmere.exe") + "\"";
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             files.folder().c_str(), &startup, &q.process));
  for (int i = 0; i < 200 && q.dialog == nullptr; ++i) {
    q.dialog = FindWindowW(L"#32770", L"Quillmere");
    if (!q.dialog) Sleep(50);
  }
  ASSERT_NE(q.dialog, nullptr);
  DWORD pid = q.process.dwProcessId;

  CommandFromOutside(q.dialog, WM_COMMAND, ID_FILE_OPEN, [&] {
    HWND box = WaitForBox(pid, q.dialog);
    ASSERT_NE(box, nullptr);
    std::wstring path = Wide(save);
    SendMessageW(GetDlgItem(box, FILE_NAME_BOX), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  HWND list = GetDlgItem(q.dialog, IDC_OFFICER_LIST);
  ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), ALWAYS_LISTED_IDS + 4 + 40);
  wchar_t row[32] = L"";
  SendMessageW(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(row));
  const char* full = reinterpret_cast<const char*>(sample.data()) + NameFieldOffset(1, FULL_NAME_FIELD);
  EXPECT_EQ(std::wstring(row), Wide(std::string(full, strnlen(full, FULL_NAME_WIDTH))));

  // Characters typed into an edit pass the program's message loop as they would from the keyboard.
  HWND family = GetDlgItem(q.dialog, IDC_FAMILY_NAME);
  for (wchar_t c : Wide(Sjis("青嵐"))) PostMessageW(family, WM_CHAR, c, 1);
  SendMessageW(q.dialog, WM_NULL, 0, 0);  // the posted characters are handled before this returns
  for (int i = 0; i < 50 && SendMessageW(family, WM_GETTEXTLENGTH, 0, 0) < 2; ++i) Sleep(20);
  SendMessageW(GetDlgItem(q.dialog, IDC_LOYALTY), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"55"));
  SendMessageW(list, LB_SETSEL, TRUE, 1);
  SendMessageW(q.dialog, WM_COMMAND, IDC_SET_FAMILY_NAME, 0);
  SendMessageW(q.dialog, WM_COMMAND, IDC_SET_LOYALTY, 0);

  // Closing asks about the changes; Yes stores them and the program ends with status 0.
  CommandFromOutside(q.dialog, WM_CLOSE, 0, [&] {
    HWND box = WaitForBox(pid, q.dialog);
    ASSERT_NE(box, nullptr);
    PostMessageW(box, WM_COMMAND, IDYES, 0);
  });
  ASSERT_EQ(WaitForSingleObject(q.process.hProcess, 10000), WAIT_OBJECT_0);
  DWORD status = 99;
  GetExitCodeProcess(q.process.hProcess, &status);
  EXPECT_EQ(status, 0u);
  CloseHandle(q.process.hProcess);
  CloseHandle(q.process.hThread);

  std::vector<uint8_t> expected = sample;
  std::string name = Sjis("青嵐");
  int32_t family_at = NameFieldOffset(1, FAMILY_NAME_FIELD);
  std::fill_n(expected.begin() + family_at, NAME_WIDTH, 0x20);
  std::copy(name.begin(), name.end(), expected.begin() + family_at);
  expected[static_cast<size_t>(family_at) + name.size()] = 0;
  const char* given = reinterpret_cast<const char*>(sample.data()) + NameFieldOffset(1, GIVEN_NAME_FIELD);
  std::string composed = name + std::string(given, strnlen(given, NAME_WIDTH));
  int32_t full_at = NameFieldOffset(1, FULL_NAME_FIELD);
  std::fill_n(expected.begin() + full_at, FULL_NAME_WIDTH, 0x20);
  std::copy(composed.begin(), composed.end(), expected.begin() + full_at);
  expected[static_cast<size_t>(full_at) + composed.size()] = 0;
  expected[AttributeOffset(LOYALTY_OFFSET, 1)] = 55;
  EXPECT_TRUE(ReadFileBytes(save) == expected);
}

}  // namespace
