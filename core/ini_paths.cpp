// Composing the ini and scenario paths of the item editor.
#include "ini_paths.h"

#include <cstring>

#include "sjis.h"

namespace {

// Writes `directory`, a separator when it does not end with one, and `file_name` into `out`.
// False, with `out` empty, when the result would not leave room for the NUL.
bool JoinPath(const char* directory, const char* file_name, char (&out)[PATH_CAPACITY]) {
  const size_t directory_length = std::strlen(directory);
  const size_t separator = EndsWithBackslash(directory, directory_length) ? 0 : 1;
  const size_t name_length = std::strlen(file_name);
  if (directory_length + separator + name_length >= PATH_CAPACITY) {
    out[0] = '\0';
    return false;
  }
  std::memmove(out, directory, directory_length);  // `out` may be `directory` itself
  if (separator != 0) out[directory_length] = '\\';
  std::memcpy(out + directory_length + separator, file_name, name_length + 1);
  return true;
}

}  // namespace

bool ComposeIniPath(const char* current_directory, char (&ini_path)[PATH_CAPACITY]) {
  return JoinPath(current_directory, INI_FILE_NAME, ini_path);
}

ScenarioPathResult ComposeScenarioPath(const char* install_directory,
                                       char (&scenario_path)[PATH_CAPACITY]) {
  const char* directory = install_directory != nullptr ? install_directory : DEFAULT_INSTALL_DIRECTORY;
  return JoinPath(directory, SCENARIO_FILE_NAME, scenario_path) ? ScenarioPathResult::Composed
                                                                : ScenarioPathResult::TooLong;
}
