// Quillmere, the officer editor: its process-wide state and the handlers of its dialog.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <array>
#include <span>
#include <vector>

#include "formats/data_image.h"
#include "model/display_order.h"
#include "model/roster.h"
#include "win32/edit_steps.h"
#include "win32/kana_binding.h"
#include "win32/list_rows.h"
#include "win32/table_window.h"

// Everything the program keeps for its whole life.
struct OfficerEditorState {
  DataFileImage save;          // the save image; its path is empty while no save file is open
  OfficerRoster roster;        // rebuilt on every successful open
  DisplayOrder order;          // list row -> officer; a permutation of the roster
  KanaJumpBinding list_jump;   // list box 1000's own procedure, behind the kana quick-jump
  EditSteps steps;             // undo and redo of the commands that change the save image
  TableWindow table;           // 表示 › 一覧表: a row per roster officer, in roster order
};
extern OfficerEditorState g_officer_editor;

// Creates the modeless dialog IDD_DIALOG1 (WM_INITDIALOG runs inside); nullptr on failure.
HWND CreateOfficerDialog(HINSTANCE instance);
INT_PTR CALLBACK OfficerDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);

// A snapshot of the officer list's selection and top row, taken before rows change: the officer
// of each selected row, in ascending row order.
struct OfficerSelection {
  ListSelection list;
  std::array<OfficerId, ROSTER_CAPACITY> ids;
  int32_t count;
};

// The officer list (list box 1000): order, rows and selection.
void RefreshOfficerList(HWND dialog, SortMode mode);
// Writes every row again from the save image, in the same order, keeping the selected officers
// and the top row (after names changed outside the update commands).
void RewriteOfficerRows(HWND dialog);
void CaptureOfficerSelection(HWND list, OfficerSelection& selection);
void RestoreOfficerSelection(HWND list, const OfficerSelection& selection);
void SelectAllOfficers(HWND dialog);
void InvertOfficerSelection(HWND dialog);
// Puts the full name of `id` into row `row` of the list (LB_INSERTSTRING).
void InsertOfficerRow(HWND list, int32_t row, OfficerId id);
// The list's state for an undo step: the top row, the caret row's officer (-1: none), then the
// selected officers; shown again, after the rows are written anew, in whatever order is shown then.
std::vector<int32_t> CaptureOfficerView(HWND dialog);
void ShowOfficerView(HWND dialog, std::span<const int32_t> view);
// The kana quick-jump over the list's rows; true when the key moved the list.
bool JumpOfficerList(HWND list, WPARAM key);

// The table window's records (the roster officers, by roster position) and how they map to the list.
extern const TableProgram OFFICER_TABLE;

// The eleven update commands, buttons 1003 to 1013.
void UpdateFamilyName(HWND dialog);
void UpdateGivenName(HWND dialog);
void UpdateCourtesyName(HWND dialog);
void UpdateReading(HWND dialog);
void UpdateFaceNumber(HWND dialog);
void UpdateBirthYear(HWND dialog);
void UpdateLifeSpan(HWND dialog);
void UpdateLoyalty(HWND dialog);
void UpdateAbility(HWND dialog);
void UpdateSkill(HWND dialog);
void UpdateTacticRank(HWND dialog);

// File menu.
void OpenSaveFile(HWND dialog);
void SaveSaveFileAs(HWND dialog);
void OverwriteSaveFile(HWND dialog);
void CloseSaveFile(HWND dialog);
void CloseOfficerEditor(HWND dialog);
// File menu, after the separator: the officer table of the open save file as a CSV file.
void ExportOfficersToCsv(HWND dialog);
void ImportOfficersFromCsv(HWND dialog);
// A save file dropped on the window, named on the command line or picked from the File menu's
// recent files (menu command `command`) opens as the File menu's open does.
void OpenDroppedSaveFile(HWND dialog, HDROP drop);
void OpenRecentSaveFile(HWND dialog, int command);
void OpenCommandLineSaveFile(HWND dialog);
// "<file name> - Quillmere", with "*" while the save image holds unsaved changes.
void ShowOfficerEditorTitle(HWND dialog);
// What every command ends with: the title, the Edit menu and the status line's selection count.
void ShowOfficerEditorState(HWND dialog);
