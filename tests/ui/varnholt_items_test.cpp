// Varnholt's item commands under Wine: the view of the current item, the update buttons on a
// multiple selection, the selection commands, the reset to the built-in table, and the owner
// list's kana quick-jump. Saved files are compared byte by byte with the originals.
#include <cstring>

#include "row_by_row.h"
#include "varnholt_fixture.h"

namespace {

constexpr int ROSTER_COUNT = ALWAYS_LISTED_IDS + 4 + (SAMPLE_RUN_LAST - SAMPLE_RUN_FIRST + 1);

// The owner list row of an officer of the sample save: ids 0 to 657, then 660, 661, 700, 759, then
// the run from 760.
int OwnerRow(OfficerId id) {
  if (id == NO_OWNER) return ROSTER_COUNT;
  if (id < ALWAYS_LISTED_IDS) return id;
  for (int k = 0; k < 4; ++k) {
    if (SAMPLE_EXTRA_IDS[k] == id) return ALWAYS_LISTED_IDS + k;
  }
  return ALWAYS_LISTED_IDS + 4 + (id - SAMPLE_RUN_FIRST);
}

OfficerId OwnerAtRow(int row) {
  if (row < ALWAYS_LISTED_IDS) return row;
  if (row < ALWAYS_LISTED_IDS + 4) return SAMPLE_EXTRA_IDS[row - ALWAYS_LISTED_IDS];
  return SAMPLE_RUN_FIRST + (row - ALWAYS_LISTED_IDS - 4);
}

struct Shown {
  std::string name;
  int type, image;
  const char* price;
  const char* increase;
  int skill, owner;
};

class VarnholtItemTest : public VarnholtTest {
 protected:
  void ExpectShown(const Shown& shown) {
    EXPECT_EQ(WindowText(Item(IDC_ITEM_NAME)), shown.name);
    EXPECT_EQ(Choice(IDC_ITEM_TYPE), shown.type);
    EXPECT_EQ(Choice(IDC_ITEM_IMAGE), shown.image);
    EXPECT_EQ(WindowText(Item(IDC_ITEM_PRICE)), shown.price);
    EXPECT_EQ(WindowText(Item(IDC_ITEM_INCREASE)), shown.increase);
    EXPECT_EQ(Choice(IDC_ITEM_SKILL), shown.skill);
    EXPECT_EQ(Choice(IDC_ITEM_OWNER), shown.owner);
  }
  void StoreBoth() {
    Command(dialog_, ID_FILE_OVERWRITE_SCENARIO);
    Command(dialog_, ID_FILE_OVERWRITE_SAVE);
    EXPECT_EQ(Scenario().dirty, 0);
    EXPECT_EQ(Save().dirty, 0);
  }
  bool ScenarioUnchanged() const { return std::memcmp(scenario_.data(), g_item_editor.images[SCENARIO_SLOT].data, scenario_.size()) == 0; }
  LRESULT ListMessage(UINT message, WPARAM wparam = 0) const {
    return SendMessageA(Item(IDC_ITEM_LIST), message, wparam, 0);
  }
};

// The caret row becomes the current item, whether the click selected or deselected it. Bytes
// outside a list show no entry (sent as -1, which Wine needs to clear a choice); an owner outside
// the roster shows none either.
TEST_F(VarnholtItemTest, SelectionChangeShowsTheCaretRowsFieldsAndOwner) {
  OpenSampleSave();
  struct Case {
    int row;
    bool control;
    Shown shown;
  };
  const Case cases[] = {
      {1, false, {Sjis("的盧"), 0, 1, "750", "0", 18, OwnerRow(SampleItemOwner(1))}},
      {SAMPLE_OUT_OF_LIST_ITEM, false, {SampleName(SAMPLE_OUT_OF_LIST_ITEM), -1, -1, "500", "3", -1, OwnerRow(NO_OWNER)}},
      {4, false, {SampleName(4), 0, 4, "400", "0", 26, OwnerRow(SampleItemOwner(4))}},
      {SAMPLE_NEGATIVE_ITEM, false, {SampleName(SAMPLE_NEGATIVE_ITEM), -1, -1, "500", "-1", -1, OwnerRow(SampleItemOwner(21))}},
      {SAMPLE_TOP_PRICE_ITEM, false, {SampleName(SAMPLE_TOP_PRICE_ITEM), 1, 24, "12750", "2", 26, OwnerRow(NO_OWNER)}},
      {SAMPLE_STRAY_OWNER_ITEM, false, {SampleName(7), 0, 4, "400", "0", 26, -1}},
      {9, true, {Sjis("七星宝刀"), 1, 5, "1000", "10", 11, OwnerRow(SampleItemOwner(9))}},
      {8, true, {SampleName(8), 0, 4, "400", "0", 26, OwnerRow(SampleItemOwner(8))}},
      {9, true, {Sjis("七星宝刀"), 1, 5, "1000", "10", 11, OwnerRow(SampleItemOwner(9))}},  // deselects 9
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    Click(c.row, c.control);
    EXPECT_EQ(g_item_editor.current_item, c.row);
    EXPECT_EQ(ListMessage(LB_GETCARETINDEX), c.row);
    ExpectShown(c.shown);
  }
  EXPECT_EQ(SelectedRows(), (std::vector<int>{7, 8}));
  // Only a selection change is handled on the list.
  ListMessage(LB_SETCARETINDEX, 1);
  EXPECT_EQ(ItemDialogProc(dialog_, WM_COMMAND, MAKEWPARAM(IDC_ITEM_LIST, LBN_DBLCLK), 0), FALSE);
  EXPECT_EQ(g_item_editor.current_item, 9);
  EXPECT_EQ(ItemDialogProc(dialog_, WM_COMMAND, MAKEWPARAM(IDC_ITEM_LIST, LBN_SELCHANGE), 0), TRUE);
  EXPECT_EQ(g_item_editor.current_item, 1);
  EXPECT_EQ(Scenario().dirty, 0);
  EXPECT_EQ(Save().dirty, 0);
}

// Every update button writes its field into every selected item and nothing else; the current
// item (not selected here) keeps its record while the controls keep what was entered.
TEST_F(VarnholtItemTest, EveryUpdateButtonWritesIntoEachSelectedItem) {
  OpenSampleSave();
  SelectRows({2, 5, 200});
  const std::string name = Sjis("玄武刀");
  const int owner_row = OwnerRow(SAMPLE_RUN_FIRST);
  Type(IDC_ITEM_NAME, name);
  Choose(IDC_ITEM_TYPE, 3);
  Choose(IDC_ITEM_IMAGE, 19);
  Type(IDC_ITEM_PRICE, "1250");
  Type(IDC_ITEM_INCREASE, "7");
  Choose(IDC_ITEM_SKILL, 26);
  Choose(IDC_ITEM_OWNER, owner_row);
  for (int id = IDC_UPDATE_NAME; id <= IDC_UPDATE_OWNER; ++id) Command(dialog_, id);
  EXPECT_TRUE(answers_.TakeSeen().empty());
  EXPECT_EQ(Scenario().dirty, 1);
  EXPECT_EQ(Save().dirty, 1);
  for (int row : {2, 5, 200}) EXPECT_EQ(ListRow(row), name) << row;
  EXPECT_EQ(ListRow(0), SampleName(0));
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 5, 200}));
  EXPECT_EQ(ListMessage(LB_GETCARETINDEX), 0);
  ExpectShown({name, 3, 19, "1250", "7", 26, owner_row});

  StoreBoth();
  std::map<int32_t, uint8_t> scenario_changes, save_changes;
  for (int item : {2, 5, 200}) {
    PutName(scenario_changes, item, name);
    scenario_changes[ItemFieldOffset(item, ITEM_TYPE_FIELD)] = 3;
    scenario_changes[ItemFieldOffset(item, ITEM_IMAGE_FIELD)] = 19;
    scenario_changes[ItemFieldOffset(item, ITEM_PRICE_FIELD)] = 25;
    scenario_changes[ItemFieldOffset(item, ITEM_INCREASE_FIELD)] = 7;
    scenario_changes[ItemFieldOffset(item, ITEM_SKILL_FIELD)] = 255;
    save_changes[OwnerEntryOffset(item)] = SAMPLE_RUN_FIRST & 0xFF;
    save_changes[OwnerEntryOffset(item) + 1] = SAMPLE_RUN_FIRST >> 8;
  }
  ExpectFileBytes(scenario_path_, scenario_, scenario_changes);
  ExpectFileBytes(save_path_, save_, save_changes);
}

