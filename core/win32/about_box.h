// Help › バージョン情報 (F1): the program's name, its version as its version resource gives it, and
// the license it is distributed under.
#pragma once

#include <windows.h>

#include <string>

// "1.2.0" from the program's version resource (VS_FIXEDFILEINFO); empty when it has none, as in
// the test programs that hold the dialogs.
std::wstring ProgramVersion();
void ShowAboutBox(HWND owner, UINT icon_id);
