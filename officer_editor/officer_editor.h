// Quillmere, the officer editor: its process-wide state and the handlers of its dialog.
#pragma once

#include <windows.h>

#include "data_image.h"
#include "roster.h"

// Everything the program keeps for its whole life.
struct OfficerEditorState {
  DataFileImage save;          // the save image; its path is empty while no save file is open
  OfficerRoster roster;        // rebuilt on every successful open
  WNDPROC previous_list_proc;  // list box 1000's own procedure, behind OfficerListProc
};
extern OfficerEditorState g_officer_editor;

// Creates the modeless dialog IDD_DIALOG1 (WM_INITDIALOG runs inside); nullptr on failure.
HWND CreateOfficerDialog(HINSTANCE instance);
INT_PTR CALLBACK OfficerDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK OfficerListProc(HWND list, UINT message, WPARAM wparam, LPARAM lparam);

// The save image operations in this program's form and wording.
int LoadDataImage(HWND dialog);
int StoreDataImage(HWND dialog);
int AskSaveChanges(HWND dialog);

// File menu.
void OpenSaveFile(HWND dialog);
void SaveSaveFileAs(HWND dialog);
void OverwriteSaveFile(HWND dialog);
void CloseSaveFile(HWND dialog);
