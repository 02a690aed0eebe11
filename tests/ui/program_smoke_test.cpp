// The real programs started as processes under Wine and driven from outside with the W messages:
// WinMain, the message loop (including characters typed into an edit), a menu command, an update
// button, the prompt on closing, and the exit status.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "model/officer_tables.h"
#include "program_driver.h"
#include "quillmere_resource.h"
#include "sample_data.h"
#include "sjis_text.h"
#include "ui_driver.h"

namespace {

TEST(ProgramSmoke, QuillmereOpensEditsAsksOnCloseAndExitsWithZero) {
  TempFolder files;
  std::vector<uint8_t> sample = MakeSampleSave(3);
  std::string save = files.Path("SMOKE.sav");
  WriteFileBytes(save, sample);

  PROCESS_INFORMATION process{};
  ASSERT_TRUE(StartProgram(ProgramPath("Quillmere.exe"), files.folder(), process));
  const DWORD pid = process.dwProcessId;
  HWND dialog = WaitForWindow(pid, L"Quillmere");
  ASSERT_NE(dialog, nullptr);

  CommandFromOutside(dialog, WM_COMMAND, ID_FILE_OPEN, [&] {
    HWND box = WaitForBox(pid, dialog);
    ASSERT_NE(box, nullptr);
    ChooseFileInBox(box, WideOfUtf8(save));
  });
  HWND list = GetDlgItem(dialog, IDC_OFFICER_LIST);
  ASSERT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), ALWAYS_LISTED_IDS + 4 + 40);
  wchar_t row[32] = L"";
  SendMessageW(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(row));
  const char* full = reinterpret_cast<const char*>(sample.data()) + NameFieldOffset(1, FULL_NAME_FIELD);
  EXPECT_EQ(std::wstring(row), WideOfSjis(std::string(full, strnlen(full, FULL_NAME_WIDTH))));

  // Characters typed into an edit pass the program's message loop as they would from the keyboard.
  HWND family = GetDlgItem(dialog, IDC_FAMILY_NAME);
  for (wchar_t c : WideOfSjis(Sjis("青嵐"))) PostMessageW(family, WM_CHAR, c, 1);
  SendMessageW(dialog, WM_NULL, 0, 0);  // the posted characters are handled before this returns
  for (int i = 0; i < 50 && SendMessageW(family, WM_GETTEXTLENGTH, 0, 0) < 2; ++i) Sleep(20);
  SendMessageW(GetDlgItem(dialog, IDC_LOYALTY), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"55"));
  SendMessageW(list, LB_SETSEL, TRUE, 1);
  SendMessageW(dialog, WM_COMMAND, IDC_SET_FAMILY_NAME, 0);
  SendMessageW(dialog, WM_COMMAND, IDC_SET_LOYALTY, 0);

  // Closing asks about the changes; Yes stores them and the program ends with status 0.
  CommandFromOutside(dialog, WM_CLOSE, 0, [&] {
    HWND box = WaitForBox(pid, dialog);
    ASSERT_NE(box, nullptr);
    PostMessageW(box, WM_COMMAND, IDYES, 0);
  });
  ASSERT_EQ(WaitForExit(process), 0u);

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

// "Open with" and shortcuts: the file named on the command line is open when the window appears.
TEST(ProgramSmoke, QuillmereOpensTheFileNamedOnItsCommandLine) {
  TempFolder files;
  const std::string save = files.Path("命令行.sav");
  WriteFileBytes(save, MakeSampleSave(3));
  PROCESS_INFORMATION process{};
  ASSERT_TRUE(StartProgram(ProgramPath("Quillmere.exe"), files.folder(), process, save));
  // The window shows before the file is read: wait for the title that names it.
  HWND dialog = WaitForWindow(process.dwProcessId, L"命令行.sav - Quillmere");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, IDC_OFFICER_LIST), LB_GETCOUNT, 0, 0), ALWAYS_LISTED_IDS + 4 + 40);
  PostMessageW(dialog, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForExit(process), 0u);
}

}  // namespace
