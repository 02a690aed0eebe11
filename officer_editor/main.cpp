// Quillmere's entry point: the dialog and its message loop.
#include <windows.h>

#include "image_dialogs.h"
#include "officer_editor.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND dialog = CreateOfficerDialog(instance);
  if (dialog == nullptr) {
    MessageBoxA(nullptr, "ウィンドウハンドルの確保に失敗しました。", WARNING_CAPTION, MB_ICONWARNING);
    return 0;
  }
  // The loop uses the W functions: under Wine an A loop garbles double-byte characters typed into
  // the edits, while the W loop delivers them intact to the same ANSI dialog.
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0)) {
    if (IsDialogMessageW(dialog, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
