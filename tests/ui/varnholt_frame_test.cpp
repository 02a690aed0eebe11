// Varnholt's frame under Wine: start-up through the ini file, the dialog as built from its
// resources, the File menu with the owner list, and the two prompts on closing.
#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "dialog_template.h"
#include "formats/choice_texts.h"
#include "model/initial_items.h"
#include "varnholt_fixture.h"

namespace {

const ExpectedControl CONTROLS[] = {
    {IDC_ITEM_LIST, "ListBox", "", 7, 0, 60, 146, LIST_STYLE},
    {IDC_SELECT_ALL, "Button", "全選択", 7, 154, 30, 14, PUSH_STYLE},
    {IDC_INVERT_SELECTION, "Button", "反転", 37, 154, 30, 14, PUSH_STYLE},
    {-1, "Static", "名前", 75, 0, 60, 14, LABEL_STYLE},
    {IDC_ITEM_NAME, "Edit", "", 143, 0, 60, 14, EDIT_STYLE},
    {IDC_UPDATE_NAME, "Button", "更新", 211, 0, 60, 14, PUSH_STYLE},
    {-1, "Static", "種類", 75, 22, 60, 14, LABEL_STYLE},
    {IDC_ITEM_TYPE, "ComboBox", "", 143, 22, 60, 120, COMBO_STYLE},
    {IDC_UPDATE_TYPE, "Button", "更新", 211, 22, 60, 14, PUSH_STYLE},
    {-1, "Static", "画像と解説", 75, 44, 60, 14, LABEL_STYLE},
    {IDC_ITEM_IMAGE, "ComboBox", "", 143, 44, 60, 120, COMBO_STYLE},
    {IDC_UPDATE_IMAGE, "Button", "更新", 211, 44, 60, 14, PUSH_STYLE},
    {-1, "Static", "売値", 75, 66, 60, 14, LABEL_STYLE},
    {IDC_ITEM_PRICE, "Edit", "", 143, 66, 60, 14, EDIT_STYLE},
    {IDC_UPDATE_PRICE, "Button", "更新", 211, 66, 60, 14, PUSH_STYLE},
    {-1, "Static", "増加値", 75, 88, 60, 14, LABEL_STYLE},
    {IDC_ITEM_INCREASE, "Edit", "", 143, 88, 60, 14, EDIT_STYLE},
    {IDC_UPDATE_INCREASE, "Button", "更新", 211, 88, 60, 14, PUSH_STYLE},
    {-1, "Static", "特技付与", 75, 110, 60, 14, LABEL_STYLE},
    {IDC_ITEM_SKILL, "ComboBox", "", 143, 110, 60, 120, COMBO_STYLE},
    {IDC_UPDATE_SKILL, "Button", "更新", 211, 110, 60, 14, PUSH_STYLE},
    {-1, "Static", "所有者", 75, 132, 60, 14, LABEL_STYLE},
    {IDC_ITEM_OWNER, "ComboBox", "", 143, 132, 60, 120, COMBO_STYLE},
    {IDC_UPDATE_OWNER, "Button", "更新", 211, 132, 60, 14, PUSH_STYLE},
    {IDC_INITIALIZE, "Button", "初期化", 75, 154, 60, 14, PUSH_STYLE},
    {IDC_UPDATE_ALL, "Button", "全て更新", 143, 154, 60, 14, PUSH_STYLE},
    {IDC_QUIT, "Button", "終了", 211, 154, 60, 14, PUSH_STYLE},
};

using VarnholtStartTest = VarnholtBase;

// A scenario file that cannot be read in full ends the start-up after the read failure, which names
// the path the ini file led to. (That the dialog is never shown is seen from outside the program.)
TEST_F(VarnholtStartTest, UnreadableScenarioFileIsReportedAndTheDialogDestroyed) {
  struct Case {
    const char* name;
    std::vector<uint8_t> scenario;  // empty: no file at all
  };
  const Case cases[] = {
      {"short by one byte", std::vector<uint8_t>(scenario_.begin(), scenario_.end() - 1)},
      {"missing", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileA(scenario_path_.c_str());
    if (!c.scenario.empty()) WriteFileBytes(scenario_path_, c.scenario);
    answers_.PressButton(IDOK);
    EXPECT_EQ(Start(), nullptr);
    EXPECT_EQ(start_, ItemEditorStart::ScenarioUnreadable);
    auto seen = answers_.TakeSeen();
    ASSERT_EQ(seen.size(), 1u);
    ExpectBox(seen[0], scenario_path_, "ファイルの読み取りに失敗しました。", "警告", MB_ICONWARNING);
    EXPECT_EQ(FindWindowA(nullptr, "Varnholt"), nullptr);
  }
}

// Where the scenario path comes from: the ini's "Path" with or without its final "\", the default
// install directory without the ini file or its key, the root for an empty value, and a path that
// does not fit counts as unreadable and is shown whole.
TEST_F(VarnholtStartTest, ScenarioPathFollowsTheIniFile) {
  const std::string default_path = "C:\\Program Files\\Koei\\San8\\D_SCE.S8";
  const std::string long_directory = "C:\\" + std::string(255, 'x');
  struct Case {
    const char* name;
    const char* ini;  // nullptr: no ini file
    std::string value;
    std::string failing_path;  // empty: the start-up succeeds
  };
  const Case cases[] = {
      {"no final separator", "Path=", files_.folder(), ""},
      {"no ini file", nullptr, "", default_path},
      {"no Path key", "Other=", files_.folder(), default_path},
      {"empty Path", "Path=", "", "\\D_SCE.S8"},
      {"Path too long", "Path=", long_directory, long_directory + "\\D_SCE.S8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;  // a fresh ini path each time: the system may keep an ini file it has read
    if (c.ini != nullptr) WriteIni(folder, c.ini + c.value + "\r\n");
    SetCurrentDirectoryA(folder.folder().c_str());
    if (!c.failing_path.empty()) answers_.PressButton(IDOK);
    Start();
    auto seen = answers_.TakeSeen();
    if (c.failing_path.empty()) {
      ASSERT_NE(dialog_, nullptr);
      EXPECT_TRUE(seen.empty());
      EXPECT_EQ(Utf8OfWide(Scenario().path), scenario_path_);
      DestroyWindow(dialog_);
    } else {
      EXPECT_EQ(dialog_, nullptr);
      ASSERT_EQ(seen.size(), 1u);
      ExpectBox(seen[0], c.failing_path, "ファイルの読み取りに失敗しました。", "警告", MB_ICONWARNING);
    }
    dialog_ = nullptr;
    SetCurrentDirectoryA(files_.folder().c_str());
  }
}

// A current directory so long that the ini path does not fit counts as a missing ini file, even
// when that folder holds one.
TEST_F(VarnholtStartTest, IniPathThatDoesNotFitCountsAsMissing) {
  std::string deep = files_.folder();
  while (deep.size() < 250) {
    deep += "\\" + std::string(std::min<size_t>(60, 250 - deep.size()), 'd');
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr)) << deep.size();
  }
  ASSERT_TRUE(SetCurrentDirectoryA(deep.c_str()));
  // An ini file that would lead to the good scenario file: the folder's own path is too long to name it.
  const std::string ini = "[Init]\r\nPath=" + files_.folder() + "\r\n";
  const std::string ini_path = deep + "\\Kelpwood.ini";
  WriteFileBytes(ini_path, std::vector<uint8_t>(ini.begin(), ini.end()));
  answers_.PressButton(IDOK);
  EXPECT_EQ(Start(), nullptr);
  auto seen = answers_.TakeSeen();
  ASSERT_EQ(seen.size(), 1u);
  ExpectBox(seen[0], "C:\\Program Files\\Koei\\San8\\D_SCE.S8", "ファイルの読み取りに失敗しました。", "警告",
            MB_ICONWARNING);
  SetCurrentDirectoryA(files_.folder().c_str());
  // Past MAX_PATH only the wide file functions reach the file.
  std::wstring wide_ini_path(ini_path.begin(), ini_path.end());
  EXPECT_TRUE(DeleteFileW(wide_ini_path.c_str()));
  for (; deep.size() > files_.folder().size(); deep.resize(deep.rfind('\\'))) RemoveDirectoryA(deep.c_str());
}

TEST_F(VarnholtTest, DialogTemplateHoldsEveryControlInTabOrderWithItsPlaceAndStyle) {
  ExpectEditorDialogTemplate(IDD_DIALOG1, 278, 175, IDR_MENU1, "Varnholt", CONTROLS);

  HMENU menu = GetMenu(dialog_);
  ASSERT_EQ(GetMenuItemCount(menu), 4);
  EXPECT_EQ(MenuLabel(menu, 0, MF_BYPOSITION), Sjis("ファイル"));
  EXPECT_EQ(MenuLabel(menu, 1, MF_BYPOSITION), Sjis("編集"));
  EXPECT_EQ(MenuLabel(menu, 2, MF_BYPOSITION), Sjis("表示"));
  EXPECT_EQ(MenuText(GetSubMenu(menu, 2), ID_VIEW_TABLE, MF_BYCOMMAND), Sjis("一覧表(&T)\tCtrl+T"));
  EXPECT_EQ(MenuText(GetSubMenu(menu, 2), ID_VIEW_FILTER, MF_BYCOMMAND), Sjis("絞り込み(&F)\tCtrl+F"));
  HMENU file = GetSubMenu(menu, 0);
  ASSERT_EQ(GetMenuItemCount(file), 8);
  // Position 5 is the separator before the CSV commands.
  const std::pair<int, const char*> items[] = {
      {ID_FILE_OPEN_SAVE, "セーブデータを開く"}, {ID_FILE_SAVE_SAVE_AS, "セーブデータの新規保存"},
      {ID_FILE_OVERWRITE_SAVE, "セーブデータの上書き保存"}, {ID_FILE_CLOSE_SAVE, "セーブデータを閉じる"},
      {ID_FILE_OVERWRITE_SCENARIO, "シナリオデータの上書き保存"}, {0, ""},
      {ID_FILE_EXPORT_CSV, "CSVに書き出す…"}, {ID_FILE_IMPORT_CSV, "CSVから読み込む…"}};
  EXPECT_EQ(GetMenuState(file, 5, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  for (size_t i = 0; i < std::size(items); ++i) {
    EXPECT_EQ(static_cast<int>(GetMenuItemID(file, static_cast<int>(i))), items[i].first);
    EXPECT_EQ(MenuLabel(file, static_cast<UINT>(i), MF_BYPOSITION), Sjis(items[i].second));
  }
}

// The dialog as it starts: the 255 names with row 0 selected, the three fixed lists, the limits,
// item 0's fields, and an empty owner list.
TEST_F(VarnholtTest, StartShowsTheItemsAndTheFixedLists) {
  EXPECT_TRUE(IsWindowVisible(dialog_));
  EXPECT_EQ(WindowText(dialog_), "D_SCE.S8 - Varnholt");
  ASSERT_EQ(Count(IDC_ITEM_LIST, LB_GETCOUNT), ITEM_COUNT);
  for (int row = 0; row < ITEM_COUNT; ++row) ASSERT_EQ(ListRow(row), SampleName(row)) << row;
  EXPECT_EQ(ListRow(SAMPLE_FULL_NAME_ITEM).size(), 12u);
  EXPECT_EQ(SelectedRows(), std::vector<int>{0});

  EXPECT_EQ(Count(IDC_ITEM_TYPE, CB_GETCOUNT), 12);
  EXPECT_EQ(Count(IDC_ITEM_IMAGE, CB_GETCOUNT), 80);
  EXPECT_EQ(Count(IDC_ITEM_SKILL, CB_GETCOUNT), 27);
  // The string table's lists are the ones CSV files of the table use.
  for (int i = 0; i < ITEM_TYPE_COUNT; ++i) EXPECT_EQ(ComboEntry(IDC_ITEM_TYPE, i), Sjis(Utf8Text(ITEM_TYPE_NAMES[i]))) << i;
  for (int i = 0; i < ITEM_IMAGE_COUNT; ++i) EXPECT_EQ(ComboEntry(IDC_ITEM_IMAGE, i), Sjis(Utf8Text(ITEM_IMAGE_NAMES[i]))) << i;
  for (int i = 0; i < ITEM_SKILL_COUNT; ++i) EXPECT_EQ(ComboEntry(IDC_ITEM_SKILL, i), Sjis(Utf8Text(ITEM_SKILL_NAMES[i]))) << i;
  // Each picture is named after the item of the built-in table that shows it.
  for (size_t k = 0; k < INITIAL_ITEM_TABLE.size(); ++k) {
    if (k != 79) EXPECT_EQ(ComboEntry(IDC_ITEM_IMAGE, INITIAL_ITEM_TABLE[k].image), INITIAL_ITEM_TABLE[k].name) << k;
  }
  EXPECT_EQ(ComboEntry(IDC_ITEM_TYPE, 0), Sjis("名馬"));
  EXPECT_EQ(ComboEntry(IDC_ITEM_SKILL, 0), Sjis("猛者"));
  EXPECT_EQ(ComboEntry(IDC_ITEM_TYPE, 9), Sjis("玉璽 [魅力100]"));
  EXPECT_EQ(ComboEntry(IDC_ITEM_SKILL, 26), Sjis("なし"));
  // Entry 19 keeps the user-defined character F0 9A through the control.
  const std::string entry19 = ComboEntry(IDC_ITEM_IMAGE, 19);
  EXPECT_EQ(Bytes(entry19), (std::vector<uint8_t>{0x93, 0x53, 0xF0, 0x9A, 0xE5, 0x5B, 0x8D, 0x9C, 0x9E, 0x53}));
  EXPECT_EQ(Bytes(ComboEntry(IDC_ITEM_IMAGE, 7)), (std::vector<uint8_t>{0x90, 0xC2, 0xFB, 0xBD, 0x82, 0xCC, 0x8C, 0x95}));

  EXPECT_EQ(Count(IDC_ITEM_NAME, EM_GETLIMITTEXT), 12);
  EXPECT_EQ(Count(IDC_ITEM_PRICE, EM_GETLIMITTEXT), 5);
  EXPECT_EQ(Count(IDC_ITEM_INCREASE, EM_GETLIMITTEXT), 2);

  EXPECT_EQ(WindowText(Item(IDC_ITEM_NAME)), Sjis("赤兎馬"));
  EXPECT_EQ(Choice(IDC_ITEM_TYPE), 0);
  EXPECT_EQ(Choice(IDC_ITEM_IMAGE), 0);
  EXPECT_EQ(WindowText(Item(IDC_ITEM_PRICE)), "2000");
  EXPECT_EQ(WindowText(Item(IDC_ITEM_INCREASE)), "0");
  EXPECT_EQ(Choice(IDC_ITEM_SKILL), 26);
  EXPECT_EQ(Count(IDC_ITEM_OWNER, CB_GETCOUNT), 0);
  EXPECT_EQ(g_item_editor.current_item, 0);
  EXPECT_FALSE(IsImageOpen(Save()));
}

// A scenario file longer than its size is accepted; storing it writes exactly its size.
TEST_F(VarnholtStartTest, LongerScenarioFileIsCutToItsSizeWhenStored) {
  std::vector<uint8_t> longer = scenario_;
  longer.insert(longer.end(), 100, 0x5A);
  WriteFileBytes(scenario_path_, longer);
  ASSERT_NE(Start(), nullptr);
  Command(dialog_, ID_FILE_OVERWRITE_SCENARIO);
  EXPECT_TRUE(answers_.TakeSeen().empty());
  ExpectFileBytes(scenario_path_, scenario_, {});
}

// Open fills the owner list with the roster's full names and "なし" last; save as, overwrite and
// close work on the save file only; with no save file open they do nothing.
TEST_F(VarnholtTest, SaveFileCommandsAndTheOwnerList) {
  Command(dialog_, ID_FILE_SAVE_SAVE_AS);
  Command(dialog_, ID_FILE_OVERWRITE_SAVE);
  Command(dialog_, ID_FILE_CLOSE_SAVE);
  EXPECT_TRUE(answers_.TakeSeen().empty());

  OpenSampleSave();
  const int roster_count = ALWAYS_LISTED_IDS + 4 + (SAMPLE_RUN_LAST - SAMPLE_RUN_FIRST + 1);
  ASSERT_EQ(Count(IDC_ITEM_OWNER, CB_GETCOUNT), roster_count + 1);
  EXPECT_EQ(ComboEntry(IDC_ITEM_OWNER, roster_count), Sjis("なし"));
  const std::pair<int, OfficerId> positions[] = {{0, 0}, {657, 657}, {658, 660}, {661, 759}, {662, 760},
                                                 {roster_count - 1, SAMPLE_RUN_LAST}};
  for (const auto& [position, id] : positions) {
    EXPECT_EQ(ComboEntry(IDC_ITEM_OWNER, position), TextAt(save_, NameFieldOffset(id, FULL_NAME_FIELD), FULL_NAME_WIDTH))
        << position;
  }
  EXPECT_EQ(Choice(IDC_ITEM_OWNER), roster_count);  // item 0 is nobody's
  EXPECT_EQ(Save().dirty, 0);

  std::string copy = files_.Path("コピー.sav");
  answers_.ChooseFile(copy);
  Command(dialog_, ID_FILE_SAVE_SAVE_AS);
  EXPECT_EQ(answers_.TakeSeen().size(), 1u);
  ExpectFileBytes(copy, save_, {});
  EXPECT_EQ(Utf8OfWide(Save().path), copy);
  answers_.CancelFileDialog();  // a cancelled open leaves the open save file as it was
  Command(dialog_, ID_FILE_OPEN_SAVE);
  EXPECT_EQ(answers_.TakeSeen().size(), 1u);
  EXPECT_EQ(Utf8OfWide(Save().path), copy);
  EXPECT_EQ(Count(IDC_ITEM_OWNER, CB_GETCOUNT), roster_count + 1);

  // Owner "なし" for item 1, written through its button, reaches the file by overwriting.
  SelectRows({1});
  Choose(IDC_ITEM_OWNER, roster_count);
  Command(dialog_, IDC_UPDATE_OWNER);
  EXPECT_EQ(Save().dirty, 1);
  Command(dialog_, ID_FILE_OVERWRITE_SAVE);
  EXPECT_EQ(Save().dirty, 0);
  ExpectFileBytes(copy, save_, {{OwnerEntryOffset(1), 0xB8}, {OwnerEntryOffset(1) + 1, 0x06}});
  ExpectFileBytes(save_path_, save_, {});
  EXPECT_TRUE(answers_.TakeSeen().empty());

  Command(dialog_, ID_FILE_CLOSE_SAVE);
  EXPECT_FALSE(IsImageOpen(Save()));
  EXPECT_EQ(Count(IDC_ITEM_OWNER, CB_GETCOUNT), 0);
  Command(dialog_, ID_FILE_OVERWRITE_SAVE);
  Command(dialog_, IDC_UPDATE_OWNER);
  EXPECT_EQ(Save().dirty, 0);
  EXPECT_TRUE(answers_.TakeSeen().empty());
}

// A save file that cannot be read in full leaves no save file open, even when one was open.
TEST_F(VarnholtTest, ShortSaveFileLeavesNoSaveFileOpen) {
  OpenSampleSave();
  std::string short_path = files_.Path("SHORT.sav");
  WriteFileBytes(short_path, std::vector<uint8_t>(save_.begin(), save_.end() - 1));
  answers_.ChooseFile(short_path);
  auto seen = Answered(ID_FILE_OPEN_SAVE, {IDOK});
  ASSERT_EQ(seen.size(), 2u);
  ExpectBox(seen[1], short_path, "ファイルの読み取りに失敗しました。", "警告", MB_ICONWARNING);
  EXPECT_FALSE(IsImageOpen(Save()));
  EXPECT_EQ(Count(IDC_ITEM_OWNER, CB_GETCOUNT), 0);
  SendMessageA(dialog_, WM_CLOSE, 0, 0);  // nothing is left to ask about
  EXPECT_TRUE(answers_.TakeSeen().empty());
  EXPECT_TRUE(TakeQuitMessage());
}

// Closing asks about the scenario file first, then the save file; No twice quits and writes nothing.
// "終了" is the same path.
TEST_F(VarnholtTest, ClosingAsksAboutTheScenarioThenTheSaveFile) {
  OpenSampleSave();
  for (int id : {0, IDC_QUIT}) {
    SCOPED_TRACE(id);
    Scenario().dirty = 1;
    Save().dirty = 1;
    answers_.PressButton(IDNO);
    answers_.PressButton(IDNO);
    if (id == 0) {
      SendMessageA(dialog_, WM_CLOSE, 0, 0);
    } else {
      Command(dialog_, id);
    }
    auto seen = answers_.TakeSeen();
    ASSERT_EQ(seen.size(), 2u);
    ExpectBox(seen[0], scenario_path_, "データが変更されています。保存しますか?", "データの保存", MB_ICONQUESTION);
    EXPECT_EQ(seen[0].buttons, (std::vector<int>{IDCANCEL, IDYES, IDNO}));
    ExpectBox(seen[1], save_path_, "データが変更されています。保存しますか?", "データの保存", MB_ICONQUESTION);
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_TRUE(IsWindow(dialog_));
    ExpectFileBytes(scenario_path_, scenario_, {});
    ExpectFileBytes(save_path_, save_, {});
  }
}

// A store that fails on closing keeps the program running with the image still changed: first the
// scenario file's, then (scenario answered No) the save file's.
TEST_F(VarnholtTest, FailingStoreOnClosingKeepsTheProgramRunning) {
  OpenSampleSave();
  Scenario().dirty = 1;
  Scenario().data[0] ^= 0xFF;
  SetFileAttributesA(scenario_path_.c_str(), FILE_ATTRIBUTE_READONLY);
  auto seen = Answered(IDC_QUIT, {IDYES, IDOK});
  ASSERT_EQ(seen.size(), 2u);
  ExpectBox(seen[1], scenario_path_, "ファイルの書き込みに失敗しました。", "警告", MB_ICONWARNING);
  EXPECT_FALSE(TakeQuitMessage());
  EXPECT_EQ(Scenario().dirty, 1);
  SetFileAttributesA(scenario_path_.c_str(), FILE_ATTRIBUTE_NORMAL);
  ExpectFileBytes(scenario_path_, scenario_, {});

  Save().dirty = 1;
  SetFileAttributesA(save_path_.c_str(), FILE_ATTRIBUTE_READONLY);
  answers_.PressButton(IDNO);
  answers_.PressButton(IDYES);
  answers_.PressButton(IDOK);
  SendMessageA(dialog_, WM_CLOSE, 0, 0);
  seen = answers_.TakeSeen();
  ASSERT_EQ(seen.size(), 3u);
  ExpectBox(seen[2], save_path_, "ファイルの書き込みに失敗しました。", "警告", MB_ICONWARNING);
  EXPECT_FALSE(TakeQuitMessage());
  EXPECT_EQ(Save().dirty, 1);
  EXPECT_TRUE(IsImageOpen(Save()));
  SetFileAttributesA(save_path_.c_str(), FILE_ATTRIBUTE_NORMAL);

  // With both stores answered Yes and working, closing writes both files and quits.
  answers_.PressButton(IDYES);
  answers_.PressButton(IDYES);
  SendMessageA(dialog_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(TakeQuitMessage());
  ExpectFileBytes(scenario_path_, scenario_, {{0, static_cast<uint8_t>(scenario_[0] ^ 0xFF)}});
  ExpectFileBytes(save_path_, save_, {});
}

TEST_F(VarnholtTest, EnterAndEscapeDoNothing) {
  Scenario().dirty = 1;
  ExpectEnterAndEscapeIgnored(IDC_ITEM_NAME, ItemDialogProc);
  Scenario().dirty = 0;
}


// Whatever the system's code page: a Shift-JIS "Kelpwood.ini" naming a Japanese folder finds the
// scenario file there, and the built-in name holding the user-defined character F0 9A goes through
// the name edit and back into the file unchanged.
TEST_F(VarnholtStartTest, IniAndUserDefinedCharacterDoNotDependOnTheSystemCodePage) {
  if (const char* acp = std::getenv("EDITORS_EXPECTED_ACP")) EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(acp)));
  const std::string game = files_.Path("ゲーム");
  const std::string moved = game + "\\D_SCE.S8";
  ASSERT_TRUE(CreateDirectoryW(WideOfUtf8(game).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  WriteFileBytes(moved, scenario_);
  WriteIni(files_, "Path=" + Sjis(game) + "\r\n");
  ASSERT_NE(Start(), nullptr);
  EXPECT_EQ(Utf8OfWide(Scenario().path), moved);

  constexpr int32_t ITEM = 31;  // "鉄\uE059藜骨朶" in the built-in table
  answers_.PressButton(IDYES);
  Command(dialog_, IDC_INITIALIZE);
  Click(ITEM);
  Command(dialog_, IDC_UPDATE_NAME);
  Command(dialog_, ID_FILE_OVERWRITE_SCENARIO);
  const std::vector<uint8_t> saved = ReadFileBytes(moved);
  ASSERT_EQ(saved.size(), scenario_.size());
  const uint8_t* name = &saved[static_cast<size_t>(ItemFieldOffset(ITEM, ITEM_NAME_FIELD))];
  EXPECT_EQ(std::vector<uint8_t>(name, name + ITEM_NAME_WIDTH),
            (std::vector<uint8_t>{0x93, 0x53, 0xF0, 0x9A, 0xE5, 0x5B, 0x8D, 0x9C, 0x9E, 0x53, 0x00, 0x20, 0x20}));
  DestroyWindow(dialog_);
  dialog_ = nullptr;
  DeleteFileW(WideOfUtf8(moved).c_str());
  RemoveDirectoryW(WideOfUtf8(game).c_str());
}


// Varnholt names its save file while one is open, else its scenario file, and a dropped file opens
// as its save file.
TEST_F(VarnholtTest, DroppedSaveFileOpensAndTheTitleNamesIt) {
  EXPECT_EQ(WindowTextW(dialog_), L"D_SCE.S8 - Varnholt");
  SendMessageW(dialog_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(save_path_)), 0);
  ASSERT_EQ(Utf8OfWide(Save().path), save_path_);
  EXPECT_GT(Count(IDC_ITEM_OWNER, CB_GETCOUNT), 1);
  EXPECT_EQ(WindowTextW(dialog_), L"D_SCE.S8 / SAMPLE1.sav - Varnholt");
  // Only the file that holds the change is marked.
  Type(IDC_ITEM_PRICE, "100");
  Command(dialog_, IDC_UPDATE_PRICE);
  EXPECT_EQ(WindowTextW(dialog_), L"D_SCE.S8* / SAMPLE1.sav - Varnholt");
}

// What a user reaches without the mouse and what the window tells back: Ctrl+S stores the file that
// holds changes (the save file first) and the menu shows which, the title marks each file, the
// status line counts the selection and tells each command, a read-only scenario file's failure says
// what to do, and キャンセル at the close question keeps the program as it was.
TEST_F(VarnholtTest, KeysStatusLineAndCancelWorkAsInAnyWindowsProgram) {
  auto has_key = [this](int id) { return MenuText(GetMenu(dialog_), id, MF_BYCOMMAND).ends_with("\tCtrl+S"); };
  EXPECT_EQ(StatusText(dialog_, 0), "選択 1 / 255 件");
  OpenSampleSave();
  PressKeyThroughLoop(dialog_, List(), 'A', true);
  EXPECT_EQ(StatusText(dialog_, 0), "選択 255 / 255 件");
  SelectRows({5, 6});
  Command(dialog_, IDC_ITEM_LIST, LBN_SELCHANGE);
  EXPECT_EQ(StatusText(dialog_, 0), "選択 2 / 255 件");
  for (const char* price : {"500", "550"}) {
    Type(IDC_ITEM_PRICE, price);
    Command(dialog_, IDC_UPDATE_PRICE);
  }
  EXPECT_EQ(StatusText(dialog_, 1), "2 件の売値を 550 にしました");
  EXPECT_TRUE(has_key(ID_FILE_OVERWRITE_SCENARIO));
  EXPECT_FALSE(has_key(ID_FILE_OVERWRITE_SAVE));
  Choose(IDC_ITEM_OWNER, (Choice(IDC_ITEM_OWNER) + 1) % Count(IDC_ITEM_OWNER, CB_GETCOUNT));
  Command(dialog_, IDC_UPDATE_OWNER);
  EXPECT_EQ(WindowText(dialog_), "D_SCE.S8* / SAMPLE1.sav* - Varnholt");
  EXPECT_TRUE(has_key(ID_FILE_OVERWRITE_SAVE));
  EXPECT_FALSE(has_key(ID_FILE_OVERWRITE_SCENARIO));

  PressKeyThroughLoop(dialog_, Item(IDC_ITEM_PRICE), 'S', true);  // from a text field too
  EXPECT_EQ(ReadFileBytes(save_path_), std::vector<uint8_t>(Save().data, Save().data + SAVE_FILE_LENGTH));
  EXPECT_EQ(ReadFileBytes(scenario_path_), scenario_);
  EXPECT_EQ(WindowText(dialog_), "D_SCE.S8* / SAMPLE1.sav - Varnholt");
  EXPECT_EQ(StatusText(dialog_, 1), "SAMPLE1.sav に保存しました");
  EXPECT_TRUE(has_key(ID_FILE_OVERWRITE_SCENARIO));

  SetFileAttributesA(scenario_path_.c_str(), FILE_ATTRIBUTE_READONLY);
  answers_.PressButton(IDOK);
  PressKeyThroughLoop(dialog_, List(), 'S', true);
  auto seen = answers_.TakeSeen();
  ASSERT_EQ(seen.size(), 1u);
  ExpectFileBox(seen[0], scenario_path_, "ファイルの書き込みに失敗しました。", "警告", MB_ICONWARNING,
                "読み取り専用のため書き込めません。ファイルは元のままです。ファイルのプロパティで「読み取り専用」を外してから、"
                "もう一度保存して下さい。");
  EXPECT_EQ(ReadFileBytes(scenario_path_), scenario_);
  SetFileAttributesA(scenario_path_.c_str(), FILE_ATTRIBUTE_NORMAL);

  answers_.PressButton(IDCANCEL);
  SendMessageA(dialog_, WM_CLOSE, 0, 0);
  seen = answers_.TakeSeen();
  ASSERT_EQ(seen.size(), 1u);
  ExpectFileBox(seen[0], scenario_path_, "データが変更されています。保存しますか?", "データの保存", MB_ICONQUESTION,
                nullptr);
  EXPECT_FALSE(TakeQuitMessage());
  EXPECT_EQ(Scenario().dirty, 1);
  EXPECT_EQ(ReadFileBytes(scenario_path_), scenario_);
  Scenario().dirty = 0;
}

}  // namespace
