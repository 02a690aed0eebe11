// What the programs remember between runs: reading the kept values, the recent-file list, the
// recent entries' texts, and where a window goes on the screens.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/program_settings.h"

namespace {

using Paths = std::vector<std::u16string>;

TEST(ProgramSettings, MissingOrMalformedValuesGiveTheirDefaults) {
  EXPECT_EQ(ParseProgramSettings({}), ProgramSettings{});

  const std::u16string long_path = u"C:\\" + std::u16string(252, u'd') + u"\\a.sav";  // 261 characters
  struct Case {
    const char* name;
    std::vector<StoredValue> stored;
    ProgramSettings expected;
  };
  const Case cases[] = {
      {"every value as written",
       {{u"Window", u"-1200,35"}, {u"Folder", u"D:\\Saves"}, {u"File1", u"D:\\Saves\\a.sav"},
        {u"File2", u"\\\\pc\\share\\b.sav"}},
       {WindowPosition{-1200, 35}, u"D:\\Saves", {u"D:\\Saves\\a.sav", u"\\\\pc\\share\\b.sav"}}},
      {"names in another case, unknown names ignored",
       {{u"WINDOW", u"10,20"}, {u"folder", u"C:\\"}, {u"Other", u"x"}, {u"File5", u"C:\\e.sav"}},
       {WindowPosition{10, 20}, u"C:\\", {}}},
      {"positions that are no position", {{u"Window", u"abc"}}, {}},
      {"one coordinate", {{u"Window", u"10"}}, {}},
      {"three coordinates", {{u"Window", u"1,2,3"}}, {}},
      {"spaces", {{u"Window", u"1, 2"}}, {}},
      {"beyond any screen", {{u"Window", u"100001,0"}}, {}},
      {"a number too long to hold", {{u"Window", u"99999999999,0"}}, {}},
      {"empty", {{u"Window", u""}, {u"Folder", u""}, {u"File1", u""}}, {}},
      {"relative or rootless paths",
       {{u"Folder", u"Saves"}, {u"File1", u"a.sav"}, {u"File2", u"C:a.sav"}, {u"File3", u"\\\\pc"}}, {}},
      {"characters no path has",
       {{u"Folder", u"C:\\a?b"}, {u"File1", u"C:\\a\nb.sav"}, {u"File2", u"C:\\a:b.sav"}, {u"File3", u"C:\\<a>.sav"}},
       {}},
      {"too long", {{u"File1", long_path}, {u"File2", u"C:\\b.sav"}}, {std::nullopt, u"", {u"C:\\b.sav"}}},
      {"a file named twice keeps its newer place",
       {{u"File1", u"C:\\A.sav"}, {u"File2", u"C:\\b.sav"}, {u"File3", u"c:\\a.SAV"}},
       {std::nullopt, u"", {u"C:\\A.sav", u"C:\\b.sav"}}},
      {"a gap in the numbers", {{u"File2", u"C:\\b.sav"}, {u"File4", u"C:\\d.sav"}},
       {std::nullopt, u"", {u"C:\\b.sav", u"C:\\d.sav"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ProgramSettings settings = ParseProgramSettings(c.stored);
    EXPECT_EQ(settings.window, c.expected.window);
    EXPECT_EQ(settings.folder, c.expected.folder);
    EXPECT_EQ(settings.recent, c.expected.recent);
  }
}

TEST(ProgramSettings, WrittenValuesReadBackAndStaleOnesGo) {
  const ProgramSettings settings{WindowPosition{-5, 700}, u"E:\\Ünïcødé", {u"E:\\Ünïcødé\\x.sav", u"C:\\y.sav"}};
  const SettingsWrite write = FormatProgramSettings(settings);
  EXPECT_EQ(ParseProgramSettings(write.values), settings);
  EXPECT_EQ(write.removed, (Paths{u"File3", u"File4"}));

  // Without a position the window's value goes; a write without the window leaves it alone.
  EXPECT_EQ(FormatProgramSettings(ProgramSettings{}).removed,
            (Paths{u"Window", u"Folder", u"File1", u"File2", u"File3", u"File4"}));
  const SettingsWrite no_window = FormatProgramSettings(settings, false);
  for (const StoredValue& value : no_window.values) EXPECT_NE(value.name, u"Window");
  EXPECT_EQ(no_window.removed, (Paths{u"File3", u"File4"}));
}

TEST(ProgramSettings, RecentFilesNewestFirstOnceEachAtMostFour) {
  Paths recent;
  for (const char16_t* path : {u"C:\\a.sav", u"C:\\b.sav", u"C:\\c.sav", u"C:\\d.sav"}) AddRecentFile(recent, path);
  EXPECT_EQ(recent, (Paths{u"C:\\d.sav", u"C:\\c.sav", u"C:\\b.sav", u"C:\\a.sav"}));

  AddRecentFile(recent, u"C:\\B.SAV");  // the same file: to the front, named as now
  EXPECT_EQ(recent, (Paths{u"C:\\B.SAV", u"C:\\d.sav", u"C:\\c.sav", u"C:\\a.sav"}));
  AddRecentFile(recent, u"C:\\e.sav");  // a fifth: the oldest drops off
  EXPECT_EQ(recent, (Paths{u"C:\\e.sav", u"C:\\B.SAV", u"C:\\d.sav", u"C:\\c.sav"}));

  EXPECT_TRUE(RemoveRecentFile(recent, u"c:\\D.sav"));
  EXPECT_FALSE(RemoveRecentFile(recent, u"C:\\a.sav"));
  EXPECT_EQ(recent, (Paths{u"C:\\e.sav", u"C:\\B.SAV", u"C:\\c.sav"}));

  // Letter case as Windows ignores it in file names, beyond ASCII; other characters stay apart.
  EXPECT_TRUE(SamePath(u"C:\\Ünïcødé.sav", u"c:\\üNÏCØDÉ.SAV"));
  EXPECT_TRUE(SamePath(u"C:\\Ōsaka\\Дом\\ＡＢ.sav", u"C:\\ōSAKA\\дОМ\\ａｂ.sav"));
  EXPECT_FALSE(SamePath(u"C:\\ア.sav", u"C:\\ｱ.sav"));
  EXPECT_FALSE(SamePath(u"C:\\a.sav", u"C:\\a.sa"));
}

TEST(ProgramSettings, FoldersAndEntryTexts) {
  EXPECT_EQ(FolderOf(u"C:\\Games\\San8\\a.sav"), u"C:\\Games\\San8");
  EXPECT_EQ(FolderOf(u"C:\\a.sav"), u"C:\\");
  EXPECT_EQ(FolderOf(u"\\\\pc\\share\\a.sav"), u"\\\\pc\\share\\");
  EXPECT_EQ(FolderOf(u"a.sav"), u"");

  EXPECT_EQ(RecentEntryText(u"C:\\Saves\\R&D\\a.sav", 60), u"C:\\Saves\\R&&D\\a.sav");
  // Too long: middle folders give way, the root, the last folders that fit and the name stay.
  const std::u16string deep = u"C:\\Program Files\\Koei\\San8\\Saves\\Campaign\\work3.sav";
  EXPECT_EQ(RecentEntryText(deep, deep.size()), deep);
  EXPECT_EQ(RecentEntryText(deep, 31), u"C:\\...\\Saves\\Campaign\\work3.sav");
  EXPECT_EQ(RecentEntryText(deep, 30), u"C:\\...\\Campaign\\work3.sav");
  EXPECT_EQ(RecentEntryText(deep, 20), u"C:\\...\\work3.sav");
  EXPECT_EQ(RecentEntryText(u"\\\\server\\share\\a\\b\\c\\d.sav", 20), u"\\\\server\\share\\...\\d.sav");
  const std::u16string long_name = u"C:\\x\\" + std::u16string(80, u'n') + u".sav";
  EXPECT_EQ(RecentEntryText(long_name, 60), long_name);  // nothing to leave out: the name stays whole
}

void PrintTo(const ScreenRect& r, std::ostream* out) {
  *out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

TEST(ProgramSettings, WindowsStayOnAWorkArea) {
  const ScreenRect primary{0, 0, 1280, 984};         // the task bar below
  const ScreenRect left_screen{-1024, 100, 0, 868};  // a second screen to the left, lower
  const std::vector<ScreenRect> areas{primary, left_screen};
  struct Case {
    const char* name;
    ScreenRect window, expected;
  };
  const Case cases[] = {
      {"wholly on the primary", {100, 50, 580, 400}, {100, 50, 580, 400}},
      {"wholly on the second", {-900, 200, -420, 550}, {-900, 200, -420, 550}},
      {"past the right edge", {1000, 50, 1480, 400}, {800, 50, 1280, 400}},
      {"under the task bar", {100, 800, 580, 1150}, {100, 634, 580, 984}},
      {"above the top", {100, -40, 580, 310}, {100, 0, 580, 350}},
      {"mostly on the second", {-400, 300, 80, 650}, {-480, 300, 0, 650}},
      {"far off to the right: the nearest", {5000, 5000, 5480, 5350}, {800, 634, 1280, 984}},
      {"far off to the left: the nearest", {-9000, 400, -8520, 750}, {-1024, 400, -544, 750}},
      {"below the second screen", {-900, 1000, -420, 1350}, {-900, 518, -420, 868}},
      {"larger than any: its corner on the area", {-100, -100, 1900, 1400}, {0, 0, 2000, 1500}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PlaceOnWorkArea(c.window, areas), c.expected);
  }
  EXPECT_EQ(PlaceOnWorkArea({5000, 0, 5100, 100}, {}), (ScreenRect{5000, 0, 5100, 100}));

  EXPECT_EQ(CentreOn(480, 350, primary), (ScreenRect{400, 317, 880, 667}));
  EXPECT_EQ(CentreOn(480, 350, left_screen), (ScreenRect{-752, 309, -272, 659}));
  EXPECT_EQ(CentreOn(2000, 350, primary), (ScreenRect{0, 317, 2000, 667}));
}

}  // namespace
