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
// What a CSV import refused or changed (win32/csv_messages.cpp). "%1", "%2" and "%3" are the
// places of its values.
#define IDS_CSV_NOT_READ 120         // the first line of the refusal, before the problems
#define IDS_CSV_MORE_PROBLEMS 121    // after the problems shown: how many others
#define IDS_CSV_NO_CHANGES 122
#define IDS_CSV_CHANGES 123          // records, then values changed
#define IDS_CSV_AT_LINE 124          // where a problem lies: its line
#define IDS_CSV_IN_COLUMN 125        // where a problem lies: its column (and each column to edit instead)
#define IDS_CSV_WHERE_END 126        // between where a problem lies and why
#define IDS_CSV_HEADERLESS_COLUMN 127
#define IDS_CSV_DIVISIBLE 128        // the step of a number that must be divisible by it
// Why a problem was refused: IDS_CSV_REASON + the reason's number, in the order of CsvProblemReason.
#define IDS_CSV_REASON 130
// Undo and redo (win32/edit_steps.cpp): the Edit menu's entries, their keys and texts.
#define ID_EDIT_UNDO 40100
#define ID_EDIT_REDO 40101
#define IDR_EDIT_KEYS 200               // the accelerators a text field with the focus keeps for itself
#define IDR_PROGRAM_KEYS 201            // each program's own accelerators, wherever the focus is
#define ID_EDIT_SELECT_ALL 40102        // Ctrl+A: every row of the list
#define ID_HELP_ABOUT 40103             // F1: the About box
#define IDS_UNDO 160                    // the entry while there is nothing to undo
#define IDS_REDO 161
#define IDS_UNDO_STEP 162               // "%1": the command's name, "%2": the records it touched
#define IDS_REDO_STEP 163
// Why a load or a store failed and what to do (win32/image_dialogs.cpp), on the line after the
// program's own text.
#define IDS_WHY_NOT_FOUND 210
#define IDS_WHY_NOT_READABLE 211
#define IDS_WHY_IN_USE_LOAD 212
#define IDS_WHY_FOLDER_LOAD 213
#define IDS_WHY_TOO_SHORT 214           // "%1": the bytes a file of its kind holds
#define IDS_WHY_READ_ONLY 215           // with 名前を付けて保存 to turn to
#define IDS_WHY_READ_ONLY_IN_PLACE 216  // for a file stored only where it is
#define IDS_WHY_FOLDER_STORE 217
#define IDS_WHY_NOT_WRITABLE 218
#define IDS_WHY_IN_USE_STORE 219
#define IDS_WHY_DISK_FULL 220
#define IDS_WHY_PATH_TOO_LONG 221
#define IDS_WHY_WRITE_FAILED 222
#define IDS_WHY_NO_FOLDER 235
// The About box (win32/about_box.cpp): "%1" the program's name, "%2" its version.
#define IDS_ABOUT_CAPTION 223
#define IDS_ABOUT_TEXT 224
// The status line (win32/status_line.cpp, win32/edit_steps.cpp, win32/file_commands.cpp).
#define IDS_SELECTION_STATUS 225   // each program's own: "選択 %1 / %2 人"
#define IDS_STATUS_NO_CHANGES 226
#define IDS_STATUS_SET_VALUE 227   // "%1": the records ("12 人"), "%2": the field, "%3": its value
#define IDS_STATUS_SET_TEXT 228    // the same for a name, the value in 「」
#define IDS_STATUS_CHANGED 229     // "%1": the records, "%2": the command's name
#define IDS_STATUS_UNDONE 230      // "%1": the command's name, "%2": the records
#define IDS_STATUS_REDONE 231
#define IDS_STATUS_OPENED 232      // "%1": the file's name
#define IDS_STATUS_STORED 233
#define IDS_STATUS_NAMED_FIELD 234  // "%1「%2」": a field of a list (特技「騎射」)
// Remembered places (win32/remembered_places.cpp): the File menu's recent save files and the box
// about one that is gone.
#define ID_FILE_RECENT_FIRST 40120      // the newest; the others follow, one id each
#define ID_FILE_RECENT_LAST 40123
#define IDS_RECENT_FILE_ENTRY 170       // "%1": the entry's number (its access key), "%2": the path
#define IDS_RECENT_FILE_MISSING 171     // after the file's path and a line feed
// The table window (win32/table_window.cpp): 表示 › 一覧表 and 絞り込み, their keys and texts.
#define ID_VIEW_TABLE 40110
#define ID_VIEW_FILTER 40111
#define IDS_TABLE_TITLE 180             // each program's own: "%1": the rows shown, "%2": the records
#define IDS_SELECT_SHOWN 181
#define IDS_FILTER_CUE 182              // the filter box's hint while it is empty
#define IDS_FILTER_NOT_CP932 183
// Why a filter condition was left out: IDS_FILTER_PROBLEM + the problem's number (FilterProblem,
// from 1); "%1" is the condition as typed.
#define IDS_FILTER_PROBLEM 184
