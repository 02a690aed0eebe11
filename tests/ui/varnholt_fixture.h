// Varnholt under Wine, in-process: each test gets a folder holding "Kelpwood.ini" and the scenario
// file it names, made the current directory, and (in VarnholtTest) a fresh dialog started there.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "image_bytes.h"
#include "item_editor.h"
#include "model/officer_tables.h"
#include "sample_data.h"
#include "sjis_text.h"
#include "varnholt_resource.h"

class VarnholtBase : public DialogTest {
 protected:
  VarnholtBase() : DialogTest(IDC_ITEM_LIST) {}
  void SetUp() override {
    GetCurrentDirectoryW(MAX_PATH, previous_directory_);
    scenario_ = MakeSampleScenario(1);
    save_ = MakeSampleSave(1);
    scenario_path_ = files_.Path("D_SCE.S8");
    save_path_ = files_.Path("SAMPLE1.sav");
    WriteFileBytes(scenario_path_, scenario_);
    WriteFileBytes(save_path_, save_);
    WriteIni(files_, "Path=" + files_.folder() + "\\\r\n");
    SetCurrentDirectoryW(WideOfUtf8(files_.folder()).c_str());
  }
  void TearDown() override {
    DialogTest::TearDown();
    SetCurrentDirectoryW(previous_directory_);
  }

  // "Kelpwood.ini" of `folder` with the given lines in its section "Init".
  static void WriteIni(const TempFolder& folder, const std::string& init_lines) {
    std::string text = "[Init]\r\n" + init_lines;
    WriteFileBytes(folder.Path("Kelpwood.ini"), std::vector<uint8_t>(text.begin(), text.end()));
  }

  HWND Start() {
    dialog_ = CreateItemDialog(GetModuleHandleA(nullptr), &start_);
    return dialog_;
  }

  int Count(int id, UINT message) const { return static_cast<int>(SendMessageA(Item(id), message, 0, 0)); }
  std::string ComboEntry(int id, int index) const {
    return ListText(Item(id), CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
  }
  int Choice(int id) const { return Count(id, CB_GETCURSEL); }
  void Choose(int id, int index) { SendMessageA(Item(id), CB_SETCURSEL, index, 0); }
  void Type(int id, const std::string& sjis) { SetWindowSjis(Item(id), sjis); }

  // A click on a visible row, as the mouse gives it (with Ctrl when `control`): the list changes its
  // selection and caret and tells the dialog LBN_SELCHANGE.
  void Click(int row, bool control = false) {
    HWND list = Item(IDC_ITEM_LIST);
    RECT rect{}, client{};
    GetClientRect(list, &client);
    SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    if (rect.top < 0 || rect.bottom > client.bottom) {
      SendMessageA(list, LB_SETTOPINDEX, row, 0);
      SendMessageA(list, LB_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
    }
    LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    WPARAM keys = MK_LBUTTON | (control ? MK_CONTROL : 0);
    SendMessageA(list, WM_LBUTTONDOWN, keys, point);
    SendMessageA(list, WM_LBUTTONUP, keys & ~MK_LBUTTON, point);
  }
  // Exactly `rows` selected, without a selection change notification.
  void SelectRows(std::initializer_list<int> rows) {
    SendMessageA(List(), LB_SETSEL, FALSE, -1);
    for (int row : rows) SendMessageA(List(), LB_SETSEL, TRUE, row);
  }

  // File › "セーブデータを開く" choosing `path`.
  void OpenSave(const std::string& path) {
    answers_.ChooseFile(path);
    Command(dialog_, ID_FILE_OPEN_SAVE);
  }
  void OpenSampleSave() {
    OpenSave(save_path_);
    ASSERT_TRUE(IsImageOpen(g_item_editor.images[SAVE_SLOT]));
    answers_.TakeSeen();
  }
  DataFileImage& Scenario() { return g_item_editor.images[SCENARIO_SLOT]; }
  DataFileImage& Save() { return g_item_editor.images[SAVE_SLOT]; }

  // One message box as the program showed it; `utf8_text` follows the path line when one is given,
  // and the reason, if any, follows it.
  static void ExpectBox(const SeenWindow& seen, const std::string& path, const char* utf8_text,
                        const char* utf8_caption, UINT icon) {
    if (path.empty()) {
      ExpectMessageBox(seen, Sjis(utf8_text), utf8_caption, icon);
    } else {
      ExpectFileBox(seen, path, utf8_text, utf8_caption, icon);
    }
  }

  // The file holds the original bytes except at the offsets of `changes`, which hold the values given.
  static void ExpectFileBytes(const std::string& path, const std::vector<uint8_t>& original,
                              const std::map<int32_t, uint8_t>& changes) {
    std::vector<uint8_t> expected = original;
    for (const auto& [offset, value] : changes) expected[static_cast<size_t>(offset)] = value;
    EXPECT_EQ(ByteDifferences(expected, ReadFileBytes(path)), "") << path;
  }
  // The bytes of a name field as the editor writes it: the text, a NUL, spaces to the end.
  static void PutName(std::map<int32_t, uint8_t>& changes, int32_t item, const std::string& sjis) {
    const std::string field = PaddedField(sjis, ITEM_NAME_WIDTH);
    for (int32_t k = 0; k < ITEM_NAME_WIDTH; ++k) changes[ItemFieldOffset(item, ITEM_NAME_FIELD) + k] = static_cast<uint8_t>(field[k]);
  }
  // The name of an item in the sample scenario: its field up to the NUL.
  std::string SampleName(int32_t item) const { return TextAt(scenario_, ItemFieldOffset(item, ITEM_NAME_FIELD), ITEM_NAME_WIDTH); }

  wchar_t previous_directory_[MAX_PATH] = L"";
  ItemEditorStart start_ = ItemEditorStart::NoWindow;
  std::vector<uint8_t> scenario_, save_;
  std::string scenario_path_, save_path_;
};

// A dialog started over the sample scenario file.
class VarnholtTest : public VarnholtBase {
 protected:
  void SetUp() override {
    VarnholtBase::SetUp();
    ASSERT_NE(Start(), nullptr);
    answers_.TakeSeen();
  }
};
