// Small Win32 helpers shared by both programs.
#include "controls.h"

std::string ReadControlText(HWND dialog, int control_id) {
  HWND control = GetDlgItem(dialog, control_id);
  int length = GetWindowTextLengthA(control);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(control, text.data(), length + 1);
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

void SetRedraw(HWND control, bool on) {
  SendMessageA(control, WM_SETREDRAW, on ? TRUE : FALSE, 0);
  if (on) InvalidateRect(control, nullptr, TRUE);
}

// In the 32-bit programs these are GetWindowLongA and SetWindowLongA with GWL_WNDPROC.
WNDPROC SubclassControl(HWND control, WNDPROC procedure) {
  auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(control, GWLP_WNDPROC));
  SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  return previous;
}
