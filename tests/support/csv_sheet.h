// A CSV file as rows of cells, edited the way a spreadsheet would and written back as the programs
// write it (byte order mark, CRLF); row 0 is the header.
#pragma once

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "formats/csv.h"

struct Sheet {
  std::vector<std::vector<std::string>> rows;
  CsvSyntax syntax = CsvSyntax::Read;

  // A file with or without a byte order mark.
  static Sheet Of(std::string_view file) {
    if (file.starts_with(UTF8_BOM)) file.remove_prefix(UTF8_BOM.size());
    Sheet sheet;
    CsvDocument document = ReadCsv(file);
    sheet.syntax = document.syntax;
    for (CsvRecord& record : document.records) sheet.rows.push_back(std::move(record.cells));
    return sheet;
  }
  size_t Column(std::string_view header) const {
    return static_cast<size_t>(std::find(rows[0].begin(), rows[0].end(), header) - rows[0].begin());
  }
  // The cell of the row whose first cell is `key`, in the column headed `header`; nullptr when
  // there is no such row or column.
  std::string* Find(std::string_view key, std::string_view header) {
    auto row = std::find_if(rows.begin() + 1, rows.end(), [&key](const auto& cells) { return cells[0] == key; });
    const size_t column = Column(header);
    return row == rows.end() || column >= row->size() ? nullptr : &(*row)[column];
  }
  std::string& At(std::string_view key, std::string_view header) {
    std::string* cell = Find(key, header);
    if (cell == nullptr) throw std::out_of_range("no cell " + std::string(key) + ", " + std::string(header));
    return *cell;
  }
  std::string File() const {
    std::string out(UTF8_BOM);
    for (const auto& cells : rows) AppendCsvRecord(out, cells);
    return out;
  }
};
