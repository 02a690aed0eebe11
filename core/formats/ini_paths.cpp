// Composing the ini and scenario paths of the item editor, and reading a value of the ini file.
#include "formats/ini_paths.h"

#include <string>

#include "model/sjis.h"

namespace {

using Traits = std::char_traits<PathChar>;

// A Shift-JIS path is walked from its start; in UTF-16 every "\\" is one.
[[maybe_unused]] bool EndsWithSeparator(const char* text, size_t length) { return EndsWithBackslash(text, length); }
[[maybe_unused]] bool EndsWithSeparator(const wchar_t* text, size_t length) {
  return length > 0 && text[length - 1] == L'\\';
}

// Writes `directory`, a separator when it does not end with one, and `file_name` into `out`.
// False, with `out` empty, when the result would not leave room for the NUL.
bool JoinPath(const PathChar* directory, const PathChar* file_name, PathChar (&out)[PATH_CAPACITY]) {
  const size_t directory_length = Traits::length(directory);
  const size_t separator = EndsWithSeparator(directory, directory_length) ? 0 : 1;
  const size_t name_length = Traits::length(file_name);
  if (directory_length + separator + name_length >= PATH_CAPACITY) {
    out[0] = '\0';
    return false;
  }
  Traits::move(out, directory, directory_length);  // `out` may be `directory` itself
  if (separator != 0) out[directory_length] = '\\';
  Traits::copy(out + directory_length + separator, file_name, name_length + 1);
  return true;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

bool EndsWithSeparator(const PathChar* directory) {
  return EndsWithSeparator(directory, Traits::length(directory));
}

bool ComposeIniPath(const PathChar* current_directory, PathChar (&ini_path)[PATH_CAPACITY]) {
  return JoinPath(current_directory, INI_FILE_NAME, ini_path);
}

ScenarioPathResult ComposeScenarioPath(const PathChar* install_directory,
                                       PathChar (&scenario_path)[PATH_CAPACITY]) {
  const PathChar* directory = install_directory != nullptr ? install_directory : DEFAULT_INSTALL_DIRECTORY;
  return JoinPath(directory, SCENARIO_FILE_NAME, scenario_path) ? ScenarioPathResult::Composed
                                                                : ScenarioPathResult::TooLong;
}

bool FindIniValue(std::string_view ini, std::string_view section, std::string_view key, std::string& value) {
  if (ini.substr(0, 3) == "\xEF\xBB\xBF") ini.remove_prefix(3);
  bool in_section = false;
  while (!ini.empty()) {
    const size_t end = ini.find('\n');
    const std::string_view line = Trim(ini.substr(0, end));
    ini.remove_prefix(end == std::string_view::npos ? ini.size() : end + 1);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const size_t close = line.find(']');
      in_section = close != std::string_view::npos && SameIgnoringCase(Trim(line.substr(1, close - 1)), section);
      continue;
    }
    const size_t equals = line.find('=');
    if (!in_section || equals == std::string_view::npos || !SameIgnoringCase(Trim(line.substr(0, equals)), key)) {
      continue;
    }
    std::string_view found = Trim(line.substr(equals + 1));
    if (found.size() >= 2 && (found.front() == '"' || found.front() == '\'') && found.back() == found.front()) {
      found = found.substr(1, found.size() - 2);
    }
    value.assign(found);
    return true;
  }
  return false;
}
