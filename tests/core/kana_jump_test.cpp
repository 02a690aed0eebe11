// The kana quick-jump: the key table and the search over a list that scrolls like a list box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "formats/data_image.h"
#include "model/kana_jump.h"
#include "sjis_text.h"

namespace {

constexpr uintptr_t KEY_A = 0x33;  // digit 3: ｱ
constexpr uintptr_t KEY_KA = 0x54; // T: ｶ
constexpr uintptr_t KEY_SA = 0x58; // X: ｻ
constexpr int32_t VISIBLE_ROWS = 15;

// A list control of `keys.size() + trailing_rows` rows showing VISIBLE_ROWS at a time: like
// LB_SETTOPINDEX it stops at the last full page. Only the first keys.size() rows may be examined.
class FakeList final : public KanaJumpList {
 public:
  explicit FakeList(std::string first_bytes, int32_t top = 0, int32_t trailing_rows = 0)
      : keys(std::move(first_bytes)), top_row(top), trailing(trailing_rows) {}

  bool FileOpen() override { return open; }
  int32_t RowCount() override { return static_cast<int32_t>(keys.size()); }
  int32_t TopRow() override {
    ++queries;
    return top_row;
  }
  void SetTopRow(int32_t row) override {
    ++scrolls;
    if (frozen) return;
    int32_t last_top = std::max(0, RowCount() + trailing - VISIBLE_ROWS);
    top_row = std::clamp(row, 0, last_top);
  }
  uint8_t FirstReadingByte(int32_t row) override {
    ++reads;
    if (row < 0 || row >= RowCount()) {
      ADD_FAILURE() << "row " << row << " examined";
      return 0;
    }
    return static_cast<uint8_t>(keys[static_cast<size_t>(row)]);
  }
  void AfterJump(int32_t row) override { chosen.push_back(row); }

  // The bounds a key press keeps to: at most 2n readings, two scrolls and three top-row queries.
  void ExpectWithinCost() const {
    EXPECT_LE(reads, 2 * static_cast<int32_t>(keys.size()));
    EXPECT_LE(scrolls, 2);
    EXPECT_LE(queries, 3);
  }

