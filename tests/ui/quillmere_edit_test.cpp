// Quillmere's update commands under Wine: typed through the real dialog into selected officers,
// saved, and compared with the original file byte by byte.
#include <cstdlib>

#include "image_bytes.h"
#include "model/officer_edits.h"
#include "quillmere_fixture.h"

namespace {

class QuillmereEditTest : public QuillmereTest {
 protected:
  void SetUp() override {
    QuillmereTest::SetUp();
    OpenSample();
    answers_.TakeSeen();
  }
  // Puts text into a name field of `expected` as the editor must store it: text, NUL, spaces.
  static void PutField(std::vector<uint8_t>& expected, int32_t offset, const std::string& text, int32_t width) {
    PutBytes(expected, offset, PaddedField(text, width));
  }
  static std::string StoredName(const std::vector<uint8_t>& save, OfficerId id, int32_t field) {
    return TextAt(save, NameFieldOffset(id, field), NAME_WIDTH);
  }
};

TEST_F(QuillmereEditTest, EveryCommandWritesItsBytesIntoEverySelectedOfficerOnly) {
  const int n = ListCount();
  SelectRows({2, 3, n - 2});
  SetTopRow(1);
  const std::vector<OfficerId> ids = OfficersOf(SelectedRows());
  ASSERT_EQ(ids.size(), 3u);
  std::vector<uint8_t> expected = sample_;

  const std::string family = Sjis("青"), given = Sjis("雷光"), courtesy = Sjis("字"), reading = Sjis("ｶﾞｸｺｳ");
  SetText(IDC_FAMILY_NAME, family);
  Command(dialog_, IDC_SET_FAMILY_NAME);
  SetText(IDC_GIVEN_NAME, given);
  Command(dialog_, IDC_SET_GIVEN_NAME);
  SetText(IDC_COURTESY_NAME, courtesy);
  Command(dialog_, IDC_SET_COURTESY_NAME);
  SetText(IDC_READING, reading);
  Command(dialog_, IDC_SET_READING);
  SetText(IDC_FACE_NUMBER, "845");
  Command(dialog_, IDC_SET_FACE_NUMBER);
  SetText(IDC_LIFE_SPAN, "5");
  Command(dialog_, IDC_SET_LIFE_SPAN);
  SetText(IDC_LOYALTY, "100");
  Command(dialog_, IDC_SET_LOYALTY);
  Choose(IDC_ABILITY, 3);  // 魅力
  SetText(IDC_ABILITY_VALUE, "077");
  Command(dialog_, IDC_SET_ABILITY);
  Choose(IDC_SKILL, 25);  // 商才
  Choose(IDC_SKILL_STATE, 1);
  Command(dialog_, IDC_SET_SKILL);
  Choose(IDC_SKILL, 0);  // 鬼謀
  Choose(IDC_SKILL_STATE, 0);
  Command(dialog_, IDC_SET_SKILL);
  Choose(IDC_TACTIC, 14);  // 攻城: position 15, the low nibble of the last byte
  Choose(IDC_TACTIC_RANK, 6);
  Command(dialog_, IDC_SET_TACTIC_RANK);
  Choose(IDC_TACTIC, 0);  // 乱撃: the high nibble of the first byte
  Choose(IDC_TACTIC_RANK, 1);
  Command(dialog_, IDC_SET_TACTIC_RANK);
  // Birth year with "禁老化" checked: only officers the new year makes younger change.
  SetText(IDC_BIRTH_YEAR, "355");
  Command(dialog_, IDC_SET_BIRTH_YEAR);
  SetText(IDC_BIRTH_YEAR, "250");
  Command(dialog_, IDC_SET_BIRTH_YEAR);  // 150 < 255 stored: nobody changes
  EXPECT_TRUE(answers_.TakeSeen().empty());
  EXPECT_EQ(g_officer_editor.save.dirty, 1);

  for (OfficerId id : ids) {
    SCOPED_TRACE(id);
    PutField(expected, NameFieldOffset(id, FAMILY_NAME_FIELD), family, NAME_WIDTH);
    PutField(expected, NameFieldOffset(id, GIVEN_NAME_FIELD), given, NAME_WIDTH);
    PutField(expected, NameFieldOffset(id, FULL_NAME_FIELD), family + given, FULL_NAME_WIDTH);
    PutField(expected, NameFieldOffset(id, COURTESY_NAME_FIELD), courtesy, NAME_WIDTH);
    PutField(expected, NameFieldOffset(id, READING_FIELD), reading, READING_WIDTH);
    expected[NameFieldOffset(id, FACE_NUMBER_FIELD)] = 0x4D;  // 845 = 0x034D
    expected[NameFieldOffset(id, FACE_NUMBER_FIELD + 1)] = 0x03;
    uint8_t& life = expected[AttributeOffset(LIFE_SPAN_OFFSET, id)];
    life = static_cast<uint8_t>((life & 0x1F) | (5 << 5));
    expected[AttributeOffset(LOYALTY_OFFSET, id)] = 100;
    expected[NameFieldOffset(id, ABILITY_FIELD + 3)] = 77;
    expected[AttributeOffset(SKILL_FLAGS_OFFSET, id) + 3] |= 0x01;
    expected[AttributeOffset(SKILL_FLAGS_OFFSET, id)] &= 0x7F;
    uint8_t& last_tactic = expected[AttributeOffset(TACTIC_RANKS_OFFSET, id) + 7];
    last_tactic = static_cast<uint8_t>((last_tactic & 0xF0) | 13);
    uint8_t& first_tactic = expected[AttributeOffset(TACTIC_RANKS_OFFSET, id)];
    first_tactic = static_cast<uint8_t>((first_tactic & 0x0F) | (8 << 4));
    ASSERT_LT(sample_[NameFieldOffset(id, BIRTH_YEAR_FIELD)], 255);
    expected[NameFieldOffset(id, BIRTH_YEAR_FIELD)] = 255;
  }
  EXPECT_EQ(ByteDifferences(expected, SaveAndRead()), "");
  EXPECT_EQ(g_officer_editor.save.dirty, 0);

  // The rows show the new names in place; the same rows are selected and the top row is kept.
  EXPECT_EQ(ListRow(2), family + given);
  EXPECT_EQ(ListRow(n - 2), family + given);
  EXPECT_EQ(ListRow(4), StoredName(sample_, 4, FAMILY_NAME_FIELD) + StoredName(sample_, 4, GIVEN_NAME_FIELD));
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 3, n - 2}));
  EXPECT_EQ(TopRow(), 1);
}

