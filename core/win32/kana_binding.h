// The kana quick-jump bound to the two controls that carry it: the officer editor's list box and
// the item editor's owner combo box (a drop-down list).
#pragma once

#include <windows.h>

#include "model/kana_jump.h"

// A list box whose row r shows officer rows[r].
class ListBoxKanaJump final : public OfficerKanaJumpList {
 public:
  ListBoxKanaJump(HWND list, std::span<const uint8_t> save, std::span<const OfficerId> rows)
      : OfficerKanaJumpList(save, rows), list_(list) {}
  int32_t TopRow() override;
  void SetTopRow(int32_t row) override;

 private:
  HWND list_;
};

// A drop-down combo box whose row r shows officer rows[r] (its last row, "なし", is not searched).
// A successful jump makes the found officer the current choice.
class ComboBoxKanaJump final : public OfficerKanaJumpList {
 public:
  ComboBoxKanaJump(HWND combo, std::span<const uint8_t> save, std::span<const OfficerId> rows)
      : OfficerKanaJumpList(save, rows), combo_(combo) {}
  int32_t TopRow() override;
  void SetTopRow(int32_t row) override;
  void AfterJump(int32_t row) override;

 private:
  HWND combo_;
};

// A control whose key releases go to the kana quick-jump before the control sees them.
struct KanaJumpBinding {
  WNDPROC previous;                        // the control's own procedure
  bool (*jump)(HWND control, WPARAM key);  // true when the key moved the control
};

// Subclasses `control` (GWL_WNDPROC): a key release that `binding.jump` takes is consumed; every
// other message, and every key it does not take, goes on to `binding.previous`. The binding is the
// program's and outlives the control.
void BindKanaJump(HWND control, KanaJumpBinding& binding);
