// Small Win32 helpers shared by both programs.
#include "win32/controls.h"

#include "platform/win_text_boundary.h"
#include "win32/image_dialogs.h"
#include "win32/shared_strings.h"

bool ReadControlText(HWND dialog, int control_id, std::string& text) {
  HWND control = GetDlgItem(dialog, control_id);
  const int length = GetWindowTextLengthW(control);
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(control, wide.data(), length + 1);
  wide.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return Cp932FromWide(wide, text);
}

void WarnNotStorable(HWND dialog, UINT caption_id) { ShowWarning(dialog, IDS_CHARACTER_NOT_STORABLE, caption_id); }

void SetControlText(HWND dialog, int control_id, std::string_view text) {
  SetDlgItemTextW(dialog, control_id, WideFromCp932(text).c_str());
}

void SetRedraw(HWND control, bool on) {
  SendMessageW(control, WM_SETREDRAW, on ? TRUE : FALSE, 0);
  if (on) InvalidateRect(control, nullptr, TRUE);
}

// In the 32-bit programs these are GetWindowLongW and SetWindowLongW with GWL_WNDPROC.
WNDPROC SubclassControl(HWND control, WNDPROC procedure) {
  auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(control, GWLP_WNDPROC));
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
  return previous;
}

std::wstring ShownText(HWND dialog, int control_id) {
  HWND control = GetDlgItem(dialog, control_id);
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}
