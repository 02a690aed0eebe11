// What a program remembers between runs: where its window was, the folder its file dialogs start
// in, and the last save files it opened or stored. The values are kept as named texts (the platform
// keeps them in the user's part of the registry); reading them checks every text, and a text that
// is missing or malformed gives the default (a window centred, no folder, no entry). Also where a
// window goes on the screens there are: pulled back onto a work area, or centred on one. Paths are
// UTF-16, compared as Windows compares file names (letter case ignored).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

constexpr size_t RECENT_FILE_LIMIT = 4;
constexpr size_t SETTINGS_PATH_LIMIT = 259;  // the characters a remembered path may have

// A rectangle in screen coordinates, right and bottom excluded (as Windows' RECT).
struct ScreenRect {
  int32_t left, top, right, bottom;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool operator==(const ScreenRect&) const = default;
};

struct WindowPosition {
  int32_t left, top;
  bool operator==(const WindowPosition&) const = default;
};

struct ProgramSettings {
  std::optional<WindowPosition> window;  // none: centre the window
  std::u16string folder;                 // empty: the file dialogs' own start
  std::vector<std::u16string> recent;    // newest first, at most RECENT_FILE_LIMIT, no two the same file
  bool operator==(const ProgramSettings&) const = default;
};

// One value as kept: its name and its text.
struct StoredValue {
  std::u16string name;
  std::u16string text;
  bool operator==(const StoredValue&) const = default;
};

// The names of the values, all owned by these settings. The recent files are File1 to File4.
inline constexpr std::u16string_view WINDOW_VALUE = u"Window";  // "<left>,<top>"
inline constexpr std::u16string_view FOLDER_VALUE = u"Folder";
std::u16string RecentFileValueName(size_t index);  // index 0: "File1"

// The settings the stored values give: each value checked on its own, names not known ignored.
ProgramSettings ParseProgramSettings(std::span<const StoredValue> stored);
// The values that keep `settings`, and the names of this program's values that must go (an
// entry that is no longer there, the window when it has no position). Without `with_window` the
// window's value is neither written nor removed.
struct SettingsWrite {
  std::vector<StoredValue> values;
  std::vector<std::u16string> removed;
};
SettingsWrite FormatProgramSettings(const ProgramSettings& settings, bool with_window = true);

// A full path a file dialog could name: a drive ("C:\...") or a share ("\\server\share\..."), at
// most SETTINGS_PATH_LIMIT characters, none of them a control character or one of <>"|?*.
bool IsUsablePath(std::u16string_view path);
// The same file for Windows: equal when letter case is ignored (ASCII, Latin-1, Latin Extended-A,
// Greek, Cyrillic and the full-width Latin letters, one character for one).
bool SamePath(std::u16string_view a, std::u16string_view b);
// The folder a file lies in: "C:\Games\a.sav" -> "C:\Games", "C:\a.sav" -> "C:\"; empty when
// the path names no folder.
std::u16string FolderOf(std::u16string_view path);

// A file opened or stored goes to the front; the same file named before is taken out; the oldest
// beyond RECENT_FILE_LIMIT drop off.
void AddRecentFile(std::vector<std::u16string>& recent, std::u16string_view path);
// True when `path` was in the list (and is no longer).
bool RemoveRecentFile(std::vector<std::u16string>& recent, std::u16string_view path);

// The text of a recent entry in a menu without its number: the path with each "&" doubled (a
// menu would take it for an access key), its middle folders left out as "..." when it is longer
// than `limit` characters; the root and the file name always stay.
std::u16string RecentEntryText(std::u16string_view path, size_t limit);

// Where a window goes: left where it is when it lies wholly on a work area; otherwise moved, as
// little as it takes, onto the work area it covers most (the nearest when it covers none). A
// window larger than the area keeps its top left corner on it. No work areas: left as it is.
ScreenRect PlaceOnWorkArea(ScreenRect window, std::span<const ScreenRect> work_areas);
// A window of that size in the middle of `area` (its top left corner on the area).
ScreenRect CentreOn(int32_t width, int32_t height, ScreenRect area);
