// Quillmere's table window: the roster officers as its records, and the officer list's selection
// as its selection.
#include <windows.h>

#include <algorithm>
#include <optional>

#include "formats/step_records.h"
#include "formats/table_records.h"
#include "officer_editor.h"
#include "quillmere_resource.h"
#include "win32/status_line.h"

namespace {

RecordSource* OfficerRecordsOfSave() {
  static std::optional<OfficerRecords> records;
  const DataFileImage& save = g_officer_editor.save;
  if (!IsImageOpen(save)) return nullptr;
  records.emplace(ImageBytes(save), save.disk.bytes, g_officer_editor.roster);
  return &*records;
}

int32_t RowCount() { return g_officer_editor.roster.count; }

// The roster position of an officer; -1 when it is not in the roster.
int32_t PositionOf(OfficerId id) {
  const auto& ids = g_officer_editor.roster.ids;
  const auto end = ids.begin() + RowCount();
  const auto found = std::lower_bound(ids.begin(), end, id);
  return found != end && *found == id ? static_cast<int32_t>(found - ids.begin()) : -1;
}

void MainSelection(HWND dialog, std::vector<bool>& selected, int32_t& caret) {
  HWND list = GetDlgItem(dialog, IDC_OFFICER_LIST);
  OfficerSelection selection;
  CaptureOfficerSelection(list, selection);
  selected.assign(static_cast<size_t>(RowCount()), false);
  for (int32_t k = 0; k < selection.count; ++k) {
    const int32_t position = PositionOf(selection.ids[static_cast<size_t>(k)]);
    if (position >= 0) selected[static_cast<size_t>(position)] = true;
  }
  const auto row = static_cast<int32_t>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
  caret = row >= 0 && row < RowCount() ? PositionOf(g_officer_editor.order[static_cast<size_t>(row)]) : -1;
}

void SelectInMain(HWND dialog, const std::vector<bool>& selected, int32_t caret) {
  HWND list = GetDlgItem(dialog, IDC_OFFICER_LIST);
  OfficerRowMap row_of;
  BuildOfficerRowMap(g_officer_editor.order, RowCount(), row_of);
  std::vector<int32_t> rows;
  for (size_t position = 0; position < selected.size() && position < static_cast<size_t>(RowCount()); ++position) {
    if (selected[position]) rows.push_back(OfficerRow(row_of, g_officer_editor.roster.ids[position]));
  }
  std::sort(rows.begin(), rows.end());
  const auto top = static_cast<int32_t>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  const int32_t caret_row = caret >= 0 ? OfficerRow(row_of, g_officer_editor.roster.ids[static_cast<size_t>(caret)])
                                       : CARET_WHERE_SELECTED;
  SetRedraw(list, false);
  SendMessageW(list, LB_SETSEL, FALSE, -1);
  SelectListRows(list, rows, top, caret_row);
  SetRedraw(list, true);
  ShowSelectionStatus(dialog, IDC_OFFICER_LIST);
}

void StepRecords(const EditStep& step, std::vector<bool>& touched) {
  const std::vector<bool> by_id = OfficersTouchedByStep(step, 0);
  for (size_t position = 0; position < touched.size() && position < static_cast<size_t>(RowCount()); ++position) {
    const auto id = static_cast<size_t>(g_officer_editor.roster.ids[position]);
    touched[position] = id < by_id.size() && by_id[id];
  }
}

}  // namespace

const TableProgram OFFICER_TABLE = {OfficerRecordsOfSave, MainSelection, SelectInMain, StepRecords};
