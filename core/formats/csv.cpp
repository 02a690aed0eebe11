// Reading and writing CSV texts, and telling their encoding.
#include "formats/csv.h"

#include <algorithm>

namespace {

// Reads the records of a text one after the other, keeping the line count.
class CsvReader {
 public:
  explicit CsvReader(std::string_view text) : text_(text) {}

  CsvDocument ReadAll() {
    CsvDocument document{{}, CsvSyntax::Read, 0};
    while (pos_ < text_.size()) {
      CsvRecord record{line_, {}};
      // Records mostly have as many cells as the one before.
      if (!document.records.empty()) record.cells.reserve(document.records.back().cells.size());
      if (!ReadRecord(record.cells, document)) break;
      document.records.push_back(std::move(record));
    }
    return document;
  }

 private:
  bool AtLineBreak() const { return pos_ < text_.size() && (text_[pos_] == '\r' || text_[pos_] == '\n'); }

  // Skips one line break (CRLF, LF or CR) at `pos_`.
  void SkipLineBreak() {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
    ++line_;
  }

  bool ReadRecord(std::vector<std::string>& cells, CsvDocument& document) {
    for (;;) {
      std::string& cell = cells.emplace_back();
      if (pos_ < text_.size() && text_[pos_] == '"') {
        if (!ReadQuoted(cell, document)) return false;
      } else {
        const size_t end = std::min(text_.find_first_of(",\r\n", pos_), text_.size());
        cell.assign(text_, pos_, end - pos_);
        pos_ = end;
      }
      if (pos_ >= text_.size()) return true;
      if (AtLineBreak()) {
        SkipLineBreak();
        return true;
      }
      ++pos_;  // the comma
    }
  }

  bool ReadQuoted(std::string& cell, CsvDocument& document) {
    ++pos_;
    for (;;) {
      const size_t quote = text_.find('"', pos_);
      if (quote == std::string_view::npos) {
        document.syntax = CsvSyntax::UnclosedQuote;
        document.error_line = line_;
        return false;
      }
      AppendCounted(cell, quote);
      pos_ = quote + 1;
      if (pos_ < text_.size() && text_[pos_] == '"') {
        cell += '"';
        ++pos_;
        continue;
      }
      if (pos_ < text_.size() && text_[pos_] != ',' && !AtLineBreak()) {
        document.syntax = CsvSyntax::TextAfterQuote;
        document.error_line = line_;
        return false;
      }
      return true;
    }
  }

  // Appends text_[pos_, end) to the cell, counting its line breaks.
  void AppendCounted(std::string& cell, size_t end) {
    for (size_t k = pos_; k < end; ++k) {
      const char c = text_[k];
      if (c == '\n' || (c == '\r' && (k + 1 >= text_.size() || text_[k + 1] != '\n'))) ++line_;
    }
    cell.append(text_, pos_, end - pos_);
  }

  std::string_view text_;
  size_t pos_ = 0;
  int32_t line_ = 1;
};

bool NeedsQuotes(std::string_view cell) { return cell.find_first_of(",\"\r\n") != std::string_view::npos; }

bool IsContinuation(uint8_t byte) { return (byte & 0xC0) == 0x80; }

// The line (1-based) that byte `pos` of `text` lies on.
int32_t LineOf(std::string_view text, size_t pos) {
  return 1 + static_cast<int32_t>(std::count(text.begin(), text.begin() + static_cast<ptrdiff_t>(pos), '\n'));
}

}  // namespace

CsvDocument ReadCsv(std::string_view text) { return CsvReader(text).ReadAll(); }

void AppendCsvRecord(std::string& out, std::span<const std::string> cells) {
  for (size_t k = 0; k < cells.size(); ++k) {
    if (k > 0) out += ',';
    const std::string& cell = cells[k];
    if (!NeedsQuotes(cell)) {
      out += cell;
      continue;
    }
    out += '"';
    for (char c : cell) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  out += "\r\n";
}

size_t Utf8ValidLength(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<uint8_t>(text[i]);
    size_t length;
    uint32_t min;
    uint32_t code;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2, min = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3, min = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4, min = 0x10000, code = lead & 0x07;
    } else {
      return i;
    }
    if (i + length > text.size()) return i;
    for (size_t k = 1; k < length; ++k) {
      const auto byte = static_cast<uint8_t>(text[i + k]);
      if (!IsContinuation(byte)) return i;
      code = (code << 6) | (byte & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return i;
    i += length;
  }
  return i;
}

CsvEncoding DecodeCsvFile(std::string_view bytes, Cp932Codec& codec, std::string& converted, std::string_view& text,
                          int32_t& bad_line) {
  const bool bom = bytes.starts_with(UTF8_BOM);
  if (bom) bytes.remove_prefix(UTF8_BOM.size());
  const size_t valid = Utf8ValidLength(bytes);
  if (valid == bytes.size()) {
    text = bytes;
    return CsvEncoding::Utf8;
  }
  if (bom) {
    bad_line = LineOf(bytes, valid);
    return CsvEncoding::Unknown;
  }
  if (codec.ToUtf8(bytes, converted)) {
    text = converted;
    return CsvEncoding::Cp932;
  }
  // Find the line that fails. LF (0x0A) is never the second byte of a double-byte character, so
  // the lines can be converted one by one.
  std::string line_text;
  size_t start = 0;
  int32_t line = 1;
  for (;; ++line) {
    const size_t end = std::min(bytes.find('\n', start), bytes.size());
    if (!codec.ToUtf8(bytes.substr(start, end - start), line_text) || end == bytes.size()) break;
    start = end + 1;
  }
  bad_line = line;
  return CsvEncoding::Unknown;
}
