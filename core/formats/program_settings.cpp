// The remembered settings of a program: checking what was kept, the recent-file list, and where a
// window goes on the screens.
#include "formats/program_settings.h"

#include <algorithm>
#include <limits>

namespace {

// Positions further out than this are no screen's.
constexpr int32_t POSITION_LIMIT = 100000;

// The upper case of a letter as Windows compares file names; every other character as it is.
char16_t UpperCase(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
  if (c < 0x00E0) return c;
  if (c <= 0x00FE) return c == 0x00F7 ? c : static_cast<char16_t>(c - 0x20);  // à-þ, not ÷
  if (c == 0x00FF) return 0x0178;                                           // ÿ
  if (c >= 0x0100 && c <= 0x017F) {                                         // Latin Extended-A: pairs
    const bool odd_pairs = (c >= 0x0139 && c <= 0x0148) || (c >= 0x0179 && c <= 0x017E);
    if (c == 0x0131 || c == 0x0138 || c == 0x0149 || c == 0x017F) return c;  // no simple partner
    if (odd_pairs) return (c % 2 == 0) ? static_cast<char16_t>(c - 1) : c;
    return (c % 2 == 1) ? static_cast<char16_t>(c - 1) : c;
  }
  if (c >= 0x03B1 && c <= 0x03C9 && c != 0x03C2) return static_cast<char16_t>(c - 0x20);  // Greek
  if (c >= 0x0430 && c <= 0x044F) return static_cast<char16_t>(c - 0x20);                // Cyrillic
  if (c >= 0x0450 && c <= 0x045F) return static_cast<char16_t>(c - 0x50);
  if (c >= 0xFF41 && c <= 0xFF5A) return static_cast<char16_t>(c - 0x20);  // full-width a-z
  return c;
}

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

// The length of the path's root: "C:\" (3) or "\\server\share\" (up to the separator after the
// share); 0 when the path has neither.
size_t RootLength(std::u16string_view path) {
  const bool letter = path.size() >= 3 && ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z'));
  if (letter && path[1] == u':' && IsSeparator(path[2])) return 3;
  if (path.size() < 5 || !IsSeparator(path[0]) || !IsSeparator(path[1])) return 0;
  const size_t server_end = path.find_first_of(u"\\/", 2);
  if (server_end == std::u16string_view::npos || server_end == 2) return 0;
  const size_t share_end = path.find_first_of(u"\\/", server_end + 1);
  if (share_end == server_end + 1) return 0;
  return share_end == std::u16string_view::npos ? path.size() : share_end + 1;
}

std::optional<int32_t> ParseCoordinate(std::u16string_view text) {
  const bool negative = !text.empty() && text[0] == u'-';
  if (negative) text.remove_prefix(1);
  if (text.empty() || text.size() > 6) return std::nullopt;
  int32_t value = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  if (value > POSITION_LIMIT) return std::nullopt;
  return negative ? -value : value;
}

std::optional<WindowPosition> ParsePosition(std::u16string_view text) {
  const size_t comma = text.find(u',');
  if (comma == std::u16string_view::npos) return std::nullopt;
  const std::optional<int32_t> left = ParseCoordinate(text.substr(0, comma));
  const std::optional<int32_t> top = ParseCoordinate(text.substr(comma + 1));
  if (!left || !top) return std::nullopt;
  return WindowPosition{*left, *top};
}

std::u16string FormatNumber(int32_t value) {
  std::u16string digits;
  const bool negative = value < 0;
  int64_t rest = negative ? -static_cast<int64_t>(value) : value;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + rest % 10));
    rest /= 10;
  } while (rest != 0);
  return negative ? u"-" + digits : digits;
}

// How far `inner` must move along one axis to lie within [low, high), the low edge winning when
// it does not fit.
int32_t Shift(int32_t start, int32_t end, int32_t low, int32_t high) {
  if (end > high) return std::max(high - end, low - start);
  if (start < low) return low - start;
  return 0;
}

int64_t Overlap(const ScreenRect& a, const ScreenRect& b) {
  const int64_t width = std::min(a.right, b.right) - std::max(a.left, b.left);
  const int64_t height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

// The squared distance between two rectangles (0 when they touch or overlap).
int64_t Distance(const ScreenRect& a, const ScreenRect& b) {
  const int64_t dx = std::max<int64_t>({0, int64_t{b.left} - a.right, int64_t{a.left} - b.right});
  const int64_t dy = std::max<int64_t>({0, int64_t{b.top} - a.bottom, int64_t{a.top} - b.bottom});
  return dx * dx + dy * dy;
}

bool Contains(const ScreenRect& area, const ScreenRect& window) {
  return window.left >= area.left && window.top >= area.top && window.right <= area.right &&
         window.bottom <= area.bottom;
}

}  // namespace

std::u16string RecentFileValueName(size_t index) { return u"File" + FormatNumber(static_cast<int32_t>(index + 1)); }

bool IsUsablePath(std::u16string_view path) {
  if (path.empty() || path.size() > SETTINGS_PATH_LIMIT || RootLength(path) == 0) return false;
  for (size_t k = 0; k < path.size(); ++k) {
    const char16_t c = path[k];
    if (c < 0x20 || c == 0x7F || std::u16string_view(u"<>\"|?*").find(c) != std::u16string_view::npos) return false;
    if (c == u':' && k != 1) return false;
  }
  return true;
}

