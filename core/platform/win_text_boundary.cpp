// Conversions between code page 932 and UTF-16, and the programs' string tables.
#include "platform/win_text_boundary.h"

namespace {

// With MB_ERR_INVALID_CHARS in `flags`, false (and `text` empty) for bytes the code page has no
// character for; without, such bytes become the code page's default character.
bool Widen(UINT code_page, DWORD flags, std::string_view bytes, std::wstring& text) {
  text.clear();
  if (bytes.empty()) return true;
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(code_page, flags, bytes.data(), size, nullptr, 0);
  if (length <= 0) return false;
  text.resize(static_cast<size_t>(length));
  if (MultiByteToWideChar(code_page, flags, bytes.data(), size, text.data(), length) != length) {
    text.clear();
    return false;
  }
  return true;
}

std::wstring Widen(UINT code_page, std::string_view bytes) {
  std::wstring text;
  Widen(code_page, 0, bytes, text);
  return text;
}

}  // namespace

std::wstring WideFromCp932(std::string_view bytes) { return Widen(DATA_CODE_PAGE, bytes); }

bool WideFromCp932Strict(std::string_view bytes, std::wstring& text) {
  return Widen(DATA_CODE_PAGE, MB_ERR_INVALID_CHARS, bytes, text);
}

bool WideFromUtf8Strict(std::string_view bytes, std::wstring& text) {
  return Widen(CP_UTF8, MB_ERR_INVALID_CHARS, bytes, text);
}

bool Cp932FromWide(std::wstring_view text, std::string& bytes) {
  bytes.clear();
  if (text.empty()) return true;
  const int size = static_cast<int>(text.size());
  BOOL used_default = FALSE;
  const int length = WideCharToMultiByte(DATA_CODE_PAGE, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr, 0,
                                         nullptr, &used_default);
  if (length <= 0 || used_default) return false;
  bytes.resize(static_cast<size_t>(length));
  WideCharToMultiByte(DATA_CODE_PAGE, WC_NO_BEST_FIT_CHARS, text.data(), size, bytes.data(), length, nullptr,
                      &used_default);
  if (used_default) {
    bytes.clear();
    return false;
  }
  return true;
}

std::wstring WideFromUtf8(std::string_view bytes) { return Widen(CP_UTF8, bytes); }

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(length > 0 ? length : 0), '\0');
  if (length > 0) WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}
