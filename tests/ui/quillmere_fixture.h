// A fresh Quillmere dialog per test, created in-process from the real resources, with its boxes and
// file dialogs answered by the test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "officer_editor.h"
#include "quillmere_resource.h"
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
    return ListText(Item(IDC_OFFICER_LIST), LB_GETTEXTLEN, LB_GETTEXT, row);
  }

  HWND List() const { return Item(IDC_OFFICER_LIST); }
  int TopRow() const { return static_cast<int>(SendMessageA(List(), LB_GETTOPINDEX, 0, 0)); }
  void SetTopRow(int row) const { SendMessageA(List(), LB_SETTOPINDEX, row, 0); }
  void SelectRows(const std::vector<int>& rows) const {
    for (int row : rows) SendMessageA(List(), LB_SETSEL, TRUE, row);
  }
  std::vector<int> SelectedRows() const {
    std::vector<int> rows(static_cast<size_t>(SendMessageA(List(), LB_GETSELCOUNT, 0, 0)));
    SendMessageA(List(), LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
    return rows;
  }
  // The officers shown in the given rows.
  std::vector<OfficerId> OfficersOf(const std::vector<int>& rows) const {
    std::vector<OfficerId> ids;
    for (int row : rows) ids.push_back(g_officer_editor.order[static_cast<size_t>(row)]);
    return ids;
  }
  // Types a Shift-JIS text into an edit, as WM_SETTEXT does.
  void SetText(int id, const std::string& sjis) const { SetWindowSjis(Item(id), sjis); }
  void Choose(int combo, int index) const { SendMessageA(Item(combo), CB_SETCURSEL, index, 0); }
  // File › "上書き保存", then the bytes on disk.
  std::vector<uint8_t> SaveAndRead() {
    Command(dialog_, ID_FILE_SAVE);
    return ReadFileBytes(sample_path_);
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
