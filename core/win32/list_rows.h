// The list and combo box work both programs share: a multiple-selection list's selection taken
// before its rows change and put back after, select all and invert, rows made from texts of the
// data files, choice lists and edit limits filled from tables.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <span>
#include <vector>
#include <string_view>

#include "win32/controls.h"

// The most rows a list of either program holds (the officer list; the item list has 255).
constexpr int32_t LIST_CAPACITY = 1000;

// A snapshot of an extended-selection list box: its selected rows, ascending, and its top row.
struct ListSelection {
  std::array<int32_t, LIST_CAPACITY> rows;
  int32_t count;
  int32_t top_row;
};

void CaptureListSelection(HWND list, ListSelection& selection);

// No caret row of its own: the caret ends where selecting the rows leaves it.
constexpr int32_t CARET_WHERE_SELECTED = -1;

// Selects `rows` (clearing no other row), puts the caret on `caret_row` when one is given and
// scrolls back to `top_row`. The list ends as selecting each row in turn with LB_SETSEL, then
// LB_SETCARETINDEX and LB_SETTOPINDEX, would leave it: LB_SETSEL also puts the caret and the anchor
// on the last row selected and scrolls it into view, even with drawing off, which under Wine costs a
// scroll per row. So the rows are selected in runs (LB_SELITEMRANGE moves neither caret nor anchor)
// and the anchor, the caret and the top row are set where they differ from what the last row the
// list has would leave. Drawing is left as it is: see ChangeSelection.
void SelectListRows(HWND list, std::span<const int32_t> rows, int32_t top_row,
                    int32_t caret_row = CARET_WHERE_SELECTED);

// Runs `change`, which changes only the list's selection, then puts the caret on `caret_row` and
// the top row back to `top_row` where they differ. A caret that moves scrolls the list to it, and
// the top row put back scrolls it again, each a repaint: so then drawing is off throughout and the
// list repaints once. Otherwise drawing stays on and only the rows that change are repainted.
template <typename Change>
void ChangeSelection(HWND list, int32_t caret_row, int32_t top_row, Change change) {
  const bool caret_moves = SendMessageW(list, LB_GETCARETINDEX, 0, 0) != caret_row;
  if (caret_moves) SetRedraw(list, false);
  change();
  if (SendMessageW(list, LB_GETCARETINDEX, 0, 0) != caret_row) SendMessageW(list, LB_SETCARETINDEX, caret_row, FALSE);
  if (SendMessageW(list, LB_GETTOPINDEX, 0, 0) != top_row) SendMessageW(list, LB_SETTOPINDEX, top_row, 0);
  if (caret_moves) SetRedraw(list, true);
}

// Every row of the first `row_count` selected; caret, anchor and top row stay.
void SelectAllListRows(HWND list, int32_t row_count);
// Each of the first `row_count` rows flipped, ending as flipping them row by row with LB_SETSEL
// does (selection, caret, anchor), then the caret moved to `caret_row` when one is given; the top
// row stays.
void InvertListSelection(HWND list, int32_t row_count, int32_t caret_row = CARET_WHERE_SELECTED);

// Every row of a list of `row_count` rows written again by `insert(row)`, which inserts the row's
// text at its place. The selection, caret and top row are left to the caller to put back, as in
// RewriteListRows.
template <typename Insert>
void RefillListRows(HWND list, int32_t row_count, Insert insert) {
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (int32_t row = 0; row < row_count; ++row) insert(row);
}

// Rows `rows` of a list of `row_count` rows written again by `insert(row)`. A row rewritten on its
// own costs a delete and an insert; from half the list on, refilling every row costs less.
template <typename Insert>
void RewriteListRows(HWND list, std::span<const int32_t> rows, int32_t row_count, Insert insert) {
  if (rows.size() * 2 >= static_cast<size_t>(row_count)) {
    RefillListRows(list, row_count, insert);
    return;
  }
  for (int32_t row : rows) {
    SendMessageW(list, LB_DELETESTRING, row, 0);
    insert(row);
  }
}

// Empties a list or combo box (`reset_message` LB_RESETCONTENT or CB_RESETCONTENT) with drawing
// off. When it is filled again right after (`refill_follows`), drawing stays off for the fill to
// turn on: shown empty, the list would hide its scroll bar and show it again once filled, which
// under Wine repaints the list, its frame and the dialog behind them.
void ClearRows(HWND control, UINT reset_message, bool refill_follows);

// Inserts `text` (bytes of a data file, up to its end) as row `row`, with LB_INSERTSTRING or
// CB_INSERTSTRING as `insert_message` says.
void InsertTextRow(HWND control, UINT insert_message, int32_t row, std::string_view text);

// Inserts `texts` as rows `first_row` on, as InsertTextRow does each: room for all of them is made
// first (LB_INITSTORAGE, CB_INITSTORAGE), and their code page 932 bytes are converted in one go.
void InsertTextRows(HWND control, UINT insert_message, int32_t first_row, std::span<const std::string_view> texts);

// Makes a list box (or a combo box, with `combo`) show `texts` as its rows, `shown` holding what it
// was last given here. With as many rows as before only the rows whose text differs are written
// again: a file opened again, or another save of the same game, changes few names. Otherwise every
// row is written anew. `shown` then holds the texts as the rows show them (up to a NUL).
void ShowTextRows(HWND control, bool combo, std::span<const std::string_view> texts, std::vector<std::string>& shown);

// The entries of a combo box, in order, from choice texts (UTF-8, formats/choice_texts.h); the
// index of an entry is the value its command reads.
void FillComboBox(HWND dialog, int control, std::span<const std::u8string_view> texts);

// The most characters an edit control takes.
struct EditLimit {
  int control;
  int characters;
};
void LimitEdits(HWND dialog, std::span<const EditLimit> limits);
