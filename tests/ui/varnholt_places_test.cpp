// What Varnholt remembers between runs: its recent save files after the File menu's CSV commands,
// and its window's place, under its own key.
#include "varnholt_fixture.h"

#include "win32/remembered_places.h"
#include "win32/shared_strings.h"

namespace {

TEST_F(VarnholtTest, RecentSaveFilesAndWindowPlaceAreItsOwn) {
  EXPECT_EQ(SettingsKeyName(), L"Software\\Varnholt");
  HMENU file = GetSubMenu(GetMenu(dialog_), 0);
  const int own_entries = GetMenuItemCount(file);
  OpenSampleSave();
  ASSERT_EQ(GetMenuItemCount(file), own_entries + 2);
  EXPECT_EQ(GetMenuItemID(file, own_entries - 1), static_cast<UINT>(ID_FILE_IMPORT_CSV));
  EXPECT_EQ(GetMenuItemID(file, own_entries + 1), static_cast<UINT>(ID_FILE_RECENT_FIRST));
  EXPECT_TRUE(MenuText(file, ID_FILE_RECENT_FIRST, MF_BYCOMMAND).starts_with("&1 C:\\"));
  EXPECT_TRUE(MenuText(file, ID_FILE_RECENT_FIRST, MF_BYCOMMAND).ends_with("\\SAMPLE1.sav"));
  EXPECT_EQ(SettingsText("File1"), save_path_);

  Command(dialog_, ID_FILE_CLOSE_SAVE);
  ASSERT_FALSE(IsImageOpen(Save()));
  Command(dialog_, ID_FILE_RECENT_FIRST);
  EXPECT_TRUE(IsImageOpen(Save()));
  EXPECT_EQ(WindowText(dialog_), "D_SCE.S8 / SAMPLE1.sav - Varnholt");

  SetWindowPos(dialog_, nullptr, 15, 25, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Command(dialog_, IDC_QUIT);
  EXPECT_TRUE(TakeQuitMessage());
  EXPECT_EQ(SettingsText("Window"), "15,25");
}

}  // namespace
