// The table window both programs open from 表示 › 一覧表: every record of the open file in a
// report-style list view of its own top-level window, owned by the main dialog and modeless. Rows
// are drawn on demand from the image (a virtual list), sorted by a header click, kept by the
// filter box above them; cells that differ from the file as opened or last stored are drawn bold.
// Its selection is the main list's: selecting rows here selects the same records there, and the
// other way round, so every command of the main dialog works on what the table selected.
//
// A program describes its records (formats/table_records.h) and how they map to its main list; the
// window keeps its size, column widths, sort and filter while the program runs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "formats/record_table.h"
#include "win32/edit_steps.h"

struct TableProgram {
  // The records of the open file; nullptr while none is open.
  RecordSource* (*records)();
  // The main list's selection by record, and the record of its caret row (-1: none).
  void (*main_selection)(HWND dialog, std::vector<bool>& selected, int32_t& caret);
  // Selects exactly the `selected` records in the main list, its caret on `caret` (-1: where the
  // selection leaves it) and its top row kept.
  void (*select_in_main)(HWND dialog, const std::vector<bool>& selected, int32_t caret);
  // The records whose bytes an undo step changed.
  void (*step_records)(const EditStep& step, std::vector<bool>& touched);
};

struct TableWindow {
  TableWindow(const TableProgram* described) : program(described) {}
  const TableProgram* program;
  HWND dialog = nullptr;
  HWND window = nullptr;  // nullptr while the table is closed
  HWND list = nullptr, filter = nullptr, problem = nullptr, select_shown = nullptr;
  HFONT bold = nullptr;
  std::vector<int32_t> rows;    // row -> record: the records the filter keeps, in sorted order
  std::vector<int32_t> row_of;  // record -> row, -1 when not shown
  RecordFilter shown_filter;
  int32_t sort_column = -1;     // -1: record order
  bool descending = false;
  bool stale = false;           // the records' columns changed: rebuilt before the next use
  bool following = false;       // the table is being set from the main list: no echo back
  bool sync_posted = false;
  int32_t caret_record = -1;    // the main list's caret when the table last followed it
  std::vector<int8_t> changed;  // by record: 1 a cell differs from the file, 0 none, -1 not known yet
  std::vector<uint64_t> changed_cells;  // by record, where known: bit k for column k (the first 64)
  int32_t stored_generation = -1;  // the history's when `changed` was last cleared whole
  RECT placement{};             // kept while the program runs; empty before the first opening
  std::vector<int> widths;
  std::wstring filter_text;
};

// 表示 › 一覧表 (Ctrl+T): opens the table, or brings it to the front.
void OpenTableWindow(HWND dialog, TableWindow& table);
// 表示 › 絞り込み (Ctrl+F): opens the table and puts the caret in its filter box.
void FocusTableFilter(HWND dialog, TableWindow& table);
// With the file it shows.
void CloseTableWindow(TableWindow& table);
// The records' columns or count changed (another save file beside the items): the table is built
// again at the next command.
void MarkTableStale(TableWindow& table);
// After every command of the main dialog: the rows the command's step changed (its undo or redo
// too) are drawn again, and the table selects what the main list selects.
void RefreshTableAfterCommand(TableWindow& table, const EditSteps& steps, int32_t command);
