// Comma-separated values as RFC 4180 has them, and the text encodings of a CSV file: what the
// editors write (UTF-8 with a byte order mark) and what they read back (UTF-8 with or without the
// mark, or code page 932, which a Japanese spreadsheet writes when told to save as CSV).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/cp932_codec.h"

inline constexpr std::string_view UTF8_BOM = "\xEF\xBB\xBF";

// The text of a UTF-8 literal (u8"...") as chars, the type the CSV texts are held in.
inline std::string_view Utf8Text(std::u8string_view text) {
  return {reinterpret_cast<const char*>(text.data()), text.size()};
}

// One record of a CSV text: its cells, and the line of the text it starts on (1-based; a quoted
// cell may hold line breaks, so a record can span lines).
struct CsvRecord {
  int32_t line;
  std::vector<std::string> cells;
};

enum class CsvSyntax {
  Read,
  UnclosedQuote,   // a quoted cell runs to the end of the text
  TextAfterQuote,  // a quoted cell's closing quote is followed by something else than a comma or a line end
};

struct CsvDocument {
  std::vector<CsvRecord> records;
  CsvSyntax syntax;
  int32_t error_line;  // the line where the error lies, when syntax is not Read
};

// Reads a CSV text. Records end at CRLF, LF or a lone CR; a line break after the last record adds no
// record, an empty line is a record of one empty cell. A cell that starts with a quote runs to the
// next quote not doubled, and holds commas, line breaks and doubled quotes as one quote each. A
// quote inside a cell that does not start with one is an ordinary character. On an error the
// records read so far are kept.
CsvDocument ReadCsv(std::string_view text);

// Appends one record and CRLF. A cell that holds a comma, a quote, CR or LF is written in quotes,
// its quotes doubled; every other cell as it is.
void AppendCsvRecord(std::string& out, std::span<const std::string> cells);

// The length of the longest prefix of `text` that is well-formed UTF-8 (shortest forms, no
// surrogates, nothing above U+10FFFF) and ends with a whole character.
size_t Utf8ValidLength(std::string_view text);
inline bool IsUtf8(std::string_view text) { return Utf8ValidLength(text) == text.size(); }

enum class CsvEncoding {
  Utf8,     // with or without the byte order mark
  Cp932,    // not UTF-8, and valid code page 932
  Unknown,  // a byte order mark before text that is not UTF-8, or bytes neither encoding has
};

// The text of a CSV file in UTF-8, without a byte order mark: a view into `bytes` when the file is
// UTF-8, else a view of `converted`, which then holds the file converted from code page 932. A
// file that is valid UTF-8 is read as UTF-8 (a text of ASCII only reads the same either way). For
// Unknown, `bad_line` is the line (1-based) of the first byte that could not be read.
CsvEncoding DecodeCsvFile(std::string_view bytes, Cp932Codec& codec, std::string& converted, std::string_view& text,
                          int32_t& bad_line);
