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
#define IDR_EDIT_KEYS 200               // the accelerators of both programs
#define IDS_UNDO 160                    // the entry while there is nothing to undo
#define IDS_REDO 161
#define IDS_UNDO_STEP 162               // "%1": the command's name, "%2": the records it touched
#define IDS_REDO_STEP 163
// The table window (win32/table_window.cpp): 表示 › 一覧表 and 絞り込み, their keys and texts.
#define ID_VIEW_TABLE 40110
#define ID_VIEW_FILTER 40111
#define IDS_TABLE_TITLE 170             // "%1": the rows shown, "%2": the records
#define IDS_SELECT_SHOWN 171
#define IDS_FILTER_CUE 172              // the filter box's hint while it is empty
#define IDS_FILTER_NOT_CP932 173
// Why a filter condition was left out: IDS_FILTER_PROBLEM + the problem's number (FilterProblem,
// from 1); "%1" is the condition as typed.
#define IDS_FILTER_PROBLEM 174
