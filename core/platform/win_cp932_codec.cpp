// Windows' code page 932 as the CSV code's converter.
#include "platform/win_cp932_codec.h"

#include "platform/win_text_boundary.h"

bool WinCp932Codec::ToUtf8(std::string_view cp932, std::string& utf8) {
  utf8.clear();
  if (!WideFromCp932Strict(cp932, wide_)) return false;
  utf8 = Utf8FromWide(wide_);
  return true;
}

bool WinCp932Codec::FromUtf8(std::string_view utf8, std::string& cp932) {
  cp932.clear();
  if (!WideFromUtf8Strict(utf8, wide_) || !Cp932FromWide(wide_, cp932)) return false;
  if (WideFromCp932Strict(cp932, back_) && back_ == wide_) return true;
  cp932.clear();
  return false;
}
