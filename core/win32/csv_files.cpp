// Choosing, writing and reading the CSV files of the tables, and the boxes about an import.
#include "win32/csv_files.h"

#include <cstdint>
#include <span>

#include "platform/win_text_boundary.h"
#include "win32/csv_messages.h"
#include "win32/image_dialogs.h"
#include "win32/shared_strings.h"
#include "win32/status_line.h"
#include "win32/string_table.h"

namespace {

// A box about a CSV file: its path, a line feed and the fixed text.
std::wstring AboutFile(const PathChar* path, const std::wstring& text) { return std::wstring(path) + L"\n" + text; }

}  // namespace

int ChooseCsvTarget(HWND owner, PathChar (&path)[PATH_CAPACITY]) { return ChooseSaveFile(owner, path, CSV_FILES); }

int WriteCsvFileReporting(HWND owner, const PathChar* path, std::string_view bytes) {
  const std::span<const uint8_t> data(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  const StoreResult result = StoreWholeFile(path, data);
  if (result == StoreResult::Stored) return 1;
  ShowWarningText(owner, AboutFile(path, LoadText(IDS_CSV_WRITE_FAILED) + L"\n" + StoreFailureReason(result, true)));
  return 0;
}

int ChooseAndReadCsvFile(HWND owner, std::string& bytes) {
  PathChar path[PATH_CAPACITY];
  if (!ChooseOpenFile(owner, path, CSV_FILES)) return 0;
  switch (ReadWholeFile(path, static_cast<size_t>(CSV_FILE_LIMIT_MB) << 20, bytes)) {
    case WholeReadResult::Read: return 1;
    case WholeReadResult::TooLarge:
      ShowWarningText(owner, AboutFile(path, FormatText(IDS_CSV_TOO_LARGE, CSV_FILE_LIMIT_MB)));
      break;
    case WholeReadResult::CannotOpen: ShowWarningText(owner, AboutFile(path, LoadText(IDS_CSV_READ_FAILED))); break;
  }
  bytes.clear();
  return 0;
}

void ShowCsvImportResult(HWND owner, const CsvImportResult& result, const std::wstring& note) {
  if (!result.ok) {
    ShowWarningText(owner, CsvProblemsMessage(result));
    return;
  }
  std::wstring text = CsvChangesMessage(result);
  ShowStatusText(owner, text);
  if (!note.empty()) text += L"\n" + note;
  MessageBoxW(owner, text.c_str(), LoadText(IDS_CSV_IMPORTED_CAPTION).c_str(), MB_OK | MB_ICONINFORMATION);
}