// "全て更新" with an empty name shows the name's message and still writes the other six fields.
TEST_F(VarnholtItemTest, UpdateAllFieldsSkipsOnlyTheRefusedField) {
  OpenSampleSave();
  SelectRows({10, 11});
  Type(IDC_ITEM_NAME, "");
  Choose(IDC_ITEM_TYPE, 11);
  Choose(IDC_ITEM_IMAGE, 77);
  Type(IDC_ITEM_PRICE, "0");
  Type(IDC_ITEM_INCREASE, "99");
  Choose(IDC_ITEM_SKILL, 0);
  Choose(IDC_ITEM_OWNER, OwnerRow(NO_OWNER));
  auto seen = Answered(IDC_UPDATE_ALL, {IDOK});
  ASSERT_EQ(seen.size(), 1u);
  ExpectBox(seen[0], "", "名前を入力して下さい。", "名前", MB_ICONWARNING);
  StoreBoth();
  std::map<int32_t, uint8_t> scenario_changes, save_changes;
  for (int item : {10, 11}) {
    scenario_changes[ItemFieldOffset(item, ITEM_TYPE_FIELD)] = 11;
    scenario_changes[ItemFieldOffset(item, ITEM_IMAGE_FIELD)] = 77;
    scenario_changes[ItemFieldOffset(item, ITEM_PRICE_FIELD)] = 0;
    scenario_changes[ItemFieldOffset(item, ITEM_INCREASE_FIELD)] = 99;
    scenario_changes[ItemFieldOffset(item, ITEM_SKILL_FIELD)] = 0;
    save_changes[OwnerEntryOffset(item)] = 0xB8;
    save_changes[OwnerEntryOffset(item) + 1] = 0x06;
  }
  ExpectFileBytes(scenario_path_, scenario_, scenario_changes);
  ExpectFileBytes(save_path_, save_, save_changes);
  EXPECT_EQ(ListRow(10), SampleName(10));
}

