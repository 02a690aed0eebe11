// The entry point's part that both programs share: the message loop of a modeless dialog.
#pragma once

#include <windows.h>

// The box shown when the program's dialog could not be created.
void ReportNoWindow();

// Runs the thread's message loop for `dialog` until WM_QUIT and returns the quit message's wParam.
int RunDialogMessageLoop(HWND dialog);
// One message of that loop: the keys of the program's accelerator table (IDR_EDIT_KEYS) become
// the dialog's commands, except while a text field has the focus, where Ctrl+Z and the like keep
// their meaning there (Ctrl+T and Ctrl+F do not: they open the table window and its filter); then
// the dialog's own keys (Tab, Enter...), or those of the window it owns that the message is for
// (the table window); then the message's window.
void DispatchDialogMessage(HWND dialog, HACCEL keys, MSG& message);
