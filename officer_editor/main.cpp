// Quillmere's entry point: the dialog and its message loop.
#include <windows.h>

#include "message_loop.h"
#include "officer_editor.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND dialog = CreateOfficerDialog(instance);
  if (dialog == nullptr) {
    ReportNoWindow();
    return 0;
  }
  OpenCommandLineSaveFile(dialog);
  ShowOfficerEditorTitle(dialog);
  return RunDialogMessageLoop(dialog);
}