// A refused entry shows its field's message and writes and marks nothing. (Which entries each field
// refuses is the number parser's business.)
TEST_F(VarnholtItemTest, RefusedInputsShowTheirMessageAndChangeNothing) {
  const char* const price_message = "0 から 12750 までの 50 で割り切れる数値を入力して下さい。";
  const char* const increase_message = "0 から 99 までの数値を入力して下さい。";
  struct Case {
    int edit, button;
    const char* typed;  // UTF-8
    const char* message;
    const char* caption;
  };
  const Case cases[] = {
      {IDC_ITEM_NAME, IDC_UPDATE_NAME, "", "名前を入力して下さい。", "名前"},
      {IDC_ITEM_PRICE, IDC_UPDATE_PRICE, "25", price_message, "売値"},
      {IDC_ITEM_PRICE, IDC_UPDATE_PRICE, "１００", price_message, "売値"},
      {IDC_ITEM_INCREASE, IDC_UPDATE_INCREASE, "-1", increase_message, "増加値"},
  };
  SelectRows({0, 1});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    Type(c.edit, Sjis(c.typed));
    auto seen = Answered(c.button, {IDOK});
    ASSERT_EQ(seen.size(), 1u);
    ExpectBox(seen[0], "", c.message, c.caption, MB_ICONWARNING);
  }
  EXPECT_EQ(Scenario().dirty, 0);
  EXPECT_TRUE(ScenarioUnchanged());
}

