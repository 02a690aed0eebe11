// Top rows of the two controls of the kana quick-jump.
#include "win32/kana_binding.h"

#include "win32/controls.h"

int32_t ListBoxKanaJump::TopRow() { return static_cast<int32_t>(SendMessageW(list_, LB_GETTOPINDEX, 0, 0)); }

void ListBoxKanaJump::SetTopRow(int32_t row) { SendMessageW(list_, LB_SETTOPINDEX, row, 0); }

int32_t ComboBoxKanaJump::TopRow() { return static_cast<int32_t>(SendMessageW(combo_, CB_GETTOPINDEX, 0, 0)); }

// Wine ignores CB_SETTOPINDEX (it answers 0 and the top row stays), while CB_SETCURSEL scrolls a
// closed drop-down list to the chosen row. So where the top row did not move although it should
// have, the row is chosen instead; if even that leaves the view where it was, the previous choice
// is put back, because a jump that did not move the view changes nothing.
void ComboBoxKanaJump::SetTopRow(int32_t row) {
  int32_t before = TopRow();
  SendMessageW(combo_, CB_SETTOPINDEX, row, 0);
  if (TopRow() != before || row == before) return;
  LRESULT choice = SendMessageW(combo_, CB_GETCURSEL, 0, 0);
  SendMessageW(combo_, CB_SETCURSEL, row, 0);
  if (TopRow() == before) SendMessageW(combo_, CB_SETCURSEL, choice, 0);
}

void ComboBoxKanaJump::AfterJump(int32_t row) { SendMessageW(combo_, CB_SETCURSEL, row, 0); }

namespace {

// The binding rides in the control's GWLP_USERDATA, which list and combo boxes leave to the
// program: it is read on every message, and a window property would cost a trip to the Wine
// server each time (filling 1,000 rows took 6 times as long).
// A key pressed with Ctrl or Alt held is a shortcut (Ctrl+Z), never a kana.
bool ModifierHeld() { return GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0; }

LRESULT CALLBACK KanaJumpControlProc(HWND control, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* binding = reinterpret_cast<KanaJumpBinding*>(GetWindowLongPtrW(control, GWLP_USERDATA));
  if (message == WM_KEYUP && !ModifierHeld() && binding->jump(control, wparam)) return 0;
  return CallWindowProcW(binding->previous, control, message, wparam, lparam);
}

}  // namespace

void BindKanaJump(HWND control, KanaJumpBinding& binding) {
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&binding));
  binding.previous = SubclassControl(control, KanaJumpControlProc);
}
