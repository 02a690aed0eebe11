// The CSV files of both programs' tables on the Win32 side: writing a table to the file the user
// chose, reading a file back, and the boxes that tell what an import did. What the rows hold is the
// core's (officer_csv.h, item_csv.h); a program's handlers pass its images through here.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "formats/csv_table.h"
#include "formats/data_image.h"

// The largest CSV file read, in MB: far more than an export of either table (a few hundred KB).
constexpr int CSV_FILE_LIMIT_MB = 16;

// Asks where to write a CSV file; 1 with the path chosen, 0 when cancelled (or refused, shown).
int ChooseCsvTarget(HWND owner, PathChar (&path)[PATH_CAPACITY]);
// Writes the CSV file through a temporary and one rename, as a store does; 1 when written, 0 after
// a failure, which has been shown (the file on disk is as it was).
int WriteCsvFileReporting(HWND owner, const PathChar* path, std::string_view bytes);

// Asks for a CSV file to read and reads it whole; 1 with its bytes, 0 when cancelled or when it
// could not be read or is larger than CSV_FILE_LIMIT_MB (shown).
int ChooseAndReadCsvFile(HWND owner, std::string& bytes);

// What an import did: the problems that stopped it in a warning, or what it changed followed by
// `note` on a line of its own when that is not empty.
void ShowCsvImportResult(HWND owner, const CsvImportResult& result, const std::wstring& note = {});
