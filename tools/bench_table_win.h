// The table window's rows of the command benchmarks: opening it, a header click, a keystroke in the
// filter box, and the refresh after a batch command, each beside a bare virtual list view of the
// same size, columns and font that serves the same texts from memory.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "bench_win.h"
#include "win32/table_window.h"

struct TableBench {
  HWND dialog;
  TableWindow* table;
  const EditSteps* steps;     // the program's undo history, whose newest step the refresh draws
  int sort_column;            // a number column the header click sorts by
  std::wstring condition;     // a filter condition on that column ("忠誠<50"), typed to its last key
  std::vector<int> searched;  // the columns a filter word is looked for in (names, readings)
  std::string batch_name;     // UTF-8, for the row's name
  std::function<void()> batch;  // a command over every record, changing the sort column's values
  int batch_command;            // its id
};

// Opens the table (closed again by the rows as they need), and returns its rows.
std::vector<BenchRow> TableRows(const TableBench& bench);

// For a screenshot instead of the figures: opens the table over the program's open file, types
// `filter`, selects every shown row, runs `command` on them (its changed cells bold), sorts by
// `sort_column`, and keeps the windows shown for `seconds`.
void ShowTableForScreenshot(HWND dialog, TableWindow& table, const std::string& filter, int command, int sort_column,
                            int seconds);
