// Quillmere's officer list: the display order behind its rows, the three sorts, and the selection
// kept across every change of rows.
#include <windows.h>

#include <algorithm>
#include <array>

#include "controls.h"
#include "image_dialogs.h"
#include "officer_edits.h"
#include "officer_editor.h"
#include "resource.h"

namespace {

std::span<const uint8_t> SaveBytes() {
  const DataFileImage& save = g_officer_editor.save;
  return {save.data, static_cast<size_t>(save.length)};
}

int32_t RowCount() { return g_officer_editor.roster.count; }

HWND OfficerList(HWND dialog) { return GetDlgItem(dialog, IDC_OFFICER_LIST); }

}  // namespace

void InsertOfficerRow(HWND list, int32_t row, OfficerId id) {
  std::string_view name = OfficerFullName(SaveBytes(), id);
  char text[FULL_NAME_WIDTH + 1] = "";
  std::copy(name.begin(), name.end(), text);
  SendMessageA(list, LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(text));
}

void CaptureOfficerSelection(HWND list, OfficerSelection& selection) {
  LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
  selection.count = static_cast<int32_t>(std::clamp<LRESULT>(count, 0, ROSTER_CAPACITY));
  LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
  selection.top_row = top < 0 ? 0 : static_cast<int32_t>(top);
  SendMessageA(list, LB_GETSELITEMS, selection.count, reinterpret_cast<LPARAM>(selection.rows.data()));
  selection.count = OfficersOfRows(g_officer_editor.order, RowCount(),
                                   std::span(selection.rows.data(), static_cast<size_t>(selection.count)),
                                   selection.ids);
}

// Selects the rows of the given officers in the current order and scrolls back to the top row.
// It clears no other row. The list box ends as selecting each row in turn with LB_SETSEL leaves it:
// LB_SETSEL also puts the caret and the anchor on its row and scrolls that row into view, even with
// drawing off, so one LB_SETSEL per row costs a scroll each. The rows are therefore selected in
// runs (LB_SELITEMRANGE moves neither caret nor anchor), and only the row selected last gets
// LB_SETSEL; the scrolling in between is undone by LB_SETTOPINDEX in any case.
void RestoreOfficerSelection(HWND list, const OfficerId* ids, int32_t count, int32_t top_row) {
  static OfficerRowMap rows;
  static std::array<bool, ROSTER_CAPACITY> selected;
  BuildOfficerRowMap(g_officer_editor.order, RowCount(), rows);
  // A row the list does not have cannot be selected, and so would not take the caret either.
  const LRESULT shown = SendMessageA(list, LB_GETCOUNT, 0, 0);
  selected.fill(false);
  int32_t caret_row = -1;
  for (int32_t i = 0; i < count; ++i) {
    int32_t row = OfficerRow(rows, ids[i]);
    if (row < 0) continue;
    selected[row] = true;
    if (row < shown) caret_row = row;
  }
  for (int32_t first = 0; first < ROSTER_CAPACITY; ++first) {
    if (!selected[first]) continue;
    int32_t last = first;
    while (last + 1 < ROSTER_CAPACITY && selected[last + 1]) ++last;
    SendMessageA(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(first, last));
    first = last;
  }
  if (caret_row >= 0) SendMessageA(list, LB_SETSEL, TRUE, caret_row);
  SendMessageA(list, LB_SETTOPINDEX, top_row, 0);
}

// Re-orders the rows and refills the list; the same officers stay selected wherever they now stand,
// and the same row number stays at the top.
void RefreshOfficerList(HWND dialog, SortMode mode) {
  if (!IsImageOpen(g_officer_editor.save)) return;
  HWND list = OfficerList(dialog);
  static OfficerSelection selection;
  CaptureOfficerSelection(list, selection);
  DisplayOrder& order = g_officer_editor.order;
  switch (mode) {
    case SORT_BY_ID: CopyRosterOrder(g_officer_editor.roster, order); break;
    case SORT_BY_READING:
      if (!SortByReading(SaveBytes(), order, RowCount())) ShowWarning(dialog, "メモリ確保に失敗しました。");
      break;
    case SORT_REVERSE: ReverseOrder(order, RowCount()); break;
  }
  SetRedraw(list, false);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (int32_t row = 0; row < RowCount(); ++row) InsertOfficerRow(list, row, order[row]);
  RestoreOfficerSelection(list, selection.ids.data(), selection.count, selection.top_row);
  SetRedraw(list, true);
}

void SelectAllOfficers(HWND dialog) {
  if (!IsImageOpen(g_officer_editor.save)) return;
  SendMessageA(OfficerList(dialog), LB_SELITEMRANGE, TRUE, MAKELPARAM(0, RowCount() - 1));
}

void InvertOfficerSelection(HWND dialog) {
  if (!IsImageOpen(g_officer_editor.save)) return;
  HWND list = OfficerList(dialog);
  LRESULT top = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
  SetRedraw(list, false);
  for (int32_t row = 0; row < RowCount(); ++row) {
    bool selected = SendMessageA(list, LB_GETSEL, row, 0) != 0;  // an error counts as selected
    SendMessageA(list, LB_SETSEL, selected ? FALSE : TRUE, row);
  }
  SendMessageA(list, LB_SETTOPINDEX, top, 0);
  SetRedraw(list, true);
}
