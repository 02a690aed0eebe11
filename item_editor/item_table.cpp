// Varnholt's table window: the items as its records, with their owners while a save file is open,
// and the item list's selection as its selection.
#include <windows.h>

#include <array>
#include <optional>

#include "formats/step_records.h"
#include "formats/table_records.h"
#include "item_editor.h"
#include "varnholt_resource.h"
#include "win32/status_line.h"

namespace {

// Made again only when an image opened, closed or got other bytes as stored (the list view asks
// for every cell it draws).
RecordSource* ItemRecordsOfImages() {
  static std::optional<ItemRecords> records;
  static std::array<const void*, 4> made_of{};
  const DataFileImage& scenario = Image(SCENARIO_SLOT);
  const DataFileImage& save = Image(SAVE_SLOT);
  const std::array<const void*, 4> now{scenario.disk.bytes.data(), OpenImageBytes(save).data(), save.disk.bytes.data(),
                                       reinterpret_cast<const void*>(save.disk.bytes.size() + scenario.disk.bytes.size())};
  if (!records || now != made_of) {
    records.emplace(ImageBytes(scenario), scenario.disk.bytes, OpenImageBytes(save), save.disk.bytes);
    made_of = now;
  }
  return &*records;
}

HWND ItemList(HWND dialog) { return GetDlgItem(dialog, IDC_ITEM_LIST); }

void MainSelection(HWND dialog, std::vector<bool>& selected, int32_t& caret) {
  ListSelection selection;
  CaptureListSelection(ItemList(dialog), selection);
  selected.assign(ITEM_COUNT, false);
  for (int32_t k = 0; k < selection.count; ++k) {
    const int32_t row = selection.rows[static_cast<size_t>(k)];
    if (row >= 0 && row < ITEM_COUNT) selected[static_cast<size_t>(row)] = true;
  }
  caret = g_item_editor.current_item;
}

// The caret's item becomes the current item, whose fields the dialog shows.
void SelectInMain(HWND dialog, const std::vector<bool>& selected, int32_t caret) {
  HWND list = ItemList(dialog);
  std::vector<int32_t> rows;
  for (size_t item = 0; item < selected.size(); ++item) {
    if (selected[item]) rows.push_back(static_cast<int32_t>(item));
  }
  const auto top = static_cast<int32_t>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  SetRedraw(list, false);
  SendMessageW(list, LB_SETSEL, FALSE, -1);
  SelectListRows(list, rows, top, caret >= 0 ? caret : CARET_WHERE_SELECTED);
  SetRedraw(list, true);
  if (caret >= 0 && caret != g_item_editor.current_item) ChangeCurrentItem(dialog);
  ShowSelectionStatus(dialog, IDC_ITEM_LIST);
}

void StepRecords(const EditStep& step, std::vector<bool>& touched) {
  const std::vector<bool> items = ItemsTouchedByStep(step, SCENARIO_SLOT, SAVE_SLOT);
  for (size_t item = 0; item < touched.size() && item < items.size(); ++item) touched[item] = items[item];
}

}  // namespace

const TableProgram ITEM_TABLE = {ItemRecordsOfImages, MainSelection, SelectInMain, StepRecords};