TEST_F(QuillmereEditTest, BirthYearWithoutNoAgingStoresEveryYearAndWithItOnlyLaterOnes) {
  SelectRows({10, 11});
  const std::vector<OfficerId> ids = OfficersOf(SelectedRows());
  SendMessageA(Item(IDC_NO_AGING), BM_SETCHECK, BST_UNCHECKED, 0);
  SetText(IDC_BIRTH_YEAR, "190");
  Command(dialog_, IDC_SET_BIRTH_YEAR);
  SendMessageA(Item(IDC_NO_AGING), BM_SETCHECK, BST_CHECKED, 0);
  for (const char* year : {"180", "190"}) {  // not later: unchanged
    SetText(IDC_BIRTH_YEAR, year);
    Command(dialog_, IDC_SET_BIRTH_YEAR);
  }
  std::vector<uint8_t> saved = SaveAndRead();
  for (OfficerId id : ids) EXPECT_EQ(saved[NameFieldOffset(id, BIRTH_YEAR_FIELD)], 90);
  SetText(IDC_BIRTH_YEAR, "200");
  Command(dialog_, IDC_SET_BIRTH_YEAR);
  saved = SaveAndRead();
  for (OfficerId id : ids) EXPECT_EQ(saved[NameFieldOffset(id, BIRTH_YEAR_FIELD)], 100);
}

