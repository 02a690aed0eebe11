// The message loop of both programs.
#include "message_loop.h"

#include "image_dialogs.h"

void ReportNoWindow() {
  MessageBoxA(nullptr, "ウィンドウハンドルの確保に失敗しました。", WARNING_CAPTION, MB_ICONWARNING);
}

// The loop uses the W functions: under Wine an A loop garbles double-byte characters typed into
// the edits, while the W loop delivers them intact to the same ANSI dialog.
int RunDialogMessageLoop(HWND dialog) {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0)) {
    if (IsDialogMessageW(dialog, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
