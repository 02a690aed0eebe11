// Quillmere's CSV commands: the officer table of the open save file written to a CSV file, and an
// edited copy read back into the save image as the update commands would write it.
#include <windows.h>

#include <span>
#include <string>

#include "csv_files.h"
#include "officer_csv.h"
#include "officer_editor.h"
#include "resource.h"
#include "text_boundary.h"
#include "win_cp932_codec.h"

namespace {

std::span<uint8_t> SaveBytes() {
  DataFileImage& save = g_officer_editor.save;
  return {save.data, static_cast<size_t>(save.length)};
}

}  // namespace

void ExportOfficersToCsv(HWND dialog) {
  if (!IsImageOpen(g_officer_editor.save)) return;
  PathChar path[PATH_CAPACITY];
  if (!ChooseCsvTarget(dialog, path)) return;
  WinCp932Codec codec;
  WriteCsvFileReporting(dialog, path, ExportOfficerCsv(SaveBytes(), g_officer_editor.roster, codec));
}

// Nothing is written unless every cell passed. The rows keep their order even where a reading
// changed: the list is sorted only by the Sort menu. A birth year is written as the file gives it:
// "禁老化" is the update button's rule, and when it is checked the result says it was not used.
void ImportOfficersFromCsv(HWND dialog) {
  if (!IsImageOpen(g_officer_editor.save)) return;
  std::string file;
  if (!ChooseAndReadCsvFile(dialog, file)) return;
  WinCp932Codec codec;
  const CsvImportResult result = ImportOfficerCsv(SaveBytes(), g_officer_editor.roster, file, codec);
  if (result.ok && result.table_image_changed) {
    g_officer_editor.save.dirty = 1;
    RewriteOfficerRows(dialog);
  }
  std::wstring note;
  if (result.ok && BirthYearsChanged(result) > 0 && IsDlgButtonChecked(dialog, IDC_NO_AGING) == BST_CHECKED) {
    note = LoadText(IDS_CSV_NO_AGING_NOT_USED);
  }
  ShowCsvImportResult(dialog, result, note);
}
