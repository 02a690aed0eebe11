// Quillmere's frame under Wine: the dialog as built from its resources, the File menu, the save
// prompt on closing, and what a failing store leaves behind.
#include "quillmere_fixture.h"

#include <algorithm>
#include <iterator>
#include <span>

#include "dialog_template.h"
#include "formats/choice_texts.h"
#include "win32/about_box.h"

namespace {

// Text limits of the edits, in bytes of code page 932.
const std::pair<int, int> TEXT_LIMITS[] = {
    {IDC_FAMILY_NAME, 4}, {IDC_GIVEN_NAME, 4}, {IDC_COURTESY_NAME, 4}, {IDC_READING, 10}, {IDC_FACE_NUMBER, 3},
    {IDC_BIRTH_YEAR, 3},  {IDC_LIFE_SPAN, 1},  {IDC_LOYALTY, 3},       {IDC_ABILITY_VALUE, 3}};

// The dialog's controls in template order, which is the tab order.
const ExpectedControl CONTROLS[] = {
    {IDC_OFFICER_LIST, "ListBox", "", 7, 0, 72, 176, LIST_STYLE},
    {IDC_SELECT_ALL, "Button", "全て選択", 7, 180, 36, 14, PUSH_STYLE},
    {IDC_INVERT_SELECTION, "Button", "反転", 43, 180, 36, 14, PUSH_STYLE},
    {-1, "Static", "姓", 83, 0, 72, 14, LABEL_STYLE},
    {IDC_FAMILY_NAME, "Edit", "", 159, 0, 72, 14, EDIT_STYLE},
    {IDC_SET_FAMILY_NAME, "Button", "更新", 235, 0, 72, 14, PUSH_STYLE},
    {-1, "Static", "名", 83, 18, 72, 14, LABEL_STYLE},
    {IDC_GIVEN_NAME, "Edit", "", 159, 18, 72, 14, EDIT_STYLE},
    {IDC_SET_GIVEN_NAME, "Button", "更新", 235, 18, 72, 14, PUSH_STYLE},
    {-1, "Static", "字", 83, 36, 72, 14, LABEL_STYLE},
    {IDC_COURTESY_NAME, "Edit", "", 159, 36, 72, 14, EDIT_STYLE},
    {IDC_SET_COURTESY_NAME, "Button", "更新", 235, 36, 72, 14, PUSH_STYLE},
    {-1, "Static", "ルビ", 83, 54, 72, 14, LABEL_STYLE},
    {IDC_READING, "Edit", "", 159, 54, 72, 14, EDIT_STYLE},
    {IDC_SET_READING, "Button", "更新", 235, 54, 72, 14, PUSH_STYLE},
    {-1, "Static", "顔番号", 83, 72, 72, 14, LABEL_STYLE},
    {IDC_FACE_NUMBER, "Edit", "", 159, 72, 72, 14, EDIT_STYLE},
    {IDC_SET_FACE_NUMBER, "Button", "更新", 235, 72, 72, 14, PUSH_STYLE},
    {-1, "Static", "誕生年", 83, 90, 72, 14, LABEL_STYLE},
    {IDC_BIRTH_YEAR, "Edit", "", 159, 90, 72, 14, EDIT_STYLE},
    {IDC_NO_AGING, "Button", "禁老化", 235, 90, 36, 14, BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP},
    {IDC_SET_BIRTH_YEAR, "Button", "更新", 271, 90, 36, 14, PUSH_STYLE},
    {-1, "Static", "寿命", 83, 108, 72, 14, LABEL_STYLE},
    {IDC_LIFE_SPAN, "Edit", "", 159, 108, 72, 14, EDIT_STYLE},
    {IDC_SET_LIFE_SPAN, "Button", "更新", 235, 108, 72, 14, PUSH_STYLE},
    {-1, "Static", "忠誠", 83, 126, 72, 14, LABEL_STYLE},
    {IDC_LOYALTY, "Edit", "", 159, 126, 72, 14, EDIT_STYLE},
    {IDC_SET_LOYALTY, "Button", "更新", 235, 126, 72, 14, PUSH_STYLE},
    {IDC_ABILITY, "ComboBox", "", 83, 144, 72, 120, COMBO_STYLE},
    {IDC_ABILITY_VALUE, "Edit", "", 159, 144, 72, 14, EDIT_STYLE},
    {IDC_SET_ABILITY, "Button", "更新", 235, 144, 72, 14, PUSH_STYLE},
    {IDC_SKILL, "ComboBox", "", 83, 162, 72, 120, COMBO_STYLE},
    {IDC_SKILL_STATE, "ComboBox", "", 159, 162, 72, 120, COMBO_STYLE},
    {IDC_SET_SKILL, "Button", "更新", 235, 162, 72, 14, PUSH_STYLE},
    {IDC_TACTIC, "ComboBox", "", 83, 180, 72, 120, COMBO_STYLE},
    {IDC_TACTIC_RANK, "ComboBox", "", 159, 180, 72, 120, COMBO_STYLE},
    {IDC_SET_TACTIC_RANK, "Button", "更新", 235, 180, 72, 14, PUSH_STYLE},
};

struct ChoiceRow {
  int id;
  std::span<const std::u8string_view> texts;
};

const ChoiceRow CHOICES[] = {{IDC_ABILITY, ABILITY_NAMES},
                             {IDC_SKILL, SKILL_NAMES},
                             {IDC_SKILL_STATE, SKILL_STATE_NAMES},
                             {IDC_TACTIC, TACTIC_NAMES},
                             {IDC_TACTIC_RANK, TACTIC_RANK_NAMES}};

TEST_F(QuillmereTest, DialogTemplateHoldsEveryControlInTabOrderWithItsPlaceAndStyle) {
  ExpectEditorDialogTemplate(IDD_DIALOG1, 314, 201, IDR_MENU1, "Quillmere", CONTROLS);
}

TEST_F(QuillmereTest, DialogStartsVisibleWithItsTextsLimitsAndCheckBox) {
  EXPECT_EQ(WindowText(dialog_), "Quillmere");
  EXPECT_TRUE(IsWindowVisible(dialog_));
  for (const ExpectedControl& row : CONTROLS) {
    if (row.id == -1) continue;
    SCOPED_TRACE(row.id);
    HWND control = Item(row.id);
    ASSERT_NE(control, nullptr);
    if (!SameClass(row.window_class, "ComboBox")) {
      EXPECT_EQ(WindowText(control), Sjis(row.caption));
    }
  }
  for (auto [id, limit] : TEXT_LIMITS) {
    EXPECT_EQ(SendMessageA(Item(id), EM_GETLIMITTEXT, 0, 0), limit) << id;
  }
  EXPECT_EQ(SendMessageA(Item(IDC_NO_AGING), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(ListCount(), 0);
}

TEST_F(QuillmereTest, ChoiceListsAreFilledAndStartAtTheirFirstEntry) {
  for (const ChoiceRow& row : CHOICES) {
    SCOPED_TRACE(row.id);
    HWND combo = Item(row.id);
    ASSERT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), static_cast<LRESULT>(row.texts.size()));
    for (size_t i = 0; i < row.texts.size(); ++i) {
      EXPECT_EQ(ListText(combo, CB_GETLBTEXTLEN, CB_GETLBTEXT, static_cast<int>(i)), Sjis(Utf8Text(row.texts[i])));
    }
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
  }
}

TEST_F(QuillmereTest, MenuHoldsFileEditAndSortCommands) {
  HMENU menu = GetMenu(dialog_);
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(GetMenuItemCount(menu), 5);
  auto text_of = MenuLabel;
  EXPECT_EQ(text_of(menu, 0, MF_BYPOSITION), Sjis("ファイル"));
  EXPECT_EQ(text_of(menu, 1, MF_BYPOSITION), Sjis("編集"));
  EXPECT_EQ(text_of(menu, 2, MF_BYPOSITION), Sjis("表示"));
  EXPECT_EQ(text_of(menu, 3, MF_BYPOSITION), Sjis("ソート"));
  struct Item {
    int pop_up, id;
    const char* text;
  };
  const Item items[] = {{0, ID_FILE_OPEN, "セーブデータを開く"}, {0, ID_FILE_SAVE_AS, "名前を付けて保存"},
                        {0, ID_FILE_SAVE, "上書き保存"},        {0, ID_FILE_CLOSE, "閉じる"},
                        {0, ID_FILE_EXPORT_CSV, "CSVに書き出す…"}, {0, ID_FILE_IMPORT_CSV, "CSVから読み込む…"},
                        {2, ID_VIEW_TABLE, "一覧表"},          {2, ID_VIEW_FILTER, "絞り込み"},
                        {3, ID_SORT_BY_ID, "ID 順"},            {3, ID_SORT_BY_READING, "ルビ順"},
                        {3, ID_SORT_REVERSE, "逆転"}};
  for (const Item& item : items) {
    HMENU pop_up = GetSubMenu(menu, item.pop_up);
    EXPECT_EQ(text_of(pop_up, item.id, MF_BYCOMMAND), Sjis(item.text)) << item.id;
    EXPECT_EQ(GetMenuState(pop_up, item.id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED), 0u);
  }
  // The CSV commands come after a separator.
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, 0)), 7);
  EXPECT_EQ(GetMenuState(GetSubMenu(menu, 0), 4, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(GetMenuItemID(GetSubMenu(menu, 0), 5), static_cast<UINT>(ID_FILE_EXPORT_CSV));
  EXPECT_EQ(GetMenuItemCount(GetSubMenu(menu, 3)), 3);
}

// Ticking "読み取り専用ファイルとして開く" would not stop 上書き保存 from writing the file: the open
// dialog does not offer the box.
TEST_F(QuillmereTest, OpenDialogOffersNoReadOnlyBox) {
  OpenSample();
  const std::vector<SeenWindow> seen = answers_.TakeSeen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_TRUE(seen[0].file_dialog);
  EXPECT_FALSE(seen[0].read_only_box);
}

TEST_F(QuillmereTest, OpenSaveAsAndOverwriteKeepEveryByte) {
  // A file 100 bytes longer than a save file is accepted; storing writes exactly the save's length.
  std::vector<uint8_t> longer = sample_;
  longer.insert(longer.end(), 100, 0x5A);
  WriteFileBytes(sample_path_, longer);
  OpenSample();
  EXPECT_TRUE(answers_.TakeSeen().size() == 1);  // the open dialog only
  EXPECT_EQ(g_officer_editor.save.dirty, 0);
  EXPECT_EQ(g_officer_editor.roster.count, ALWAYS_LISTED_IDS + 4 + 40);

  std::string copy = files_.Path("コピー.sav");  // a Japanese file name too
  answers_.ChooseFile(copy);
  Command(dialog_, ID_FILE_SAVE_AS);
  EXPECT_EQ(ReadFileBytes(copy), sample_);
  EXPECT_EQ(Utf8OfWide(g_officer_editor.save.path), copy);

  // Overwriting an existing file through "save as" asks the system's question first.
  g_officer_editor.save.data[100] ^= 0xFF;
  std::vector<uint8_t> changed = sample_;
  changed[100] ^= 0xFF;
  answers_.ChooseFile(sample_path_);
  answers_.PressButton(IDYES);
  Command(dialog_, ID_FILE_SAVE_AS);
  EXPECT_EQ(ReadFileBytes(sample_path_), changed);
  EXPECT_EQ(answers_.TakeSeen().size(), 3u);

  g_officer_editor.save.data[101] ^= 0xFF;
  changed[101] ^= 0xFF;
  Command(dialog_, ID_FILE_SAVE);
  EXPECT_EQ(ReadFileBytes(sample_path_), changed);
  EXPECT_EQ(ReadFileBytes(copy), sample_);
  EXPECT_TRUE(answers_.TakeSeen().empty());
}

TEST_F(QuillmereTest, ShortFileShowsTheReadFailureAndLeavesNoFileOpen) {
  std::vector<uint8_t> short_file(sample_.begin(), sample_.end() - 1);
  WriteFileBytes(sample_path_, short_file);
  answers_.ChooseFile(sample_path_);
  auto seen = Answered(ID_FILE_OPEN, {IDOK});
  ASSERT_EQ(seen.size(), 2u);
  ExpectFileBox(seen[1], sample_path_, "ファイルの読み取りに失敗しました。", "警告", MB_ICONWARNING,
                "ファイルが短すぎます。このデータのファイルは 374534 バイトあります。別のファイルを選んで下さい。");
  EXPECT_FALSE(IsImageOpen(g_officer_editor.save));
  EXPECT_EQ(ListCount(), 0);
  // With no file open the save commands do nothing and show nothing.
  Command(dialog_, ID_FILE_SAVE);
  Command(dialog_, ID_FILE_SAVE_AS);
  Command(dialog_, ID_FILE_CLOSE);
  EXPECT_TRUE(answers_.TakeSeen().empty());
  EXPECT_EQ(ReadFileBytes(sample_path_), short_file);
}

TEST_F(QuillmereTest, ClosingAsksOnlyWithUnsavedChanges) {
  OpenSample();
  answers_.TakeSeen();
  Close();
  EXPECT_TRUE(answers_.TakeSeen().empty());
  EXPECT_TRUE(TakeQuitMessage());

  g_officer_editor.save.dirty = 1;
  g_officer_editor.save.data[0] ^= 0xFF;
  answers_.PressButton(IDNO);
  Close();
  auto seen = answers_.TakeSeen();
  ASSERT_EQ(seen.size(), 1u);
  ExpectFileBox(seen[0], sample_path_, "データが変更されています。保存しますか?", "データの保存", MB_ICONQUESTION);
  EXPECT_EQ(seen[0].buttons, (std::vector<int>{IDCANCEL, IDYES, IDNO}));
  EXPECT_TRUE(TakeQuitMessage());
  EXPECT_EQ(ReadFileBytes(sample_path_), sample_);

  answers_.PressButton(IDYES);
  Close();
  EXPECT_TRUE(TakeQuitMessage());
  EXPECT_EQ(g_officer_editor.save.dirty, 0);
  std::vector<uint8_t> changed = sample_;
  changed[0] ^= 0xFF;
  EXPECT_EQ(ReadFileBytes(sample_path_), changed);
}

TEST_F(QuillmereTest, FailingStoreOnCloseKeepsTheProgramAndTheFileOpen) {
  OpenSample();
  answers_.TakeSeen();
  g_officer_editor.save.dirty = 1;
  g_officer_editor.save.data[0] ^= 0xFF;
  SetFileAttributesA(sample_path_.c_str(), FILE_ATTRIBUTE_READONLY);
  answers_.PressButton(IDYES);
  answers_.PressButton(IDOK);
  Close();
  auto seen = answers_.TakeSeen();
  ASSERT_EQ(seen.size(), 2u);
  ExpectFileBox(seen[0], sample_path_, "データが変更されています。保存しますか?", "データの保存", MB_ICONQUESTION);
  ExpectFileBox(seen[1], sample_path_, "ファイルの保存に失敗しました。", "警告", MB_ICONWARNING,
                "読み取り専用のため書き込めません。ファイルは元のままです。名前を付けて保存で別の場所に保存して下さい。");
  EXPECT_FALSE(TakeQuitMessage());
  EXPECT_TRUE(IsImageOpen(g_officer_editor.save));
  EXPECT_EQ(g_officer_editor.save.dirty, 1);
  EXPECT_EQ(ReadFileBytes(sample_path_), sample_);

  // Opening another file after the same failure never shows the open dialog.
  seen = Answered(ID_FILE_OPEN, {IDYES, IDOK});
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_FALSE(seen[1].file_dialog);
  EXPECT_EQ(Utf8OfWide(g_officer_editor.save.path), sample_path_);
  SetFileAttributesA(sample_path_.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(QuillmereTest, CloseCommandAnsweredNoDropsTheChanges) {
  OpenSample();
  g_officer_editor.save.dirty = 1;
  answers_.PressButton(IDNO);
  Command(dialog_, ID_FILE_CLOSE);
  EXPECT_FALSE(IsImageOpen(g_officer_editor.save));
  EXPECT_EQ(ListCount(), 0);
  answers_.TakeSeen();
  Close();  // nothing is asked any more
  EXPECT_TRUE(answers_.TakeSeen().empty());
  EXPECT_TRUE(TakeQuitMessage());
  EXPECT_EQ(ReadFileBytes(sample_path_), sample_);
}

TEST_F(QuillmereTest, CancelledOpenAfterYesLeavesTheOldFileOpenAndSaved) {
  OpenSample();
  g_officer_editor.save.dirty = 1;
  g_officer_editor.save.data[7] ^= 0xFF;
  answers_.PressButton(IDYES);
  answers_.CancelFileDialog();
  Command(dialog_, ID_FILE_OPEN);
  EXPECT_EQ(Utf8OfWide(g_officer_editor.save.path), sample_path_);
  EXPECT_EQ(g_officer_editor.save.dirty, 0);
  EXPECT_EQ(ReadFileBytes(sample_path_)[7], static_cast<uint8_t>(sample_[7] ^ 0xFF));
}

TEST_F(QuillmereTest, SaveAsIntoAMissingFolderFailsAndOverwriteTriesThatPathAgain) {
  OpenSample();
  std::string unreachable = files_.Path("missing\\new.sav");
  answers_.ChooseFile(unreachable);
  auto seen = Answered(ID_FILE_SAVE_AS, {IDOK});
  // The file dialog itself may complain about the folder; the program's own box comes last.
  ASSERT_GE(seen.size(), 2u);
  const char* no_folder = "保存先のフォルダーがありません。名前を付けて保存で別の場所を選んで下さい。";
  ExpectFileBox(seen.back(), unreachable, "ファイルの保存に失敗しました。", "警告", MB_ICONWARNING, no_folder);
  EXPECT_EQ(Utf8OfWide(g_officer_editor.save.path), unreachable);
  seen = Answered(ID_FILE_SAVE, {IDOK});
  ASSERT_EQ(seen.size(), 1u);
  ExpectFileBox(seen[0], unreachable, "ファイルの保存に失敗しました。", "警告", MB_ICONWARNING, no_folder);
}

TEST_F(QuillmereTest, EnterAndEscapeDoNothing) {
  OpenSample();
  answers_.TakeSeen();
  g_officer_editor.save.dirty = 1;
  ExpectEnterAndEscapeIgnored(IDC_FAMILY_NAME, OfficerDialogProc);
  g_officer_editor.save.dirty = 0;
}


// What protects a file on disk, seen from the File menu: a file named like the store's temporary
// survives, the file as opened is kept once as ".bak", a file that another program wrote since is
// overwritten only when the user says so, a folder in the file's place is a failure, and a path
// longer than 259 characters is refused, with nothing changed.
TEST_F(QuillmereTest, StoresProtectTheFilesOnDisk) {
  const std::string temporary = files_.Path("~SAMPLE1.sa");
  const std::vector<uint8_t> users_own(1000, 0x5A);
  WriteFileBytes(temporary, users_own);
  OpenSample();
  answers_.TakeSeen();
  g_officer_editor.save.data[0] ^= 0xFF;
  std::vector<uint8_t> first(g_officer_editor.save.data, g_officer_editor.save.data + SAVE_FILE_LENGTH);
  EXPECT_EQ(SaveAndRead(), first);
  g_officer_editor.save.data[1] ^= 0xFF;
  SaveAndRead();
  EXPECT_EQ(ReadFileBytes(temporary), users_own);
  EXPECT_EQ(ReadFileBytes(sample_path_ + ".bak"), sample_);

  // Another program writes the file: No keeps its bytes and the changes, Yes overwrites them.
  const std::vector<uint8_t> theirs(SAVE_FILE_LENGTH, 0x33);
  WriteFileBytes(sample_path_, theirs);
  g_officer_editor.save.dirty = 1;
  answers_.PressButton(IDNO);
  EXPECT_EQ(SaveAndRead(), theirs);
  auto seen = answers_.TakeSeen();
  ASSERT_EQ(seen.size(), 1u);
  ExpectFileBox(seen[0], sample_path_, "このファイルは開いた後に他のプログラムによって変更されています。上書きしますか?",
                "警告", MB_ICONWARNING, nullptr);
  EXPECT_EQ(seen[0].buttons, (std::vector<int>{IDYES, IDNO}));
  EXPECT_EQ(g_officer_editor.save.dirty, 1);
  answers_.PressButton(IDYES);
  EXPECT_EQ(SaveAndRead(), std::vector<uint8_t>(g_officer_editor.save.data, g_officer_editor.save.data + SAVE_FILE_LENGTH));
  EXPECT_EQ(g_officer_editor.save.dirty, 0);
  EXPECT_EQ(ReadFileBytes(sample_path_ + ".bak"), sample_);
  answers_.TakeSeen();

  // A folder where the file was.
  DeleteFileW(WideOfUtf8(sample_path_).c_str());
  ASSERT_TRUE(CreateDirectoryW(WideOfUtf8(sample_path_).c_str(), nullptr));
  seen = Answered(ID_FILE_SAVE, {IDYES, IDOK});
  ASSERT_EQ(seen.size(), 2u);
  ExpectFileBox(seen[1], sample_path_, "ファイルの保存に失敗しました。", "警告", MB_ICONWARNING,
                "この名前はフォルダーです。名前を付けて保存で別の名前を指定して下さい。");
  RemoveDirectoryW(WideOfUtf8(sample_path_).c_str());

  // 260 characters: one more than a path may have. The folders make up most of it, as a real
  // deep folder would (Wine's own dialog stumbles over long file names).
  std::string folder = files_.folder();
  std::vector<std::string> folders;
  while (folder.size() < 248) {
    folder += "\\" + std::string(std::min<size_t>(60, 248 - folder.size() - 1), 'd');
    folders.push_back(folder);
    ASSERT_TRUE(CreateDirectoryW(WideOfUtf8(folder).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  }
  const std::string too_long = folder + "\\" + std::string(260 - folder.size() - 5, 'x') + ".sav";
  ASSERT_EQ(too_long.size(), 260u);
  const std::wstring path_before = g_officer_editor.save.path;
  const int rows_before = ListCount();
  // Save as only: Wine's open dialog never returns a path this long (it stays open), though the
  // program checks what either dialog returns the same way.
  for (int command : {ID_FILE_SAVE_AS}) {
    SCOPED_TRACE(command);
    answers_.ChooseFile(too_long);
    seen = Answered(command, {IDOK});
    ASSERT_FALSE(seen.empty());
    ExpectBox(seen.back(), "パスが長すぎます。259 文字以内のパスを選んで下さい。", "警告", MB_ICONWARNING);
    EXPECT_EQ(g_officer_editor.save.path, path_before);
    EXPECT_EQ(ListCount(), rows_before);
  }
  EXPECT_FALSE(FileExists(too_long));
  for (auto it = folders.rbegin(); it != folders.rend(); ++it) RemoveDirectoryW(WideOfUtf8(*it).c_str());
}


// A save file dropped on the window opens as the File menu's open does, the question about unsaved
// changes first; the title names the open file, with "*" while it holds unsaved changes.
TEST_F(QuillmereTest, DroppedFileOpensAndTheTitleNamesTheFile) {
  EXPECT_EQ(WindowTextW(dialog_), L"Quillmere");
  SendMessageW(dialog_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(sample_path_)), 0);
  ASSERT_EQ(Utf8OfWide(g_officer_editor.save.path), sample_path_);
  EXPECT_EQ(ListCount(), g_officer_editor.roster.count);
  EXPECT_EQ(WindowTextW(dialog_), L"SAMPLE1.sav - Quillmere");
  SelectRows({0});
  SetText(IDC_LOYALTY, "50");
  Command(dialog_, IDC_SET_LOYALTY);
  EXPECT_EQ(WindowTextW(dialog_), L"*SAMPLE1.sav - Quillmere");

  const std::string copy = files_.Path("简体.sav");
  WriteFileBytes(copy, sample_);
  answers_.PressButton(IDNO);
  SendMessageW(dialog_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(copy)), 0);
  auto seen = answers_.TakeSeen();
  ASSERT_EQ(seen.size(), 1u);
  ExpectFileBox(seen[0], sample_path_, "データが変更されています。保存しますか?", "データの保存", MB_ICONQUESTION);
  EXPECT_EQ(Utf8OfWide(g_officer_editor.save.path), copy);
  EXPECT_EQ(WindowTextW(dialog_), L"简体.sav - Quillmere");
  EXPECT_EQ(ReadFileBytes(sample_path_), sample_);
  Command(dialog_, ID_FILE_CLOSE);
  EXPECT_EQ(WindowTextW(dialog_), L"Quillmere");
}

// What a user reaches without the mouse and what the window tells back: the program's keys from any
// control, the list's keys outside text fields, the status line after a selection and each command,
// キャンセル at every question about unsaved changes, and the About box on F1.
TEST_F(QuillmereTest, KeysStatusLineAndCancelWorkAsInAnyWindowsProgram) {
  EXPECT_EQ(StatusText(dialog_, 0), "選択 0 / 0 人");
  answers_.ChooseFile(sample_path_);
  PressKeyThroughLoop(dialog_, Item(IDC_LOYALTY), 'O', true);
  ASSERT_TRUE(IsImageOpen(g_officer_editor.save));
  answers_.TakeSeen();
  const std::string all = std::to_string(ListCount());
  EXPECT_EQ(StatusText(dialog_, 0), "選択 0 / " + all + " 人");
  EXPECT_EQ(StatusText(dialog_, 1), "SAMPLE1.sav を開きました");
  PressKeyThroughLoop(dialog_, Item(IDC_LOYALTY), 'A', true);  // the field's own
  EXPECT_EQ(StatusText(dialog_, 0), "選択 0 / " + all + " 人");
  PressKeyThroughLoop(dialog_, List(), 'A', true);
  EXPECT_EQ(StatusText(dialog_, 0), "選択 " + all + " / " + all + " 人");
  SendMessageA(List(), LB_SETSEL, FALSE, -1);
  SelectRows({0, 1, 2});
  Command(dialog_, IDC_OFFICER_LIST, LBN_SELCHANGE);
  EXPECT_EQ(StatusText(dialog_, 0), "選択 3 / " + all + " 人");

  for (const char* loyalty : {"81", "82"}) {
    SetText(IDC_LOYALTY, loyalty);
    Command(dialog_, IDC_SET_LOYALTY);
  }
  EXPECT_EQ(StatusText(dialog_, 1), "3 人の忠誠を 82 にしました");
  Command(dialog_, IDC_SET_LOYALTY);
  EXPECT_EQ(StatusText(dialog_, 1), "変更はありません");
  Choose(IDC_SKILL, 2);
  Choose(IDC_SKILL_STATE, 1);
  Command(dialog_, IDC_SET_SKILL);
  Choose(IDC_SKILL_STATE, 0);
  Command(dialog_, IDC_SET_SKILL);
  EXPECT_EQ(StatusText(dialog_, 1), "3 人の特技「" + std::string(Utf8Text(SKILL_NAMES[2])) + "」を 無 にしました");
  PressKeyThroughLoop(dialog_, List(), 'Z', true);
  EXPECT_EQ(StatusText(dialog_, 1), "元に戻しました: 特技 (3 人)");

  PressKeyThroughLoop(dialog_, List(), 'S', true);
  const std::vector<uint8_t> stored(g_officer_editor.save.data, g_officer_editor.save.data + SAVE_FILE_LENGTH);
  EXPECT_EQ(ReadFileBytes(sample_path_), stored);
  EXPECT_EQ(StatusText(dialog_, 1), "SAMPLE1.sav に保存しました");

  // キャンセル at closing the program, opening another file and 閉じる: nothing happens.
  SetText(IDC_LOYALTY, "83");
  Command(dialog_, IDC_SET_LOYALTY);
  for (int i = 0; i < 3; ++i) answers_.PressButton(IDCANCEL);
  Close();
  PressKeyThroughLoop(dialog_, List(), 'O', true);
  Command(dialog_, ID_FILE_CLOSE);
  auto seen = answers_.TakeSeen();
  ASSERT_EQ(seen.size(), 3u);  // no file dialog after the question
  for (const SeenWindow& box : seen) {
    ExpectFileBox(box, sample_path_, "データが変更されています。保存しますか?", "データの保存", MB_ICONQUESTION, nullptr);
  }
  EXPECT_FALSE(TakeQuitMessage());
  EXPECT_TRUE(IsImageOpen(g_officer_editor.save));
  EXPECT_EQ(g_officer_editor.save.dirty, 1);
  EXPECT_EQ(ReadFileBytes(sample_path_), stored);

  answers_.PressButton(IDOK);
  PressKeyThroughLoop(dialog_, List(), VK_F1, false);
  seen = answers_.TakeSeen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].caption, Sjis("Quillmere のバージョン情報"));
  const std::wstring version = ProgramVersion();
  EXPECT_EQ(std::count(version.begin(), version.end(), L'.'), 2) << Utf8OfWide(version);
  EXPECT_TRUE(seen[0].text.starts_with(Sjis("Quillmere バージョン ") + SjisOfWide(version) + "\n")) << seen[0].text;
  g_officer_editor.save.dirty = 0;
}

}  // namespace
