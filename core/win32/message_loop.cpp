// The message loop of both programs.
#include "win32/message_loop.h"

#include "platform/win_text_boundary.h"
#include "win32/shared_strings.h"
#include "win32/string_table.h"

void ReportNoWindow() {
  MessageBoxW(nullptr, LoadText(IDS_NO_WINDOW).c_str(), LoadText(IDS_WARNING_CAPTION).c_str(), MB_ICONWARNING);
}

// The loop uses the W functions, as the dialog and its controls are UTF-16 windows: an A loop
// would pass typed characters through the system's ANSI code page.
DialogKeys LoadDialogKeys() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  return {LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_PROGRAM_KEYS)),
          LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_EDIT_KEYS))};
}

int RunDialogMessageLoop(HWND dialog) {
  const DialogKeys keys = LoadDialogKeys();
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0)) DispatchDialogMessage(dialog, keys, message);
  return static_cast<int>(message.wParam);
}

namespace {

bool IsTextField(HWND window) {
  wchar_t name[16] = L"";
  return window != nullptr && GetClassNameW(window, name, 16) > 0 && lstrcmpiW(name, L"Edit") == 0;
}

// The keys of the View menu (Ctrl+T, Ctrl+F) are no text editing keys: they reach the dialog from
// a text field too.
bool IsViewKey(const MSG& message) {
  return message.message == WM_KEYDOWN && (message.wParam == 'T' || message.wParam == 'F') && GetKeyState(VK_CONTROL) < 0;
}

}  // namespace

// The dialog's accelerators act from its owned windows too (the table window); each window gets its
// own dialog keys (Tab between its controls).
void DispatchDialogMessage(HWND dialog, const DialogKeys& keys, MSG& message) {
  if (keys.program != nullptr && TranslateAcceleratorW(dialog, keys.program, &message)) return;
  if (keys.edit != nullptr && (!IsTextField(GetFocus()) || IsViewKey(message)) &&
      TranslateAcceleratorW(dialog, keys.edit, &message)) {
    return;
  }
  HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (root != nullptr && root != dialog && GetWindow(root, GW_OWNER) == dialog && IsDialogMessageW(root, &message)) return;
  if (IsDialogMessageW(dialog, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}
