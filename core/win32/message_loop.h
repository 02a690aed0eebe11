// The entry point's part that both programs share: the message loop of a modeless dialog.
#pragma once

#include <windows.h>

// The box shown when the program's dialog could not be created.
void ReportNoWindow();

// The program's two accelerator tables: its own (IDR_PROGRAM_KEYS: Ctrl+O, Ctrl+S, F1...), which
// work wherever the focus is, and the shared one (IDR_EDIT_KEYS: Ctrl+Z, Ctrl+Y, Ctrl+A), whose
// keys a text field with the focus keeps for itself.
struct DialogKeys {
  HACCEL program;
  HACCEL edit;
};
DialogKeys LoadDialogKeys();

// Runs the thread's message loop for `dialog` until WM_QUIT and returns the quit message's wParam.
int RunDialogMessageLoop(HWND dialog);
// One message of that loop: the accelerators become the dialog's commands (the shared table's
// except while a text field has the focus, but for Ctrl+T and Ctrl+F, which open the table window
// and its filter); then the dialog's own keys (Tab, Enter...), or those of the window it owns that
// the message is for (the table window); then the message's window.
void DispatchDialogMessage(HWND dialog, const DialogKeys& keys, MSG& message);
