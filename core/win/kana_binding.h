// The kana quick-jump bound to the two controls that carry it: the officer editor's list box and
// the item editor's owner combo box (a drop-down list).
#pragma once

#include <windows.h>

#include "kana_jump.h"

// A list box whose row r shows officer rows[r].
class ListBoxKanaJump final : public OfficerKanaJumpList {
 public:
  ListBoxKanaJump(HWND list, const DataFileImage& save, std::span<const OfficerId> rows)
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
  ComboBoxKanaJump(HWND combo, const DataFileImage& save, std::span<const OfficerId> rows)
      : OfficerKanaJumpList(save, rows), combo_(combo) {}
  int32_t TopRow() override;
  void SetTopRow(int32_t row) override;
  void AfterJump(int32_t row) override;

 private:
  HWND combo_;
};
