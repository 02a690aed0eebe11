// The status line at the bottom of both programs' windows: how many rows of the list are selected,
// and what the last command did. The window grows by the line's height, so no control moves.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#define IDC_STATUS_LINE 1090  // its first part; the second is 1091

// Creates the line under the dialog's controls; the dialog's window grows to hold it.
void CreateStatusLine(HWND dialog);
// "選択 12 / 703 人": the selected rows of list box `list_id` and all its rows, by the program's
// IDS_SELECTION_STATUS. Written only when it changed.
void ShowSelectionStatus(HWND dialog, int list_id);
// What a command did, in the line's second part.
void ShowStatusText(HWND dialog, const std::wstring& text);
// How many times ShowStatusText has run: a caller that sees it unchanged after a command knows the
// command said nothing itself.
uint32_t StatusTextCount();
