// The texts the programs show: each program's string table (its .rc file), which holds the shared
// layer's texts too (shared_strings.rc).
#pragma once

#include <windows.h>

#include <string>

// A text of the program's string table.
std::wstring LoadText(UINT id);
// A text of the string table with its "%d" replaced by `number`.
std::wstring FormatText(UINT id, int number);
