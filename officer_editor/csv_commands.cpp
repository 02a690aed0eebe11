// Quillmere's CSV commands: the officer table of the open save file written to a CSV file, and an
// edited copy read back into the save image as the update commands would write it.
#include <windows.h>

#include <span>
#include <string>

#include "formats/officer_csv.h"
#include "officer_editor.h"
#include "platform/win_cp932_codec.h"
#include "quillmere_resource.h"
#include "win32/csv_files.h"
#include "win32/string_table.h"

void ExportOfficersToCsv(HWND dialog) {
  if (!IsImageOpen(g_officer_editor.save)) return;
  PathChar path[PATH_CAPACITY];
  if (!ChooseCsvTarget(dialog, path)) return;
  WinCp932Codec codec;
  WriteCsvFileReporting(dialog, path, ExportOfficerCsv(ImageBytes(g_officer_editor.save), g_officer_editor.roster, codec));
}

// Nothing is written unless every cell passed. The rows keep their order even where a reading
// changed: the list is sorted only by the Sort menu. A birth year is written as the file gives it:
// "禁老化" is the update button's rule, and when it is checked the result says it was not used.
void ImportOfficersFromCsv(HWND dialog) {
  if (!IsImageOpen(g_officer_editor.save)) return;
  std::string file;
  if (!ChooseAndReadCsvFile(dialog, file)) return;
  WinCp932Codec codec;
  const CsvImportResult result = ImportOfficerCsv(ImageBytes(g_officer_editor.save), g_officer_editor.roster, file, codec);
  if (result.ok && result.table_image_changed) {
    MarkChanged(g_officer_editor.save);
    RewriteOfficerRows(dialog);
  }
  std::wstring note;
  if (result.ok && BirthYearsChanged(result) > 0 && IsDlgButtonChecked(dialog, IDC_NO_AGING) == BST_CHECKED) {
    note = LoadText(IDS_CSV_NO_AGING_NOT_USED);
  }
  ShowCsvImportResult(dialog, result, note);
}
