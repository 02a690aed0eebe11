// Code page 932 <-> UTF-8 through iconv: the conversion of the native tests and tools, in the place
// of Windows' own code page 932 that the programs use. glibc's "CP932" agrees with Windows on the
// characters the data files hold (0x5C is "\", 0x7E "~", F0 9A the user-defined U+E059), and
// refuses the bytes Windows has no character for (0x80, 0xA0, 0xFD to 0xFF).
#pragma once

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <string>
#include <string_view>

#include "formats/cp932_codec.h"

class IconvCp932Codec final : public Cp932Codec {
 public:
  IconvCp932Codec() : to_utf8_(iconv_open("UTF-8", "CP932")), from_utf8_(iconv_open("CP932", "UTF-8")) {
    if (to_utf8_ == NONE || from_utf8_ == NONE) {
      Close();
      throw std::runtime_error("no CP932 converter");
    }
  }
  ~IconvCp932Codec() override { Close(); }
  IconvCp932Codec(const IconvCp932Codec&) = delete;
  IconvCp932Codec& operator=(const IconvCp932Codec&) = delete;

  bool ToUtf8(std::string_view cp932, std::string& utf8) override { return Convert(to_utf8_, cp932, utf8); }

  // glibc also converts some characters one way only, as a best fit would (¥ to 5C, 〜 to 81 60):
  // the bytes are taken only when they give the same text back.
  bool FromUtf8(std::string_view utf8, std::string& cp932) override {
    return Convert(from_utf8_, utf8, cp932) && Convert(to_utf8_, cp932, back_) && back_ == utf8;
  }

 private:
  static inline const iconv_t NONE = reinterpret_cast<iconv_t>(-1);

  void Close() {
    if (to_utf8_ != NONE) iconv_close(to_utf8_);
    if (from_utf8_ != NONE) iconv_close(from_utf8_);
    to_utf8_ = from_utf8_ = NONE;
  }

  static bool Convert(iconv_t cd, std::string_view in, std::string& out) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
    out.resize(in.size() * 3 + 4);  // a byte of code page 932 takes at most 3 bytes of UTF-8
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    size_t done = 0;
    for (;;) {
      char* dst = out.data() + done;
      size_t dst_left = out.size() - done;
      const size_t result = iconv(cd, &src, &src_left, &dst, &dst_left);
      done = out.size() - dst_left;
      if (result != static_cast<size_t>(-1)) break;
      if (errno != E2BIG) return false;  // EILSEQ, or EINVAL for a character cut off at the end
      out.resize(out.size() * 2);
    }
    out.resize(done);
    return true;
  }

  iconv_t to_utf8_;
  iconv_t from_utf8_;
  std::string back_;
};
