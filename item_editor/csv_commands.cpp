// Varnholt's CSV commands: the item table of the scenario image, with each item's owner while a
// save file is open, written to a CSV file, and an edited copy read back as the item commands would
// write it.
#include <windows.h>

#include <optional>
#include <string>

#include "formats/item_csv.h"
#include "item_editor.h"
#include "platform/win_cp932_codec.h"
#include "win32/csv_files.h"

namespace {

// The owner table beside the item table: the open save file's, or none.
std::optional<ItemOwnerImage> Owners() {
  if (!IsImageOpen(Image(SAVE_SLOT))) return std::nullopt;
  return ItemOwnerImage{ImageBytes(SAVE_SLOT), g_item_editor.roster, g_item_editor.roster_positions};
}

}  // namespace

void ExportItemsToCsv(HWND dialog) {
  PathChar path[PATH_CAPACITY];
  if (!ChooseCsvTarget(dialog, path)) return;
  const std::optional<ItemOwnerImage> owners = Owners();
  WinCp932Codec codec;
  WriteCsvFileReporting(dialog, path, ExportItemCsv(ImageBytes(SCENARIO_SLOT), owners ? &*owners : nullptr, codec));
}

// Nothing is written unless every cell passed.
void ImportItemsFromCsv(HWND dialog) {
  std::string file;
  if (!ChooseAndReadCsvFile(dialog, file)) return;
  const std::optional<ItemOwnerImage> owners = Owners();
  WinCp932Codec codec;
  const CsvImportResult result =
      ImportItemCsv(ImageBytes(SCENARIO_SLOT), owners ? &*owners : nullptr, file, codec);
  if (result.ok) {
    if (result.table_image_changed) {
      MarkChanged(Image(SCENARIO_SLOT));
      RewriteItemRows(dialog);
      ShowCurrentItem(dialog);
    }
    if (result.owner_image_changed) {
      MarkChanged(Image(SAVE_SLOT));
      ShowCurrentOwner(dialog);
    }
  }
  ShowCsvImportResult(dialog, result);
}
