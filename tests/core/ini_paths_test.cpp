// Composing the ini path and the scenario path of the item editor.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "formats/ini_paths.h"
#include "sjis_text.h"

namespace {

TEST(IniPaths, IniFileLiesInTheCurrentDirectory) {
  struct Case {
    const char* name;
    std::string directory;
    bool composed;
    std::string path;
  };
  const std::string long_directory = "C:\\" + std::string(243, 'd');  // 246 characters
  const Case cases[] = {
      {"directory without final separator", "C:\\Games\\Tools", true, "C:\\Games\\Tools\\Kelpwood.ini"},
      {"drive root", "C:\\", true, "C:\\Kelpwood.ini"},
      {"kanji ending in 0x5C is not a separator", Sjis("D:\\ソ"), true, Sjis("D:\\ソ") + "\\Kelpwood.ini"},
      {"exactly 259 characters", long_directory, true, long_directory + "\\Kelpwood.ini"},
      {"260 characters: does not fit", long_directory + "e", false, ""},
      {"far too long", std::string(400, 'x'), false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    char path[PATH_CAPACITY];
    std::fill(std::begin(path), std::end(path), 'z');
    EXPECT_EQ(ComposeIniPath(c.directory.c_str(), path), c.composed);
    EXPECT_EQ(std::string(path), c.path);
  }
}

TEST(IniPaths, ScenarioFileLiesInTheInstallDirectory) {
  struct Case {
    const char* name;
    const char* value;  // nullptr: no ini file, no "Path" key, or an ini path that did not fit
    ScenarioPathResult result;
    std::string path;
  };
  const std::string fits = "E:\\" + std::string(247, 'g');   // + "\D_SCE.S8" = 259 characters
  const std::string too_long = fits + "h";
  const std::string kanji = Sjis("E:\\ゲーム\\表");            // 表 is 0x95 0x5C
  const std::string kanji_slash = Sjis("E:\\ゲーム\\表\\");
  const Case cases[] = {
      {"no value: the default install directory", nullptr, ScenarioPathResult::Composed,
       "C:\\Program Files\\Koei\\San8\\D_SCE.S8"},
      {"value with final separator", "E:\\San8\\", ScenarioPathResult::Composed, "E:\\San8\\D_SCE.S8"},
      {"value without final separator", "E:\\San8", ScenarioPathResult::Composed, "E:\\San8\\D_SCE.S8"},
      {"empty value: root of the current drive", "", ScenarioPathResult::Composed, "\\D_SCE.S8"},
      {"kanji ending in 0x5C gets a separator", kanji.c_str(), ScenarioPathResult::Composed,
       kanji + "\\D_SCE.S8"},
      {"kanji then separator gets none", kanji_slash.c_str(), ScenarioPathResult::Composed,
       kanji_slash + "D_SCE.S8"},
      {"exactly 259 characters", fits.c_str(), ScenarioPathResult::Composed, fits + "\\D_SCE.S8"},
      {"260 characters", too_long.c_str(), ScenarioPathResult::TooLong, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    char path[PATH_CAPACITY];
    std::fill(std::begin(path), std::end(path), 'z');
    EXPECT_EQ(ComposeScenarioPath(c.value, path), c.result);
    EXPECT_EQ(std::string(path), c.path);
  }
}

TEST(IniPaths, ScenarioPathCanBeComposedWhereTheValueWasRead) {
  // The program reads the "Path" value straight into the scenario image's path.
  char path[PATH_CAPACITY] = "F:\\Koei\\San8";
  EXPECT_EQ(ComposeScenarioPath(path, path), ScenarioPathResult::Composed);
  EXPECT_STREQ(path, "F:\\Koei\\San8\\D_SCE.S8");
}

}  // namespace

// The ini value is found in the file's own bytes, as the system's profile functions find it, so a
// Shift-JIS "Path" is read the same whatever the system's code page.
TEST(IniPaths, ValueIsFoundInTheFilesBytes) {
  const std::string kanji_path = "D:\\" + Sjis("ゲーム") + "\\";
  struct Case {
    const char* name;
    std::string ini;
    bool found;
    std::string value;
  };
  const Case cases[] = {
      {"Shift-JIS value, CRLF", "[Init]\r\nPath=" + kanji_path + "\r\n", true, kanji_path},
      {"names in any case, spaces around", "[ init ]\nOther=1\n  path = E:\\San8 \n", true, "E:\\San8"},
      {"quotes dropped", "[Init]\nPath=\"E:\\A B\"\n", true, "E:\\A B"},
      {"UTF-8 mark skipped", "\xEF\xBB\xBF[Init]\nPath=E:\\x\n", true, "E:\\x"},
      {"first of two", "[Init]\nPath=E:\\1\nPath=E:\\2\n", true, "E:\\1"},
      {"empty value", "[Init]\nPath=\n", true, ""},
      {"key in another section", "[Other]\nPath=E:\\x\n[Init]\nKey=1\n", false, ""},
      {"commented out", "[Init]\n;Path=E:\\x\n", false, ""},
      {"no file contents", "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string value = "unchanged";
    EXPECT_EQ(FindIniValue(c.ini, INI_SECTION, INI_INSTALL_PATH_KEY, value), c.found);
    if (c.found) EXPECT_EQ(value, c.value);
  }
}
