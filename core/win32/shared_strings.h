// Ids of the texts that the shared Win32 layer shows: both programs' string tables hold them
// (shared_strings.rc). The programs' own ids start at 1000.
#pragma once

#define IDS_WARNING_CAPTION 100         // "警告"
#define IDS_SAVE_QUESTION_CAPTION 101   // "データの保存"
#define IDS_LOAD_FAILED 102
#define IDS_UNSAVED_CHANGES 105
#define IDS_SAVE_FILE_FILTER 106        // the file dialogs' filter, its parts separated by "|"
#define IDS_SAVE_FILE_EXTENSION 107
#define IDS_NO_WINDOW 108
#define IDS_CHARACTER_NOT_STORABLE 109  // a typed character code page 932 cannot hold
#define IDS_CHANGED_ON_DISK 110         // the question before overwriting a file changed on disk
#define IDS_BACKUP_FAILED 111
#define IDS_PATH_TOO_LONG 112
#define IDS_PROGRAM_NAME 113            // each program's own, in its string table
#define IDS_CSV_FILE_FILTER 114         // the CSV file dialogs' filter, its parts separated by "|"
#define IDS_CSV_FILE_EXTENSION 115
#define IDS_CSV_WRITE_FAILED 116        // after the CSV file's path and a line feed
#define IDS_CSV_READ_FAILED 117         // after the CSV file's path and a line feed
#define IDS_CSV_TOO_LARGE 118           // "%d": the largest size read, in MB
#define IDS_CSV_IMPORTED_CAPTION 119    // the caption of the box that tells what an import changed