// Names are stored as whole characters of at most 12 bytes, with the user-defined character kept
// byte for byte; shorter names are followed by a NUL and spaces.
TEST_F(VarnholtItemTest, NamesAreStoredAsWholeCharactersOfAtMostTwelveBytes) {
  struct Case {
    int item;
    std::string typed, stored;
  };
  const std::string udc = std::string("\x93\x53\xF0\x9A\xE5\x5B\x8D\x9C\x9E\x53", 10);
  const Case cases[] = {
      {31, Sjis("白銀獅子王冠鞍"), Sjis("白銀獅子王冠")},  // 14 bytes typed: 12 stored, NUL last
      {32, Sjis("abcdefghijk漢"), "abcdefghijk"},          // the kanji would straddle the limit
      {33, udc, udc},
      {34, Sjis("茶"), Sjis("茶")},
  };
  std::map<int32_t, uint8_t> changes;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    SelectRows({c.item});
    Type(IDC_ITEM_NAME, c.typed);
    Command(dialog_, IDC_UPDATE_NAME);
    EXPECT_EQ(ListRow(c.item), c.stored);
    PutName(changes, c.item, c.stored);
  }
  EXPECT_TRUE(answers_.TakeSeen().empty());
  Command(dialog_, ID_FILE_OVERWRITE_SCENARIO);
  ExpectFileBytes(scenario_path_, scenario_, changes);
}

// A combo box with no current entry (its item's byte lies outside the list) names no value: the
// type, image, skill and owner buttons write nothing and mark nothing changed, and "全て更新" after
// typing only a new name changes the name alone.
TEST_F(VarnholtItemTest, ChoicesWithoutAnEntry) {
  OpenSampleSave();
  Click(SAMPLE_OUT_OF_LIST_ITEM);
  Click(SAMPLE_STRAY_OWNER_ITEM, true);
  ASSERT_EQ(SelectedRows(), (std::vector<int>{SAMPLE_STRAY_OWNER_ITEM, SAMPLE_OUT_OF_LIST_ITEM}));
  Choose(IDC_ITEM_TYPE, -1);
  Choose(IDC_ITEM_IMAGE, -1);
  Choose(IDC_ITEM_SKILL, -1);
  ASSERT_EQ(Choice(IDC_ITEM_OWNER), -1);
  for (int id : {IDC_UPDATE_TYPE, IDC_UPDATE_IMAGE, IDC_UPDATE_SKILL, IDC_UPDATE_OWNER}) Command(dialog_, id);
  EXPECT_EQ(Scenario().dirty, 0);
  EXPECT_EQ(Save().dirty, 0);

  Click(SAMPLE_OUT_OF_LIST_ITEM);
  ASSERT_EQ(Choice(IDC_ITEM_TYPE), -1);
  Type(IDC_ITEM_NAME, Sjis("新名"));
  Command(dialog_, IDC_UPDATE_ALL);
  EXPECT_EQ(Scenario().dirty, 1);
  StoreBoth();
  std::map<int32_t, uint8_t> changes;
  PutName(changes, SAMPLE_OUT_OF_LIST_ITEM, Sjis("新名"));
  ExpectFileBytes(scenario_path_, scenario_, changes);
  ExpectFileBytes(save_path_, save_, {});
}

// Select all then invert leaves nothing selected; the caret stays on the current item, the top row
// does not move, and nothing is marked changed.
TEST_F(VarnholtItemTest, SelectAllThenInvertLeavesNothingSelected) {
  Click(105);
  ListMessage(LB_SETTOPINDEX, 100);
  ASSERT_EQ(ListMessage(LB_GETTOPINDEX), 100);
  Command(dialog_, IDC_SELECT_ALL);
  EXPECT_EQ(ListMessage(LB_GETSELCOUNT), ITEM_COUNT);
  EXPECT_EQ(ListMessage(LB_GETCARETINDEX), 105);
  EXPECT_EQ(ListMessage(LB_GETTOPINDEX), 100);
  SelectRows({3, 104, 105});
  ListMessage(LB_SETTOPINDEX, 100);
  Command(dialog_, IDC_INVERT_SELECTION);
  EXPECT_EQ(ListMessage(LB_GETSELCOUNT), ITEM_COUNT - 3);
  EXPECT_EQ(ListMessage(LB_GETSEL, 104), 0);
  Command(dialog_, IDC_SELECT_ALL);
  Command(dialog_, IDC_INVERT_SELECTION);
  EXPECT_EQ(ListMessage(LB_GETSELCOUNT), 0);
  EXPECT_EQ(ListMessage(LB_GETCARETINDEX), 105);
  EXPECT_EQ(ListMessage(LB_GETTOPINDEX), 100);
  EXPECT_EQ(g_item_editor.current_item, 105);
  EXPECT_EQ(WindowText(Item(IDC_ITEM_NAME)), SampleName(105));
  EXPECT_EQ(Scenario().dirty, 0);
}

