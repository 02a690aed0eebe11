// Varnholt, the item editor: its process-wide state and the handlers of its dialog.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <span>
#include <vector>

#include "formats/data_image.h"
#include "model/item_table.h"
#include "model/roster.h"
#include "win32/edit_steps.h"
#include "win32/kana_binding.h"
#include "win32/list_rows.h"
#include "win32/table_window.h"

// The two data images, by slot number.
constexpr int SCENARIO_SLOT = 0;  // "D_SCE.S8", loaded at start-up and required
constexpr int SAVE_SLOT = 1;      // a save file, opened from the File menu; empty path while none is open

// Everything the program keeps for its whole life.
struct ItemEditorState {
  DataFileImage images[2];              // indexed by SCENARIO_SLOT and SAVE_SLOT
  int32_t current_item;                 // the item the field controls show: the item list's caret row
  OfficerRoster roster;                 // the owner list's officers, rebuilt on every successful open
  RosterPositionMap roster_positions;   // officer id -> owner list row, for the officers of `roster`
  KanaJumpBinding owner_jump;           // combo box 1019's own procedure, behind the kana quick-jump
  EditSteps steps;                      // undo and redo over both images, image k the slot k
  TableWindow table;                    // 表示 › 一覧表: a row per item, with its owner while a save file is open
};
extern ItemEditorState g_item_editor;

inline DataFileImage& Image(int slot) { return g_item_editor.images[slot]; }
inline std::span<uint8_t> ImageBytes(int slot) { return ImageBytes(Image(slot)); }

// How start-up ended.
enum class ItemEditorStart {
  Running,             // the dialog is shown
  NoWindow,            // the dialog could not be made; nothing has been shown
  ScenarioUnreadable,  // the scenario file could not be read: shown, and the dialog destroyed
};

// Creates the modeless dialog IDD_DIALOG1; start-up (WM_INITDIALOG) runs inside. nullptr when no
// dialog is running, with the reason in `start` when it is given.
HWND CreateItemDialog(HINSTANCE instance, ItemEditorStart* start = nullptr);
INT_PTR CALLBACK ItemDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
// The kana quick-jump over the owner list's officers; true when the key moved the list.
bool JumpOwnerList(HWND combo, WPARAM key);

// Reads the scenario file at start-up; false after its failure has been shown, ending with `note`.
bool LoadScenarioFile(HWND dialog, const std::wstring& note);

// File menu.
void OpenSaveFile(HWND dialog);
void SaveSaveFileAs(HWND dialog);
// セーブデータの新規保存 after its file dialog chose `path`.
void SaveSaveFileTo(HWND dialog, const wchar_t* path);
void OverwriteSaveFile(HWND dialog);
void CloseSaveFile(HWND dialog);
void OverwriteScenarioFile(HWND dialog);
void CloseItemEditor(HWND dialog);
// File menu, after the separator: the item table, with the owners while a save file is open, as a
// CSV file.
void ExportItemsToCsv(HWND dialog);
void ImportItemsFromCsv(HWND dialog);
// A save file dropped on the window or named on the command line opens as the File menu's does.
void OpenDroppedSaveFile(HWND dialog, HDROP drop);
void OpenRecentSaveFile(HWND dialog, int command);  // a recent entry of the File menu
void OpenCommandLineSaveFile(HWND dialog);
// "D_SCE.S8* / work3.sav - Varnholt": each open file's name, "*" after each that holds changes.
void ShowItemEditorTitle(HWND dialog);
// Ctrl+S (ID_FILE_STORE_CHANGED): stores the save file when one is open and changed, else the
// scenario file; the File menu shows the key beside the entry it would run (ShowStoreKey).
void StoreChangedFile(HWND dialog);
// What every command ends with: the title, the File and Edit menus and the selection's count.
void ShowItemEditorState(HWND dialog);
void ShowStoreKey(HWND dialog);

// Selects the rows of `selection` again, puts the caret on the current item and the top row back.
void RestoreItemSelection(HWND list, const ListSelection& selection);

// Inserts the row of `item` at its place in the item list: its name as stored, up to the NUL.
void InsertItemRow(HWND list, int32_t item);
// Writes every row of the item list again from the scenario image, keeping the selection, the
// caret and the top row.
void RewriteItemRows(HWND dialog);

// The item list's state for an undo step: the top row, the current item, then the selected rows;
// shown again after the rows, the current item's fields and its owner are written anew.
std::vector<int32_t> CaptureItemView(HWND dialog);
void ShowItemView(HWND dialog, std::span<const int32_t> view);

// Views of the current item.
void ShowCurrentItem(HWND dialog);
void ShowCurrentOwner(HWND dialog);
// The item list's selection change: the caret row becomes the current item.
void ChangeCurrentItem(HWND dialog);

// The table window's records (the items) and how they map to the item list.
extern const TableProgram ITEM_TABLE;

// Item commands.
void SelectAllItems(HWND dialog);
void InvertItemSelection(HWND dialog);
void UpdateItemName(HWND dialog);
void UpdateItemType(HWND dialog);
void UpdateItemImage(HWND dialog);
void UpdateItemPrice(HWND dialog);
void UpdateItemIncrease(HWND dialog);
void UpdateItemSkill(HWND dialog);
void UpdateItemOwner(HWND dialog);
void UpdateAllFields(HWND dialog);
void InitializeItems(HWND dialog);
