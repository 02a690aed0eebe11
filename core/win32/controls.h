// Small Win32 helpers shared by both programs: texts of controls in Shift-JIS, switching a list's
// drawing off around many-row changes, and subclassing a control.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The whole text of a dialog control as Shift-JIS bytes, read whole so that callers cut it at
// character boundaries in bytes. False when the control holds a character that code page 932
// cannot hold: the caller refuses the input (see WarnNotStorable).
bool ReadControlText(HWND dialog, int control_id, std::string& text);
// The warning for such an input, in the editors' style; `caption_id` as ShowWarning's.
void WarnNotStorable(HWND dialog, UINT caption_id = 0);

// The text a control shows, as it shows it (an edit's text, a drop-down list's chosen entry).
std::wstring ShownText(HWND dialog, int control_id);

// Shows Shift-JIS bytes as the control's text.
void SetControlText(HWND dialog, int control_id, std::string_view text);

// WM_SETREDRAW: drawing off before many rows change, on again afterwards (which repaints).
void SetRedraw(HWND control, bool on);

// Installs `procedure` as the control's window procedure (GWL_WNDPROC) and returns the previous one.
WNDPROC SubclassControl(HWND control, WNDPROC procedure);
