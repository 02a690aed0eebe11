// The real Varnholt.exe, started in a folder with its ini and scenario files and driven from
// outside with the W messages: its entry point, message loop and exit status.
#include "program_driver.h"
#include "varnholt_fixture.h"

#include <thread>

namespace {

class VarnholtProgramTest : public VarnholtBase {
 protected:
  void TearDown() override {
    if (process_.hProcess != nullptr) {
      if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    VarnholtBase::TearDown();
  }

  void Run() { ASSERT_TRUE(StartProgram(ProgramPath("Varnholt.exe"), files_.folder(), process_)); }

  // The first visible window of the program with the given caption.
  HWND WaitForWindow(const std::wstring& caption, int tries = 200) {
    return ::WaitForWindow(process_.dwProcessId, caption, tries);
  }

  DWORD ExitStatus() {
    EXPECT_EQ(WaitForSingleObject(process_.hProcess, 20000), WAIT_OBJECT_0);
    DWORD status = 259;
    GetExitCodeProcess(process_.hProcess, &status);
    return status;
  }

  PROCESS_INFORMATION process_{};
};

TEST_F(VarnholtProgramTest, ShowsItsDialogAndEndsWithStatusZeroOnQuit) {
  Run();
  HWND dialog = WaitForWindow(L"Varnholt");
  ASSERT_NE(dialog, nullptr);
  PostMessageW(dialog, WM_COMMAND, IDC_QUIT, 0);
  EXPECT_EQ(ExitStatus(), 0u);
}

// The whole round of a user: the File menu opens a save file through the file dialog, a price is
// changed and the scenario file stored; "終了" then ends with status 0, asking nothing.
TEST_F(VarnholtProgramTest, OpensASaveStoresTheScenarioAndEndsWithStatusZero) {
  Run();
  HWND dialog = WaitForWindow(L"Varnholt");
  ASSERT_NE(dialog, nullptr);
  std::thread opener([&] { SendMessageW(dialog, WM_COMMAND, ID_FILE_OPEN_SAVE, 0); });
  HWND box = WaitForBox(process_.dwProcessId, dialog);
  if (box != nullptr) ChooseFileInBox(box, WideOfUtf8(save_path_));
  opener.join();
  ASSERT_NE(box, nullptr);
  EXPECT_GT(SendMessageW(GetDlgItem(dialog, IDC_ITEM_OWNER), CB_GETCOUNT, 0, 0), 0);

  SendMessageW(GetDlgItem(dialog, IDC_ITEM_PRICE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"500"));
  SendMessageW(dialog, WM_COMMAND, IDC_UPDATE_PRICE, 0);  // item 0, selected at start
  SendMessageW(dialog, WM_COMMAND, ID_FILE_OVERWRITE_SCENARIO, 0);
  PostMessageW(dialog, WM_COMMAND, IDC_QUIT, 0);
  EXPECT_EQ(ExitStatus(), 0u);
  ExpectFileBytes(scenario_path_, scenario_, {{ItemFieldOffset(0, ITEM_PRICE_FIELD), 500 / PRICE_UNIT}});
  ExpectFileBytes(save_path_, save_, {});
}

// An unreadable scenario file: the read failure alone, then the end with status 0; the dialog is
// never shown and the window failure is not reported.
TEST_F(VarnholtProgramTest, UnreadableScenarioEndsWithStatusZeroAfterTheReadFailure) {
  WriteFileBytes(scenario_path_, std::vector<uint8_t>(scenario_.begin(), scenario_.end() - 1));
  Run();
  HWND box = WaitForWindow(WideOfSjis(Sjis("警告")));
  ASSERT_NE(box, nullptr);
  wchar_t text[2048] = L"";
  SendMessageW(GetDlgItem(box, 0xFFFF), WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text));
  // The file, the failure and why, then the ini file that named its folder.
  const std::wstring shown = text;
  EXPECT_TRUE(shown.starts_with(WideOfSjis(scenario_path_ + "\n" + Sjis("ファイルの読み取りに失敗しました。\nファイルが短すぎます。"))))
      << Utf8OfWide(shown);
  EXPECT_NE(shown.find(WideOfSjis(files_.Path("Kelpwood.ini") + Sjis(" の [Init] Path で"))), std::wstring::npos)
      << Utf8OfWide(shown);
  EXPECT_EQ(WaitForWindow(L"Varnholt", 1), nullptr);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(ExitStatus(), 0u);
}

}  // namespace
