// The kana key table and the search behind the kana quick-jump.
#include "model/kana_jump.h"

#include <algorithm>

// The JIS kana layout: ｱ is on the 3 key, ｲ on E, and so on; 0xBA to 0xE2 are the OEM keys
// (: , ^ - ] / . ; and the ろ key).
constexpr KanaJumpTable KANA_JUMP_TABLE = {
    {0x33, 0x45, 0x34, 0x35, 0x36, 0x54, 0x47, 0x48, 0xBA, 0x42,   // ｱｲｳｴｵ ｶｷｸｹｺ
     0x58, 0x44, 0x52, 0x50, 0x43, 0x51, 0x41, 0x5A, 0x57, 0x53,   // ｻｼｽｾｿ ﾀﾁﾂﾃﾄ
     0x55, 0x49, 0x31, 0xBC, 0x4B, 0x46, 0x56, 0x32, 0xDE, 0xBD,   // ﾅﾆﾇﾈﾉ ﾊﾋﾌﾍﾎ
     0x4A, 0x4E, 0xDD, 0xBF, 0x4D, 0x37, 0x38, 0x39, 0x4F, 0x4C,   // ﾏﾐﾑﾒﾓ ﾔﾕﾖ ﾗﾘ
     0xBE, 0xBB, 0xE2, 0x30, 0x59},                                // ﾙﾚﾛ ﾜﾝ
    "\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8\xB9\xBA\xBB\xBC\xBD\xBE\xBF\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9\xDA\xDB\xDC\xDD" /* ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ */,
};

uint8_t KanaOfKey(uintptr_t key_code) {
  const uint8_t low = static_cast<uint8_t>(key_code & 0xFF);
  for (int32_t i = 0; i < KANA_KEY_COUNT; ++i) {
    if (KANA_JUMP_TABLE.key_codes[i] == low) return static_cast<uint8_t>(KANA_JUMP_TABLE.kana[i]);
  }
  return NO_KANA;
}

bool OfficerKanaJumpList::FileOpen() { return !save_.empty(); }

int32_t OfficerKanaJumpList::RowCount() { return static_cast<int32_t>(rows_.size()); }

uint8_t OfficerKanaJumpList::FirstReadingByte(int32_t row) {
  if (row < 0 || row >= RowCount()) return 0;
  const OfficerId id = rows_[static_cast<size_t>(row)];
  const auto length = static_cast<int32_t>(save_.size());
  if (id < 0 || id >= (length - NAME_TABLE_OFFSET) / NAME_RECORD_SIZE) return 0;
  return save_[static_cast<size_t>(NameFieldOffset(id, READING_FIELD))];
}

bool KanaJump(KanaJumpList& list, uintptr_t key_code) {
  if (!list.FileOpen()) return false;
  const uint8_t kana = KanaOfKey(key_code);
  if (kana == NO_KANA) return false;
  const int32_t count = list.RowCount();
  if (count <= 0) return false;
  const int32_t top = list.TopRow();

  // A top row outside the searched rows (an error result, or only trailing rows in view) starts
  // no block: the scan then runs once over every row from row 0.
  const bool top_is_row = top >= 0 && top < count;
  const int32_t start = top_is_row ? top : 0;
  bool skipping = top_is_row;
  int32_t row = start;
  for (;;) {
    const bool match = list.FirstReadingByte(row) == kana;
    if (match && !skipping) break;
    if (!match) skipping = false;
    row = row + 1 == count ? 0 : row + 1;
    if (row == start) return false;
  }

  list.SetTopRow(row);
  if (list.TopRow() != top) {
    list.AfterJump(row);
    return true;
  }

  // The view is at its end and the target already lies in its last page: go back up to the first
  // match above the top row instead.
  const int32_t above = std::min(top, count);
  for (int32_t r = 0; r < above; ++r) {
    if (list.FirstReadingByte(r) != kana) continue;
    list.SetTopRow(r);
    if (list.TopRow() == top) return false;
    list.AfterJump(r);
    return true;
  }
  return false;
}
