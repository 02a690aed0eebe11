// Reading and writing the fields of the item table and of the item owner table.
#include "model/item_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "model/text_field.h"

namespace {

bool RecordInImage(size_t image_size, int32_t item) {
  return item >= 0 && item < ITEM_COUNT &&
         static_cast<size_t>(ItemRecordOffset(item) + ITEM_RECORD_SIZE) <= image_size;
}

bool OwnerEntryInImage(size_t image_size, int32_t item) {
  return item >= 0 && item < ITEM_COUNT &&
         static_cast<size_t>(OwnerEntryOffset(item) + OWNER_ENTRY_SIZE) <= image_size;
}

void WriteItemByte(std::span<uint8_t> scenario, std::span<const int32_t> items, int32_t field,
                   uint8_t value) {
  for (int32_t item : items) {
    if (RecordInImage(scenario.size(), item)) scenario[ItemFieldOffset(item, field)] = value;
  }
}

uint8_t LowByte(int32_t value) { return static_cast<uint8_t>(value & 0xFF); }

// Stores the index of a choice list entry; a choice outside the list writes nothing.
bool WriteItemChoice(std::span<uint8_t> scenario, std::span<const int32_t> items, int32_t field, int32_t choice,
                     int32_t count) {
  if (choice < 0 || choice >= count) return false;
  WriteItemByte(scenario, items, field, LowByte(choice));
  return true;
}

}  // namespace

ItemNameText ReadItemName(std::span<const uint8_t> scenario, int32_t item) {
  ItemNameText name{};
  if (!RecordInImage(scenario.size(), item)) return name;
  // A name written by another program may end in half a character; the controls get whole ones.
  std::string_view text = FitText(FieldText(scenario, ItemFieldOffset(item, ITEM_NAME_FIELD), ITEM_NAME_WIDTH),
                                  ITEM_NAME_WIDTH);
  std::copy(text.begin(), text.end(), name.text);
  name.text[text.size()] = '\0';
  return name;
}

int32_t ChoiceOfByte(uint8_t byte, int32_t count) {
  const int32_t index = static_cast<int8_t>(byte);
  return index >= 0 && index < count ? index : -1;
}

ItemView ReadItemView(std::span<const uint8_t> scenario, int32_t item) {
  ItemView view{};
  view.name = ReadItemName(scenario, item);
  if (!RecordInImage(scenario.size(), item)) {
    view.type_choice = view.image_choice = view.skill_choice = -1;
    std::snprintf(view.price, sizeof view.price, "0");
    std::snprintf(view.increase, sizeof view.increase, "0");
    return view;
  }
  const int32_t record = ItemRecordOffset(item);
  const uint8_t skill = scenario[record + ITEM_SKILL_FIELD];
  view.type_choice = ChoiceOfByte(scenario[record + ITEM_TYPE_FIELD], ITEM_TYPE_COUNT);
  view.image_choice = ChoiceOfByte(scenario[record + ITEM_IMAGE_FIELD], ITEM_IMAGE_COUNT);
  // NO_SKILL read as signed is -1: it is mapped to "なし" before the general rule.
  view.skill_choice = skill == NO_SKILL ? NO_SKILL_INDEX : ChoiceOfByte(skill, ITEM_SKILL_COUNT);
  std::snprintf(view.price, sizeof view.price, "%d", scenario[record + ITEM_PRICE_FIELD] * PRICE_UNIT);
  std::snprintf(view.increase, sizeof view.increase, "%d",
                static_cast<int>(static_cast<int8_t>(scenario[record + ITEM_INCREASE_FIELD])));
  return view;
}

int32_t ParseItemPrice(std::string_view text) {
  const int32_t price = ParseNumberField(text, PRICE_DIGITS, 0, PRICE_MAX);
  return price >= 0 && price % PRICE_UNIT == 0 ? price : -1;
}

int32_t ParseItemIncrease(std::string_view text) {
  return ParseNumberField(text, INCREASE_DIGITS, 0, INCREASE_MAX);
}

void WriteItemName(std::span<uint8_t> scenario, std::span<const int32_t> items, std::string_view name) {
  for (int32_t item : items) {
    if (RecordInImage(scenario.size(), item)) {
      WriteTextField(scenario, ItemFieldOffset(item, ITEM_NAME_FIELD), name, ITEM_NAME_WIDTH);
    }
  }
}

bool WriteItemType(std::span<uint8_t> scenario, std::span<const int32_t> items, int32_t choice) {
  return WriteItemChoice(scenario, items, ITEM_TYPE_FIELD, choice, ITEM_TYPE_COUNT);
}

bool WriteItemImage(std::span<uint8_t> scenario, std::span<const int32_t> items, int32_t choice) {
  return WriteItemChoice(scenario, items, ITEM_IMAGE_FIELD, choice, ITEM_IMAGE_COUNT);
}

bool WriteItemSkill(std::span<uint8_t> scenario, std::span<const int32_t> items, int32_t choice) {
  if (choice == NO_SKILL_INDEX) {
    WriteItemByte(scenario, items, ITEM_SKILL_FIELD, NO_SKILL);
    return true;
  }
  return WriteItemChoice(scenario, items, ITEM_SKILL_FIELD, choice, ITEM_SKILL_COUNT);
}

void WriteItemPrice(std::span<uint8_t> scenario, std::span<const int32_t> items, int32_t price) {
  WriteItemByte(scenario, items, ITEM_PRICE_FIELD, LowByte(price / PRICE_UNIT));
}

void WriteItemIncrease(std::span<uint8_t> scenario, std::span<const int32_t> items, int32_t increase) {
  WriteItemByte(scenario, items, ITEM_INCREASE_FIELD, LowByte(increase));
}

OfficerId ReadItemOwner(std::span<const uint8_t> save, int32_t item) {
  if (!OwnerEntryInImage(save.size(), item)) return -1;
  const int32_t entry = OwnerEntryOffset(item);
  return save[entry] | (save[entry + 1] << 8);
}

int32_t OwnerChoice(std::span<const uint8_t> save, int32_t item, const OfficerRoster& roster,
                    const RosterPositionMap& positions) {
  const OfficerId owner = ReadItemOwner(save, item);
  if (owner == NO_OWNER) return roster.count;
  // The position map only has meaning for officers of the roster; any other id shows nothing.
  return IsRosterOfficer(roster, positions, owner) ? positions[owner] : -1;
}

bool WriteItemOwner(std::span<uint8_t> save, std::span<const int32_t> items, int32_t choice,
                    const OfficerRoster& roster) {
  if (choice < 0 || choice > roster.count) return false;
  const OfficerId owner = choice == roster.count ? NO_OWNER : roster.ids[choice];
  for (int32_t item : items) {
    if (!OwnerEntryInImage(save.size(), item)) continue;
    const int32_t entry = OwnerEntryOffset(item);
    save[entry] = LowByte(owner);
    save[entry + 1] = LowByte(owner >> 8);
  }
  return true;
}
