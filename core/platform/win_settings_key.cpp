// A program's settings in HKEY_CURRENT_USER, through the W registry functions.
#include "platform/win_settings_key.h"

#include <windows.h>

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "registry texts are UTF-16");

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
std::u16string Utf16(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

std::vector<StoredValue> ReadSettingsKey(const std::wstring& key) {
  std::vector<StoredValue> stored;
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return stored;
  DWORD longest_name = 0, longest_data = 0;
  RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longest_name, &longest_data,
                   nullptr, nullptr);
  std::wstring name(longest_name + 1, L'\0');
  std::vector<BYTE> data(longest_data + sizeof(wchar_t));
  for (DWORD index = 0;; ++index) {
    DWORD name_length = static_cast<DWORD>(name.size());
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    const LSTATUS status = RegEnumValueW(handle, index, name.data(), &name_length, nullptr, &type, data.data(), &size);
    if (status == ERROR_NO_MORE_ITEMS) break;
    if (status != ERROR_SUCCESS || type != REG_SZ) continue;
    // A stored text need not end with a NUL: take its characters up to the first NUL, if any.
    std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
    text.resize(wcsnlen(text.c_str(), text.size()));
    stored.push_back({Utf16(std::wstring_view(name.data(), name_length)), Utf16(text)});
  }
  RegCloseKey(handle);
  return stored;
}

bool WriteSettingsKey(const std::wstring& key, const SettingsWrite& write) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  bool written = true;
  for (const StoredValue& value : write.values) {
    const std::wstring text = Wide(value.text);
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    written &= RegSetValueExW(handle, Wide(value.name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              bytes) == ERROR_SUCCESS;
  }
  for (const std::u16string& name : write.removed) RegDeleteValueW(handle, Wide(name).c_str());
  RegCloseKey(handle);
  return written;
}

bool DeleteSettingsKey(const std::wstring& key) {
  const LSTATUS status = RegDeleteKeyW(HKEY_CURRENT_USER, key.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}
