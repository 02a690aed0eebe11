// Code page 932 <-> UTF-8 through Windows' own code page 932, for the CSV files of the programs.
// Both directions go through UTF-16 with the conversions of win_text_boundary.h.
#pragma once

#include <string>
#include <string_view>

#include "formats/cp932_codec.h"

class WinCp932Codec final : public Cp932Codec {
 public:
  bool ToUtf8(std::string_view cp932, std::string& utf8) override;
  // A character is taken only when its bytes give it back: no best fit slips through, whatever
  // the system's conversion does with WC_NO_BEST_FIT_CHARS.
  bool FromUtf8(std::string_view utf8, std::string& cp932) override;

 private:
  std::wstring wide_;
  std::wstring back_;
};
