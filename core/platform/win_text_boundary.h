// The one place where text crosses between the data files and Windows. Every text of a data file
// is Shift-JIS (code page 932); Windows gets and gives UTF-16. Code page 932 is named here, never
// the system's ANSI code page, so the editors are the same on every Windows language. Texts the
// programs show come from their resources (win32/string_table.h).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

constexpr UINT DATA_CODE_PAGE = 932;

// The UTF-16 form of Shift-JIS bytes. The user-defined characters (F0 40 to F9 FC) map to the
// private use area and back, so nothing is lost.
std::wstring WideFromCp932(std::string_view bytes);

// The Shift-JIS bytes of `text`, without any "best fit" substitute: false (and `bytes` empty) when
// a character of `text` has no code in code page 932.
bool Cp932FromWide(std::wstring_view text, std::string& bytes);

// UTF-8, for texts that are not the data files' (an ini file saved as UTF-8, exported tables).
std::wstring WideFromUtf8(std::string_view bytes);
std::string Utf8FromWide(std::wstring_view text);

// The strict forms, for files read back (the CSV files): false (and `text` empty) when the bytes
// are not valid in their code page, where the forms above put in the default character.
bool WideFromCp932Strict(std::string_view bytes, std::wstring& text);
bool WideFromUtf8Strict(std::string_view bytes, std::wstring& text);
