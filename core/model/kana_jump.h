// Kana quick-jump: a key of the JIS kana keyboard layout, released over an officer list, scrolls
// the list to the next block of officers whose reading starts with that key's kana. One search
// serves the officer editor's list box and the item editor's owner combo box; each supplies its
// rows and its top row through KanaJumpList.
#pragma once

#include <cstdint>
#include <span>

#include "model/officer_tables.h"

constexpr int32_t KANA_KEY_COUNT = 45;

// Entry i pairs the virtual-key code key_codes[i] with the half-width katakana kana[i], which is
// the byte 0xB1 + i (ｱ to ﾝ). Small kana, ｦ, the voicing marks and ｰ have no key.
struct KanaJumpTable {
  uint8_t key_codes[KANA_KEY_COUNT];
  char kana[KANA_KEY_COUNT + 1];  // NUL-terminated
};
extern const KanaJumpTable KANA_JUMP_TABLE;

constexpr uint8_t NO_KANA = 0;

// The kana byte of a key, or NO_KANA when the key is not in the table. Only the low byte of the
// code is compared, so a table key counts whatever the higher bits hold.
uint8_t KanaOfKey(uintptr_t key_code);

// What KanaJump needs of a list. Rows 0 to RowCount() - 1 are searched; the control may have
// further rows after them (the owner list's "なし") that are never examined.
class KanaJumpList {
 public:
  // False while no save file is open: every key then passes through.
  virtual bool FileOpen() = 0;
  virtual int32_t RowCount() = 0;
  virtual int32_t TopRow() = 0;
  // Asks the control to make `row` its top row; it may stop short at its last full page.
  virtual void SetTopRow(int32_t row) = 0;
  // The first byte of the reading of the officer shown in `row` (0 <= row < RowCount()).
  virtual uint8_t FirstReadingByte(int32_t row) = 0;
  // Called once after a jump that moved the top row, with the row that was searched for.
  virtual void AfterJump(int32_t row) { (void)row; }

 protected:
  ~KanaJumpList() = default;
};

// Rows are officers of a save image: row r shows officer rows[r]. `save` holds the bytes of the
// open save file, or none while no file is open. Still abstract: the control's top row is the
// binding's part.
class OfficerKanaJumpList : public KanaJumpList {
 public:
  OfficerKanaJumpList(std::span<const uint8_t> save, std::span<const OfficerId> rows)
      : save_(save), rows_(rows) {}
  bool FileOpen() override;
  int32_t RowCount() override;
  uint8_t FirstReadingByte(int32_t row) override;

 protected:
  ~OfficerKanaJumpList() = default;

 private:
  std::span<const uint8_t> save_;
  std::span<const OfficerId> rows_;
};

// Handles one key release. Scans forward from the top row, passing over the block of matching
// rows the view starts with and wrapping at the end, and makes the first further match the top
// row. When the view cannot move (the list is at its end and the match lies in the last page),
// goes instead to the first match above the top row. True when the top row changed; the key is
// then consumed, otherwise it belongs to the control.
bool KanaJump(KanaJumpList& list, uintptr_t key_code);
