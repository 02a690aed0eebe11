// The list and combo box work both programs share: a multiple-selection list's selection taken
// before its rows change and put back after, select all and invert, rows made from texts of the
// data files, choice lists and edit limits filled from tables.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

// The most rows a list of either program holds (the officer list; the item list has 255).
constexpr int32_t LIST_CAPACITY = 1000;

// A snapshot of an extended-selection list box: its selected rows, ascending, and its top row.
struct ListSelection {
  std::array<int32_t, LIST_CAPACITY> rows;
  int32_t count;
  int32_t top_row;
};

void CaptureListSelection(HWND list, ListSelection& selection);

// Selects `rows` (clearing no other row) and scrolls back to `top_row`. The list ends as selecting
// each row in turn with LB_SETSEL would leave it: that also puts the caret and the anchor on the
// last row selected and scrolls it into view, even with drawing off, which under Wine costs a
// scroll per row. So the rows are selected in runs (LB_SELITEMRANGE moves neither caret nor
// anchor) and only the last row the list has gets LB_SETSEL; LB_SETTOPINDEX undoes the scrolling.
void SelectListRows(HWND list, std::span<const int32_t> rows, int32_t top_row);

// Every row of the first `row_count` selected.
void SelectAllListRows(HWND list, int32_t row_count);
// Each of the first `row_count` rows flipped, ending as flipping them row by row with LB_SETSEL
// does (selection, caret, anchor); the top row stays.
void InvertListSelection(HWND list, int32_t row_count);

// Inserts `text` (bytes of a data file, up to its end) as row `row`, with LB_INSERTSTRING or
// CB_INSERTSTRING as `insert_message` says.
void InsertTextRow(HWND control, UINT insert_message, int32_t row, std::string_view text);

// The entries of a combo box, in order, from `count` texts of the string table starting at
// `first_id`; the index of an entry is the value its command reads.
void FillComboBox(HWND dialog, int control, UINT first_id, int count);

// The most characters an edit control takes.
struct EditLimit {
  int control;
  int characters;
};
void LimitEdits(HWND dialog, std::span<const EditLimit> limits);
