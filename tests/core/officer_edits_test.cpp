// The byte effects of the officer batch edits: every changed byte expected, every other byte of
// the save image unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "formats/data_image.h"
#include "image_bytes.h"
#include "model/officer_edits.h"
#include "model/roster.h"
#include "sample_data.h"
#include "sjis_text.h"

namespace {

using namespace std::string_literals;
using Save = std::vector<uint8_t>;
using Edit = std::function<void(std::span<uint8_t>, std::span<const OfficerId>)>;

const OfficerId SELECTED[] = {7, 42};

// Bytes at a field of an officer's name record or at an attribute offset, for every officer.
struct Bytes {
  int32_t base, stride;
  std::string bytes;
};
Bytes Name(int32_t field, std::string bytes) { return {NAME_TABLE_OFFSET + field, NAME_RECORD_SIZE, bytes}; }
Bytes Name(int32_t field, uint8_t byte) { return Name(field, std::string(1, static_cast<char>(byte))); }
Bytes Attr(int32_t offset, uint8_t byte) { return {offset, ATTRIBUTE_RECORD_SIZE, std::string(1, static_cast<char>(byte))}; }

void Put(Save& save, const std::vector<Bytes>& all) {
  for (OfficerId id : SELECTED) {
    for (const Bytes& b : all) std::copy(b.bytes.begin(), b.bytes.end(), save.begin() + b.base + b.stride * id);
  }
}

struct Row {
  const char* name;
  std::vector<Bytes> before;  // put into the sample save first
  Edit edit;
  std::vector<Bytes> after;   // the bytes expected to change
};

// A birth year command over a stored year byte.
Row Birth(const char* name, uint8_t stored, int32_t year, bool no_aging, int32_t after) {
  std::vector<Bytes> changed;
  if (after >= 0) changed.push_back(Name(BIRTH_YEAR_FIELD, static_cast<uint8_t>(after)));
  return {name, {Name(BIRTH_YEAR_FIELD, stored)},
          [year, no_aging](auto s, auto ids) { WriteBirthYear(s, ids, year, no_aging); }, changed};
}

void Check(const Row& row) {
  SCOPED_TRACE(row.name);
  static const Save sample = MakeSampleSave();
  Save original = sample;
  Put(original, row.before);
  Save edited = original;
  row.edit(edited, SELECTED);
  Save expected = original;
  Put(expected, row.after);
  EXPECT_EQ(ByteDifferences(expected, edited), "");
}

TEST(OfficerEdits, NamesAndTheFullNameTheyCompose) {
  const Row rows[] = {
      {"family name rebuilds full name",
       {Name(GIVEN_NAME_FIELD, Sjis("備") + "\0  "s)},
       [](auto s, auto ids) { WriteFamilyName(s, ids, Sjis("劉")); },
       {Name(FAMILY_NAME_FIELD, Sjis("劉") + "\0  "s), Name(FULL_NAME_FIELD, Sjis("劉備") + "\0    "s)}},
      {"given name rebuilds full name",
       {Name(FAMILY_NAME_FIELD, Sjis("諸葛") + "\0"s)},
       [](auto s, auto ids) { WriteGivenName(s, ids, Sjis("亮")); },
       {Name(GIVEN_NAME_FIELD, Sjis("亮") + "\0  "s), Name(FULL_NAME_FIELD, Sjis("諸葛亮") + "\0  "s)}},
      {"too long a name is cut to 4 bytes of whole characters",
       {Name(GIVEN_NAME_FIELD, "B\0   "s)},
       [](auto s, auto ids) { WriteFamilyName(s, ids, Sjis("あいう")); },
       {Name(FAMILY_NAME_FIELD, Sjis("あい") + "\0"s), Name(FULL_NAME_FIELD, Sjis("あい") + "B\0   "s)}},
      {"stored given name without NUL is cut beside the new family name",
       {Name(GIVEN_NAME_FIELD, "x"s + Sjis("かき"))},
       [](auto s, auto ids) { WriteFamilyName(s, ids, Sjis("あい")); },
       {Name(FAMILY_NAME_FIELD, Sjis("あい") + "\0"s), Name(FULL_NAME_FIELD, Sjis("あいxか") + "\0 "s)}},
      {"stored family name without NUL is cut before the new given name",
       {Name(FAMILY_NAME_FIELD, Sjis("かき") + "x")},
       [](auto s, auto ids) { WriteGivenName(s, ids, Sjis("さし")); },
       {Name(GIVEN_NAME_FIELD, Sjis("さし") + "\0"s), Name(FULL_NAME_FIELD, Sjis("かきさし") + "\0"s)}},
      {"courtesy name alone",
       {},
       [](auto s, auto ids) { WriteCourtesyName(s, ids, Sjis("孔明")); },
       {Name(COURTESY_NAME_FIELD, Sjis("孔明") + "\0"s)}},
      {"reading alone, cut to 10 bytes",
       {},
       [](auto s, auto ids) { WriteReading(s, ids, Sjis("ｼｮｶﾂﾘｮｳｺｳﾒｲ")); },
       {Name(READING_FIELD, Sjis("ｼｮｶﾂﾘｮｳｺｳﾒ") + "\0"s)}},
  };
  for (const Row& row : rows) Check(row);
}

TEST(OfficerEdits, NumbersAndTheNoAgingRule) {
  const Row rows[] = {
      {"face 100", {}, [](auto s, auto ids) { WriteFaceNumber(s, ids, 100); },
       {Name(FACE_NUMBER_FIELD, "\x64\x00"s)}},
      {"face 845 is little-endian", {}, [](auto s, auto ids) { WriteFaceNumber(s, ids, 845); },
       {Name(FACE_NUMBER_FIELD, "\x4D\x03"s)}},
      {"loyalty 80", {}, [](auto s, auto ids) { WriteLoyalty(s, ids, 80); }, {Attr(LOYALTY_OFFSET, 80)}},
      {"charisma 100 leaves the other abilities", {}, [](auto s, auto ids) { WriteAbility(s, ids, 3, 100); },
       {Name(ABILITY_FIELD + 3, 100)}},
      {"life span 5 keeps bits 0-4 (0x1F)", {Attr(LIFE_SPAN_OFFSET, 0x1F)},
       [](auto s, auto ids) { WriteLifeSpan(s, ids, 5); }, {Attr(LIFE_SPAN_OFFSET, 0xBF)}},
      {"life span 5 keeps bits 0-4 (0xE3)", {Attr(LIFE_SPAN_OFFSET, 0xE3)},
       [](auto s, auto ids) { WriteLifeSpan(s, ids, 5); }, {Attr(LIFE_SPAN_OFFSET, 0xA3)}},
      // Birth years are stored as year - 100: the byte stored, the year typed, no aging, the byte after
      // (-1: unchanged).
      Birth("no aging: an earlier year is refused", 90, 180, true, -1),
      Birth("no aging: the same year changes nothing", 90, 190, true, -1),
      Birth("no aging: a later year is taken", 90, 200, true, 100),
      Birth("aging allowed: an earlier year is taken", 90, 180, false, 80),
      Birth("no aging, stored 300, 250", 200, 250, true, -1),
      Birth("no aging, stored 300, 320 (compared unsigned)", 200, 320, true, 220),
      Birth("year 355 is 255", 0, 355, false, 255),
  };
  for (const Row& row : rows) Check(row);
}

TEST(OfficerEdits, EachSkillOwnsOneBit) {
  // Byte (from 3672) and mask of every skill, in the order of the skill choice.
  const struct { int32_t byte; uint8_t mask; } bits[SKILL_COUNT] = {
      {0, 0x80}, {0, 0x40}, {1, 0x80}, {1, 0x40}, {1, 0x20}, {1, 0x10}, {1, 0x08}, {1, 0x04}, {1, 0x02},
      {1, 0x01}, {2, 0x80}, {2, 0x40}, {2, 0x20}, {2, 0x10}, {2, 0x08}, {2, 0x04}, {2, 0x02}, {2, 0x01},
      {3, 0x80}, {3, 0x40}, {3, 0x20}, {3, 0x10}, {3, 0x08}, {3, 0x04}, {3, 0x02}, {3, 0x01},
  };
  for (int32_t skill = 0; skill < SKILL_COUNT; ++skill) {
    SCOPED_TRACE(skill);
    const int32_t at = SKILL_FLAGS_OFFSET + bits[skill].byte;
    Check({"set from 0x00", {Attr(at, 0x00)}, [=](auto s, auto ids) { WriteSkill(s, ids, skill, true); },
           {Attr(at, bits[skill].mask)}});
    Check({"cleared from 0xFF", {Attr(at, 0xFF)}, [=](auto s, auto ids) { WriteSkill(s, ids, skill, false); },
           {Attr(at, static_cast<uint8_t>(~bits[skill].mask))}});
  }
}

TEST(OfficerEdits, EachTacticOwnsOneNibbleAndRanksSkipOneToSeven) {
  // Byte (from 3676) and nibble of every tactic; the last one skips the high nibble of byte 7.
  const struct { int32_t byte; bool high; } nibbles[TACTIC_COUNT] = {
      {0, true}, {0, false}, {1, true}, {1, false}, {2, true}, {2, false}, {3, true}, {3, false},
      {4, true}, {4, false}, {5, true}, {5, false}, {6, true}, {6, false}, {7, false},
  };
  for (int32_t tactic = 0; tactic < TACTIC_COUNT; ++tactic) {
    SCOPED_TRACE(tactic);
    const int32_t at = TACTIC_RANKS_OFFSET + nibbles[tactic].byte;
    Check({"rank 6 into 0x5A", {Attr(at, 0x5A)}, [=](auto s, auto ids) { WriteTacticRank(s, ids, tactic, 6); },
           {Attr(at, nibbles[tactic].high ? 0xDA : 0x5D)}});
  }
  const uint8_t stored[TACTIC_RANK_COUNT] = {0, 8, 9, 10, 11, 12, 13};
  for (int32_t rank = 0; rank < TACTIC_RANK_COUNT; ++rank) {
    SCOPED_TRACE(rank);
    Check({"tactic 0 from 0x37", {Attr(TACTIC_RANKS_OFFSET, 0x37)},
           [=](auto s, auto ids) { WriteTacticRank(s, ids, 0, rank); },
           {Attr(TACTIC_RANKS_OFFSET, static_cast<uint8_t>(stored[rank] << 4 | 0x07))}});
  }
}

TEST(OfficerEdits, ValuesOutsideTheirRangeAndUnknownIdsWriteNothing) {
  const Row rows[] = {
      {"face 846", {}, [](auto s, auto ids) { WriteFaceNumber(s, ids, 846); }, {}},
      {"year 99", {}, [](auto s, auto ids) { WriteBirthYear(s, ids, 99, false); }, {}},
      {"year 356", {}, [](auto s, auto ids) { WriteBirthYear(s, ids, 356, false); }, {}},
      {"life span 8", {}, [](auto s, auto ids) { WriteLifeSpan(s, ids, 8); }, {}},
      {"loyalty 101", {}, [](auto s, auto ids) { WriteLoyalty(s, ids, 101); }, {}},
      {"ability 101", {}, [](auto s, auto ids) { WriteAbility(s, ids, 0, 101); }, {}},
      {"ability index 4", {}, [](auto s, auto ids) { WriteAbility(s, ids, 4, 50); }, {}},
      {"skill 26", {}, [](auto s, auto ids) { WriteSkill(s, ids, 26, true); }, {}},
      {"tactic 15", {}, [](auto s, auto ids) { WriteTacticRank(s, ids, 15, 1); }, {}},
      {"rank 7", {}, [](auto s, auto ids) { WriteTacticRank(s, ids, 0, 7); }, {}},
      {"ids outside every roster", {}, [](auto s, auto) {
         const OfficerId ids[] = {-1, ROSTER_ID_LIMIT, 1 << 30};
         WriteFamilyName(s, ids, "A");
         WriteLoyalty(s, ids, 5);
       }, {}},
  };
  for (const Row& row : rows) Check(row);
}

// A roster whose run from 760 goes on to 1097: select all, then each attribute edit. Officers from
// 899 on are left out and counted, so no byte of the name table changes; 898 and below are written.
TEST(OfficerEdits, AttributeEditsLeaveOutOfficersWhoseFieldsWouldLieInTheNameTable) {
  const Save original = [] {
    Save save = MakeLongRunSave();
    // Officer 898's bytes are 0, which every case below changes.
    for (int32_t offset : {LOYALTY_OFFSET, LIFE_SPAN_OFFSET, SKILL_FLAGS_OFFSET, TACTIC_RANKS_OFFSET + 7}) {
      save[AttributeOffset(offset, 898)] = 0;
    }
    return save;
  }();
  OfficerRoster roster{};
  BuildOfficerRoster(original, roster);
  ASSERT_EQ(roster.ids[roster.count - 1], SAMPLE_LONG_RUN_LAST);
  const std::span<const OfficerId> all(roster.ids.data(), static_cast<size_t>(roster.count));
  const int32_t left_out = SAMPLE_LONG_RUN_LAST - 899 + 1;
  EXPECT_EQ(CountOfficersLeftOutOfAttributeEdits(all), left_out);

  struct Case {
    const char* name;
    std::function<int32_t(std::span<uint8_t>, std::span<const OfficerId>)> edit;
    int32_t offset;
    std::function<uint8_t(uint8_t)> byte;  // the written byte from the stored one
  };
  const Case cases[] = {
      {"loyalty 50", [](auto s, auto ids) { return WriteLoyalty(s, ids, 50); }, LOYALTY_OFFSET,
       [](uint8_t) -> uint8_t { return 50; }},
      {"life span 5", [](auto s, auto ids) { return WriteLifeSpan(s, ids, 5); }, LIFE_SPAN_OFFSET,
       [](uint8_t b) -> uint8_t { return (b & 0x1F) | 0xA0; }},
      {"skill 0 set", [](auto s, auto ids) { return WriteSkill(s, ids, 0, true); }, SKILL_FLAGS_OFFSET,
       [](uint8_t b) -> uint8_t { return b | 0x80; }},
      {"tactic 14 rank 6", [](auto s, auto ids) { return WriteTacticRank(s, ids, 14, 6); }, TACTIC_RANKS_OFFSET + 7,
       [](uint8_t b) -> uint8_t { return (b & 0xF0) | 0x0D; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Save edited = original;
    EXPECT_EQ(c.edit(edited, all), left_out);
    Save expected = original;
    for (OfficerId id : all) {
      if (id <= 898) expected[AttributeOffset(c.offset, id)] = c.byte(original[AttributeOffset(c.offset, id)]);
    }
    EXPECT_EQ(ByteDifferences(expected, edited), "");
    EXPECT_TRUE(std::equal(edited.begin() + NAME_TABLE_OFFSET, edited.end(), original.begin() + NAME_TABLE_OFFSET));
    const int32_t at_898 = AttributeOffset(c.offset, 898);
    EXPECT_EQ(edited[at_898], c.byte(original[at_898]));
    EXPECT_NE(edited[at_898], 0);

    // Officers below 899 only: nothing left out, the same bytes as before the rule.
    const OfficerId below[] = {7, 898};
    Save few = original;
    EXPECT_EQ(c.edit(few, below), 0);
    EXPECT_EQ(few[at_898], edited[at_898]);
  }
}

TEST(OfficerEdits, NeverWritesPastTheEndOfTheImage) {
  // An image that ends inside officer 1's name record: its fields there are left alone.
  Save image(static_cast<size_t>(NameFieldOffset(1, READING_FIELD)) + 3, 0xEE);
  const OfficerId ids[] = {0, 1};
  WriteReading(image, ids, "ABC");
  WriteAbility(image, ids, 0, 9);
  Save expected(image.size(), 0xEE);
  std::string field = "ABC\0       "s;
  std::copy(field.begin(), field.end(), expected.begin() + NameFieldOffset(0, READING_FIELD));
  expected[NameFieldOffset(0, ABILITY_FIELD)] = 9;
  EXPECT_EQ(ByteDifferences(expected, image), "");
}

TEST(OfficerEdits, ListTextsAreWholeCharactersWithinTheField) {
  Save save = MakeSampleSave();
  auto put = [&](OfficerId id, const std::string& bytes) {
    std::copy(bytes.begin(), bytes.end(), save.begin() + NameFieldOffset(id, FULL_NAME_FIELD));
  };
  put(1, Sjis("劉備") + "\0    "s);
  put(2, Sjis("あいうえ") + "x");     // 9 bytes, no NUL
  put(3, "xa"s + Sjis("あいう") + "\x88");  // no NUL, ends in half a character
  EXPECT_EQ(OfficerFullName(save, 1), Sjis("劉備"));
  EXPECT_EQ(OfficerFullName(save, 2), Sjis("あいうえ") + "x");
  EXPECT_EQ(OfficerFullName(save, 3), "xa"s + Sjis("あいう"));
  EXPECT_EQ(OfficerFullName(save, ROSTER_ID_LIMIT), "");
  WriteReading(save, std::span<const OfficerId>(SELECTED), Sjis("ｿｳｿｳ"));
  EXPECT_EQ(OfficerReading(save, SELECTED[1]), Sjis("ｿｳｿｳ"));
}

}  // namespace
