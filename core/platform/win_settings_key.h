// The user's part of the registry as the keeper of a program's settings (formats/program_settings.h):
// the text values of one key under HKEY_CURRENT_USER, read and written as UTF-16.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "formats/program_settings.h"

// Every text value (REG_SZ) of HKCU\<key>; a value of another type is left out, as if it were not
// there. Nothing when the key does not exist.
std::vector<StoredValue> ReadSettingsKey(const std::wstring& key);
// Creates the key if need be, sets `write.values` and deletes `write.removed`; false when the key
// could not be opened or a value not set.
bool WriteSettingsKey(const std::wstring& key, const SettingsWrite& write);
// Deletes the key and its values; true when it is gone (or was never there).
bool DeleteSettingsKey(const std::wstring& key);
