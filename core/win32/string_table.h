// The texts the programs show: each program's string table (its .rc file), which holds the shared
// layer's texts too (shared_strings.rc).
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

// A text of the program's string table.
std::wstring LoadText(UINT id);
// A text of the string table with its "%d" replaced by `number`.
std::wstring FormatText(UINT id, int number);
// A text of the string table with "%1", "%2" ... replaced by values[0], values[1] ...
std::wstring FormatText(UINT id, std::initializer_list<std::wstring_view> values);