  std::string keys;
  bool open = true;
  bool frozen = false;  // ignores every request to scroll
  int32_t top_row;
  int32_t trailing;
  int32_t reads = 0, scrolls = 0, queries = 0;
  std::vector<int32_t> chosen;
};

// Rows whose readings start with the given half-width kana (one character per row); "-" is a row
// whose reading starts with no kana.
std::string Rows(const char* utf8_kana) { return Sjis(utf8_kana); }
std::string Others(size_t n) { return std::string(n, '-'); }

TEST(KanaJumpTable, PairsEachKeyWithItsKanaInLayoutOrder) {
  EXPECT_EQ(std::string(KANA_JUMP_TABLE.kana),
            Sjis("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ"));
  for (int32_t i = 0; i < KANA_KEY_COUNT; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(static_cast<uint8_t>(KANA_JUMP_TABLE.kana[i]), 0xB1 + i);
    EXPECT_EQ(KanaOfKey(KANA_JUMP_TABLE.key_codes[i]), 0xB1 + i);  // no code is listed twice
  }
  struct Key {
    uintptr_t code;
    const char* kana;
  };
  const Key keys[] = {{0x33, "ｱ"}, {0xBA, "ｹ"}, {0x31, "ﾇ"}, {0xDE, "ﾍ"}, {0xE2, "ﾛ"},
                      {0x59, "ﾝ"}, {0x133, "ｱ"} /* only the low byte counts */};
  for (const Key& key : keys) {
    SCOPED_TRACE(key.kana);
    EXPECT_EQ(KanaOfKey(key.code), static_cast<uint8_t>(Sjis(key.kana)[0]));
  }
}

TEST(KanaJump, PassesOnKeysOutsideTheTableAndEveryKeyWithoutAFile) {
  const std::string rows = Rows("ｱｶｻ") + Others(40);
  std::vector<uintptr_t> foreign = {0x25, 0x26, 0x27, 0x28, 0x0D, 0x1B, 0x20, 0x10, 0x11};
  for (uintptr_t pad = 0x60; pad <= 0x69; ++pad) foreign.push_back(pad);  // numeric keypad digits
  for (uintptr_t key : foreign) {
    SCOPED_TRACE(key);
    FakeList list(rows, 5);
    EXPECT_FALSE(KanaJump(list, key));
    EXPECT_EQ(list.scrolls, 0);
    EXPECT_EQ(list.top_row, 5);
  }
  for (uint8_t code : KANA_JUMP_TABLE.key_codes) {
    SCOPED_TRACE(code);
    FakeList list(rows, 5);
    list.open = false;
    EXPECT_FALSE(KanaJump(list, code));
    EXPECT_EQ(list.reads + list.scrolls + list.queries, 0);
  }
}

TEST(KanaJump, NoKeyFindsSmallKanaMarksOrOtherCharacters) {
  // ｧ ｨ ｯ ｬ ｦ ｰ ﾞ ﾟ, ASCII, NUL, and the lead byte of a kanji.
  std::string rows = Rows("ｧｨｯｬｦｰﾞﾟ") + "A0" + std::string(1, '\0') + "\x88" + Others(30);
  for (uint8_t code : KANA_JUMP_TABLE.key_codes) {
    SCOPED_TRACE(code);
    FakeList list(rows, 20);
    EXPECT_FALSE(KanaJump(list, code));
    EXPECT_EQ(list.top_row, 20);
    EXPECT_TRUE(list.chosen.empty());
    list.ExpectWithinCost();
  }
}

TEST(KanaJump, MovesToTheNextBlockAfterTheOneInView) {
  // 40 rows, 15 in view: the last top row is 25. A list sorted by reading: three empty readings,
  // ｱ in rows 3-7, ｲ in 8-19, ｶ in 20-39.
  const std::string sorted = Others(3) + Rows("ｱｱｱｱｱｲｲｲｲｲｲｲｲｲｲｲｲ") + Rows("ｶ") + std::string(19, Rows("ｶ")[0]);
  // In roster order: ｶ blocks at 0-1, 10-12 and 20.
  const std::string roster = Rows("ｶｶ") + Others(8) + Rows("ｶｶｶ") + Others(7) + Rows("ｶ") + Others(19);
  // A single ｶ below the last top row.
  const std::string deep = Others(33) + Rows("ｶ") + Others(6);
  struct Case {
    const char* name;
    const std::string& rows;
    int32_t top;
    uintptr_t key;
    bool moved;
    int32_t top_after;
    int32_t searched;  // the row handed to AfterJump, or -1
  };
  const Case cases[] = {
      {"top on the only ｱ block: passed over, nothing else", sorted, 3, KEY_A, false, 3, -1},
      {"top inside the ｱ block: back up to its start", sorted, 5, KEY_A, true, 3, 3},
      {"top before the ｱ block: down to its start", sorted, 0, KEY_A, true, 3, 3},
      {"no reading starts with ｻ", sorted, 0, KEY_SA, false, 0, -1},
      {"next block starts mid-list: it becomes the top row", sorted, 0, KEY_KA, true, 20, 20},
      {"target below the last top row: scrolls to the end", deep, 0, KEY_KA, true, 25, 33},
      {"roster order: from the first ｶ block to the second", roster, 0, KEY_KA, true, 10, 10},
      {"inside the second block: to the third", roster, 11, KEY_KA, true, 20, 20},
      {"from the third: wraps around to the first", roster, 20, KEY_KA, true, 0, 0},
      {"top between blocks: the next block below", roster, 14, KEY_KA, true, 20, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeList list(c.rows, c.top);
    EXPECT_EQ(KanaJump(list, c.key), c.moved);
    EXPECT_EQ(list.top_row, c.top_after);
    EXPECT_EQ(list.chosen, c.searched < 0 ? std::vector<int32_t>{} : std::vector<int32_t>{c.searched});
    list.ExpectWithinCost();
  }
}

TEST(KanaJump, AtTheEndOfTheListGoesBackToTheFirstMatchAbove) {
  // 40 rows, the view at its end (top 25). The ｶ block at the top row is passed over; the next ｶ,
  // row 30, is already in view, so the view cannot move down.
  struct Case {
    const char* name;
    std::string rows;
    bool moved;
    int32_t top_after;
  };
  const Case cases[] = {
      {"a ｶ above the view: goes up to the first one",
       Others(5) + Rows("ｶ") + Others(3) + Rows("ｶ") + Others(15) + Rows("ｶｶ") + Others(3) + Rows("ｶ") + Others(9),
       true, 5},
      {"none above the view: nothing moves",
       Others(25) + Rows("ｶｶ") + Others(3) + Rows("ｶ") + Others(9), false, 25},
      {"the top row starts no block, the only ｶ is in the last page: nothing moves",
       Others(25) + Others(5) + Rows("ｶ") + Others(9), false, 25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(c.rows.size(), 40u);
    FakeList list(c.rows, 25);
    EXPECT_EQ(KanaJump(list, KEY_KA), c.moved);
    EXPECT_EQ(list.top_row, c.top_after);
    EXPECT_EQ(list.chosen, c.moved ? std::vector<int32_t>{c.top_after} : std::vector<int32_t>{});
    list.ExpectWithinCost();
  }
}

TEST(KanaJump, OwnerListNeverExaminesItsLastRowAndChoosesOnlyAfterAMove) {
  // n officers and the "なし" row after them; FakeList fails the test if row n is examined.
  const std::string rows = Rows("ｻ") + Others(20) + Rows("ｶ") + Others(8);  // n = 30, last top 16
  struct Case {
    const char* name;
    int32_t top;
    uintptr_t key;
    bool moved;
    int32_t top_after;
  };
  const Case cases[] = {
      {"down to ｶ", 0, KEY_KA, true, 16},
      {"wrap past the last officer to ｻ", 10, KEY_SA, true, 0},
      {"ｶ in view at the end, none above: no move, no choice", 16, KEY_KA, false, 16},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeList list(rows, c.top, 1);
    EXPECT_EQ(KanaJump(list, c.key), c.moved);
    EXPECT_EQ(list.top_row, c.top_after);
    EXPECT_EQ(list.chosen.size(), c.moved ? 1u : 0u);
  }
}

TEST(KanaJump, TopRowOutsideTheSearchedRowsScansFromTheFirstRow) {
  // The control reports an error (-1) or only its trailing row in view (n): no block to pass over.
  const std::string rows = Rows("ｶ") + Others(9);
  for (int32_t top : {-1, 10}) {
    SCOPED_TRACE(top);
    FakeList list(rows, top, 20);
    EXPECT_TRUE(KanaJump(list, KEY_KA));
    EXPECT_EQ(list.top_row, 0);
    EXPECT_EQ(list.chosen, std::vector<int32_t>{0});
  }
}

TEST(KanaJump, AControlThatDoesNotScrollReportsNoJump) {
  FakeList list(Others(5) + Rows("ｶ") + Others(10) + Rows("ｶ") + Others(20), 10);
  list.frozen = true;
  EXPECT_FALSE(KanaJump(list, KEY_KA));
  EXPECT_EQ(list.scrolls, 2);  // the target below, then the first match above
  EXPECT_TRUE(list.chosen.empty());
  list.ExpectWithinCost();
}

// Officers of a save image with a list box's scrolling on top.
class SaveList final : public OfficerKanaJumpList {
 public:
  using OfficerKanaJumpList::OfficerKanaJumpList;
  int32_t TopRow() override { return top; }
  void SetTopRow(int32_t row) override { top = std::clamp(row, 0, RowCount() - VISIBLE_ROWS); }
  int32_t top = 0;
};

TEST(KanaJump, ReadsTheFirstByteOfEachOfficersReading) {
  std::vector<uint8_t> bytes(SAVE_FILE_LENGTH, 0);
  DataFileImage save{"SAMPLE1.sav", SAVE_FILE_LENGTH, bytes.data(), 0};
  auto put_reading = [&](OfficerId id, const char* utf8) {
    std::string text = Sjis(utf8);
    std::memcpy(bytes.data() + NameFieldOffset(id, READING_FIELD), text.data(), text.size());
  };
  put_reading(103, "ｧｶ");    // starts with a small kana
  put_reading(110, "ｶﾞｸ");   // ｶ with a voicing mark: found with T
  put_reading(120, "ｶｲ");
  std::vector<OfficerId> rows;  // the display order: ids 100 to 139, then 0
  for (OfficerId id = 100; id < 140; ++id) rows.push_back(id);
  rows.push_back(0);

  SaveList list(OpenImageBytes(save), rows);
  EXPECT_TRUE(KanaJump(list, KEY_KA));
  EXPECT_EQ(list.top, 10);
  EXPECT_TRUE(KanaJump(list, KEY_KA));
  EXPECT_EQ(list.top, 20);

  save.path[0] = '\0';  // the save file was closed
  SaveList closed(OpenImageBytes(save), rows);
  closed.top = 20;
  EXPECT_FALSE(KanaJump(closed, KEY_KA));
  EXPECT_EQ(closed.top, 20);
}

}  // namespace