TEST_F(QuillmereEditTest, DoubleByteTextsAreCutToWholeCharactersThatFit) {
  // Under Wine an edit's limit counts characters: four kanji (8 bytes) reach the family name.
  SelectRows({7});
  SetText(IDC_FAMILY_NAME, Sjis("青白黒赤"));
  Command(dialog_, IDC_SET_FAMILY_NAME);
  SetText(IDC_READING, Sjis("ｱｲｳｴｵｶｷｸｹｺｻｼ"));  // 12 half-width kana into 10 bytes
  Command(dialog_, IDC_SET_READING);
  std::vector<uint8_t> saved = SaveAndRead();
  std::vector<uint8_t> expected = sample_;
  PutField(expected, NameFieldOffset(7, FAMILY_NAME_FIELD), Sjis("青白"), NAME_WIDTH);
  PutField(expected, NameFieldOffset(7, FULL_NAME_FIELD), Sjis("青白") + StoredName(sample_, 7, GIVEN_NAME_FIELD), FULL_NAME_WIDTH);
  PutField(expected, NameFieldOffset(7, READING_FIELD), Sjis("ｱｲｳｴｵｶｷｸｹｺ"), READING_WIDTH);
  EXPECT_EQ(ByteDifferences(expected, saved), "");
}

struct InvalidInput {
  int edit;
  const char* text;  // UTF-8
  int button;
  const char* warning;
};

const InvalidInput INVALID_INPUTS[] = {
    {IDC_FAMILY_NAME, "", IDC_SET_FAMILY_NAME, "姓を入力して下さい。"},
    {IDC_GIVEN_NAME, "", IDC_SET_GIVEN_NAME, "名を入力して下さい。"},
    {IDC_COURTESY_NAME, "", IDC_SET_COURTESY_NAME, "字を入力して下さい。"},
    {IDC_READING, "", IDC_SET_READING, "ルビを入力して下さい。"},
    {IDC_FACE_NUMBER, "846", IDC_SET_FACE_NUMBER, "0 から 845 までの数値を入力して下さい。"},
    {IDC_FACE_NUMBER, "", IDC_SET_FACE_NUMBER, "0 から 845 までの数値を入力して下さい。"},
    {IDC_FACE_NUMBER, "-1", IDC_SET_FACE_NUMBER, "0 から 845 までの数値を入力して下さい。"},
    {IDC_FACE_NUMBER, "+1", IDC_SET_FACE_NUMBER, "0 から 845 までの数値を入力して下さい。"},
    {IDC_FACE_NUMBER, " 12", IDC_SET_FACE_NUMBER, "0 から 845 までの数値を入力して下さい。"},
    {IDC_FACE_NUMBER, "12a", IDC_SET_FACE_NUMBER, "0 から 845 までの数値を入力して下さい。"},
    {IDC_FACE_NUMBER, "１２", IDC_SET_FACE_NUMBER, "0 から 845 までの数値を入力して下さい。"},
    {IDC_BIRTH_YEAR, "99", IDC_SET_BIRTH_YEAR, "100 から 355 までの数値を入力して下さい。"},
    {IDC_BIRTH_YEAR, "356", IDC_SET_BIRTH_YEAR, "100 から 355 までの数値を入力して下さい。"},
    {IDC_LIFE_SPAN, "8", IDC_SET_LIFE_SPAN, "0 から 7 までの数値を入力して下さい。"},
    {IDC_LOYALTY, "101", IDC_SET_LOYALTY, "0 から 100 までの数値を入力して下さい。"},
    {IDC_ABILITY_VALUE, "101", IDC_SET_ABILITY, "0 から 100 までの数値を入力して下さい。"},
};

