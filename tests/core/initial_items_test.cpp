// The built-in initial item table and the reset that writes it into the item table.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "formats/data_image.h"
#include "image_bytes.h"
#include "model/initial_items.h"
#include "model/item_table.h"
#include "sjis_text.h"

namespace {

TEST(InitialItems, FillsEveryItemOnceAndNamesEachByItsImage) {
  int32_t total = 0;
  std::map<int, std::string> name_of_image;
  for (size_t k = 0; k < INITIAL_ITEM_TABLE.size(); ++k) {
    SCOPED_TRACE(k);
    const InitialItem& kind = INITIAL_ITEM_TABLE[k];
    EXPECT_GE(kind.count, 1);
    EXPECT_LE(kind.count, 10);
    total += kind.count;
    EXPECT_LE(std::strlen(kind.name), 12u);
    EXPECT_LT(kind.type, ITEM_TYPE_COUNT);
    ASSERT_LT(kind.image, ITEM_IMAGE_COUNT);
    EXPECT_TRUE(kind.skill < NO_SKILL_INDEX || kind.skill == NO_SKILL);
    if (k == 79) {
      EXPECT_EQ(std::string(kind.name), Sjis("古い琴"));
      EXPECT_EQ(kind.image, 77);
    } else {
      const auto [known, first] = name_of_image.emplace(kind.image, kind.name);
      EXPECT_EQ(known->second, kind.name) << "another kind with image " << int{kind.image};
    }
  }
  EXPECT_EQ(total, ITEM_COUNT);
  EXPECT_EQ(Bytes(INITIAL_ITEM_TABLE[19].name),
            (std::vector<uint8_t>{0x93, 0x53, 0xF0, 0x9A, 0xE5, 0x5B, 0x8D, 0x9C, 0x9E, 0x53}));
}

// The bytes written into the data files stand in the source as escapes, each with its text in a
// comment: every one of them must be that text in code page 932.
TEST(InitialItems, ByteLiteralsAreTheTextsBesideThem) {
  struct Source {
    const char* path;
    size_t literals;
  };
  const Source sources[] = {{EDITORS_SOURCE_DIR "/core/model/initial_items.cpp", INITIAL_ITEM_KIND_COUNT},
                            {EDITORS_SOURCE_DIR "/core/model/kana_jump.cpp", 1}};
  const std::regex literal(R"re("((?:\\x[0-9A-F]{2})+)" /\* (.+?) \*/)re");
  std::vector<std::string> initial_names;
  for (const Source& source : sources) {
    SCOPED_TRACE(source.path);
    std::ifstream file(source.path);
    std::stringstream text;
    text << file.rdbuf();
    const std::string code = text.str();
    size_t found = 0;
    for (auto it = std::sregex_iterator(code.begin(), code.end(), literal); it != std::sregex_iterator(); ++it) {
      std::string bytes;
      const std::string escapes = (*it)[1];
      for (size_t i = 0; i + 3 < escapes.size() + 1; i += 4) {
        bytes += static_cast<char>(std::stoi(escapes.substr(i + 2, 2), nullptr, 16));
      }
      EXPECT_EQ(bytes, Sjis((*it)[2].str())) << (*it)[2];
      if (source.literals == INITIAL_ITEM_KIND_COUNT) initial_names.push_back(bytes);
      ++found;
    }
    EXPECT_EQ(found, source.literals);
  }
  ASSERT_EQ(initial_names.size(), INITIAL_ITEM_TABLE.size());
  for (size_t k = 0; k < initial_names.size(); ++k) EXPECT_EQ(initial_names[k], INITIAL_ITEM_TABLE[k].name) << k;
}

TEST(InitialItems, ResetRewritesNameAndBytes13To17OfEveryRecordOnly) {
  const auto original = FilledScenario();
  auto scenario = original;
  ApplyInitialItemTable(scenario);

  // Apart from bytes 0 to 17 of each record, the image is unchanged.
  auto expected = original;
  for (int32_t item = 0; item < ITEM_COUNT; ++item) {
    const int32_t record = ItemRecordOffset(item);
    std::copy(scenario.begin() + record, scenario.begin() + record + 18, expected.begin() + record);
  }
  EXPECT_EQ(scenario, expected);

  struct Item {
    int32_t first, last;
    const char* name;
    uint8_t type, image, price_code, increase, skill;
  };
  const Item items[] = {
      {0, 0, "赤兎馬", 0, 0, 30, 0, 255},
      {4, 8, "大宛馬", 0, 4, 8, 0, 255},
      {9, 9, "七星宝刀", 1, 5, 20, 10, 11},
      {12, 12, "方天画戟", 1, 8, 18, 8, 0},
      {13, 15, "方天画戟", 1, 8, 9, 2, 255},
      {64, 64, "袖箭", 1, 18, 3, 1, 255},
      {148, 148, "玉璽", 9, 59, 50, 0, 3},
      {223, 230, "茶", 10, 76, 1, 0, 255},
      {231, 231, "琴", 11, 77, 20, 0, 255},
      {232, 232, "古い琴", 11, 77, 30, 0, 255},
      {233, 238, "琴", 11, 77, 20, 0, 255},
      {247, 254, "羅綺香嚢", 11, 79, 10, 0, 255},
  };
  for (const Item& it : items) {
    for (int32_t item = it.first; item <= it.last; ++item) {
      SCOPED_TRACE(item);
      std::string field = Sjis(it.name) + '\0';
      field.resize(ITEM_NAME_WIDTH, ' ');
      const std::vector<uint8_t> record_bytes(scenario.begin() + ItemRecordOffset(item),
                                              scenario.begin() + ItemRecordOffset(item) + 18);
      std::vector<uint8_t> want = Bytes(field);
      want.insert(want.end(), {it.type, it.image, it.price_code, it.increase, it.skill});
      EXPECT_EQ(record_bytes, want);
    }
  }
  // "茶": its 2 bytes, the NUL and 10 spaces; the user-defined character of item 31 intact.
  EXPECT_EQ(std::vector<uint8_t>(scenario.begin() + ItemRecordOffset(223), scenario.begin() + ItemRecordOffset(223) + 13),
            (std::vector<uint8_t>{0x92, 0x83, 0, ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}));
  EXPECT_EQ(std::vector<uint8_t>(scenario.begin() + ItemRecordOffset(31), scenario.begin() + ItemRecordOffset(31) + 11),
            (std::vector<uint8_t>{0x93, 0x53, 0xF0, 0x9A, 0xE5, 0x5B, 0x8D, 0x9C, 0x9E, 0x53, 0}));
  EXPECT_STREQ(ReadItemView(scenario, 0).price, "1500");
}

TEST(InitialItems, ResetOfAShortImageWritesOnlyTheRecordsInside) {
  // The image ends inside record 10: records 0 to 9 are reset, nothing beyond the end is touched.
  std::vector<uint8_t> scenario(static_cast<size_t>(ItemRecordOffset(10) + 5), 0xEE);
  ApplyInitialItemTable(scenario);
  EXPECT_EQ(scenario[ItemFieldOffset(9, ITEM_SKILL_FIELD)], 11);
  for (int32_t k = 0; k < 5; ++k) EXPECT_EQ(scenario[ItemRecordOffset(10) + k], 0xEE);
}

}  // namespace
