// Export and import of a table as a CSV file, and the messages about an import.
#include "formats/csv_table.h"

#include <algorithm>

#include "formats/csv.h"
#include "model/sjis.h"

namespace {

constexpr std::string_view REPLACEMENT_CHARACTER = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

bool IsControl(uint8_t byte) { return byte < 0x20 || byte == 0x7F; }

bool HasControl(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return IsControl(static_cast<uint8_t>(c)); });
}

class Problems {
 public:
  explicit Problems(CsvImportResult& result) : result_(result) {}
  void Add(CsvProblem problem) {
    ++result_.problem_count;
    if (result_.problems.size() < CSV_PROBLEM_LIMIT) result_.problems.push_back(std::move(problem));
  }
  void Add(int32_t line, std::string_view column, CsvProblemReason reason) {
    CsvProblem problem;
    problem.line = line;
    problem.column = column;
    problem.reason = reason;
    Add(std::move(problem));
  }
  bool Any() const { return result_.problem_count > 0; }

 private:
  CsvImportResult& result_;
};

bool AllEmpty(const std::vector<std::string>& cells) {
  return std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); });
}

// True when no row has a non-empty cell in column `k`.
bool ColumnEmpty(const std::vector<CsvRecord>& records, size_t k) {
  return std::all_of(records.begin() + 1, records.end(),
                     [k](const CsvRecord& record) { return k >= record.cells.size() || record.cells[k].empty(); });
}

// The table column of each header cell (-1: an empty column, ignored); false after problems.
bool MapHeader(CsvTable& table, const std::vector<CsvRecord>& records, std::vector<int32_t>& column_of,
               Problems& problems) {
  const std::span<const CsvColumn> columns = table.Columns();
  // The columns by header, for a binary search of each header cell.
  std::vector<std::pair<std::string_view, size_t>> by_header(columns.size());
  for (size_t c = 0; c < columns.size(); ++c) by_header[c] = {columns[c].header, c};
  std::sort(by_header.begin(), by_header.end());
  const CsvRecord& header = records.front();
  std::vector<bool> seen(columns.size(), false);
  column_of.assign(header.cells.size(), -1);
  for (size_t k = 0; k < header.cells.size(); ++k) {
    const std::string& name = header.cells[k];
    const auto found = std::lower_bound(by_header.begin(), by_header.end(), name,
                                        [](const auto& entry, std::string_view text) { return entry.first < text; });
    if (found == by_header.end() || found->first != name) {
      if (!name.empty() || !ColumnEmpty(records, k)) problems.Add(header.line, name, CsvProblemReason::UnknownColumn);
      continue;
    }
    const size_t c = found->second;
    if (seen[c]) {
      problems.Add(header.line, name, CsvProblemReason::DuplicateColumn);
    } else if (!columns[c].available) {
      problems.Add(header.line, name, CsvProblemReason::NoSaveFile);
    }
    seen[c] = true;
    column_of[k] = static_cast<int32_t>(c);
  }
  for (size_t c = 0; c < columns.size(); ++c) {
    if (columns[c].use == CsvColumnUse::Key && !seen[c]) {
      problems.Add(header.line, columns[c].header, CsvProblemReason::MissingColumn);
    }
  }
  return !problems.Any();
}

// True when the row changes (`changed`, by column) a column the Shown column is made of: the
// import then rewrites it from its parts and leaves its cell alone.
bool ChangesAPart(std::span<const CsvColumn> columns, const CsvColumn& shown, const std::vector<bool>& changed) {
  for (size_t c = 0; c < columns.size(); ++c) {
    if (!changed[c]) continue;
    for (std::u8string_view header : shown.edited_in) {
      if (Utf8Text(header) == columns[c].header) return true;
    }
  }
  return false;
}

// A checked change, written once every row has passed.
struct PendingWrite {
  int32_t record;
  size_t column;
  CsvValue value;
  std::string before;  // the cell as the export writes it before the change
};

}  // namespace

std::string ExportCsvTable(CsvTable& table) {
  const std::span<const CsvColumn> columns = table.Columns();
  std::string out(UTF8_BOM);
  std::vector<std::string> cells;
  for (const CsvColumn& column : columns) {
    if (column.available) cells.emplace_back(column.header);
  }
  AppendCsvRecord(out, cells);
  const int32_t count = table.RecordCount();
  for (int32_t record = 0; record < count; ++record) {
    cells.clear();
    for (size_t c = 0; c < columns.size(); ++c) {
      if (columns[c].available) cells.push_back(table.Cell(record, c));
    }
    AppendCsvRecord(out, cells);
  }
  return out;
}

