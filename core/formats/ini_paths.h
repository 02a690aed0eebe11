// Where the item editor finds its files: the ini file "Kelpwood.ini" in the current directory,
// and the scenario file "D_SCE.S8" in the game's install directory named by that ini file.
// Composing the paths and finding the value in the ini file's bytes live here; reading the
// directory and the file, and turning the value's Shift-JIS into a path, are the program's part.
#pragma once

#include <string>
#include <string_view>

#include "formats/data_image.h"

inline constexpr PathChar INI_FILE_NAME[] = PATH_TEXT("Kelpwood.ini");
inline constexpr char INI_SECTION[] = "Init";
inline constexpr char INI_INSTALL_PATH_KEY[] = "Path";
// Used when the ini file or its "Path" key is missing, or the ini path does not fit.
inline constexpr PathChar DEFAULT_INSTALL_DIRECTORY[] = PATH_TEXT("C:\\Program Files\\Koei\\San8\\");
inline constexpr PathChar SCENARIO_FILE_NAME[] = PATH_TEXT("D_SCE.S8");

// Paths hold at most PATH_CAPACITY - 1 characters and a NUL. A directory "ends with \" only when
// its last character is "\": in a Shift-JIS path the second byte of a kanji such as ソ (0x83 0x5C)
// is not one.

// `current_directory`, a "\" unless it already ends with one, then "Kelpwood.ini". False, with
// `ini_path` empty, when that does not fit; the ini file then counts as missing.
bool ComposeIniPath(const PathChar* current_directory, PathChar (&ini_path)[PATH_CAPACITY]);

enum class ScenarioPathResult {
  Composed,
  TooLong,  // `scenario_path` is empty: the scenario file counts as unreadable
};

// `install_directory` (DEFAULT_INSTALL_DIRECTORY when it is nullptr), a "\" unless it already
// ends with one, then "D_SCE.S8". An empty directory gives "\D_SCE.S8", the root of the current
// drive. `scenario_path` may be the buffer that holds `install_directory`.
ScenarioPathResult ComposeScenarioPath(const PathChar* install_directory,
                                       PathChar (&scenario_path)[PATH_CAPACITY]);

// True when `directory` ends with a "\" character.
bool EndsWithSeparator(const PathChar* directory);

// The value of `key` in `section` of an ini file's bytes, as the system's profile functions find
// it: section and key names compared without regard to ASCII case, white space around the value
// removed, and one pair of quotes around it dropped. The bytes are taken as they are (the ini
// files of Japanese systems are Shift-JIS); a UTF-8 byte order mark at the start is skipped. False
// when the section or the key is missing.
bool FindIniValue(std::string_view ini, std::string_view section, std::string_view key, std::string& value);
