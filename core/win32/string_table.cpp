// Texts of the program's string table.
#include "win32/string_table.h"

#include <unordered_map>

// The texts read so far, by id: the status line and the title read theirs after every command, and
// under Wine each LoadStringW walks the resource directory anew.
std::wstring LoadText(UINT id) {
  static std::unordered_map<UINT, std::wstring> loaded;
  if (const auto found = loaded.find(id); found != loaded.end()) return found->second;
  const wchar_t* text = nullptr;
  // With a length of 0 LoadStringW hands out the resource itself, which is not NUL-terminated.
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  std::wstring copy = length > 0 ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
  loaded.emplace(id, copy);
  return copy;
}

std::wstring FormatText(UINT id, int number) {
  std::wstring text = LoadText(id);
  const size_t at = text.find(L"%d");
  if (at != std::wstring::npos) text.replace(at, 2, std::to_wstring(number));
  return text;
}

std::wstring FormatText(UINT id, std::initializer_list<std::wstring_view> values) {
  const std::wstring pattern = LoadText(id);
  std::wstring text;
  for (size_t k = 0; k < pattern.size(); ++k) {
    const size_t value = k + 1 < pattern.size() ? static_cast<size_t>(pattern[k + 1] - L'1') : values.size();
    if (pattern[k] == L'%' && value < values.size()) {
      text += values.begin()[value];
      ++k;
    } else {
      text += pattern[k];
    }
  }
  return text;
}
