// Conversion between code page 932 bytes (the texts of the data files) and UTF-8 (the texts of a
// CSV file). The conversion is the platform's: the programs convert through Windows' own code page
// 932 (core/win), the native tests and tools through iconv. The portable core only calls it.
#pragma once

#include <string>
#include <string_view>

class Cp932Codec {
 public:
  virtual ~Cp932Codec() = default;
  // Replaces `utf8` with the text of `cp932`; false when the bytes are not valid code page 932
  // (a byte no character starts with, a lead byte without a valid second byte).
  virtual bool ToUtf8(std::string_view cp932, std::string& utf8) = 0;
  // Replaces `cp932` with the bytes of `utf8`; false when the text is not valid UTF-8 or holds a
  // character code page 932 has no bytes for. No best fit: a character is never replaced by a
  // similar one (¥ does not become \, 〜 does not become ～), so the bytes always give back the text.
  virtual bool FromUtf8(std::string_view utf8, std::string& cp932) = 0;
};
