// Varnholt's entry point: the dialog and its message loop.
#include <windows.h>

#include "item_editor.h"
#include "win32/message_loop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  ItemEditorStart start = ItemEditorStart::NoWindow;
  HWND dialog = CreateItemDialog(instance, &start);
  if (dialog == nullptr) {
    // An unreadable scenario file has been reported by the start-up itself; the program just ends.
    if (start == ItemEditorStart::NoWindow) ReportNoWindow();
    return 0;
  }
  OpenCommandLineSaveFile(dialog);
  ShowItemEditorState(dialog);
  return RunDialogMessageLoop(dialog);
}
