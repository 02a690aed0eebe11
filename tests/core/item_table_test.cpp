// The item table and the item owner table: what the item editor shows and what it writes.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "formats/data_image.h"
#include "image_bytes.h"
#include "model/item_table.h"
#include "model/roster.h"
#include "sample_data.h"
#include "sjis_text.h"

namespace {

struct Record {
  std::string name;  // the 13 name bytes as stored (shorter: the rest stays as it was)
  uint8_t type, image, price_code, increase, skill;
};

void PutRecord(std::vector<uint8_t>& scenario, int32_t item, const Record& r) {
  std::copy(r.name.begin(), r.name.end(), scenario.begin() + ItemRecordOffset(item));
  const uint8_t fields[] = {r.type, r.image, r.price_code, r.increase, r.skill};
  std::copy(std::begin(fields), std::end(fields), scenario.begin() + ItemFieldOffset(item, ITEM_TYPE_FIELD));
}

// The choice lists' texts are the item editor's resources (its UI tests check them).
TEST(ItemTable, TablesEndWhereTheFilesHaveThem) {
  EXPECT_EQ(ItemRecordOffset(ITEM_COUNT - 1) + ITEM_RECORD_SIZE - 1, 9192);  // the table's last byte
  EXPECT_EQ(OwnerEntryOffset(ITEM_COUNT - 1) + OWNER_ENTRY_SIZE - 1, 154253);
}

TEST(ItemTable, ViewShowsEachFieldOrNoEntry) {
  struct Case {
    const char* name;
    Record record;
    std::string shown_name;
    int32_t type, image, skill;
    const char* price;
    const char* increase;
  };
  const std::string kanji6 = Sjis("白銀獅子王冠");
  const Case cases[] = {
      {"ordinary item", {PaddedField(Sjis("赤兎馬"), ITEM_NAME_WIDTH), 0, 7, 30, 10, 11}, Sjis("赤兎馬"), 0, 7, 11, "1500", "10"},
      {"last entry of each list", {PaddedField("a", ITEM_NAME_WIDTH), 11, 79, 255, 99, 25}, "a", 11, 79, 25, "12750", "99"},
      {"NO_SKILL shows なし, a stored 26 too", {PaddedField("b", ITEM_NAME_WIDTH), 0, 0, 0, 0, NO_SKILL}, "b", 0, 0, 26, "0", "0"},
      {"one past each list: no entries", {PaddedField("c", ITEM_NAME_WIDTH), 12, 80, 1, 0, 27}, "c", -1, -1, -1, "50", "0"},
      {"negative bytes: no entries", {PaddedField("d", ITEM_NAME_WIDTH), 0x80, 0xFF, 2, 0xFF, 0xFE}, "d", -1, -1, -1, "100", "-1"},
      {"most negative increase", {PaddedField("e", ITEM_NAME_WIDTH), 1, 1, 3, 0x80, 26}, "e", 1, 1, 26, "150", "-128"},
      {"12 bytes of text, NUL last", {kanji6 + '\0', 0, 0, 0, 0, 0}, kanji6, 0, 0, 0, "0", "0"},
      {"13 bytes without a NUL", {std::string(13, 'x'), 0, 0, 0, 0, 0}, std::string(13, 'x'), 0, 0, 0, "0", "0"},
      {"ends in half a character", {"abc\x88", 0, 0, 0, 0, 0}, "abc", 0, 0, 0, "0", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto scenario = FilledScenario();
    std::string name = c.record.name;
    if (name.size() < ITEM_NAME_WIDTH && name.back() != '\0') name += '\0';
    PutRecord(scenario, 200, {name, c.record.type, c.record.image, c.record.price_code, c.record.increase,
                              c.record.skill});
    ItemView view = ReadItemView(scenario, 200);
    EXPECT_EQ(std::string(view.name.text), c.shown_name);
    EXPECT_EQ(view.type_choice, c.type);
    EXPECT_EQ(view.image_choice, c.image);
    EXPECT_EQ(view.skill_choice, c.skill);
    EXPECT_STREQ(view.price, c.price);
    EXPECT_STREQ(view.increase, c.increase);
  }
  auto scenario = FilledScenario();
  for (int32_t item : {-1, ITEM_COUNT}) {
    SCOPED_TRACE(item);
    ItemView view = ReadItemView(scenario, item);
    EXPECT_STREQ(view.name.text, "");
    EXPECT_EQ(view.type_choice, -1);
    EXPECT_EQ(view.image_choice, -1);
    EXPECT_EQ(view.skill_choice, -1);
  }
}

TEST(ItemTable, PriceAndIncreaseEntriesAreDigitsInRange) {
  struct Case {
    const char* text;
    int32_t price;     // ParseItemPrice
    int32_t increase;  // ParseItemIncrease
  };
  const Case cases[] = {
      {"12750", 12750, 12}, {"0", 0, 0},     {"00050", 50, 0},   {"99", -1, 99},    {"25", -1, 25},
      {"50", 50, 50},       {"12800", -1, 12}, {"12751", -1, 12}, {"", -1, -1},      {"-1", -1, -1},
      {"-50", -1, -1},      {"+50", -1, -1},   {" 50", -1, -1},  {"5 0", -1, -1},   {"5.0", -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseItemPrice(c.text), c.price);
    EXPECT_EQ(ParseItemIncrease(c.text), c.increase);
  }
  EXPECT_EQ(ParseItemPrice(Sjis("５０")), -1);  // full-width digits
  EXPECT_EQ(ParseItemIncrease(Sjis("９")), -1);
}

TEST(ItemTable, EachWriterChangesOnlyItsFieldOfTheListedItems) {
  using Writer = void (*)(std::vector<uint8_t>&, std::span<const int32_t>);
  struct Case {
    const char* name;
    Writer write;
    int32_t field;
    std::string bytes;  // what every listed item's field holds afterwards
  };
  const Case cases[] = {
      {"name", [](auto& s, auto items) { WriteItemName(s, items, Sjis("赤兎馬")); }, ITEM_NAME_FIELD,
       Sjis("赤兎馬") + '\0' + std::string(6, ' ')},
      {"name of 12 bytes", [](auto& s, auto items) { WriteItemName(s, items, Sjis("白銀獅子王冠")); },
       ITEM_NAME_FIELD, Sjis("白銀獅子王冠") + '\0'},
      {"type", [](auto& s, auto items) { WriteItemType(s, items, 11); }, ITEM_TYPE_FIELD, "\x0B"},
      {"image", [](auto& s, auto items) { WriteItemImage(s, items, 79); }, ITEM_IMAGE_FIELD, "\x4F"},
      {"price 12750", [](auto& s, auto items) { WriteItemPrice(s, items, 12750); }, ITEM_PRICE_FIELD, "\xFF"},
      {"price 50", [](auto& s, auto items) { WriteItemPrice(s, items, 50); }, ITEM_PRICE_FIELD, "\x01"},
      {"price 0", [](auto& s, auto items) { WriteItemPrice(s, items, 0); }, ITEM_PRICE_FIELD, std::string(1, '\0')},
      {"increase 99", [](auto& s, auto items) { WriteItemIncrease(s, items, 99); }, ITEM_INCREASE_FIELD, "\x63"},
      {"skill 25", [](auto& s, auto items) { WriteItemSkill(s, items, 25); }, ITEM_SKILL_FIELD, "\x19"},
      {"skill なし", [](auto& s, auto items) { WriteItemSkill(s, items, NO_SKILL_INDEX); }, ITEM_SKILL_FIELD, "\xFF"},
  };
  // Items outside the table are skipped; 255 would land just past the table's end.
  const int32_t items[] = {0, 7, -1, ITEM_COUNT, ITEM_COUNT - 1};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto scenario = FilledScenario();
    auto expected = scenario;
    for (int32_t item : {0, 7, ITEM_COUNT - 1}) {
      std::copy(c.bytes.begin(), c.bytes.end(), expected.begin() + ItemFieldOffset(item, c.field));
    }
    c.write(scenario, std::span<const int32_t>(items));
    EXPECT_EQ(scenario, expected);
  }
}

// A combo box without a current entry (-1), or any index past its list, names no value: the byte
// stays as it was, for a single update button and for "全て更新" alike. Every entry is stored.
TEST(ItemTable, ChoiceWritersStoreOnlyAnEntryOfTheirList) {
  using Writer = bool (*)(std::span<uint8_t>, std::span<const int32_t>, int32_t);
  struct Case {
    const char* name;
    Writer write;
    int32_t field, count;
  };
  const Case cases[] = {
      {"type", WriteItemType, ITEM_TYPE_FIELD, ITEM_TYPE_COUNT},
      {"image", WriteItemImage, ITEM_IMAGE_FIELD, ITEM_IMAGE_COUNT},
      {"skill", WriteItemSkill, ITEM_SKILL_FIELD, ITEM_SKILL_COUNT},
  };
  const int32_t items[] = {SAMPLE_OUT_OF_LIST_ITEM, SAMPLE_NEGATIVE_ITEM, 0};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto original = MakeSampleScenario();
    for (int32_t choice : {-1, c.count, 255, 256 + 3, INT32_MIN}) {
      SCOPED_TRACE(choice);
      auto scenario = original;
      EXPECT_FALSE(c.write(scenario, std::span<const int32_t>(items), choice));
      EXPECT_EQ(scenario, original);
    }
    for (int32_t choice = 0; choice < c.count; ++choice) {
      auto scenario = original;
      ASSERT_TRUE(c.write(scenario, std::span<const int32_t>(items), choice));
      const uint8_t stored = c.field == ITEM_SKILL_FIELD && choice == NO_SKILL_INDEX ? NO_SKILL : choice;
      for (int32_t item : items) ASSERT_EQ(scenario[ItemFieldOffset(item, c.field)], stored);
    }
  }
}

