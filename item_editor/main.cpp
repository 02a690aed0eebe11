// Varnholt's entry point: the dialog and its message loop.
#include <windows.h>

#include "item_editor.h"
#include "message_loop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  HWND dialog = CreateItemDialog(instance);
  if (dialog == nullptr) {
    // An unreadable scenario file has been reported by the start-up itself; the program just ends.
    if (!g_item_editor.scenario_unreadable) ReportNoWindow();
    return 0;
  }
  return RunDialogMessageLoop(dialog);
}
