// A sample save whose officer 7 holds bytes no command writes, for the tests of what is shown.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "image_bytes.h"
#include "model/item_table.h"
#include "model/officer_tables.h"
#include "sample_data.h"
#include "sjis_text.h"

// The sample save with officer 7's record holding what no command writes: names without a NUL,
// bytes code page 932 has no character for, a control character, rank nibbles no rank stands for,
// numbers beyond the entries' ranges.
inline std::vector<uint8_t> OddSave() {
  using namespace std::string_literals;
  std::vector<uint8_t> save = MakeSampleSave();
  PutBytes(save, NameFieldOffset(7, FAMILY_NAME_FIELD), Sjis("あい") + "\x83");
  PutBytes(save, NameFieldOffset(7, GIVEN_NAME_FIELD), "\x80X\xFF\0 "s);
  PutBytes(save, NameFieldOffset(7, COURTESY_NAME_FIELD), "\ta\0  "s);
  PutBytes(save, NameFieldOffset(7, READING_FIELD), Sjis("ｱｲｳｴｵｶｷｸｹｺｻ"));
  PutBytes(save, NameFieldOffset(7, FULL_NAME_FIELD), "\x81 \xF0\x9A\0    "s);
  PutBytes(save, NameFieldOffset(7, BIRTH_YEAR_FIELD), "\xFF\xFF"s);
  PutBytes(save, NameFieldOffset(7, FACE_NUMBER_FIELD), "\xFF\xFF"s);
  PutBytes(save, AttributeOffset(LOYALTY_OFFSET, 7), "\xC8"s);
  PutBytes(save, AttributeOffset(TACTIC_RANKS_OFFSET, 7), "\x3F\x71"s);
  PutBytes(save, OwnerEntryOffset(9), "\xFF\xFF"s);
  return save;
}
