// The display order: sorting by reading, reversing, and finding rows again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "data_image.h"
#include "display_order.h"
#include "officer_edits.h"
#include "roster.h"
#include "sample_data.h"
#include "sjis_text.h"

namespace {

constexpr OfficerId FIRST_ID = 100;

// Puts `bytes` into the reading field: as the editor writes it when shorter than the field, raw
// (no NUL) when it has all 11 bytes.
void PutReading(std::vector<uint8_t>& save, OfficerId id, const std::string& bytes) {
  uint8_t* field = save.data() + NameFieldOffset(id, READING_FIELD);
  std::memset(field, 0x20, READING_WIDTH);
  std::memcpy(field, bytes.data(), bytes.size());
  if (bytes.size() < READING_WIDTH) field[bytes.size()] = 0;
}

std::vector<OfficerId> Rows(const DisplayOrder& order, int32_t n) {
  return std::vector<OfficerId>(order.begin(), order.begin() + n);
}

TEST(ReadingSort, OrdersBytewiseAndLeavesIdenticalReadingsWhereTheExchangesPutThem) {
  struct Row {
    const char* name;
    std::vector<std::string> readings;  // of the rows as shown before the sort
    std::vector<int32_t> sorted;        // the old rows, in their new order
  };
  const Row rows[] = {
      {"empty reading first", {Sjis("ｱ"), ""}, {1, 0}},
      {"a reading before a longer one it begins", {Sjis("ｱｲ"), Sjis("ｱ")}, {1, 0}},
      {"voicing mark 0xDE after every letter", {Sjis("ｶﾞ"), Sjis("ｶﾝ")}, {1, 0}},
      {"small kana and long-vowel mark before ｱ", {Sjis("ｱ"), Sjis("ｰ"), Sjis("ｯ"), Sjis("ｧ")}, {3, 2, 1, 0}},
      {"space, digit, ASCII letter before kana", {Sjis("ｱ"), "A", "1", " "}, {3, 2, 1, 0}},
      {"later bytes decide within a shared prefix", {Sjis("ｻｶﾞ"), Sjis("ｻｶ"), Sjis("ｻｲ"), Sjis("ｻｶﾝ")}, {2, 1, 3, 0}},
      // Rows A, B, C: the pass exchanges A and C, then finds B and A equal; not a stable order.
      {"identical readings: A B C with ｲ ｲ ｱ", {Sjis("ｲ"), Sjis("ｲ"), Sjis("ｱ")}, {2, 1, 0}},
      {"identical readings in a deeper run", {Sjis("ｶｲ"), Sjis("ｶｲ"), Sjis("ｶｱ"), Sjis("ｱ")}, {3, 2, 1, 0}},
      {"already sorted, ties included: unchanged", {"", Sjis("ｱ"), Sjis("ｱ"), Sjis("ｱｲ"), Sjis("ｲ")}, {0, 1, 2, 3, 4}},
      // A field with no NUL sorts by its first 10 bytes: equal to the 10-byte reading.
      {"field without NUL", {Sjis("ｱｱｱｱｱｱｱｱｱｱﾝ"), Sjis("ｱｱｱｱｱｱｱｱｱｱ"), Sjis("ｱｱｱｱｱｱｱｱｱｲ")}, {0, 1, 2}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<uint8_t> save(SAVE_FILE_LENGTH, 0);
    DisplayOrder order{};
    const int32_t n = static_cast<int32_t>(row.readings.size());
    for (int32_t r = 0; r < n; ++r) {
      order[r] = FIRST_ID + r;
      PutReading(save, FIRST_ID + r, row.readings[r]);
    }
    ASSERT_TRUE(SortByReading(save, order, n));
    std::vector<OfficerId> expected;
    for (int32_t old_row : row.sorted) expected.push_back(FIRST_ID + old_row);
    EXPECT_EQ(Rows(order, n), expected);
  }
}

TEST(ReadingSort, SortsTheSampleRosterAndResortingOrReversingTwiceChangesNothing) {
  auto save = MakeSampleSave();
  OfficerRoster roster{};
  BuildOfficerRoster(save, roster);
  const int32_t n = roster.count;
  DisplayOrder order{};
  CopyRosterOrder(roster, order);
  ASSERT_TRUE(SortByReading(save, order, n));

  auto shown = Rows(order, n);
  for (int32_t r = 1; r < n; ++r) {
    SCOPED_TRACE(r);
    ASSERT_LE(OfficerReading(save, order[r - 1]), OfficerReading(save, order[r]));  // bytewise unsigned
  }
  std::vector<OfficerId> sorted_ids = shown;
  std::sort(sorted_ids.begin(), sorted_ids.end());
  EXPECT_EQ(sorted_ids, Rows(roster.ids, n));  // the same officers

  ASSERT_TRUE(SortByReading(save, order, n));
  EXPECT_EQ(Rows(order, n), shown);  // sorting a sorted order changes nothing, ties included

  ReverseOrder(order, n);
  EXPECT_EQ(order[0], shown[n - 1]);
  ReverseOrder(order, n);
  EXPECT_EQ(Rows(order, n), shown);

  CopyRosterOrder(roster, order);
  ReverseOrder(order, n);
  EXPECT_TRUE(std::is_sorted(order.begin(), order.begin() + n, std::greater<OfficerId>()));
}

// Hands out blocks until `left` runs out, and counts what has not been given back.
class CountedMemory final : public KeyMemory {
 public:
  explicit CountedMemory(int32_t left) : left_(left) {}
  void* Allocate(size_t bytes) override {
    if (left_ == 0) return nullptr;
    --left_;
    ++live;
    return std::malloc(bytes);
  }
  void Release(void* block) override {
    --live;
    std::free(block);
  }
  int32_t live = 0;

 private:
  int32_t left_;
};

TEST(ReadingSort, RunningOutOfMemoryAtAnyAllocationChangesNothingAndLeaksNothing) {
  auto save = MakeSampleSave();
  OfficerRoster roster{};
  BuildOfficerRoster(save, roster);
  DisplayOrder order{};
  CopyRosterOrder(roster, order);
  ReverseOrder(order, roster.count);
  const DisplayOrder before = order;
  bool sorted = false;
  for (int32_t allowed = 0; !sorted; ++allowed) {
    SCOPED_TRACE(allowed);
    ASSERT_LE(allowed, roster.count + 1);
    CountedMemory memory(allowed);
    sorted = SortByReading(save, order, roster.count, memory);
    EXPECT_EQ(memory.live, 0);
    if (!sorted) {
      EXPECT_EQ(order, before);
    }
  }
  EXPECT_NE(order, before);
}

TEST(RowMap, FindsEveryShownOfficerAndNothingElse) {
  DisplayOrder order{};
  const std::vector<OfficerId> shown = {ROSTER_ID_LIMIT - 1, 0, 760, 42};
  std::copy(shown.begin(), shown.end(), order.begin());
  OfficerRowMap rows;
  BuildOfficerRowMap(order, static_cast<int32_t>(shown.size()), rows);
  for (int32_t r = 0; r < static_cast<int32_t>(shown.size()); ++r) EXPECT_EQ(OfficerRow(rows, shown[r]), r);
  for (OfficerId id : {1, 658, ROSTER_ID_LIMIT, -1, NO_OWNER}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(OfficerRow(rows, id), -1);
  }

  const int32_t selected_rows[] = {0, 2, 4, -1, 3};  // 4 and -1 are not rows
  OfficerId ids[ROSTER_CAPACITY];
  int32_t count = OfficersOfRows(order, static_cast<int32_t>(shown.size()), selected_rows, ids);
  EXPECT_EQ(std::vector<OfficerId>(ids, ids + count), (std::vector<OfficerId>{ROSTER_ID_LIMIT - 1, 760, 42}));
}

}  // namespace
