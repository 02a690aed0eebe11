// Generates the synthetic sample data files. Names are invented from single kanji and a reading
// for each, never taken from the game.
#include "sample_data.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "formats/data_image.h"
#include "model/initial_items.h"
#include "model/item_table.h"
#include "model/roster.h"
#include "sjis_text.h"

namespace {

struct Part {
  const char* text;     // UTF-8, stored as Shift-JIS
  const char* reading;  // half-width katakana
};

constexpr Part FAMILY[] = {
    {"青", "ｱｵ"}, {"白", "ｼﾛ"},   {"黒", "ｸﾛ"}, {"赤", "ｱｶ"}, {"金", "ｶﾈ"}, {"石", "ｲｼ"},
    {"森", "ﾓﾘ"}, {"林", "ﾊﾔｼ"},  {"川", "ｶﾜ"}, {"谷", "ﾀﾆ"}, {"原", "ﾊﾗ"}, {"岩", "ｲﾜ"},
    {"沢", "ｻﾜ"}, {"辻", "ﾂｼﾞ"},  {"堀", "ﾎﾘ"}, {"宮", "ﾐﾔ"}, {"野", "ﾉ"},  {"関", "ｾｷ"},
    {"南", "ﾐﾅﾐ"}, {"東", "ﾋｶﾞｼ"}, {"瀬", "ｾ"},  {"浜", "ﾊﾏ"}, {"坂", "ｻｶ"}, {"門", "ｶﾄﾞ"},
    {"霧", "ｷﾘ"}, {"楠", "ｸｽ"},   {"柳", "ﾔﾅｷﾞ"}, {"桐", "ｷﾘ"}, {"梶", "ｶｼﾞ"}, {"鷲", "ﾜｼ"},
};
constexpr Part GIVEN[] = {
    {"風", "ﾌｳ"},   {"雲", "ｳﾝ"},   {"星", "ｾｲ"},   {"月", "ｹﾞﾂ"}, {"海", "ｶｲ"},   {"光", "ｺｳ"},
    {"雪", "ｾﾂ"},   {"影", "ｴｲ"},   {"竜", "ﾘｭｳ"},  {"虎", "ｺ"},   {"鷹", "ﾖｳ"},   {"剣", "ｹﾝ"},
    {"燕", "ｴﾝ"},   {"楓", "ﾌｳ"},   {"嵐", "ﾗﾝ"},   {"蓮", "ﾚﾝ"},  {"岳", "ｶﾞｸ"},  {"翠", "ｽｲ"},
    {"朔", "ｻｸ"},   {"灯", "ﾄｳ"},   {"晶", "ｼｮｳ"},  {"凪", "ﾅｷﾞ"}, {"湊", "ﾐﾅﾄ"},  {"颯", "ｿｳ"},
    {"玄武", "ｹﾞﾝﾌﾞ"}, {"白鷺", "ﾊｸﾛ"}, {"雷光", "ﾗｲｺｳ"}, {"青嵐", "ｾｲﾗﾝ"},
};

// A small deterministic generator, so that the same seed always gives the same bytes.
struct Lcg {
  uint32_t state;
  uint32_t Next() {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  }
  uint8_t Byte() { return static_cast<uint8_t>(Next()); }
  uint32_t Below(uint32_t n) { return Next() % n; }
};

void Fill(std::vector<uint8_t>& bytes, Lcg& rng) {
  for (uint8_t& b : bytes) b = rng.Byte();
}

// Writes a text field as the editors do: text (given in UTF-8, stored as Shift-JIS), NUL, spaces
// to the end.
void PutText(std::vector<uint8_t>& bytes, int32_t offset, const std::string& utf8, int32_t width) {
  const std::string text = Sjis(utf8);
  std::fill_n(bytes.begin() + offset, width, uint8_t{0x20});
  size_t length = std::min(text.size(), static_cast<size_t>(width - 1));
  std::memcpy(bytes.data() + offset, text.data(), length);
  bytes[offset + length] = 0;
}

void PutOfficer(std::vector<uint8_t>& save, OfficerId id, Lcg& rng) {
  const Part& family = FAMILY[rng.Below(std::size(FAMILY))];
  const Part& given = GIVEN[rng.Below(std::size(GIVEN))];
  const Part& courtesy = GIVEN[rng.Below(std::size(GIVEN))];
  const std::string full = std::string(family.text) + given.text;
  const std::string reading = std::string(family.reading) + given.reading;
  PutText(save, NameFieldOffset(id, FAMILY_NAME_FIELD), family.text, NAME_WIDTH);
  PutText(save, NameFieldOffset(id, GIVEN_NAME_FIELD), given.text, NAME_WIDTH);
  PutText(save, NameFieldOffset(id, COURTESY_NAME_FIELD), courtesy.text, NAME_WIDTH);
  PutText(save, NameFieldOffset(id, READING_FIELD), reading, READING_WIDTH);  // katakana: 1 byte each
  PutText(save, NameFieldOffset(id, FULL_NAME_FIELD), full, FULL_NAME_WIDTH);
  save[NameFieldOffset(id, BIRTH_YEAR_FIELD)] = static_cast<uint8_t>(50 + rng.Below(150));
  for (int32_t k = 0; k < 4; ++k) save[NameFieldOffset(id, ABILITY_FIELD + k)] = static_cast<uint8_t>(rng.Below(101));
  save[NameFieldOffset(id, FACE_NUMBER_FIELD)] = static_cast<uint8_t>(rng.Below(128));
  save[NameFieldOffset(id, FACE_NUMBER_FIELD + 1)] = 0;
  const auto loyalty = static_cast<uint8_t>(rng.Below(101));
  // From ATTRIBUTE_ID_LIMIT on the loyalty byte would lie in another officer's name.
  if (id < ATTRIBUTE_ID_LIMIT) save[AttributeOffset(LOYALTY_OFFSET, id)] = loyalty;
}

}  // namespace

