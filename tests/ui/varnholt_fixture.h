// Varnholt under Wine, in-process: each test gets a folder holding "Kelpwood.ini" and the scenario
// file it names, made the current directory, and (in VarnholtTest) a fresh dialog started there.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "item_editor.h"
#include "model/officer_tables.h"
#include "sample_data.h"
#include "sjis_text.h"
#include "ui_driver.h"
#include "varnholt_resource.h"

class VarnholtBase : public ::testing::Test {
 protected:
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
    EXPECT_TRUE(answers_.AllAnswersUsed()) << "a box or file dialog that was expected did not appear";
    if (dialog_ != nullptr) DestroyWindow(dialog_);
    PumpMessages();
    TakeQuitMessage();
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

  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  int Count(int id, UINT message) const { return static_cast<int>(SendMessageA(Item(id), message, 0, 0)); }
  std::string ListRow(int row) const {
    return ListText(Item(IDC_ITEM_LIST), LB_GETTEXTLEN, LB_GETTEXT, row);
  }
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
    HWND list = Item(IDC_ITEM_LIST);
    SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int row : rows) SendMessageA(list, LB_SETSEL, TRUE, row);
  }
  std::vector<int> SelectedRows() const {
    HWND list = Item(IDC_ITEM_LIST);
    std::vector<int> rows(ITEM_COUNT);
    rows.resize(static_cast<size_t>(SendMessageA(list, LB_GETSELITEMS, ITEM_COUNT, reinterpret_cast<LPARAM>(rows.data()))));
    return rows;
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

  // One message box as the program showed it; `utf8_text` follows the path line when one is given.
  static void ExpectBox(const SeenWindow& seen, const std::string& path, const char* utf8_text,
                        const char* utf8_caption, UINT icon) {
    EXPECT_FALSE(seen.file_dialog);
    EXPECT_EQ(seen.text, path.empty() ? Sjis(utf8_text) : path + "\n" + Sjis(utf8_text));
    EXPECT_EQ(seen.caption, Sjis(utf8_caption));
    EXPECT_EQ(seen.icon, icon);
  }

  // The file holds the original bytes except at the offsets of `changes`, which hold the values given.
  static void ExpectFileBytes(const std::string& path, const std::vector<uint8_t>& original,
                              const std::map<int32_t, uint8_t>& changes) {
    std::vector<uint8_t> expected = original;
    for (const auto& [offset, value] : changes) expected[static_cast<size_t>(offset)] = value;
    std::vector<uint8_t> actual = ReadFileBytes(path);
    ASSERT_EQ(actual.size(), expected.size()) << path;
    int reported = 0;
    for (size_t i = 0; i < actual.size() && reported < 10; ++i) {
      if (actual[i] != expected[i]) {
        ADD_FAILURE() << "offset " << i << ": " << int{actual[i]} << " where " << int{expected[i]} << " was expected";
        ++reported;
      }
    }
  }
  // The bytes of a name field as the editor writes it: the text, a NUL, spaces to the end.
  static void PutName(std::map<int32_t, uint8_t>& changes, int32_t item, const std::string& sjis) {
    const int32_t field = ItemFieldOffset(item, ITEM_NAME_FIELD);
    for (int32_t k = 0; k < ITEM_NAME_WIDTH; ++k) {
      changes[field + k] = k < static_cast<int32_t>(sjis.size()) ? static_cast<uint8_t>(sjis[k])
                           : k == static_cast<int32_t>(sjis.size()) ? 0 : 0x20;
    }
  }
  // The name of an item in the sample scenario: its field up to the NUL.
  std::string SampleName(int32_t item) const {
    const char* field = reinterpret_cast<const char*>(&scenario_[ItemFieldOffset(item, ITEM_NAME_FIELD)]);
    return std::string(field, strnlen(field, ITEM_NAME_WIDTH));
  }

  wchar_t previous_directory_[MAX_PATH] = L"";
  WindowAnswers answers_;
  TempFolder files_;
  HWND dialog_ = nullptr;
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
