// What both programs remember between runs, kept under HKCU\Software\<program name>: where the
// window was closed, the folder where the file dialogs start (that of the last file opened or
// stored), and the last save files opened or stored, listed at the end of the File menu with the
// access keys 1 to 4. The settings are read when the dialog starts and written only when a save
// file has been opened and when the program closes. The values and their checks are
// formats/program_settings.h; the registry is platform/win_settings_key.h.
#pragma once

#include <windows.h>

#include <string>

struct ImageDocument;

// "Software\<program name>" (IDS_PROGRAM_NAME), under HKEY_CURRENT_USER.
std::wstring SettingsKeyName();

// WM_INITDIALOG, before the window is shown: reads the settings (a value missing or malformed
// gives its default), puts the window where it was closed, pulled back onto a screen's work area,
// or the first time in the middle of the primary screen's, and lists the recent files in the File
// menu (the first pop-up) after the entry `last_file_entry`, behind a separator.
void RestorePlaces(HWND dialog, UINT last_file_entry);
// The program closes: the window's place, the folder and the recent files are written. Nothing is
// written when the settings were never read.
void StorePlaces(HWND dialog);

// A save file was opened (by any road): it heads the recent files, its folder is where the next
// file dialog starts, and the folder and the list are written.
void RememberOpenedFile(HWND dialog, const wchar_t* path);
// A save file was stored under a new name: the same, kept until the settings are next written.
void RememberStoredFile(HWND dialog, const wchar_t* path);
// A file chosen in a file dialog: the next dialog starts in its folder.
void RememberChosenFolder(const wchar_t* path);
// The folder the file dialogs start in; empty to leave it to the dialog.
std::wstring StartFolder();

// A recent entry of the File menu (ID_FILE_RECENT_FIRST to ID_FILE_RECENT_LAST) picked: its file
// opens as the File menu's open does (the question about unsaved changes first). A file that is no
// longer there is taken off the list, and a box names it.
void OpenRecentDocument(HWND dialog, const ImageDocument& document, UINT command);
