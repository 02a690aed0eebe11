// The real programs started as processes under Wine and driven from outside with the W messages:
// WinMain, the message loop (including characters typed into an edit), a menu command, an update
// button, the prompt on closing, and the exit status.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "image_bytes.h"
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
  EXPECT_EQ(std::wstring(row), WideOfSjis(TextAt(sample, NameFieldOffset(1, FULL_NAME_FIELD), FULL_NAME_WIDTH)));

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
  PutBytes(expected, NameFieldOffset(1, FAMILY_NAME_FIELD), PaddedField(name, NAME_WIDTH));
  const std::string given = TextAt(sample, NameFieldOffset(1, GIVEN_NAME_FIELD), NAME_WIDTH);
  PutBytes(expected, NameFieldOffset(1, FULL_NAME_FIELD), PaddedField(name + given, FULL_NAME_WIDTH));
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