TEST_F(QuillmereEditTest, InvalidInputWarnsAndWritesNothing) {
  SelectRows({0, 1});
  for (const InvalidInput& input : INVALID_INPUTS) {
    SCOPED_TRACE(testing::Message() << input.button << " '" << input.text << "'");
    SetText(input.edit, Sjis(input.text));
    auto seen = Answered(input.button, {IDOK});
    ASSERT_EQ(seen.size(), 1u);
    ExpectBox(seen[0], input.warning, "警告", MB_ICONWARNING);
    EXPECT_EQ(seen[0].buttons, std::vector<int>{IDOK});
    EXPECT_EQ(g_officer_editor.save.dirty, 0);
  }
  EXPECT_TRUE(std::equal(sample_.begin(), sample_.end(), g_officer_editor.save.data));
}

// The changed mark follows the bytes (and the undo history): a command that wrote no byte leaves
// the file as clean as it was, and closing asks nothing.
TEST_F(QuillmereEditTest, ValidInputWithNoSelectionWritesNothingAndLeavesTheFileClean) {
  SetText(IDC_LOYALTY, "007");
  Command(dialog_, IDC_SET_LOYALTY);
  EXPECT_EQ(g_officer_editor.save.dirty, 0);
  EXPECT_TRUE(std::equal(sample_.begin(), sample_.end(), g_officer_editor.save.data));
  Close();
  EXPECT_TRUE(answers_.TakeSeen().empty());
  EXPECT_TRUE(TakeQuitMessage());
}

TEST_F(QuillmereTest, WithoutAFileEveryUpdateButtonDoesNothing) {
  for (const InvalidInput& input : INVALID_INPUTS) {
    SetText(input.edit, Sjis(input.text));
    Command(dialog_, input.button);
  }
  for (int button = IDC_SET_FAMILY_NAME; button <= IDC_SET_TACTIC_RANK; ++button) Command(dialog_, button);
  EXPECT_TRUE(answers_.TakeSeen().empty());
  EXPECT_EQ(g_officer_editor.save.dirty, 0);
}

TEST_F(QuillmereEditTest, InputsSurviveOpeningAnotherFile) {
  SetText(IDC_LOYALTY, "42");
  Choose(IDC_TACTIC, 5);
  SendMessageA(Item(IDC_NO_AGING), BM_SETCHECK, BST_UNCHECKED, 0);
  Open(sample_path_);
  EXPECT_EQ(WindowText(Item(IDC_LOYALTY)), "42");
  EXPECT_EQ(SendMessageA(Item(IDC_TACTIC), CB_GETCURSEL, 0, 0), 5);
  EXPECT_EQ(SendMessageA(Item(IDC_NO_AGING), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}


// Whatever the system's code page: kanji typed as UTF-16 reach the file as code page 932, a
// character code page 932 cannot hold is refused with a warning and nothing is written, and files
// whose names code page 932 cannot spell open and save. ctest runs this under code pages 932 and
// 1252 and says which through EDITORS_EXPECTED_ACP.
TEST_F(QuillmereTest, TextsAndFileNamesDoNotDependOnTheSystemCodePage) {
  if (const char* acp = std::getenv("EDITORS_EXPECTED_ACP")) EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(acp)));
  for (const char* name : {"Ünïcødé.sav", "简体.sav"}) {
    SCOPED_TRACE(name);
    const std::string path = files_.Path(name);
    WriteFileBytes(path, sample_);
    Open(path);
    ASSERT_TRUE(IsImageOpen(g_officer_editor.save));
    EXPECT_EQ(Utf8OfWide(g_officer_editor.save.path), path);
    SelectRows({0});
    const OfficerId officer = g_officer_editor.order[0];
    SetWindowTextW(Item(IDC_FAMILY_NAME), L"伊藤");
    Command(dialog_, IDC_SET_FAMILY_NAME);
    Command(dialog_, ID_FILE_SAVE);
    const std::vector<uint8_t> saved = ReadFileBytes(path);
    ASSERT_EQ(saved.size(), sample_.size());
    const uint8_t* family = &saved[static_cast<size_t>(NameFieldOffset(officer, FAMILY_NAME_FIELD))];
    EXPECT_EQ(std::vector<uint8_t>(family, family + NAME_WIDTH), (std::vector<uint8_t>{0x88, 0xC9, 0x93, 0xA1, 0x00}));
    EXPECT_EQ(ListRow(0).substr(0, 4), "\x88\xC9\x93\xA1");
  }

  answers_.TakeSeen();  // the two file dialogs
  const std::vector<uint8_t> before(g_officer_editor.save.data, g_officer_editor.save.data + SAVE_FILE_LENGTH);
  for (const wchar_t* text : {L"\U00020BB7", L"\u00E9", L"\U0001F600", L"\u4F0A\u00E9"}) {
    SetWindowTextW(Item(IDC_GIVEN_NAME), text);
    auto seen = Answered(IDC_SET_GIVEN_NAME, {IDOK});
    ASSERT_EQ(seen.size(), 1u);
    ExpectBox(seen[0], "入力された文字の中に、データに保存できない文字があります。", "警告", MB_ICONWARNING);
  }
  EXPECT_EQ(g_officer_editor.save.dirty, 0);
  EXPECT_TRUE(std::equal(before.begin(), before.end(), g_officer_editor.save.data));
}


