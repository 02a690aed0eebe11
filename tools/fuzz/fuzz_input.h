// What the fuzz targets share: reading the fields of an input, the check that stops a run, and the
// whole-character rule the checks hold texts to.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "model/sjis.h"

// Stops the run (libFuzzer keeps the input as a crash) when a promise of the core is broken.
#define FUZZ_CHECK(condition)                                                           \
  do {                                                                                  \
    if (!(condition)) FuzzCheckFailed(#condition, __FILE__, __LINE__);                  \
  } while (0)

[[noreturn]] inline void FuzzCheckFailed(const char* condition, const char* file, int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
  std::fflush(stderr);
  std::abort();
}

// A fuzz input: a header of fixed fields (little-endian numbers, short texts) and a tail of raw
// bytes. Any input decodes: bytes past its end read as 0.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : bytes_(data, size) {}

  // True when the input holds its first `end` bytes.
  bool Has(size_t end) const { return end <= bytes_.size(); }
  uint8_t U8(size_t at) const { return at < bytes_.size() ? bytes_[at] : 0; }
  uint16_t U16(size_t at) const { return static_cast<uint16_t>(U8(at) | (U8(at + 1) << 8)); }
  uint32_t U24(size_t at) const { return U16(at) | (static_cast<uint32_t>(U8(at + 2)) << 16); }
  int16_t I16(size_t at) const { return static_cast<int16_t>(U16(at)); }
  int32_t I32(size_t at) const {
    return static_cast<int32_t>(static_cast<uint32_t>(U16(at)) | (static_cast<uint32_t>(U16(at + 2)) << 16));
  }
  // A text of up to `capacity` bytes at `at`, its length given by the byte at `length_at`.
  std::string Text(size_t length_at, size_t at, size_t capacity) const {
    std::string text(U8(length_at) % (capacity + 1), '\0');
    for (size_t k = 0; k < text.size(); ++k) text[k] = static_cast<char>(U8(at + k));
    return text;
  }
  // Every byte from `from` on (empty when the input is shorter).
  std::span<const uint8_t> Tail(size_t from) const {
    return from < bytes_.size() ? bytes_.subspan(from) : std::span<const uint8_t>();
  }
  // Up to `width` bytes from `from` on: fewer where the input ends.
  std::span<const uint8_t> Bytes(size_t from, size_t width) const {
    const std::span<const uint8_t> tail = Tail(from);
    return tail.first(std::min(width, tail.size()));
  }

 private:
  std::span<const uint8_t> bytes_;
};

// True when `text` ends with a whole Shift-JIS character (no lead byte without its second byte).
inline bool IsWholeCharacters(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) i += IsSjisLeadByte(static_cast<uint8_t>(text[i])) ? 2 : 1;
  return i == text.size();
}

// The longest prefix of `text` made of whole characters and at most `limit` bytes long: the checks'
// own statement of the cut every text of the core gets.
inline std::string_view WholePrefix(std::string_view text, size_t limit) {
  size_t end = 0;
  while (end < text.size()) {
    const size_t next = end + (IsSjisLeadByte(static_cast<uint8_t>(text[end])) ? 2 : 1);
    if (next > text.size() || next > limit) break;
    end = next;
  }
  return text.substr(0, end);
}

// The bytes of a field up to its first NUL (all of them when it holds none).
inline std::string_view UpToNul(std::string_view field) { return field.substr(0, field.find('\0')); }
