// A table of a data image as a CSV file: the export writes one row per record, the import reads an
// edited copy back. A cell whose text equals what the export writes for the current bytes changes
// nothing; every other cell is checked by the rules of the editing commands, and only when every
// cell has passed are the changes written, through the same writers the commands use.
//
// CsvTable says what the columns are and how a cell is shown, checked and written; the officer and
// item tables (officer_csv.h, item_csv.h) are its two kinds.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/cp932_codec.h"

// Why a file, a row or a cell was refused. The messages name the reasons in this order
// (win32/shared_strings.h, IDS_CSV_REASON): a new reason goes last.
enum class CsvProblemReason {
  UnknownEncoding,   // the file is neither UTF-8 nor code page 932
  UnclosedQuote,     // a quoted cell runs to the end of the file
  TextAfterQuote,    // a closing quote is followed by something else than a comma or a line end
  NoHeader,          // the file is empty
  MissingColumn,     // the column (the key) is not in the header
  UnknownColumn,     // a header names no column of the table (an empty header with cells below it too)
  DuplicateColumn,   // a header names the same column as an earlier one
  NoSaveFile,        // the column's values live in a save file, and none is open
  CellCount,         // the row has `other` cells, the header `max`
  BadKey,            // the key cell is not a record number
  NoSuchRecord,      // no record has that number (an officer not in the roster)
  DuplicateRecord,   // the record's row already came on line `other`
  Empty,             // a text may not be empty
  TooLong,           // the text takes more than `max` bytes in code page 932
  NotCp932,          // a character code page 932 has no bytes for
  ControlCharacter,  // a line break, tab or other control character in a text
  BadNumber,         // not a number from `min` to `max` (and divisible by `step` when that is not 0)
  NotInList,         // not one of the column's choice texts
  NotAnOwner,        // an owner is a roster officer's number or "なし"
  NoField,           // the record has no such field of its own: an officer from `min` on, whose
                     // attribute fields would lie in other officers' names
  ShownOnly,         // a cell of a column the import does not read changed; `instead` names the
                     // columns to edit
};

struct CsvProblem {
  int32_t line = 0;    // 1-based line of the file where the row starts; 0 for the whole file
  std::string column;  // the column's header (UTF-8); empty for a row or the whole file
  CsvProblemReason reason = CsvProblemReason::UnknownEncoding;
  int32_t min = 0;
  int32_t max = 0;
  int32_t step = 0;
  int32_t other = 0;
  std::vector<std::string> instead;  // ShownOnly: the headers of the columns read in the column's stead
};

// How many problems a result keeps; it counts them all.
constexpr size_t CSV_PROBLEM_LIMIT = 20;

struct CsvImportResult {
  bool ok = false;              // true: every change is written; false: nothing is
  int32_t records_changed = 0;  // records with at least one field changed
  int32_t fields_changed = 0;   // cells whose value changed
  bool table_image_changed = false;  // the image of the table (save image, scenario image)
  bool owner_image_changed = false;  // the save image beside the scenario image (item owners)
  std::vector<int32_t> column_fields_changed;  // the cells changed in each column, as Columns() lists
                                               // them; empty when nothing is written
  int32_t problem_count = 0;
  std::vector<CsvProblem> problems;  // the first CSV_PROBLEM_LIMIT problems, in file order
};

enum class CsvColumnUse {
  Key,     // the record number, by which a row finds its record
  Edited,  // read back by the import
  Shown,   // written for reading only (a full name): the import refuses a changed cell, naming the
           // columns it is made of (edited_in), unless the row changes one of these: it then
           // follows them, so that a row whose family name changed need not change its full name
};

enum class CsvImage { Table, Owners };

struct CsvColumn {
  std::string_view header;  // UTF-8
  CsvColumnUse use;
  CsvImage image;
  bool available;  // false: neither written nor read (owners when no save file is open)
  std::span<const std::u8string_view> edited_in = {};  // a Shown column's: the headers to edit instead
};

// A checked cell: a number or choice index, or a text in code page 932 bytes.
struct CsvValue {
  int32_t number = 0;
  std::string text;
};

class CsvTable {
 public:
  virtual ~CsvTable() = default;
  // Every column, the key first.
  virtual std::span<const CsvColumn> Columns() = 0;
  // Records 0 to RecordCount() - 1 are the rows of the export, in this order.
  virtual int32_t RecordCount() = 0;
  // The text the export writes for the record's cell of `column`, from the current bytes.
  virtual std::string Cell(int32_t record, size_t column) = 0;
  // The record of a key cell; false with the reason in `problem` (BadKey, NoSuchRecord).
  virtual bool FindRecord(std::string_view key, int32_t& record, CsvProblem& problem) = 0;
  // Checks a changed cell of the record's Edited column; false with the reason and its limits in
  // `problem`.
  virtual bool CheckCell(int32_t record, size_t column, std::string_view cell, CsvValue& value,
                         CsvProblem& problem) = 0;
  // Writes a value CheckCell accepted, as the column's editing command would.
  virtual void Write(int32_t record, size_t column, const CsvValue& value) = 0;
};

// The CSV file of the table: UTF-8 with a byte order mark, a header row, one row per record, CRLF.
std::string ExportCsvTable(CsvTable& table);

// Reads a CSV file into the table's images: columns are found by their header, rows by their key,
// in any order; rows whose cells are all empty are skipped. Writes nothing unless every row and
// every changed cell has passed.
CsvImportResult ImportCsvTable(CsvTable& table, std::string_view file, Cp932Codec& codec);

// Helpers of the tables.

// A text of a data file as a cell shows it: its UTF-8. A byte that starts no valid character of
// code page 932, and a control character, show as U+FFFD, which code page 932 has no bytes for: a
// cell that keeps one can only be left unchanged.
std::string ShownText(std::string_view cp932, Cp932Codec& codec);
// A changed text cell: not empty, no control characters, only characters code page 932 holds, at
// most `limit` bytes in code page 932 (a longer text is refused, never cut). `cp932` gets its bytes.
bool CheckTextCell(std::string_view cell, size_t limit, Cp932Codec& codec, std::string& cp932, CsvProblem& problem);
// True when the cell is 1 to `max_digits` digits 0 to 9 and nothing else.
bool IsDigitsCell(std::string_view cell, int32_t max_digits);