bool SamePath(std::u16string_view a, std::u16string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char16_t x, char16_t y) { return UpperCase(x) == UpperCase(y); });
}

std::u16string FolderOf(std::u16string_view path) {
  const size_t root = RootLength(path);
  const size_t last = path.find_last_of(u"\\/");
  if (root == 0 || last == std::u16string_view::npos) return {};
  // A file in the root keeps the root's separator ("C:"); any other folder ends before its own.
  return std::u16string(path.substr(0, last < root ? root : last));
}

void AddRecentFile(std::vector<std::u16string>& recent, std::u16string_view path) {
  RemoveRecentFile(recent, path);
  recent.insert(recent.begin(), std::u16string(path));
  if (recent.size() > RECENT_FILE_LIMIT) recent.resize(RECENT_FILE_LIMIT);
}

bool RemoveRecentFile(std::vector<std::u16string>& recent, std::u16string_view path) {
  return std::erase_if(recent, [&](const std::u16string& entry) { return SamePath(entry, path); }) > 0;
}

ProgramSettings ParseProgramSettings(std::span<const StoredValue> stored) {
  ProgramSettings settings;
  auto text_of = [&](std::u16string_view name) -> const std::u16string* {
    for (const StoredValue& value : stored) {
      if (SamePath(value.name, name)) return &value.text;  // value names ignore case, as file names do
    }
    return nullptr;
  };
  if (const std::u16string* text = text_of(WINDOW_VALUE)) settings.window = ParsePosition(*text);
  if (const std::u16string* text = text_of(FOLDER_VALUE); text != nullptr && IsUsablePath(*text)) {
    settings.folder = *text;
  }
  // Oldest first, so that the newest ends at the front and a file named twice keeps its newer place.
  for (size_t index = RECENT_FILE_LIMIT; index-- > 0;) {
    const std::u16string* text = text_of(RecentFileValueName(index));
    if (text != nullptr && IsUsablePath(*text)) AddRecentFile(settings.recent, *text);
  }
  return settings;
}

SettingsWrite FormatProgramSettings(const ProgramSettings& settings, bool with_window) {
  SettingsWrite write;
  auto keep = [&](std::u16string_view name, bool present, const std::u16string& text) {
    if (present) {
      write.values.push_back({std::u16string(name), text});
    } else {
      write.removed.emplace_back(name);
    }
  };
  if (with_window) {
    const WindowPosition position = settings.window.value_or(WindowPosition{});
    keep(WINDOW_VALUE, settings.window.has_value(), FormatNumber(position.left) + u"," + FormatNumber(position.top));
  }
  keep(FOLDER_VALUE, !settings.folder.empty(), settings.folder);
  for (size_t index = 0; index < RECENT_FILE_LIMIT; ++index) {
    const bool present = index < settings.recent.size();
    keep(RecentFileValueName(index), present, present ? settings.recent[index] : std::u16string());
  }
  return write;
}

std::u16string RecentEntryText(std::u16string_view path, size_t limit) {
  std::u16string shown(path);
  const size_t root = RootLength(path);
  const size_t name_start = path.find_last_of(u"\\/");
  if (path.size() > limit && root > 0 && name_start != std::u16string_view::npos && name_start >= root) {
    // Keep the root, then as many of the last folders as fit before the name.
    size_t tail = name_start;
    for (;;) {
      const size_t previous = tail == 0 ? std::u16string_view::npos : path.find_last_of(u"\\/", tail - 1);
      if (previous == std::u16string_view::npos || previous < root) break;
      if (root + 3 + (path.size() - previous) > limit) break;
      tail = previous;
    }
    if (tail > root + 3) shown = std::u16string(path.substr(0, root)) + u"..." + std::u16string(path.substr(tail));
  }
  std::u16string escaped;
  for (char16_t c : shown) {
    escaped += c;
    if (c == u'&') escaped += u'&';
  }
  return escaped;
}

ScreenRect PlaceOnWorkArea(ScreenRect window, std::span<const ScreenRect> work_areas) {
  if (work_areas.empty()) return window;
  for (const ScreenRect& area : work_areas) {
    if (Contains(area, window)) return window;
  }
  const ScreenRect* best = &work_areas.front();
  int64_t best_overlap = -1;
  int64_t best_distance = std::numeric_limits<int64_t>::max();
  for (const ScreenRect& area : work_areas) {
    const int64_t overlap = Overlap(window, area);
    const int64_t distance = Distance(window, area);
    if (overlap > best_overlap || (overlap == 0 && best_overlap == 0 && distance < best_distance)) {
      best = &area;
      best_overlap = overlap;
      best_distance = distance;
    }
  }
  const int32_t dx = Shift(window.left, window.right, best->left, best->right);
  const int32_t dy = Shift(window.top, window.bottom, best->top, best->bottom);
  return {window.left + dx, window.top + dy, window.right + dx, window.bottom + dy};
}

ScreenRect CentreOn(int32_t width, int32_t height, ScreenRect area) {
  const int32_t left = area.left + std::max(0, (area.Width() - width) / 2);
  const int32_t top = area.top + std::max(0, (area.Height() - height) / 2);
  return {left, top, left + width, top + height};
}