CsvImportResult ImportCsvTable(CsvTable& table, std::string_view file, Cp932Codec& codec) {
  CsvImportResult result;
  Problems problems(result);
  std::string converted;
  std::string_view text;
  int32_t bad_line = 0;
  if (DecodeCsvFile(file, codec, converted, text, bad_line) == CsvEncoding::Unknown) {
    problems.Add(bad_line, "", CsvProblemReason::UnknownEncoding);
    return result;
  }
  const CsvDocument document = ReadCsv(text);
  if (document.syntax != CsvSyntax::Read) {
    problems.Add(document.error_line, "",
                 document.syntax == CsvSyntax::UnclosedQuote ? CsvProblemReason::UnclosedQuote
                                                             : CsvProblemReason::TextAfterQuote);
    return result;
  }
  const std::vector<CsvRecord>& records = document.records;
  if (records.empty()) {
    problems.Add(1, "", CsvProblemReason::NoHeader);
    return result;
  }
  std::vector<int32_t> column_of;
  if (!MapHeader(table, records, column_of, problems)) return result;

  const std::span<const CsvColumn> columns = table.Columns();
  const size_t width = records.front().cells.size();
  const size_t key = static_cast<size_t>(std::find(column_of.begin(), column_of.end(), 0) - column_of.begin());
  std::vector<int32_t> first_line(static_cast<size_t>(std::max(table.RecordCount(), 0)), 0);
  std::vector<PendingWrite> writes;
  std::vector<std::string> befores;
  std::vector<bool> changed;
  for (size_t r = 1; r < records.size(); ++r) {
    const CsvRecord& row = records[r];
    if (AllEmpty(row.cells)) continue;
    if (row.cells.size() != width) {
      CsvProblem problem;
      problem.line = row.line;
      problem.reason = CsvProblemReason::CellCount;
      problem.other = static_cast<int32_t>(row.cells.size());
      problem.max = static_cast<int32_t>(width);
      problems.Add(std::move(problem));
      continue;
    }
    int32_t record = -1;
    CsvProblem key_problem;
    if (!table.FindRecord(row.cells[key], record, key_problem)) {
      key_problem.line = row.line;
      key_problem.column = columns[0].header;
      problems.Add(std::move(key_problem));
      continue;
    }
    int32_t& first = first_line[static_cast<size_t>(record)];
    if (first != 0) {
      CsvProblem problem;
      problem.line = row.line;
      problem.column = columns[0].header;
      problem.reason = CsvProblemReason::DuplicateRecord;
      problem.other = first;
      problems.Add(std::move(problem));
      continue;
    }
    first = row.line;
    // The row's cells as the export writes them now, and the columns whose cells the row changes.
    befores.assign(width, std::string());
    changed.assign(columns.size(), false);
    for (size_t k = 0; k < width; ++k) {
      if (column_of[k] <= 0) continue;  // the key, or an empty column
      const auto c = static_cast<size_t>(column_of[k]);
      befores[k] = table.Cell(record, c);
      changed[c] = row.cells[k] != befores[k];
    }
    for (size_t k = 0; k < width; ++k) {
      if (column_of[k] <= 0 || !changed[static_cast<size_t>(column_of[k])]) continue;
      const auto c = static_cast<size_t>(column_of[k]);
      const std::string& cell = row.cells[k];
      CsvProblem problem;
      CsvValue value;
      if (columns[c].use == CsvColumnUse::Shown) {
        if (ChangesAPart(columns, columns[c], changed)) continue;
        problem.reason = CsvProblemReason::ShownOnly;
        for (std::u8string_view header : columns[c].edited_in) problem.instead.emplace_back(Utf8Text(header));
      } else if (table.CheckCell(record, c, cell, value, problem)) {
        if (!problems.Any()) writes.push_back({record, c, std::move(value), std::move(befores[k])});
        continue;
      }
      problem.line = row.line;
      problem.column = columns[c].header;
      problems.Add(std::move(problem));
    }
  }
  if (problems.Any()) return result;

  std::vector<bool> record_changed(first_line.size(), false);
  result.column_fields_changed.assign(columns.size(), 0);
  for (const PendingWrite& write : writes) {
    table.Write(write.record, write.column, write.value);
    // A cell such as 007 for 7 passes its check and yet changes nothing.
    if (table.Cell(write.record, write.column) == write.before) continue;
    ++result.fields_changed;
    ++result.column_fields_changed[write.column];
    if (!record_changed[static_cast<size_t>(write.record)]) {
      record_changed[static_cast<size_t>(write.record)] = true;
      ++result.records_changed;
    }
    (columns[write.column].image == CsvImage::Owners ? result.owner_image_changed : result.table_image_changed) = true;
  }
  result.ok = true;
  return result;
}

std::string ShownText(std::string_view cp932, Cp932Codec& codec) {
  std::string out;
  if (!HasControl(cp932) && codec.ToUtf8(cp932, out)) return out;
  out.clear();
  std::string piece;
  size_t i = 0;
  while (i < cp932.size()) {
    const auto byte = static_cast<uint8_t>(cp932[i]);
    const size_t width = IsSjisLeadByte(byte) && i + 1 < cp932.size() ? 2 : 1;
    if (IsControl(byte) || !codec.ToUtf8(cp932.substr(i, width), piece)) {
      // The next byte gets a look of its own: it may start a character.
      out += REPLACEMENT_CHARACTER;
      ++i;
      continue;
    }
    out += piece;
    i += width;
  }
  return out;
}

bool CheckTextCell(std::string_view cell, size_t limit, Cp932Codec& codec, std::string& cp932, CsvProblem& problem) {
  if (cell.empty()) {
    problem.reason = CsvProblemReason::Empty;
  } else if (HasControl(cell)) {
    problem.reason = CsvProblemReason::ControlCharacter;
  } else if (!codec.FromUtf8(cell, cp932)) {
    problem.reason = CsvProblemReason::NotCp932;
  } else if (cp932.size() > limit) {
    problem.reason = CsvProblemReason::TooLong;
    problem.max = static_cast<int32_t>(limit);
  } else {
    return true;
  }
  return false;
}

bool IsDigitsCell(std::string_view cell, int32_t max_digits) {
  return !cell.empty() && cell.size() <= static_cast<size_t>(std::max(max_digits, 0)) &&
         std::all_of(cell.begin(), cell.end(), [](char c) { return c >= '0' && c <= '9'; });
}
