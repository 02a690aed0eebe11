// What Quillmere remembers between runs: its window's place, the file dialogs' folder, the recent
// save files in the File menu.
#include "quillmere_fixture.h"

#include "win32/remembered_places.h"
#include "win32/shared_strings.h"

namespace {

// A recent entry as the menu shows it: its number and access key, then the path, whose middle
// folders may give way to "..." when it is long.
::testing::AssertionResult IsEntry(const std::string& entry, int number, const std::string& path_end) {
  const std::string start = "&" + std::to_string(number) + " C:\\";
  if (entry.starts_with(start) && entry.ends_with(path_end)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "\"" << entry << "\" is not entry " << number << " of ...\"" << path_end << "\"";
}

class QuillmerePlacesTest : public QuillmereTest {
 protected:
  // The program started again, as it starts: the settings are read anew.
  void Restart() {
    DestroyWindow(dialog_);
    dialog_ = CreateOfficerDialog(GetModuleHandleA(nullptr));
    ASSERT_NE(dialog_, nullptr);
  }
  // The window closed with nothing to ask about, as the close button does.
  void CloseProgram() {
    Close();
    EXPECT_TRUE(TakeQuitMessage());
  }
  RECT WindowRect() const {
    RECT rect{};
    GetWindowRect(dialog_, &rect);
    return rect;
  }
  static RECT WorkArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
  }
  // The File menu's entries after the CSV commands (the recent files), as shown.
  std::vector<std::string> RecentEntries() const {
    HMENU file = GetSubMenu(GetMenu(dialog_), 0);
    std::vector<std::string> entries;
    for (UINT command = ID_FILE_RECENT_FIRST; command <= ID_FILE_RECENT_LAST; ++command) {
      wchar_t text[512] = L"";
      if (GetMenuStringW(file, command, text, 512, MF_BYCOMMAND) > 0) entries.push_back(Utf8OfWide(text));
    }
    return entries;
  }
  // A copy of the sample save as `name` in the folder `folder` (made if need be); its path.
  std::string SaveCopy(const std::string& folder, const std::string& name) {
    const std::string dir = files_.Path(folder);
    CreateDirectoryW(WideOfUtf8(dir).c_str(), nullptr);
    folders_.push_back(dir);
    const std::string path = dir + "\\" + name;
    copies_.push_back(path);
    WriteFileBytes(path, sample_);
    return path;
  }
  void TearDown() override {
    QuillmereTest::TearDown();
    for (const std::string& path : copies_) DeleteFileW(WideOfUtf8(path).c_str());
    for (const std::string& dir : folders_) RemoveDirectoryW(WideOfUtf8(dir).c_str());
  }
  std::vector<std::string> folders_, copies_;
};

// First centred on the screen; then where it was closed; pulled back onto the screen when that
// place is off it; centred again when the kept place is malformed. Nothing is written to the
// registry before the program closes.
TEST_F(QuillmerePlacesTest, WindowStartsCentredThenWhereItWasClosed) {
  const RECT area = WorkArea();
  RECT rect = WindowRect();
  const LONG width = rect.right - rect.left, height = rect.bottom - rect.top;
  EXPECT_EQ(rect.left, area.left + (area.right - area.left - width) / 2);
  EXPECT_EQ(rect.top, area.top + (area.bottom - area.top - height) / 2);

  SetWindowPos(dialog_, nullptr, 37, 41, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_FALSE(SettingsKeyExists());  // moving writes nothing
  CloseProgram();
  EXPECT_EQ(SettingsText("Window"), "37,41");
  Restart();
  rect = WindowRect();
  EXPECT_EQ(rect.left, 37);
  EXPECT_EQ(rect.top, 41);

  PutSettingsText("Window", "5000,-3000");  // a screen that is no longer there
  Restart();
  rect = WindowRect();
  EXPECT_EQ(rect.right, area.right);
  EXPECT_EQ(rect.top, area.top);

  for (const char* malformed : {"37", "37;41", "x,41", ""}) {
    SCOPED_TRACE(malformed);
    PutSettingsText("Window", malformed);
    Restart();
    EXPECT_EQ(WindowRect().left, area.left + (area.right - area.left - width) / 2);
  }
  PutSettingsNumber("Window", 37);  // not a text at all
  PutSettingsNumber("File1", 1);
  Restart();
  EXPECT_EQ(WindowRect().left, area.left + (area.right - area.left - width) / 2);
  EXPECT_TRUE(RecentEntries().empty());
}

// Each file opened heads the File menu's list (1 to 4, after the CSV commands and a separator) and
// is written at once with its folder; the next file dialog starts in that folder; an entry reopens
// its file through the question about unsaved changes, as the File menu's open does.
TEST_F(QuillmerePlacesTest, RecentFilesReopenAndTheFolderIsRemembered) {
  HMENU file = GetSubMenu(GetMenu(dialog_), 0);
  const int specified = GetMenuItemCount(file);
  const std::string first = SaveCopy("一", "first.sav");
  const std::string second = SaveCopy("Ünïcødé & co", "second.sav");

  EXPECT_EQ(SettingsKeyName(), L"Software\\Quillmere");
  Open(first);
  answers_.TakeSeen();
  // The open dialog made that folder the current one; the next dialog must not start there by
  // that alone.
  SetCurrentDirectoryW(WideOfUtf8(files_.folder()).c_str());
  EXPECT_EQ(SettingsText("File1"), first);
  EXPECT_EQ(SettingsText("Folder"), files_.Path("一"));
  EXPECT_EQ(SettingsText("Window"), "");  // the window's place waits for the close
  answers_.CancelFileDialog();
  std::vector<SeenWindow> seen = Answered(ID_FILE_OPEN, {});
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].folder, files_.Path("一"));
  Open(second);
  answers_.TakeSeen();
  std::vector<std::string> entries = RecentEntries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_TRUE(IsEntry(entries[0], 1, "\\Ünïcødé && co\\second.sav"));
  EXPECT_TRUE(IsEntry(entries[1], 2, "\\一\\first.sav"));
  // After the specified entries: a separator, then the two files.
  ASSERT_EQ(GetMenuItemCount(file), specified + 3);
  EXPECT_EQ(GetMenuItemID(file, specified - 1), static_cast<UINT>(ID_FILE_IMPORT_CSV));
  EXPECT_EQ(GetMenuState(file, specified, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
  EXPECT_EQ(GetMenuItemID(file, specified + 1), static_cast<UINT>(ID_FILE_RECENT_FIRST));

  // A change, then entry 2: the question first (No drops the change), then the first file.
  SetText(IDC_LOYALTY, "80");
  SelectRows({0});
  Command(dialog_, IDC_SET_LOYALTY);
  seen = Answered(ID_FILE_RECENT_FIRST + 1, {IDNO});
  ASSERT_EQ(seen.size(), 1u);
  ExpectBox(seen[0], "データが変更されています。保存しますか?", "データの保存", MB_ICONQUESTION);
  EXPECT_EQ(WindowText(dialog_), "first.sav - Quillmere");
  EXPECT_EQ(ReadFileBytes(second), sample_);
  EXPECT_TRUE(IsEntry(RecentEntries().front(), 1, "\\一\\first.sav"));
  EXPECT_EQ(SettingsText("Folder"), files_.Path("一"));

  // The next file dialog (here a CSV one) starts in the folder of the file opened last.
  answers_.CancelFileDialog();
  seen = Answered(ID_FILE_IMPORT_CSV, {});
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].folder, files_.Path("一"));

