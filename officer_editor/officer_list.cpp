// Quillmere's officer list: the display order behind its rows, the three sorts, and the selection
// kept across every change of rows.
#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "model/officer_edits.h"
#include "officer_editor.h"
#include "quillmere_resource.h"
#include "win32/controls.h"
#include "win32/image_dialogs.h"

namespace {

int32_t RowCount() { return g_officer_editor.roster.count; }

HWND OfficerList(HWND dialog) { return GetDlgItem(dialog, IDC_OFFICER_LIST); }

// Every row anew, in the display order.
void RefillOfficerRows(HWND list) {
  const DisplayOrder& order = g_officer_editor.order;
  std::vector<std::string_view> names(static_cast<size_t>(RowCount()));
  for (size_t row = 0; row < names.size(); ++row) names[row] = OfficerFullName(ImageBytes(g_officer_editor.save), order[row]);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  InsertTextRows(list, LB_INSERTSTRING, 0, names);
}

// Fills the list from the display order and selects the officers of `selection` again.
void FillOfficerRows(HWND list, const OfficerSelection& selection) {
  SetRedraw(list, false);
  RefillOfficerRows(list);
  RestoreOfficerSelection(list, selection);
  SetRedraw(list, true);
}

}  // namespace

void InsertOfficerRow(HWND list, int32_t row, OfficerId id) {
  InsertTextRow(list, LB_INSERTSTRING, row, OfficerFullName(ImageBytes(g_officer_editor.save), id));
}

void CaptureOfficerSelection(HWND list, OfficerSelection& selection) {
  CaptureListSelection(list, selection.list);
  selection.count = OfficersOfRows(g_officer_editor.order, RowCount(),
                                   std::span(selection.list.rows.data(), static_cast<size_t>(selection.list.count)),
                                   selection.ids);
}

// Selects the rows of the same officers in the current order, and the same top row.
void RestoreOfficerSelection(HWND list, const OfficerSelection& selection) {
  OfficerRowMap row_of;
  BuildOfficerRowMap(g_officer_editor.order, RowCount(), row_of);
  std::array<int32_t, ROSTER_CAPACITY> rows;
  for (int32_t i = 0; i < selection.count; ++i) rows[static_cast<size_t>(i)] = OfficerRow(row_of, selection.ids[static_cast<size_t>(i)]);
  SelectListRows(list, std::span(rows.data(), static_cast<size_t>(selection.count)), selection.list.top_row);
}

// Re-orders the rows and refills the list; the same officers stay selected wherever they now stand,
// and the same row number stays at the top.
void RefreshOfficerList(HWND dialog, SortMode mode) {
  if (!IsImageOpen(g_officer_editor.save)) return;
  HWND list = OfficerList(dialog);
  OfficerSelection selection;
  CaptureOfficerSelection(list, selection);
  DisplayOrder& order = g_officer_editor.order;
  switch (mode) {
    case SORT_BY_ID: CopyRosterOrder(g_officer_editor.roster, order); break;
    case SORT_BY_READING:
      if (!SortByReading(ImageBytes(g_officer_editor.save), order, RowCount())) ShowWarning(dialog, IDS_NO_MEMORY);
      break;
    case SORT_REVERSE: ReverseOrder(order, RowCount()); break;
  }
  FillOfficerRows(list, selection);
}

void RewriteOfficerRows(HWND dialog) {
  if (!IsImageOpen(g_officer_editor.save)) return;
  HWND list = OfficerList(dialog);
  OfficerSelection selection;
  CaptureOfficerSelection(list, selection);
  FillOfficerRows(list, selection);
}

void SelectAllOfficers(HWND dialog) {
  if (!IsImageOpen(g_officer_editor.save)) return;
  SelectAllListRows(OfficerList(dialog), RowCount());
}

void InvertOfficerSelection(HWND dialog) {
  if (!IsImageOpen(g_officer_editor.save)) return;
  InvertListSelection(OfficerList(dialog), RowCount());
}

bool JumpOfficerList(HWND list, WPARAM key) {
  const OfficerEditorState& state = g_officer_editor;
  ListBoxKanaJump jump(list, OpenImageBytes(state.save), std::span(state.order.data(), static_cast<size_t>(state.roster.count)));
  return KanaJump(jump, key);
}

std::vector<int32_t> CaptureOfficerView(HWND dialog) {
  HWND list = OfficerList(dialog);
  OfficerSelection selection;
  CaptureOfficerSelection(list, selection);
  const auto caret = static_cast<int32_t>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
  std::vector<int32_t> view{selection.list.top_row, caret >= 0 && caret < RowCount() ? g_officer_editor.order[static_cast<size_t>(caret)] : -1};
  view.insert(view.end(), selection.ids.begin(), selection.ids.begin() + selection.count);
  return view;
}

void ShowOfficerView(HWND dialog, std::span<const int32_t> view) {
  if (!IsImageOpen(g_officer_editor.save) || view.size() < 2) return;
  HWND list = OfficerList(dialog);
  const DisplayOrder& order = g_officer_editor.order;
  OfficerRowMap row_of;
  BuildOfficerRowMap(order, RowCount(), row_of);
  std::vector<int32_t> rows;
  for (OfficerId id : view.subspan(2)) {
    if (OfficerRow(row_of, id) >= 0) rows.push_back(OfficerRow(row_of, id));
  }
  std::sort(rows.begin(), rows.end());
  const int32_t caret = view[1] >= 0 ? OfficerRow(row_of, view[1]) : CARET_WHERE_SELECTED;
  SetRedraw(list, false);
  RefillOfficerRows(list);
  SelectListRows(list, rows, view[0], caret);
  SetRedraw(list, true);
}
