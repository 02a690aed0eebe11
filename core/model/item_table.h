// The item table of the scenario file and the item owner table of a save file: where each field
// of an item lies, how the item editor shows it and how it writes it into every selected item.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/officer_tables.h"
#include "model/roster.h"

constexpr int32_t ITEM_COUNT = 255;

// Item table (scenario image): 21-byte records, item i at 3838 + 21 * i.
constexpr int32_t ITEM_TABLE_OFFSET = 3838;
constexpr int32_t ITEM_RECORD_SIZE = 21;
// Fields of an item record. Bytes 18 to 20 belong to the game and are never written.
constexpr int32_t ITEM_NAME_FIELD = 0;
constexpr int32_t ITEM_NAME_WIDTH = 13;     // 12 bytes of text and a NUL
constexpr int32_t ITEM_TYPE_FIELD = 13;     // index into the type choices
constexpr int32_t ITEM_IMAGE_FIELD = 14;    // index into the image choices: picture and description
constexpr int32_t ITEM_PRICE_FIELD = 15;    // sale price / 50, unsigned
constexpr int32_t ITEM_INCREASE_FIELD = 16; // signed
constexpr int32_t ITEM_SKILL_FIELD = 17;    // index into the skill choices, or NO_SKILL

constexpr uint8_t NO_SKILL = 255;
constexpr int32_t NO_SKILL_INDEX = 26;  // "なし", the last skill choice
constexpr int32_t PRICE_UNIT = 50;
constexpr int32_t PRICE_MAX = 255 * PRICE_UNIT;  // 12750
constexpr int32_t PRICE_DIGITS = 5;
constexpr int32_t INCREASE_MAX = 99;
constexpr int32_t INCREASE_DIGITS = 2;

// Item owner table (save image): 4-byte entries, item i at 153234 + 4 * i; the owner's id is
// 16-bit little-endian at +0, and +2, +3 are never written.
constexpr int32_t OWNER_TABLE_OFFSET = 153234;
constexpr int32_t OWNER_ENTRY_SIZE = 4;

constexpr int32_t ItemRecordOffset(int32_t item) { return ITEM_TABLE_OFFSET + ITEM_RECORD_SIZE * item; }
constexpr int32_t ItemFieldOffset(int32_t item, int32_t field) { return ItemRecordOffset(item) + field; }
constexpr int32_t OwnerEntryOffset(int32_t item) { return OWNER_TABLE_OFFSET + OWNER_ENTRY_SIZE * item; }

// The lengths of the type, image and skill choice lists (their texts are the item editor's); the
// index of a choice is the byte value that selects it.
constexpr int32_t ITEM_TYPE_COUNT = 12;
constexpr int32_t ITEM_IMAGE_COUNT = 80;
constexpr int32_t ITEM_SKILL_COUNT = 27;

// An item name as a list row or an edit control shows it: the field up to its first NUL, cut to
// whole characters, NUL-terminated.
struct ItemNameText {
  char text[ITEM_NAME_WIDTH + 1];
};

// What the dialog shows for one item. A choice of -1 leaves its combo box without an entry.
struct ItemView {
  ItemNameText name;
  int32_t type_choice;
  int32_t image_choice;
  int32_t skill_choice;  // NO_SKILL_INDEX for NO_SKILL
  char price[8];         // decimal of price_code * 50
  char increase[8];      // decimal of the signed byte: 0xFF shows "-1"
};

// An item outside 0 to ITEM_COUNT - 1, or a record outside the image, reads as empty with no
// choices and texts "0". The writers below skip such items.
ItemNameText ReadItemName(std::span<const uint8_t> scenario, int32_t item);
ItemView ReadItemView(std::span<const uint8_t> scenario, int32_t item);

// The combo index a field byte selects: the byte read as signed, or -1 when that is negative or
// not below `count`.
int32_t ChoiceOfByte(uint8_t byte, int32_t count);

// The sale price typed into its edit control: 0 to 12750 and divisible by 50, at most 5 digits;
// -1 when refused.
int32_t ParseItemPrice(std::string_view text);
// The increase value typed into its edit control: 0 to 99, at most 2 digits; -1 when refused.
int32_t ParseItemIncrease(std::string_view text);

// Each writer changes the one field of every item in `items` (list rows, which are item numbers),
// in the given order, and nothing else.
void WriteItemName(std::span<uint8_t> scenario, std::span<const int32_t> items, std::string_view name);
// `choice` is the combo box's current index, stored as the field byte. A choice outside the list
// (-1: the combo box has no current entry, as for a byte outside the list) names no value: nothing
// is written and the result is false, so the caller leaves the scenario image clean and the byte
// stays as it was.
bool WriteItemType(std::span<uint8_t> scenario, std::span<const int32_t> items, int32_t choice);
bool WriteItemImage(std::span<uint8_t> scenario, std::span<const int32_t> items, int32_t choice);
// As the type and image; the choice NO_SKILL_INDEX stores NO_SKILL.
bool WriteItemSkill(std::span<uint8_t> scenario, std::span<const int32_t> items, int32_t choice);
// `price` is a value ParseItemPrice accepted; price / 50 is stored.
void WriteItemPrice(std::span<uint8_t> scenario, std::span<const int32_t> items, int32_t price);
// `increase` is a value ParseItemIncrease accepted.
void WriteItemIncrease(std::span<uint8_t> scenario, std::span<const int32_t> items, int32_t increase);

// The owner id of an item; -1 for an entry outside the image or an item outside the table.
OfficerId ReadItemOwner(std::span<const uint8_t> save, int32_t item);

// The owner combo index for an item: the roster count ("なし") for NO_OWNER, the officer's roster
// position for a roster officer, and -1 (no entry shown) for any other owner id, such as an
// officer not in the roster.
int32_t OwnerChoice(std::span<const uint8_t> save, int32_t item, const OfficerRoster& roster,
                    const RosterPositionMap& positions);

// Stores the owner chosen in the owner combo box into every item of `items`: NO_OWNER (bytes 0xB8
// 0x06) for the choice roster.count, the roster's officer for a choice below it. Any other choice
// (-1: the combo box has no current entry) names no owner: nothing is written and the result is
// false, so the caller leaves the save image clean.
bool WriteItemOwner(std::span<uint8_t> save, std::span<const int32_t> items, int32_t choice,
                    const OfficerRoster& roster);
