// Reading and writing the fields of the item table and of the item owner table.
#include "item_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "text_field.h"

constexpr std::array<const char*, ITEM_TYPE_COUNT> ITEM_TYPE_TEXTS = {
    "名馬", "武具 [武力]", "地図", "医書", "奇書 [知力]", "兵書 [知力]",
    "経書 [知力]", "史書 [政治]", "論文 [政治]", "玉璽 [魅力100]", "宝物", "装飾",
};

// Entry 19 is "鉄", the user-defined character U+E059 (Shift-JIS F0 9A), then "藜骨朶".
constexpr std::array<const char*, ITEM_IMAGE_COUNT> ITEM_IMAGE_TEXTS = {
    "赤兎馬", "的盧", "爪黄飛電", "絶影", "大宛馬",
    "七星宝刀", "倚天の剣", "青釭の剣", "方天画戟", "青龍偃月刀",
    "蛇矛", "鉄脊蛇矛", "雌雄一対の剣", "古錠刀", "三尖刀",
    "双鉄戟", "大斧", "鉄鞭", "袖箭", "鉄\uE059藜骨朶",
    "流星鎚", "短戟", "飛刀", "手戟", "眉尖刀",
    "銅鎚", "鉄鎖", "西蜀地形図", "平蛮指掌図", "太平清領道",
    "青嚢書", "傷寒雑病論", "遁甲天書", "太平要術の書", "孫子の兵法書",
    "兵法二十四編", "六韜", "孟徳新書", "墨子", "論語",
    "老子", "荘子", "詩経", "書経", "礼記",
    "易経", "春秋左氏伝", "史記", "漢書", "戦国策",
    "論語集解", "典論", "博奕論", "時要論", "治論",
    "弁道論", "乾象暦注", "孝経伝", "仇国論", "玉璽",
    "九錫", "銅雀", "羽扇", "長信宮燈", "博山炉",
    "龍の方壷", "漆塗りの鼎", "金象嵌の壷", "和氏の璧", "牛燈",
    "神獣の硯", "玉龍紋璧", "呂氏鏡", "青釉穀倉罐", "酒盃",
    "算盤", "茶", "琴", "金耳墜", "羅綺香嚢",
};

constexpr std::array<const char*, ITEM_SKILL_COUNT> ITEM_SKILL_TEXTS = {
    "猛者", "智嚢", "治略", "人徳", "医術", "天文", "耕作", "商才", "築城",
    "警備", "発明", "威風", "弁舌", "反計", "挑発", "混乱", "虚報", "歩兵",
    "騎兵", "弩兵", "水軍", "偵察", "全能", "神眼", "鬼謀", "神算", "なし",
};

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
