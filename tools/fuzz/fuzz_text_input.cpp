// Fuzz target: one text from the input (NULs and half characters included) through every place a
// text reaches the core: cutting to whole characters, storing into a fixed field of a small image
// between guard bytes, judging a number entry, and composing the ini and scenario paths. See
// fuzz_layouts.h for the input.
#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "formats/ini_paths.h"
#include "fuzz_input.h"
#include "fuzz_layouts.h"
#include "model/text_field.h"

namespace {

using namespace text_input;

// FitText and StoredText give the longest whole-character prefix within the limit; StoredText
// first ends the text at its NUL and keeps room for one.
void CheckCuts(std::string_view text, const FuzzInput& in) {
  const size_t limit = in.U8(LIMIT) == 255 ? SIZE_MAX : in.U8(LIMIT);
  const std::string_view fit = FitText(text, limit);
  FUZZ_CHECK(fit.data() == text.data() && fit == WholePrefix(text, limit));
  const int32_t width = static_cast<int8_t>(in.U8(WIDTH));
  const std::string_view stored = StoredText(text, width);
  FUZZ_CHECK(stored == (width < 1 ? std::string_view() : WholePrefix(UpToNul(text), static_cast<size_t>(width - 1))));
}

// Storing a field changes only its `width` bytes (text, NUL, spaces), and only when it lies wholly
// inside the image; the guard bytes around the image never change.
void CheckFieldWrite(std::string_view text, const FuzzInput& in) {
  constexpr size_t GUARD = 16;
  constexpr uint8_t FILLER = 0xA5;
  const size_t size = in.U8(IMAGE_SIZE) % 48;
  const int32_t offset = static_cast<int8_t>(in.U8(OFFSET));
  const int32_t width = static_cast<int8_t>(in.U8(WIDTH));
  std::vector<uint8_t> buffer(GUARD + size + GUARD, FILLER);
  const std::span<uint8_t> image(buffer.data() + GUARD, size);

  std::vector<uint8_t> expected = buffer;
  const bool inside = offset >= 0 && width > 0 && static_cast<size_t>(offset + width) <= size;
  const std::string_view stored = inside ? WholePrefix(UpToNul(text), static_cast<size_t>(width - 1)) : "";
  if (inside) {
    uint8_t* field = expected.data() + GUARD + offset;
    std::fill_n(field, width, uint8_t{0x20});
    std::copy(stored.begin(), stored.end(), field);
    field[stored.size()] = 0;
  }
  WriteTextField(image, offset, text, width);
  FUZZ_CHECK(buffer == expected);
  const std::string_view read = FieldText(image, offset, width);
  FUZZ_CHECK(read == stored);
}

// The digits of a number entry: its first `digits` bytes up to a NUL, all of them 0 to 9; the value
// saturates at 2^40 so that any count of digits compares correctly with an int32 range.
int64_t DigitsValue(std::string_view text, int32_t digits) {
  if (digits < 1) return -1;
  text = UpToNul(text.substr(0, static_cast<size_t>(digits)));
  if (text.empty()) return -1;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = std::min<int64_t>(value * 10 + (c - '0'), int64_t{1} << 40);
  }
  return value;
}

void CheckNumbers(std::string_view text, const FuzzInput& in) {
  const int32_t digits = static_cast<int8_t>(in.U8(DIGITS));
  const int32_t min = in.I32(MIN), max = in.I32(MAX);
  const int64_t value = DigitsValue(text, digits);
  const int32_t expected = value >= 0 && value >= min && value <= max ? static_cast<int32_t>(value) : -1;
  const int32_t parsed = ParseNumberField(text, digits, min, max);
  FUZZ_CHECK(parsed == expected);
  FUZZ_CHECK(parsed == -1 || (parsed >= min && parsed <= max));
}

// True when the directory's last character is the single byte "\", walking its characters from
// the start (the second byte of a double-byte character may be 0x5C).
bool EndsWithSeparator(const std::string& directory) {
  if (directory.empty()) return false;
  size_t last = std::string::npos;
  for (size_t i = 0; i < directory.size(); i += IsSjisLeadByte(static_cast<uint8_t>(directory[i])) ? 2 : 1) last = i;
  return last == directory.size() - 1 && directory[last] == '\\';
}

// A composed path is the directory, a "\" unless it ends with one, and the file name, NUL-terminated
// within PATH_CAPACITY; a path that does not fit is refused and left empty.
void CheckPath(bool composed, const char (&path)[PATH_CAPACITY], const std::string& directory, const char* file) {
  const std::string whole = directory + (EndsWithSeparator(directory) ? "" : "\\") + file;
  FUZZ_CHECK(composed == (whole.size() < PATH_CAPACITY));
  FUZZ_CHECK(std::memchr(path, 0, PATH_CAPACITY) != nullptr);
  FUZZ_CHECK(composed ? whole == path : path[0] == '\0');
}

void CheckPaths(std::string_view text) {
  const std::string directory(UpToNul(text));
  char path[PATH_CAPACITY];
  std::memset(path, 0xCC, sizeof path);
  CheckPath(ComposeIniPath(directory.c_str(), path), path, directory, INI_FILE_NAME);

  std::memset(path, 0xCC, sizeof path);
  const bool composed = ComposeScenarioPath(directory.c_str(), path) == ScenarioPathResult::Composed;
  CheckPath(composed, path, directory, SCENARIO_FILE_NAME);

  // The scenario path may be composed in the buffer that holds the directory.
  if (directory.size() < PATH_CAPACITY) {
    char shared[PATH_CAPACITY];
    std::memset(shared, 0xCC, sizeof shared);
    std::memcpy(shared, directory.c_str(), directory.size() + 1);
    CheckPath(ComposeScenarioPath(shared, shared) == ScenarioPathResult::Composed, shared, directory,
              SCENARIO_FILE_NAME);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in(data, size);
  const std::span<const uint8_t> tail = in.Tail(TEXT);
  // A copy of exactly the text's length, so that a read past its end is caught.
  const std::vector<char> bytes(tail.begin(), tail.end());
  const std::string_view text(bytes.data(), bytes.size());
  CheckCuts(text, in);
  CheckFieldWrite(text, in);
  CheckNumbers(text, in);
  CheckPaths(text);
  return 0;
}