// "初期化": No changes nothing; Yes puts every item but its owner back to the built-in table and
// marks only the scenario changed, keeping the selection, the caret and the top row.
TEST_F(VarnholtItemTest, InitializeAnsweredNoThenYes) {
  OpenSampleSave();
  SelectRows({2, 3});
  Click(100, true);
  ListMessage(LB_SETTOPINDEX, 90);
  auto seen = Answered(IDC_INITIALIZE, {IDNO});
  ASSERT_EQ(seen.size(), 1u);
  ExpectBox(seen[0], "", "全てのアイテムについて所有者以外の設定を初期状態に戻します。よろしいですか?", "初期化",
            MB_ICONQUESTION);
  EXPECT_EQ(seen[0].buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_TRUE(ScenarioUnchanged());
  EXPECT_EQ(Scenario().dirty, 0);
  EXPECT_EQ(ListRow(100), SampleName(100));

  answers_.PressButton(IDYES);
  Command(dialog_, IDC_INITIALIZE);
  EXPECT_EQ(Scenario().dirty, 1);
  EXPECT_EQ(Save().dirty, 0);
  EXPECT_EQ(ListRow(2), Sjis("爪黄飛電"));
  EXPECT_EQ(ListRow(3), Sjis("絶影"));
  EXPECT_EQ(ListRow(100), Sjis("荘子"));
  EXPECT_EQ(Count(IDC_ITEM_LIST, LB_GETCOUNT), ITEM_COUNT);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 3, 100}));
  EXPECT_EQ(ListMessage(LB_GETCARETINDEX), 100);
  EXPECT_EQ(ListMessage(LB_GETTOPINDEX), 90);
  ExpectShown({Sjis("荘子"), 6, 41, "500", "5", 26, OwnerRow(NO_OWNER)});

  Command(dialog_, ID_FILE_OVERWRITE_SCENARIO);
  std::map<int32_t, uint8_t> changes;
  PutName(changes, 2, Sjis("爪黄飛電"));
  PutName(changes, 3, Sjis("絶影"));
  PutName(changes, 100, Sjis("荘子"));
  changes[ItemFieldOffset(SAMPLE_REPRICED_ITEM, ITEM_PRICE_FIELD)] = 30;
  changes[ItemFieldOffset(SAMPLE_TOP_PRICE_ITEM, ITEM_PRICE_FIELD)] = 7;
  changes[ItemFieldOffset(SAMPLE_SKILLED_ITEM, ITEM_SKILL_FIELD)] = 255;
  changes[ItemFieldOffset(SAMPLE_OUT_OF_LIST_ITEM, ITEM_TYPE_FIELD)] = 1;
  changes[ItemFieldOffset(SAMPLE_OUT_OF_LIST_ITEM, ITEM_IMAGE_FIELD)] = 13;
  changes[ItemFieldOffset(SAMPLE_OUT_OF_LIST_ITEM, ITEM_SKILL_FIELD)] = 255;
  changes[ItemFieldOffset(SAMPLE_NEGATIVE_ITEM, ITEM_TYPE_FIELD)] = 1;
  changes[ItemFieldOffset(SAMPLE_NEGATIVE_ITEM, ITEM_IMAGE_FIELD)] = 14;
  changes[ItemFieldOffset(SAMPLE_NEGATIVE_ITEM, ITEM_INCREASE_FIELD)] = 3;
  changes[ItemFieldOffset(SAMPLE_NEGATIVE_ITEM, ITEM_SKILL_FIELD)] = 255;
  ExpectFileBytes(scenario_path_, scenario_, changes);
}

// Stands behind the kana quick-jump in place of the combo box's own procedure, to see what reaches it.
WNDPROC g_combo_proc = nullptr;
std::vector<WPARAM> g_keys_passed_on;
LRESULT CALLBACK PassedOnProc(HWND combo, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_KEYUP) g_keys_passed_on.push_back(wparam);
  return CallWindowProcA(g_combo_proc, combo, message, wparam, lparam);
}

