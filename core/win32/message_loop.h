// The entry point's part that both programs share: the message loop of a modeless dialog.
#pragma once

#include <windows.h>

// The box shown when the program's dialog could not be created.
void ReportNoWindow();

// Runs the thread's message loop for `dialog` until WM_QUIT and returns the quit message's wParam.
int RunDialogMessageLoop(HWND dialog);