// Officers from 899 on, listed when the run of records in use is long, have their attribute fields
// inside the name table: an attribute command leaves them out, says once how many, and writes no
// byte of the name table; a name command still writes their names.
TEST_F(QuillmereTest, AttributeCommandsLeaveTheNameTableAlone) {
  const std::vector<uint8_t> long_run = OpenLongRunSave();
  Command(dialog_, IDC_SELECT_ALL);
  const OfficerRoster& roster = g_officer_editor.roster;
  const int32_t left_out = CountOfficersLeftOutOfAttributeEdits({roster.ids.data(), static_cast<size_t>(roster.count)});
  ASSERT_GT(left_out, 0);
  const std::string message = "選択した武将のうち " + std::to_string(left_out) +
                              " 人は、番号が 899 以上のため変更しませんでした。この項目の位置が武将名のデータと重なるためです。";
  for (int command : {IDC_SET_LOYALTY, IDC_SET_LIFE_SPAN, IDC_SET_SKILL, IDC_SET_TACTIC_RANK}) {
    SCOPED_TRACE(command);
    SetText(IDC_LOYALTY, "50");
    SetText(IDC_LIFE_SPAN, "3");
    auto seen = Answered(command, {IDOK});
    ASSERT_EQ(seen.size(), 1u);
    ExpectBox(seen[0], message.c_str(), "警告", MB_ICONWARNING);
  }
  EXPECT_TRUE(std::equal(long_run.begin() + NAME_TABLE_OFFSET, long_run.end(), g_officer_editor.save.data + NAME_TABLE_OFFSET));
  SetText(IDC_FAMILY_NAME, Sjis("青"));
  Command(dialog_, IDC_SET_FAMILY_NAME);
  const OfficerId last = roster.ids[static_cast<size_t>(roster.count - 1)];
  EXPECT_GE(last, 899);
  EXPECT_EQ(g_officer_editor.save.data[NameFieldOffset(last, FAMILY_NAME_FIELD)], static_cast<uint8_t>(Sjis("青")[0]));
  EXPECT_TRUE(answers_.TakeSeen().empty());
}

}  // namespace

