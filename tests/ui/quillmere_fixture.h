// A fresh Quillmere dialog per test, created in-process from the real resources, with its boxes and
// file dialogs answered by the test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "officer_editor.h"
#include "quillmere_resource.h"
#include "sample_data.h"
#include "sjis_text.h"

class QuillmereTest : public DialogTest {
 protected:
  QuillmereTest() : DialogTest(IDC_OFFICER_LIST) {}
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

  int ListCount() const { return static_cast<int>(SendMessageA(List(), LB_GETCOUNT, 0, 0)); }
  void SelectRows(const std::vector<int>& rows) const {
    for (int row : rows) SendMessageA(List(), LB_SETSEL, TRUE, row);
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
  // Opens a save whose roster runs past officer 899 (MakeLongRunSave); its bytes as written.
  std::vector<uint8_t> OpenLongRunSave() {
    std::vector<uint8_t> long_run = MakeLongRunSave();
    const std::string path = files_.Path("LONGRUN.sav");
    WriteFileBytes(path, long_run);
    Open(path);
    answers_.TakeSeen();
    return long_run;
  }
  void Close() { SendMessageA(dialog_, WM_CLOSE, 0, 0); }

  // One message box as the program showed it.
  static void ExpectBox(const SeenWindow& seen, const char* utf8_text, const char* utf8_caption, UINT icon) {
    ExpectMessageBox(seen, Sjis(utf8_text), utf8_caption, icon);
  }

  std::vector<uint8_t> sample_;
  std::string sample_path_;
};