std::vector<uint8_t> MakeSampleSave(uint32_t seed) {
  std::vector<uint8_t> save(SAVE_FILE_LENGTH);
  Lcg rng{seed};
  Fill(save, rng);
  // Every record from 658 on starts unused; the in-use ones are put below.
  for (OfficerId id = ALWAYS_LISTED_IDS; NameRecordOffset(id) + NAME_RECORD_SIZE <= SAVE_FILE_LENGTH; ++id) {
    save[NameRecordOffset(id)] = 0;
  }
  for (OfficerId id = 0; id < ALWAYS_LISTED_IDS; ++id) PutOfficer(save, id, rng);
  for (OfficerId id : SAMPLE_EXTRA_IDS) PutOfficer(save, id, rng);
  for (OfficerId id = SAMPLE_RUN_FIRST; id <= SAMPLE_RUN_LAST; ++id) PutOfficer(save, id, rng);
  PutOfficer(save, SAMPLE_STRAY_ID, rng);
  // 658 and 659 hold names too: the roster never lists them.
  PutOfficer(save, 658, rng);
  PutOfficer(save, 659, rng);
  for (OfficerId id : SAMPLE_EMPTY_IDS) {
    PutText(save, NameFieldOffset(id, FAMILY_NAME_FIELD), "", NAME_WIDTH);
    PutText(save, NameFieldOffset(id, GIVEN_NAME_FIELD), "", NAME_WIDTH);
    PutText(save, NameFieldOffset(id, READING_FIELD), "", READING_WIDTH);
    PutText(save, NameFieldOffset(id, FULL_NAME_FIELD), "", FULL_NAME_WIDTH);
  }
  // Only the owner id of each entry is set; its other two bytes keep their filler.
  for (int32_t item = 0; item < ITEM_COUNT; ++item) {
    const OfficerId owner = SampleItemOwner(item);
    save[OwnerEntryOffset(item)] = static_cast<uint8_t>(owner & 0xFF);
    save[OwnerEntryOffset(item) + 1] = static_cast<uint8_t>(owner >> 8);
  }
  return save;
}

std::vector<uint8_t> MakeLongRunSave(uint32_t seed) {
  std::vector<uint8_t> save = MakeSampleSave(seed);
  Lcg rng{seed * 104729u + 3u};
  for (OfficerId id = SAMPLE_RUN_LAST + 1; id <= SAMPLE_LONG_RUN_LAST; ++id) PutOfficer(save, id, rng);
  return save;
}

std::vector<uint8_t> MakeSampleScenario(uint32_t seed) {
  std::vector<uint8_t> scenario(SCENARIO_FILE_LENGTH);
  Lcg rng{seed * 7919u + 17u};
  Fill(scenario, rng);
  ApplyInitialItemTable(scenario);
  // Invented names, one of them filling its field up to the NUL.
  const char* const renamed[] = {"白雲の鞍", "白銀獅子王冠", "月影の書"};
  for (size_t k = 0; k < std::size(SAMPLE_RENAMED_ITEMS); ++k) {
    PutText(scenario, ItemFieldOffset(SAMPLE_RENAMED_ITEMS[k], ITEM_NAME_FIELD), renamed[k], ITEM_NAME_WIDTH);
  }
  scenario[ItemFieldOffset(SAMPLE_REPRICED_ITEM, ITEM_PRICE_FIELD)] = 40;
  scenario[ItemFieldOffset(SAMPLE_TOP_PRICE_ITEM, ITEM_PRICE_FIELD)] = 255;
  scenario[ItemFieldOffset(SAMPLE_SKILLED_ITEM, ITEM_SKILL_FIELD)] = 18;
  scenario[ItemFieldOffset(SAMPLE_OUT_OF_LIST_ITEM, ITEM_TYPE_FIELD)] = ITEM_TYPE_COUNT;
  scenario[ItemFieldOffset(SAMPLE_OUT_OF_LIST_ITEM, ITEM_IMAGE_FIELD)] = ITEM_IMAGE_COUNT;
  scenario[ItemFieldOffset(SAMPLE_OUT_OF_LIST_ITEM, ITEM_SKILL_FIELD)] = ITEM_SKILL_COUNT;
  scenario[ItemFieldOffset(SAMPLE_NEGATIVE_ITEM, ITEM_TYPE_FIELD)] = 0x80;
  scenario[ItemFieldOffset(SAMPLE_NEGATIVE_ITEM, ITEM_IMAGE_FIELD)] = 0xFF;
  scenario[ItemFieldOffset(SAMPLE_NEGATIVE_ITEM, ITEM_SKILL_FIELD)] = 0xFE;
  scenario[ItemFieldOffset(SAMPLE_NEGATIVE_ITEM, ITEM_INCREASE_FIELD)] = 0xFF;
  return scenario;
}