  // The list survives the program: the same entries after a restart.
  CloseProgram();
  entries = RecentEntries();
  Restart();
  EXPECT_EQ(RecentEntries(), entries);
}

// An entry whose file is gone is taken off the list with a box naming it; the open file stays.
TEST_F(QuillmerePlacesTest, MissingRecentFileIsRemovedWithAMessage) {
  const std::string gone = SaveCopy("a", "gone.sav");
  const std::string kept = SaveCopy("b", "kept.sav");
  Open(gone);
  Open(kept);
  answers_.TakeSeen();
  ASSERT_TRUE(DeleteFileW(WideOfUtf8(gone).c_str()));

  const std::vector<SeenWindow> seen = Answered(ID_FILE_RECENT_FIRST + 1, {IDOK});
  ASSERT_EQ(seen.size(), 1u);
  ExpectMessageBox(seen[0], SjisOfWide(WideOfUtf8(gone)) + "\n" + Sjis("ファイルが見つかりません。一覧から外しました。"),
                   "警告", MB_ICONWARNING);
  const std::vector<std::string> entries = RecentEntries();
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_TRUE(IsEntry(entries[0], 1, "\\b\\kept.sav"));
  EXPECT_EQ(WindowText(dialog_), "kept.sav - Quillmere");

  CloseProgram();
  EXPECT_EQ(SettingsText("File1"), kept);
  EXPECT_EQ(SettingsText("File2"), "");
}

}  // namespace
