// Quillmere's entry point: the dialog and its message loop.
#include <windows.h>

#include "officer_editor.h"
#include "win32/message_loop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND dialog = CreateOfficerDialog(instance);
  if (dialog == nullptr) {
    ReportNoWindow();
    return 0;
  }
  OpenCommandLineSaveFile(dialog);
  ShowOfficerEditorState(dialog);
  return RunDialogMessageLoop(dialog);
}
