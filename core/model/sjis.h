// Shift-JIS (code page 932) character boundaries. A lead byte starts a double-byte character whose
// second byte may be any of 0x40 to 0xFC, the path separator 0x5C ("\") included, so texts are
// walked from their start, never backwards.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr bool IsSjisLeadByte(uint8_t byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The number of bytes of `text` (of `length` bytes) that hold whole characters only, at most
// `limit`: a double-byte character that would straddle the limit, or whose second byte is
// missing, is left out whole.
constexpr size_t WholeCharacterPrefix(const char* text, size_t length, size_t limit) {
  size_t end = 0;
  while (end < length) {
    size_t width = IsSjisLeadByte(static_cast<uint8_t>(text[end])) ? 2 : 1;
    if (end + width > length || end + width > limit) break;
    end += width;
  }
  return end;
}

// The index of the first byte of the last character of `text` (of `length` bytes, not 0).
constexpr size_t LastCharacterStart(const char* text, size_t length) {
  size_t last = 0;
  for (size_t i = 0; i < length;) {
    last = i;
    i += IsSjisLeadByte(static_cast<uint8_t>(text[i])) ? 2 : 1;
  }
  return last;
}

// True when the last character of `text` is the single byte "\" (not the second byte of a kanji).
constexpr bool EndsWithBackslash(const char* text, size_t length) {
  return length > 0 && LastCharacterStart(text, length) == length - 1 && text[length - 1] == '\\';
}
