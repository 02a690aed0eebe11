// The window's place, the file dialogs' folder and the recent save files, kept in the registry.
#include "win32/remembered_places.h"

#include <string_view>
#include <vector>

#include "formats/program_settings.h"
#include "platform/win_settings_key.h"
#include "win32/file_commands.h"
#include "win32/image_dialogs.h"
#include "win32/shared_strings.h"
#include "win32/string_table.h"

namespace {

// The longest path a recent entry shows whole; longer ones lose middle folders.
constexpr size_t RECENT_ENTRY_WIDTH = 60;

struct RememberedPlaces {
  bool read = false;        // RestorePlaces has run: the settings hold what the registry held
  ProgramSettings settings;
  UINT last_file_entry = 0; // the File menu's entry the recent files follow
  bool separator_shown = false;
};
RememberedPlaces g_places;

std::u16string Utf16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }
std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

ScreenRect ScreenRectOf(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(monitor, &info)) reinterpret_cast<std::vector<ScreenRect>*>(areas)->push_back(ScreenRectOf(info.rcWork));
  return TRUE;
}

ScreenRect PrimaryWorkArea() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return ScreenRectOf(info.rcWork);
}

void WriteSettings(bool with_window) {
  if (g_places.read) WriteSettingsKey(SettingsKeyName(), FormatProgramSettings(g_places.settings, with_window));
}

HMENU FileMenu(HWND dialog) { return GetSubMenu(GetMenu(dialog), 0); }

int MenuPosition(HMENU menu, UINT command) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    if (GetMenuItemID(menu, position) == command) return position;
  }
  return -1;
}

// The recent entries after the File menu's last own entry, numbered 1 to 4 with their access keys.
void ShowRecentFiles(HWND dialog) {
  HMENU file = FileMenu(dialog);
  if (file == nullptr) return;
  for (UINT command = ID_FILE_RECENT_FIRST; command <= ID_FILE_RECENT_LAST; ++command) {
    DeleteMenu(file, command, MF_BYCOMMAND);
  }
  const int anchor = MenuPosition(file, g_places.last_file_entry);
  if (anchor < 0) return;
  if (g_places.separator_shown) DeleteMenu(file, static_cast<UINT>(anchor + 1), MF_BYPOSITION);
  g_places.separator_shown = false;
  const std::vector<std::u16string>& recent = g_places.settings.recent;
  if (recent.empty()) return;
  auto position = static_cast<UINT>(anchor + 1);
  InsertMenuW(file, position++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  g_places.separator_shown = true;
  for (size_t index = 0; index < recent.size(); ++index) {
    const std::wstring number = std::to_wstring(index + 1);
    const std::wstring path = Wide(RecentEntryText(recent[index], RECENT_ENTRY_WIDTH));
    const std::wstring text = FormatText(IDS_RECENT_FILE_ENTRY, {number, path});
    InsertMenuW(file, position++, MF_BYPOSITION | MF_STRING, ID_FILE_RECENT_FIRST + index, text.c_str());
  }
}

// Gone for good: the path or its folder does not exist. A share that does not answer, or a file
// that may not be read, is left to the open to report.
bool IsMissing(const std::wstring& path) {
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return false;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// True when the file was not already the newest entry with its folder the last one: only then do
// the menu and the registry change (a file opened again costs neither).
bool RememberFile(HWND dialog, const wchar_t* path) {
  const ProgramSettings before = g_places.settings;
  AddRecentFile(g_places.settings.recent, Utf16(path));
  RememberChosenFolder(path);
  if (g_places.settings == before) return false;
  ShowRecentFiles(dialog);
  return true;
}

}  // namespace

std::wstring SettingsKeyName() { return L"Software\\" + LoadText(IDS_PROGRAM_NAME); }

void RestorePlaces(HWND dialog, UINT last_file_entry) {
  g_places = {};
  g_places.settings = ParseProgramSettings(ReadSettingsKey(SettingsKeyName()));
  g_places.read = true;
  g_places.last_file_entry = last_file_entry;

  RECT rect{};
  GetWindowRect(dialog, &rect);
  const int32_t width = rect.right - rect.left;
  const int32_t height = rect.bottom - rect.top;
  ScreenRect place = CentreOn(width, height, PrimaryWorkArea());
  if (const std::optional<WindowPosition>& closed = g_places.settings.window) {
    std::vector<ScreenRect> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    place = PlaceOnWorkArea({closed->left, closed->top, closed->left + width, closed->top + height}, areas);
  }
  SetWindowPos(dialog, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowRecentFiles(dialog);
}

// A minimised window keeps the place it had when the program started.
void StorePlaces(HWND dialog) {
  RECT rect{};
  if (!IsIconic(dialog) && GetWindowRect(dialog, &rect)) g_places.settings.window = WindowPosition{rect.left, rect.top};
  WriteSettings(true);
}

void RememberOpenedFile(HWND dialog, const wchar_t* path) {
  if (RememberFile(dialog, path)) WriteSettings(false);
}

void RememberStoredFile(HWND dialog, const wchar_t* path) { RememberFile(dialog, path); }

void RememberChosenFolder(const wchar_t* path) {
  const std::u16string folder = FolderOf(Utf16(path));
  if (IsUsablePath(folder)) g_places.settings.folder = folder;
}

std::wstring StartFolder() { return Wide(g_places.settings.folder); }

void OpenRecentDocument(HWND dialog, const ImageDocument& document, UINT command) {
  const size_t index = command - ID_FILE_RECENT_FIRST;
  if (command < ID_FILE_RECENT_FIRST || index >= g_places.settings.recent.size()) return;
  const std::wstring path = Wide(g_places.settings.recent[index]);
  if (IsMissing(path)) {
    RemoveRecentFile(g_places.settings.recent, Utf16(path));
    ShowRecentFiles(dialog);
    ShowWarningText(dialog, path + L"\n" + LoadText(IDS_RECENT_FILE_MISSING));
    return;
  }
  OpenDocumentFile(dialog, document, path);
}
