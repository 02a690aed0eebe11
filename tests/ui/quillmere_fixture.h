// A fresh Quillmere dialog per test, created in-process from the real resources, with its boxes and
// file dialogs answered by the test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "officer_editor.h"
#include "resource.h"
#include "sample_data.h"
#include "sjis_text.h"
#include "ui_driver.h"

class QuillmereTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The program's state lives for the process; each test starts as the program does.
    ClearImagePath(g_officer_editor.save);
    g_officer_editor.save.dirty = 0;
    dialog_ = CreateOfficerDialog(GetModuleHandleA(nullptr));
    ASSERT_NE(dialog_, nullptr);
    sample_ = MakeSampleSave(1);
    sample_path_ = files_.Path("SAMPLE1.sav");
    WriteFileBytes(sample_path_, sample_);
  }
  void TearDown() override {
    EXPECT_TRUE(answers_.AllAnswersUsed()) << "a box or file dialog that was expected did not appear";
    DestroyWindow(dialog_);
    PumpMessages();
    TakeQuitMessage();
  }

  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  int ListCount() const { return static_cast<int>(SendMessageA(Item(IDC_OFFICER_LIST), LB_GETCOUNT, 0, 0)); }
  std::string ListRow(int row) const {
    HWND list = Item(IDC_OFFICER_LIST);
    std::string text(static_cast<size_t>(SendMessageA(list, LB_GETTEXTLEN, row, 0)) + 1, '\0');
    text.resize(static_cast<size_t>(SendMessageA(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
    return text;
  }

  // File › "セーブデータを開く" choosing `path`.
  void Open(const std::string& path) {
    answers_.ChooseFile(path);
    Command(dialog_, ID_FILE_OPEN);
  }
  void OpenSample() {
    Open(sample_path_);
    ASSERT_TRUE(IsImageOpen(g_officer_editor.save));
  }
  void Close() { SendMessageA(dialog_, WM_CLOSE, 0, 0); }

  // One message box as the program showed it.
  static void ExpectBox(const SeenWindow& seen, const char* utf8_text, const char* utf8_caption, UINT icon) {
    EXPECT_FALSE(seen.file_dialog);
    EXPECT_EQ(seen.text, Sjis(utf8_text));
    EXPECT_EQ(seen.caption, Sjis(utf8_caption));
    EXPECT_EQ(seen.icon, icon);
  }

  WindowAnswers answers_;
  TempFolder files_;
  HWND dialog_ = nullptr;
  std::vector<uint8_t> sample_;
  std::string sample_path_;
};
