// What Quillmere remembers between runs: its window's place, the file dialogs' folder, the recent
// save files in the File menu.
#include "quillmere_fixture.h"

#include "win32/remembered_places.h"
#include "win32/shared_strings.h"

namespace {

class QuillmerePlacesTest : public QuillmereTest {
 protected:
  // The program started again: the settings are read anew.
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
  // The left edge of the window centred on the screen's work area.
  LONG CentredLeft() const {
    RECT area{}, rect = WindowRect();
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area.left + (area.right - area.left - (rect.right - rect.left)) / 2;
  }
  // The recent entries of the File menu as shown; each ends with its file's name.
  std::vector<std::string> RecentEntries() const {
    std::vector<std::string> entries;
    for (UINT command = ID_FILE_RECENT_FIRST; command <= ID_FILE_RECENT_LAST; ++command) {
      wchar_t text[512] = L"";
      if (GetMenuStringW(GetSubMenu(GetMenu(dialog_), 0), command, text, 512, MF_BYCOMMAND) > 0) {
        entries.push_back(Utf8OfWide(text));
      }
    }
    return entries;
  }
  std::string SaveCopy(const TempFolder& folder, const std::string& name) {
    WriteFileBytes(folder.Path(name), sample_);
    return folder.Path(name);
  }
  TempFolder other_;
};

// First centred on the screen; then where it was closed; pulled back onto the screen when that
// place is off it; centred again when the kept place is malformed. Nothing is written before the
// program closes.
TEST_F(QuillmerePlacesTest, WindowStartsCentredThenWhereItWasClosed) {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  const RECT first = WindowRect();
  EXPECT_EQ(first.left, CentredLeft());
  EXPECT_EQ(first.top, area.top + (area.bottom - area.top - (first.bottom - first.top)) / 2);

  SetWindowPos(dialog_, nullptr, 37, 41, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_FALSE(SettingsKeyExists());  // neither starting nor moving writes anything
  CloseProgram();
  EXPECT_EQ(SettingsText("Window"), "37,41");
  Restart();
  EXPECT_EQ(WindowRect().left, 37);
  EXPECT_EQ(WindowRect().top, 41);

  PutSettingsText("Window", "5000,-3000");  // on a screen that is no longer there
  Restart();
  EXPECT_EQ(WindowRect().right, area.right);
  EXPECT_EQ(WindowRect().top, area.top);

  for (const char* malformed : {"37", "37;41", "x,41", ""}) {
    SCOPED_TRACE(malformed);
    PutSettingsText("Window", malformed);
    Restart();
    EXPECT_EQ(WindowRect().left, CentredLeft());
  }
  PutSettingsNumber("Window", 37);  // values that are not texts
  PutSettingsNumber("File1", 1);
  Restart();
  EXPECT_EQ(WindowRect().left, CentredLeft());
  EXPECT_TRUE(RecentEntries().empty());
}

// Each file opened heads the File menu's list (after its own entries, behind a separator)
// and is written at once with its folder; an entry reopens its file through the question about
// unsaved changes, as the File menu's open does; the next file dialog starts in that folder.
TEST_F(QuillmerePlacesTest, RecentFilesReopenAndTheFolderIsRemembered) {
  EXPECT_EQ(SettingsKeyName(), L"Software\\Quillmere");
  HMENU file = GetSubMenu(GetMenu(dialog_), 0);
  const int own_entries = GetMenuItemCount(file);
  const std::string first = SaveCopy(files_, "一.sav"), second = SaveCopy(other_, "Ünïcødé & co.sav");
  Open(first);
  EXPECT_EQ(SettingsText("File1"), first);
  EXPECT_EQ(SettingsText("Folder"), files_.folder());
  EXPECT_EQ(SettingsText("Window"), "");  // the window's place waits for the close
  Open(second);
  answers_.TakeSeen();
  std::vector<std::string> entries = RecentEntries();
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_TRUE(entries[0].starts_with("&1 C:\\") && entries[0].ends_with("\\Ünïcødé && co.sav")) << entries[0];
  EXPECT_TRUE(entries[1].starts_with("&2 C:\\") && entries[1].ends_with("\\一.sav")) << entries[1];
  ASSERT_EQ(GetMenuItemCount(file), own_entries + 3);
  EXPECT_EQ(GetMenuItemID(file, own_entries - 1), static_cast<UINT>(ID_FILE_IMPORT_CSV));
  EXPECT_EQ(GetMenuState(file, own_entries, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));

  // A change, then entry 2: the question first (No drops the change), then that file.
  SetText(IDC_LOYALTY, "80");
  SelectRows({0});
  Command(dialog_, IDC_SET_LOYALTY);
  const std::string open_path = SjisOfWide(g_officer_editor.save.path);
  std::vector<SeenWindow> seen = Answered(ID_FILE_RECENT_FIRST + 1, {IDNO});
  ASSERT_EQ(seen.size(), 1u);
  ExpectFileBox(seen[0], open_path, "データが変更されています。保存しますか?", "データの保存", MB_ICONQUESTION, nullptr);
  EXPECT_EQ(WindowText(dialog_), Sjis("一.sav - Quillmere"));
  EXPECT_EQ(ReadFileBytes(second), sample_);
  EXPECT_TRUE(RecentEntries()[0].ends_with("\\一.sav"));

  // The next file dialog, a CSV one too, starts in that folder: not in the current directory, nor
  // where the last file dialog was.
  SetCurrentDirectoryW(L"C:\\");
  answers_.CancelFileDialog();
  seen = Answered(ID_FILE_IMPORT_CSV, {});
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].folder, files_.folder());

  CloseProgram();  // the list outlives the program
  entries = RecentEntries();
  Restart();
  EXPECT_EQ(RecentEntries(), entries);
}

// An entry whose file is gone is taken off the list with a box naming it; the open file stays.
TEST_F(QuillmerePlacesTest, MissingRecentFileIsRemovedWithAMessage) {
  const std::string gone = SaveCopy(files_, "gone.sav"), kept = SaveCopy(files_, "kept.sav");
  Open(gone);
  Open(kept);
  answers_.TakeSeen();
  ASSERT_TRUE(DeleteFileW(WideOfUtf8(gone).c_str()));

  const std::vector<SeenWindow> seen = Answered(ID_FILE_RECENT_FIRST + 1, {IDOK});
  ASSERT_EQ(seen.size(), 1u);
  ExpectMessageBox(seen[0], gone + "\n" + Sjis("ファイルが見つかりません。一覧から外しました。"), "警告", MB_ICONWARNING);
  ASSERT_EQ(RecentEntries().size(), 1u);
  EXPECT_TRUE(RecentEntries()[0].ends_with("\\kept.sav"));
  EXPECT_EQ(WindowText(dialog_), "kept.sav - Quillmere");

  CloseProgram();
  EXPECT_EQ(SettingsText("File1"), kept);
  EXPECT_EQ(SettingsText("File2"), "");
}

}  // namespace
