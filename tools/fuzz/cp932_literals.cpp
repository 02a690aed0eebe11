// Copies a UTF-8 C++ source with the characters of its narrow string and character literals
// written as octal escapes of their code page 932 bytes: the bytes g++ gives those literals with
// -fexec-charset=CP932, an option clang does not have. The fuzz tree compiles the core from such
// copies. Non-ASCII text and \u escapes inside a literal are converted; everything else (comments,
// prefixed literals) is copied as it is. A literal that cannot be converted stops the build.
//
//   cp932_literals <source> <copy>
#include <iconv.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

class Converter {
 public:
  Converter() : cd_(iconv_open("CP932", "UTF-8")) {}
  ~Converter() {
    if (Ready()) iconv_close(cd_);
  }
  bool Ready() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Appends the code page 932 bytes of one UTF-8 character as octal escapes; false when the
  // character has none.
  bool AppendEscaped(const std::string& utf8, std::string& out) {
    std::string in = utf8;
    char bytes[16];
    char* src = in.data();
    char* dst = bytes;
    size_t src_left = in.size(), dst_left = sizeof bytes;
    if (iconv(cd_, &src, &src_left, &dst, &dst_left) == static_cast<size_t>(-1) || src_left != 0) return false;
    for (char* p = bytes; p != dst; ++p) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned char>(*p));
      out += escape;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

std::string Utf8Of(unsigned long code_point) {
  std::string s;
  if (code_point < 0x80) {
    s += static_cast<char>(code_point);
  } else if (code_point < 0x800) {
    s += static_cast<char>(0xC0 | (code_point >> 6));
    s += static_cast<char>(0x80 | (code_point & 0x3F));
  } else if (code_point < 0x10000) {
    s += static_cast<char>(0xE0 | (code_point >> 12));
    s += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (code_point & 0x3F));
  } else {
    s += static_cast<char>(0xF0 | (code_point >> 18));
    s += static_cast<char>(0x80 | ((code_point >> 12) & 0x3F));
    s += static_cast<char>(0x80 | ((code_point >> 6) & 0x3F));
    s += static_cast<char>(0x80 | (code_point & 0x3F));
  }
  return s;
}

size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  return 2;
}

bool IsIdentifierChar(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

struct Failure {
  std::string message;
};

// The source with its plain literals converted; throws Failure with a line number.
std::string Convert(const std::string& src, Converter& converter) {
  std::string out;
  size_t line = 1;
  auto fail = [&line](const std::string& what) { throw Failure{"line " + std::to_string(line) + ": " + what}; };
  size_t i = 0;
  bool in_number = false;  // inside a pp-number, where ' is a digit separator
  while (i < src.size()) {
    const char c = src[i];
    if (c == '\n') ++line;
    if (c == '/' && i + 1 < src.size() && src[i + 1] == '/') {
      const size_t end = src.find('\n', i);
      const size_t stop = end == std::string::npos ? src.size() : end;
      out.append(src, i, stop - i);
      i = stop;
      in_number = false;
      continue;
    }
    if (c == '/' && i + 1 < src.size() && src[i + 1] == '*') {
      const size_t end = src.find("*/", i + 2);
      if (end == std::string::npos) fail("unterminated comment");
      for (size_t k = i; k < end; ++k) line += src[k] == '\n';
      out.append(src, i, end + 2 - i);
      i = end + 2;
      in_number = false;
      continue;
    }
    if (in_number && c == '\'') {
      out += c;
      ++i;
      continue;
    }
    if (c == '"' || c == '\'') {
      // The prefix is the identifier characters right before the quote: none, u8, u, U, L or R.
      size_t p = out.size();
      while (p > 0 && IsIdentifierChar(out[p - 1])) --p;
      const std::string prefix = out.substr(p);
      if (!prefix.empty() && prefix.back() == 'R') {
        // A raw string cannot hold escapes: only ASCII raw strings are accepted.
        const size_t open = src.find('(', i);
        if (open == std::string::npos) fail("malformed raw string");
        const std::string close = ")" + src.substr(i + 1, open - i - 1) + "\"";
        const size_t end = src.find(close, open);
        if (end == std::string::npos) fail("unterminated raw string");
        for (size_t k = i; k < end + close.size(); ++k) {
          if (static_cast<unsigned char>(src[k]) >= 0x80) fail("non-ASCII text in a raw string");
          line += src[k] == '\n';
        }
        out.append(src, i, end + close.size() - i);
        i = end + close.size();
        continue;
      }
      const bool plain = prefix.empty() || (prefix != "u8" && prefix != "u" && prefix != "U" && prefix != "L");
      out += c;
      ++i;
      for (;;) {
        if (i >= src.size() || src[i] == '\n') fail("unterminated literal");
        const char d = src[i];
        if (d == c) {
          out += d;
          ++i;
          break;
        }
        if (d == '\\' && i + 1 < src.size()) {
          const char e = src[i + 1];
          if (plain && (e == 'u' || e == 'U')) {
            const size_t digits = e == 'u' ? 4 : 8;
            const std::string hex = src.substr(i + 2, digits);
            if (hex.size() != digits || hex.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) {
              fail("malformed universal character name");
            }
            if (!converter.AppendEscaped(Utf8Of(std::stoul(hex, nullptr, 16)), out)) {
              fail("\\" + std::string(1, e) + hex + " has no code page 932 bytes");
            }
            i += 2 + digits;
          } else {
            out.append(src, i, 2);
            i += 2;
          }
          continue;
        }
        if (plain && static_cast<unsigned char>(d) >= 0x80) {
          const size_t length = Utf8Length(static_cast<unsigned char>(d));
          if (!converter.AppendEscaped(src.substr(i, length), out)) fail("a character with no code page 932 bytes");
          i += length;
          continue;
        }
        out += d;
        ++i;
      }
      in_number = false;
      continue;
    }
    // A pp-number starts with a digit (or . digit) that does not continue an identifier.
    if (!in_number && c >= '0' && c <= '9' && (out.empty() || !IsIdentifierChar(out.back()))) {
      in_number = true;
    } else if (in_number && !IsIdentifierChar(c) && c != '.' &&
               !((c == '+' || c == '-') && !out.empty() && std::string("eEpP").find(out.back()) != std::string::npos)) {
      in_number = false;
    }
    out += c;
    ++i;
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: cp932_literals <source> <copy>\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cp932_literals: cannot read %s\n", argv[1]);
    return 1;
  }
  const std::string src{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  Converter converter;
  if (!converter.Ready()) {
    std::fprintf(stderr, "cp932_literals: this system has no CP932 converter\n");
    return 1;
  }
  std::string converted;
  try {
    converted = Convert(src, converter);
  } catch (const Failure& failure) {
    std::fprintf(stderr, "%s:%s\n", argv[1], failure.message.c_str());
    return 1;
  }
  const std::filesystem::path target(argv[2]);
  if (target.has_parent_path()) std::filesystem::create_directories(target.parent_path());
  std::ofstream out(target, std::ios::binary);
  out << converted;
  out.close();
  if (!out) {
    std::fprintf(stderr, "cp932_literals: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
