// The built-in initial item table: the state the item editor's reset puts every item back to,
// all but the owners, which live in the save file.
#pragma once

#include <array>
#include <cstdint>
#include <span>

// One kind of item, written into `count` consecutive item records.
struct InitialItem {
  int8_t count;
  const char* name;  // Shift-JIS, at most 12 bytes
  uint8_t type;
  uint8_t image;
  uint8_t price_code;
  uint8_t increase;
  uint8_t skill;
};

constexpr int32_t INITIAL_ITEM_KIND_COUNT = 83;
using InitialItemTable = std::array<InitialItem, INITIAL_ITEM_KIND_COUNT>;
// The counts add up to ITEM_COUNT: the entries fill items 0 to 254 in order.
extern const InitialItemTable INITIAL_ITEM_TABLE;

// Rewrites name (text, NUL, spaces) and bytes 13 to 17 of every item record of the scenario image
// from the table. Bytes 18 to 20 of each record and every byte outside the table stay as they are;
// a record that lies outside the image is skipped.
void ApplyInitialItemTable(std::span<uint8_t> scenario);