// A kana key released over the owner list moves its view and choice to the next block of officers
// with that initial in the running dialog; other keys, and keys while no save file is open, go on
// to the combo box. No data changes.
TEST_F(VarnholtItemTest, KanaKeyJumpsInTheOwnerList) {
  OpenSampleSave();
  g_combo_proc = g_item_editor.owner_jump.previous;
  g_item_editor.owner_jump.previous = PassedOnProc;
  g_keys_passed_on.clear();
  HWND combo = Item(IDC_ITEM_OWNER);
  auto key_up = [&](WPARAM key) { return SendMessageA(combo, WM_KEYUP, key, 0xC0000001); };
  auto first_reading_byte = [&](int row) { return save_[NameFieldOffset(OwnerAtRow(row), READING_FIELD)]; };

  Choose(IDC_ITEM_OWNER, 0);
  const LRESULT top = SendMessageA(combo, CB_GETTOPINDEX, 0, 0);
  ASSERT_EQ(top, 0);
  const uint8_t ka = 0xB6;  // ｶ, on the T key
  int target = static_cast<int>(top);
  while (first_reading_byte(target) == ka) ++target;  // the block the view starts with
  while (first_reading_byte(target) != ka) ++target;
  EXPECT_EQ(key_up('T'), 0);
  EXPECT_EQ(Choice(IDC_ITEM_OWNER), target);
  const LRESULT moved_top = SendMessageA(combo, CB_GETTOPINDEX, 0, 0);
  EXPECT_NE(moved_top, top);
  EXPECT_LE(moved_top, target);

  // Not in the table, and a kana no reading starts with (ﾇ, on the 1 key): passed on, nothing moves.
  for (int row = 0; row < ROSTER_COUNT; ++row) ASSERT_NE(first_reading_byte(row), 0xC7) << row;
  key_up(VK_LEFT);
  key_up('1');
  EXPECT_EQ(g_keys_passed_on, (std::vector<WPARAM>{VK_LEFT, '1'}));
  EXPECT_EQ(Choice(IDC_ITEM_OWNER), target);
  EXPECT_EQ(SendMessageA(combo, CB_GETTOPINDEX, 0, 0), moved_top);
  EXPECT_EQ(Save().dirty, 0);

  Command(dialog_, ID_FILE_CLOSE_SAVE);
  key_up('T');
  EXPECT_EQ(g_keys_passed_on.back(), WPARAM{'T'});
  g_item_editor.owner_jump.previous = g_combo_proc;
}


// Select all, invert and the name update end exactly as their row-by-row sequences do: LB_SETSEL
// on each row (after each selected row's text is deleted and inserted again, for the name), then
// the caret to the current item and the top row back. The same selection, caret, anchor, top row
// and rows, over random selections, carets and top rows, and the empty and full selections.
TEST_F(VarnholtItemTest, SelectionCommandsEndAsTheirRowByRowSequencesDo) {
  HWND list = Item(IDC_ITEM_LIST);
  auto finish = [&](int top) {
    SendMessageW(list, LB_SETCARETINDEX, g_item_editor.current_item, FALSE);
    SendMessageW(list, LB_SETTOPINDEX, top, 0);
  };
  Type(IDC_ITEM_NAME, Sjis("鉄剣"));
  CaseDraws draws(2024);
  for (int trial = 0; trial < 8; ++trial) {
    SCOPED_TRACE(trial);
    const std::vector<int> rows = draws.Rows(trial, ITEM_COUNT);
    const int top = static_cast<int>(draws.Next() % ITEM_COUNT), caret = static_cast<int>(draws.Next() % ITEM_COUNT);
    g_item_editor.current_item = static_cast<int32_t>(draws.Next() % ITEM_COUNT);
    auto set_up = [&] {
      SendMessageW(list, WM_SETREDRAW, FALSE, 0);  // painting every row would only cost time
      SendMessageW(list, LB_SETSEL, FALSE, -1);
      for (int row : rows) SendMessageW(list, LB_SETSEL, TRUE, row);
      SendMessageW(list, LB_SETCARETINDEX, caret, FALSE);
      SendMessageW(list, LB_SETTOPINDEX, top, 0);
    };
    ExpectCommandEndsAs(dialog_, list, IDC_SELECT_ALL, set_up, [&](const ListState&) {
      SendMessageW(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, ITEM_COUNT - 1));
      finish(top);
    });
    const ListState inverted = ExpectCommandEndsAs(dialog_, list, IDC_INVERT_SELECTION, set_up, [&](const ListState&) {
      InvertRowByRow(list);
      finish(top);
    });
    EXPECT_EQ(inverted.selected.size(), ITEM_COUNT - rows.size());

    const ListState renamed = ExpectCommandEndsAs(dialog_, list, IDC_UPDATE_NAME, set_up, [&](const ListState& after) {
      RewriteRows(list, rows, after);
      finish(top);
    });
    for (int row : rows) EXPECT_EQ(renamed.texts[static_cast<size_t>(row)], WideOfSjis(Sjis("鉄剣")));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

}  // namespace

