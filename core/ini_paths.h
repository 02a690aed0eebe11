// Where the item editor finds its files: the ini file "Kelpwood.ini" in the current directory,
// and the scenario file "D_SCE.S8" in the game's install directory named by that ini file.
// Only the composing of the paths lives here; reading the directory and the ini value is the
// program's part.
#pragma once

#include "data_image.h"

inline constexpr char INI_FILE_NAME[] = "Kelpwood.ini";
inline constexpr char INI_SECTION[] = "Init";
inline constexpr char INI_INSTALL_PATH_KEY[] = "Path";
// Used when the ini file or its "Path" key is missing, or the ini path does not fit.
inline constexpr char DEFAULT_INSTALL_DIRECTORY[] = "C:\\Program Files\\Koei\\San8\\";
inline constexpr char SCENARIO_FILE_NAME[] = "D_SCE.S8";

// Paths hold at most PATH_CAPACITY - 1 bytes and a NUL. A directory "ends with \" only when its
// last Shift-JIS character is "\": the second byte of a kanji such as ソ (0x83 0x5C) is not one.

// `current_directory`, a "\" unless it already ends with one, then "Kelpwood.ini". False, with
// `ini_path` empty, when that does not fit; the ini file then counts as missing.
bool ComposeIniPath(const char* current_directory, char (&ini_path)[PATH_CAPACITY]);

enum class ScenarioPathResult {
  Composed,
  TooLong,  // `scenario_path` is empty: the scenario file counts as unreadable
};

// `install_directory` (DEFAULT_INSTALL_DIRECTORY when it is nullptr), a "\" unless it already
// ends with one, then "D_SCE.S8". An empty directory gives "\D_SCE.S8", the root of the current
// drive. `scenario_path` may be the buffer that holds `install_directory`.
ScenarioPathResult ComposeScenarioPath(const char* install_directory,
                                       char (&scenario_path)[PATH_CAPACITY]);
