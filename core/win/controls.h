// Small Win32 helpers both programs share: reading texts from controls, switching a list's
// drawing off around many-row changes, and subclassing a control.
#pragma once

#include <windows.h>

#include <string>

// The whole text of a dialog control, as Shift-JIS bytes. Read whole because under Wine a short
// buffer can end with half a double-byte character; callers cut at character boundaries.
std::string ReadControlText(HWND dialog, int control_id);

// WM_SETREDRAW: drawing off before many rows change, on again afterwards (which repaints).
void SetRedraw(HWND control, bool on);

// Installs `procedure` as the control's window procedure (GWL_WNDPROC) and returns the previous one.
WNDPROC SubclassControl(HWND control, WNDPROC procedure);
