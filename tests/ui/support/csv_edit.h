// The File menu's CSV commands of either editor's fixture, and editing an exported file as a user
// would in a spreadsheet: a few cells changed, every other byte as the program wrote it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "csv_sheet.h"
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
  const std::string text(file.begin(), file.end());
  EXPECT_TRUE(text.starts_with(UTF8_BOM));
  Sheet sheet = Sheet::Of(text);
  EXPECT_EQ(sheet.syntax, CsvSyntax::Read);
  for (const CsvCellChange& change : changes) {
    std::string* cell = sheet.Find(change.key, change.column);
    EXPECT_NE(cell, nullptr) << change.key << ", " << change.column;
    if (cell != nullptr) *cell = change.text;
  }
  const std::string out = sheet.File();
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

// A fixture of either editor with its File menu's two CSV commands.
template <typename Fixture, int EXPORT_COMMAND, int IMPORT_COMMAND>
class CsvMenuTest : public Fixture {
 protected:
  // "CSVに書き出す…" writing a new file `name`; its bytes.
  std::vector<uint8_t> Export(const std::string& name) {
    const std::string path = this->files_.Path(name);
    this->answers_.ChooseFile(path);
    Command(this->dialog_, EXPORT_COMMAND);
    EXPECT_EQ(this->answers_.TakeSeen().size(), 1u) << "the save dialog and nothing else";
    return ReadFileBytes(path);
  }
  // "CSVから読み込む…" reading `bytes` from a file of their own; the box that followed the open dialog.
  SeenWindow Import(const std::vector<uint8_t>& bytes) {
    const std::string path = this->files_.Path("import" + std::to_string(++imports_) + ".csv");
    WriteFileBytes(path, bytes);
    this->answers_.ChooseFile(path);
    this->answers_.PressButton(IDOK);
    Command(this->dialog_, IMPORT_COMMAND);
    std::vector<SeenWindow> seen = this->answers_.TakeSeen();
    EXPECT_EQ(seen.size(), 2u);
    return seen.size() == 2 ? seen.back() : SeenWindow{};
  }

 private:
  int imports_ = 0;
};
