// A table of records as the table window shows it: the rows a filter keeps, in the order a column
// sorts them, and which cells differ from the bytes as opened or last stored.
//
// Sorting: numbers as numbers, choices by their list order (a byte outside the list after every
// list text, by its number), texts bytewise unsigned as the reading sort compares them, an absent
// field first; ties by id, ascending whichever way the column runs.
//
// A filter is words separated by spaces (ASCII or ideographic), all of which must hold:
//   忠誠<50 style conditions on a number column (<, <=, >, >=, =, !=; full-width forms too),
//   変更 keeps the records with a changed cell,
//   any other word keeps the records whose searched texts (names, readings) contain it.
// Texts are code page 932 bytes, compared character by character.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "formats/cp932_codec.h"
#include "formats/table_cells.h"

class RecordSource {
 public:
  virtual ~RecordSource() = default;
  virtual std::span<const CellColumn> Columns() = 0;
  virtual int32_t RecordCount() = 0;
  // The record's id, by which ties sort: the officer id, the item number.
  virtual int32_t RecordId(int32_t record) = 0;
  // The record's value in the image, or (`stored`) in the bytes as opened or last stored; a source
  // that has no such bytes gives the current value for both.
  virtual CellValue Value(int32_t record, size_t column, bool stored) = 0;
};

bool CellChanged(RecordSource& source, int32_t record, size_t column);
bool RecordChanged(RecordSource& source, int32_t record);

// Sorts `rows` (records) by `column`, descending when asked.
void SortRecords(RecordSource& source, std::vector<int32_t>& rows, size_t column, bool descending);

enum class FilterOperator : uint8_t { Less, LessEqual, Greater, GreaterEqual, Equal, NotEqual };

struct FilterCondition {
  size_t column;
  FilterOperator op;
  int32_t value;
};

enum class FilterProblem : uint8_t {
  None,
  UnknownColumn,  // the name before the operator is no column
  NotNumeric,     // the column holds no numbers
  BadNumber,      // what follows the operator is not a whole number
};

struct RecordFilter {
  std::vector<std::string> words;  // code page 932
  std::vector<FilterCondition> conditions;
  bool changed_only = false;
  // The first bad condition, as typed (code page 932); it is left out of the filter.
  FilterProblem problem = FilterProblem::None;
  std::string problem_word;
};

// `text` is code page 932; the column headers are matched through `codec`.
RecordFilter ParseFilter(std::string_view text, std::span<const CellColumn> columns, Cp932Codec& codec);
bool RecordMatches(const RecordFilter& filter, RecordSource& source, int32_t record);
// The records the filter keeps, ascending.
std::vector<int32_t> FilterRecords(const RecordFilter& filter, RecordSource& source);