// A batch command taken back through the Edit menu and the keys: the bytes, the changed mark and
// the list (selection, caret, top row) as they were when it ran; redo gives the command's result
// again. In a text field Ctrl+Z stays the field's, and with Ctrl held no key jumps by kana.
TEST_F(QuillmereEditTest, UndoAndRedoThroughTheMenuAndTheKeys) {
  auto menu_entry = [this](int id) { return Utf8OfWide(WideOfSjis(MenuText(GetMenu(dialog_), id, MF_BYCOMMAND))); };
  auto grayed = [this](int id) { return (GetMenuState(GetMenu(dialog_), id, MF_BYCOMMAND) & MF_GRAYED) != 0; };
  EXPECT_TRUE(grayed(ID_EDIT_UNDO) && grayed(ID_EDIT_REDO));

  SelectRows({20, 21, 40});
  SetTopRow(15);
  SendMessageA(List(), LB_SETCARETINDEX, 21, FALSE);
  const ListState before = ReadListState(List());
  SetText(IDC_LOYALTY, "80");
  Command(dialog_, IDC_SET_LOYALTY);
  SetText(IDC_FAMILY_NAME, Sjis("林"));
  Command(dialog_, IDC_SET_FAMILY_NAME);
  const std::vector<uint8_t> changed(g_officer_editor.save.data, g_officer_editor.save.data + SAVE_FILE_LENGTH);
  const ListState after = ReadListState(List());
  EXPECT_EQ(menu_entry(ID_EDIT_UNDO), "元に戻す: 姓 (3 人)(&U)\tCtrl+Z");

  // Both steps back: the second by the menu, the first by Ctrl+Z over the list, from another selection.
  Command(dialog_, ID_EDIT_UNDO);
  EXPECT_EQ(menu_entry(ID_EDIT_UNDO), "元に戻す: 忠誠 (3 人)(&U)\tCtrl+Z");
  SendMessageA(List(), LB_SETSEL, FALSE, -1);
  SendMessageA(List(), LB_SETSEL, TRUE, 0);
  PressKeyThroughLoop(dialog_, List(), 'Z', true);
  EXPECT_EQ(ByteDifferences(sample_, std::vector<uint8_t>(g_officer_editor.save.data,
                                                          g_officer_editor.save.data + SAVE_FILE_LENGTH)), "");
  EXPECT_EQ(g_officer_editor.save.dirty, 0);
  EXPECT_EQ(WindowText(dialog_), "SAMPLE1.sav - Quillmere");
  const ListState undone = ReadListState(List());
  EXPECT_EQ(undone.texts, before.texts);
  EXPECT_EQ(undone.selected, before.selected);
  EXPECT_EQ(undone.caret, before.caret);
  EXPECT_EQ(undone.top, before.top);
  EXPECT_TRUE(grayed(ID_EDIT_UNDO));
  EXPECT_EQ(menu_entry(ID_EDIT_REDO), "やり直し: 忠誠 (3 人)(&R)\tCtrl+Y");

  // Redo by Ctrl+Y, then Ctrl+Shift+Z.
  PressKeyThroughLoop(dialog_, List(), 'Y', true);
  PressKeyThroughLoop(dialog_, List(), 'Z', true, true);
  EXPECT_EQ(ByteDifferences(changed, std::vector<uint8_t>(g_officer_editor.save.data,
                                                          g_officer_editor.save.data + SAVE_FILE_LENGTH)), "");
  EXPECT_EQ(ReadListState(List()).texts, after.texts);
  EXPECT_EQ(g_officer_editor.save.dirty, 1);
  EXPECT_TRUE(grayed(ID_EDIT_REDO));

  // Ctrl+Z in a text field is the field's own; over the list with Ctrl held, Z (ﾂ) does not jump.
  PressKeyThroughLoop(dialog_, Item(IDC_LOYALTY), 'Z', true);
  EXPECT_FALSE(grayed(ID_EDIT_UNDO));
  EXPECT_EQ(g_officer_editor.save.dirty, 1);
  const int top = TopRow();
  SendMessageA(List(), WM_KEYUP, 'Z', 0);  // the Ctrl key of the last press is up: a kana key
  const int jumped = TopRow();
  SetTopRow(top);
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_CONTROL] = 0x80;
  SetKeyboardState(state);
  SendMessageA(List(), WM_KEYUP, 'Z', 0);
  state[VK_CONTROL] = 0;
  SetKeyboardState(state);
  EXPECT_NE(jumped, top);
  EXPECT_EQ(TopRow(), top);

  // Opening a file forgets the steps (its changes declined at the question).
  answers_.PressButton(IDNO);
  OpenSample();
  EXPECT_TRUE(grayed(ID_EDIT_UNDO) && grayed(ID_EDIT_REDO));
}