// Steps over both files taken back and done again through the Edit menu and the keys: each file's
// bytes and changed mark follow its own steps, the list and the current item's fields come back as
// they were when the command ran, and undoing past a store marks the file changed again.
TEST_F(VarnholtItemTest, UndoAndRedoFollowEachFilesMark) {
  OpenSampleSave();
  SelectRows({2, 3});
  Click(100, true);
  ListMessage(LB_SETTOPINDEX, 90);
  Type(IDC_ITEM_PRICE, "1250");
  Command(dialog_, IDC_UPDATE_PRICE);
  ASSERT_FALSE(ScenarioUnchanged());
  const std::vector<uint8_t> priced(Scenario().data, Scenario().data + Scenario().length);
  Choose(IDC_ITEM_OWNER, OwnerRow(5));
  Command(dialog_, IDC_UPDATE_OWNER);
  answers_.PressButton(IDYES);
  Command(dialog_, IDC_INITIALIZE);
  const std::string undo = Utf8OfWide(WideOfSjis(MenuText(GetMenu(dialog_), ID_EDIT_UNDO, MF_BYCOMMAND)));
  EXPECT_TRUE(undo.starts_with("元に戻す: 初期化 (")) << undo;
  Click(7);  // another selection and current item before undoing

  Command(dialog_, ID_EDIT_UNDO);
  EXPECT_EQ(ByteDifferences(priced, std::vector<uint8_t>(Scenario().data, Scenario().data + Scenario().length)), "");
  EXPECT_EQ(ListRow(100), SampleName(100));
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 3, 100}));
  EXPECT_EQ(ListMessage(LB_GETCARETINDEX), 100);
  EXPECT_EQ(ListMessage(LB_GETTOPINDEX), 90);
  EXPECT_EQ(WindowText(Item(IDC_ITEM_NAME)), SampleName(100));
  EXPECT_EQ(WindowText(Item(IDC_ITEM_PRICE)), "1250");
  EXPECT_EQ(Utf8OfWide(WideOfSjis(MenuText(GetMenu(dialog_), ID_EDIT_UNDO, MF_BYCOMMAND))),
            "元に戻す: 所有者 (3 件)(&U)\tCtrl+Z");

  PressKeyThroughLoop(dialog_, Item(IDC_ITEM_LIST), 'Z', true);  // the owners
  EXPECT_EQ(Save().dirty, 0);
  EXPECT_EQ(Scenario().dirty, 1);
  EXPECT_EQ(Choice(IDC_ITEM_OWNER), OwnerRow(ReadItemOwner(save_, 100)));
  PressKeyThroughLoop(dialog_, Item(IDC_ITEM_LIST), 'Z', true);  // the prices
  EXPECT_TRUE(ScenarioUnchanged());
  EXPECT_EQ(Scenario().dirty, 0);

  for (int k = 0; k < 3; ++k) PressKeyThroughLoop(dialog_, Item(IDC_ITEM_LIST), 'Y', true);
  EXPECT_EQ(Scenario().dirty, 1);
  EXPECT_EQ(Save().dirty, 1);
  EXPECT_EQ(ListRow(100), Sjis("荘子"));

  StoreBoth();
  Command(dialog_, ID_EDIT_UNDO);
  EXPECT_EQ(Scenario().dirty, 1);
  EXPECT_EQ(Save().dirty, 0);
  Command(dialog_, ID_EDIT_REDO);
  EXPECT_EQ(Scenario().dirty, 0);
}