class ItemOwners : public ::testing::Test {
 protected:
  void SetUp() override {
    // Meaningless map entries are 0, the position of officer 0: an unchecked lookup would pass
    // for a real choice.
    positions.fill(0);
    BuildOfficerRoster(save, roster, &positions);
  }
  std::vector<uint8_t> save = MakeSampleSave();
  OfficerRoster roster{};
  RosterPositionMap positions{};
};

TEST_F(ItemOwners, ChoiceIsNoneForNoOwnerThePositionForARosterOfficerElseNothing) {
  for (int32_t item = 0; item < ITEM_COUNT; ++item) {
    SCOPED_TRACE(item);
    const OfficerId owner = SampleItemOwner(item);
    ASSERT_EQ(ReadItemOwner(save, item), owner);
    int32_t expected = owner == NO_OWNER ? roster.count
                       : item == SAMPLE_STRAY_OWNER_ITEM ? -1
                                                         : positions[owner];
    EXPECT_EQ(OwnerChoice(save, item, roster, positions), expected);
  }
  // Ids never in a roster, or beyond every roster: no entry either.
  struct Case {
    uint8_t low, high;
  };
  for (Case c : {Case{0x92, 0x02} /* 658 */, Case{0xFF, 0xFF}, Case{0xB9, 0x06} /* 1721 */}) {
    SCOPED_TRACE(c.low + 256 * c.high);
    save[OwnerEntryOffset(3)] = c.low;
    save[OwnerEntryOffset(3) + 1] = c.high;
    EXPECT_EQ(OwnerChoice(save, 3, roster, positions), -1);
  }
}

