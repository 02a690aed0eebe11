// Editing an exported CSV file as a user would in a spreadsheet: a few cells changed, every other
// byte as the program wrote it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/csv.h"
#include "ui_driver.h"

// A cell to change: the row whose first cell (the key) is `key`, the column headed `column`.
struct CsvCellChange {
  std::string key;
  std::string column;  // UTF-8
  std::string text;    // UTF-8
};

// The file with the cells changed, written back as the programs write it (byte order mark, CRLF).
inline std::vector<uint8_t> ChangeCsvCells(const std::vector<uint8_t>& file, const std::vector<CsvCellChange>& changes) {
  std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
  EXPECT_TRUE(text.starts_with(UTF8_BOM));
  text.remove_prefix(UTF8_BOM.size());
  CsvDocument document = ReadCsv(text);
  EXPECT_EQ(document.syntax, CsvSyntax::Read);
  if (document.records.empty()) return {};
  const std::vector<std::string>& header = document.records.front().cells;
  for (const CsvCellChange& change : changes) {
    const auto column = std::find(header.begin(), header.end(), change.column) - header.begin();
    EXPECT_LT(static_cast<size_t>(column), header.size()) << change.column;
    const auto row = std::find_if(document.records.begin() + 1, document.records.end(),
                                  [&](const CsvRecord& record) { return record.cells.front() == change.key; });
    EXPECT_NE(row, document.records.end()) << change.key;
    if (static_cast<size_t>(column) < header.size() && row != document.records.end()) {
      row->cells[static_cast<size_t>(column)] = change.text;
    }
  }
  std::string out(UTF8_BOM);
  for (const CsvRecord& record : document.records) AppendCsvRecord(out, record.cells);
  return {out.begin(), out.end()};
}

// The cell of the row whose key is `key` in the column headed `column` (UTF-8), as a spreadsheet
// shows it; empty when there is no such cell.
inline std::string CsvCell(const std::vector<uint8_t>& file, const std::string& key, const std::string& column) {
  std::string_view text(reinterpret_cast<const char*>(file.data()), file.size());
  if (text.starts_with(UTF8_BOM)) text.remove_prefix(UTF8_BOM.size());
  const CsvDocument document = ReadCsv(text);
  if (document.records.empty()) return {};
  const std::vector<std::string>& header = document.records.front().cells;
  const auto at = static_cast<size_t>(std::find(header.begin(), header.end(), column) - header.begin());
  for (const CsvRecord& record : document.records) {
    if (record.cells.front() == key && at < record.cells.size()) return record.cells[at];
  }
  return {};
}

// The first line of the file (after the byte order mark), without its line end.
inline std::string CsvHeaderLine(const std::vector<uint8_t>& file) {
  const std::string text(file.begin(), file.end());
  const size_t start = text.starts_with(UTF8_BOM) ? UTF8_BOM.size() : 0;
  return text.substr(start, text.find("\r\n") - start);
}

// The menu command `command` ("CSVに書き出す…") writing a new file at `path`; its bytes.
inline std::vector<uint8_t> ExportThroughMenu(HWND dialog, int command, WindowAnswers& answers, const std::string& path) {
  answers.ChooseFile(path);
  Command(dialog, command);
  EXPECT_EQ(answers.TakeSeen().size(), 1u) << "the save dialog and nothing else";
  return ReadFileBytes(path);
}

// The menu command `command` ("CSVから読み込む…") reading a file written at `path` with `bytes`;
// the box that followed the open dialog.
inline SeenWindow ImportThroughMenu(HWND dialog, int command, WindowAnswers& answers, const std::string& path,
                                    const std::vector<uint8_t>& bytes) {
  WriteFileBytes(path, bytes);
  answers.ChooseFile(path);
  answers.PressButton(IDOK);
  Command(dialog, command);
  std::vector<SeenWindow> seen = answers.TakeSeen();
  EXPECT_EQ(seen.size(), 2u);
  return seen.size() == 2 ? seen.back() : SeenWindow{};
}
