// The bytes of test images: patterned filler, text fields as the editors store them, and the
// offsets where two images differ.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/data_image.h"

// n bytes, byte i being i * step + seed (mod 256): neighbouring bytes and records differ.
inline std::vector<uint8_t> PatternBytes(size_t n, size_t step, uint8_t seed) {
  std::vector<uint8_t> bytes(n);
  for (size_t i = 0; i < n; ++i) bytes[i] = static_cast<uint8_t>(i * step + seed);
  return bytes;
}

// A scenario image of patterned bytes, so that what a test writes stands out.
inline std::vector<uint8_t> FilledScenario() { return PatternBytes(SCENARIO_FILE_LENGTH, 131, 7); }

// The text of the field of `width` bytes at `offset`: its bytes up to the first NUL.
inline std::string TextAt(std::span<const uint8_t> image, int32_t offset, int32_t width) {
  const char* start = reinterpret_cast<const char*>(image.data()) + offset;
  return std::string(start, strnlen(start, static_cast<size_t>(width)));
}

// A text field as the editors write it: the text, a NUL, spaces to `width` bytes.
inline std::string PaddedField(std::string_view text, int32_t width) {
  std::string field(text);
  field += '\0';
  field.resize(static_cast<size_t>(width), ' ');
  return field;
}

inline void PutBytes(std::vector<uint8_t>& image, int32_t offset, std::string_view bytes) {
  std::copy(bytes.begin(), bytes.end(), image.begin() + offset);
}

// Where `actual` differs from `expected`: a different size, then a line per offset (the first
// `most`) with both bytes. Empty when the two are the same.
inline std::string ByteDifferences(std::span<const uint8_t> expected, std::span<const uint8_t> actual,
                                   size_t most = 50) {
  std::string out;
  char line[80];
  if (expected.size() != actual.size()) {
    std::snprintf(line, sizeof line, "size: expected %zu, got %zu\n", expected.size(), actual.size());
    out += line;
  }
  for (size_t i = 0, shown = 0; i < std::min(expected.size(), actual.size()) && shown < most; ++i) {
    if (expected[i] == actual[i]) continue;
    std::snprintf(line, sizeof line, "%zu: expected %02X, got %02X\n", i, expected[i], actual[i]);
    out += line;
    ++shown;
  }
  return out;
}