TEST_F(ItemOwners, WriteStoresTheChosenIdInTheFirstTwoBytesOfEachEntry) {
  struct Case {
    const char* name;
    int32_t choice;  // relative to roster.count when `from_count`
    bool from_count;
    bool written;
    uint8_t low, high;
  };
  const Case cases[] = {
      {"なし: NO_OWNER", 0, true, true, 0xB8, 0x06},
      {"first officer", 0, false, true, 0x00, 0x00},
      {"last officer, 799", -1, true, true, 0x1F, 0x03},
      {"officer 660", ALWAYS_LISTED_IDS, false, true, 0x94, 0x02},
      {"no current entry", -1, false, false, 0, 0},
      {"past なし", 1, true, false, 0, 0},
  };
  const int32_t items[] = {0, 7, ITEM_COUNT - 1, ITEM_COUNT};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto image = save;
    auto expected = save;
    if (c.written) {
      for (int32_t item : {0, 7, ITEM_COUNT - 1}) {
        expected[OwnerEntryOffset(item)] = c.low;
        expected[OwnerEntryOffset(item) + 1] = c.high;
      }
    }
    const int32_t choice = c.from_count ? roster.count + c.choice : c.choice;
    EXPECT_EQ(WriteItemOwner(image, items, choice, roster), c.written);
    EXPECT_EQ(image, expected);
  }
}

TEST(SampleScenario, CarriesItsVariations) {
  auto scenario = MakeSampleScenario();
  ItemView out_of_list = ReadItemView(scenario, SAMPLE_OUT_OF_LIST_ITEM);
  ItemView negative = ReadItemView(scenario, SAMPLE_NEGATIVE_ITEM);
  for (const ItemView& view : {out_of_list, negative}) {
    EXPECT_EQ(view.type_choice, -1);
    EXPECT_EQ(view.image_choice, -1);
    EXPECT_EQ(view.skill_choice, -1);
  }
  EXPECT_STREQ(negative.increase, "-1");
  EXPECT_STREQ(ReadItemView(scenario, SAMPLE_TOP_PRICE_ITEM).price, "12750");
  EXPECT_STREQ(ReadItemView(scenario, SAMPLE_REPRICED_ITEM).price, "2000");
  EXPECT_EQ(ReadItemView(scenario, SAMPLE_SKILLED_ITEM).skill_choice, 18);
  EXPECT_EQ(std::string(ReadItemName(scenario, SAMPLE_FULL_NAME_ITEM).text).size(), 12u);
  EXPECT_EQ(scenario[ItemFieldOffset(SAMPLE_FULL_NAME_ITEM, 12)], 0);
}

}  // namespace
