// The display order: sorting by reading, reversing, and finding rows again.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "formats/data_image.h"
#include "model/display_order.h"
#include "model/officer_edits.h"
#include "model/roster.h"
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

// The sort by reading written out plainly, keys held by value, as the reference the fast sort must
// match exchange for exchange: per byte position a selection pass (the first index of the smallest
// byte, exchanged with i), then each run but the last sorted one byte deeper unless ended, and the
// last run handled by going round again.
using PlainKey = std::array<uint8_t, READING_WIDTH>;

void PlainSortRange(std::vector<PlainKey>& keys, std::vector<OfficerId>& order, int32_t d, int32_t lo,
                    int32_t hi) {
  for (;;) {
    for (int32_t i = lo; i < hi; ++i) {
      int32_t m = i;
      uint8_t v = keys[i][d];
      for (int32_t j = i + 1; j <= hi; ++j) {
        if (keys[j][d] < v) {
          m = j;
          v = keys[j][d];
        }
      }
      if (m != i) {
        std::swap(keys[i], keys[m]);
        std::swap(order[i], order[m]);
      }
    }
    int32_t s = lo;
    for (;;) {
      int32_t e = s;
      while (e < hi && keys[e + 1][d] == keys[s][d]) ++e;
      if (e == hi) break;
      if (keys[s][d] != 0 && e > s) PlainSortRange(keys, order, d + 1, s, e);
      s = e + 1;
    }
    if (s == hi || keys[s][d] == 0) return;
    lo = s;
    ++d;
  }
}

// The key of a reading as written by PutReading: its bytes up to the first NUL, at most 10.
PlainKey PlainKeyOf(const std::string& reading) {
  PlainKey key{};
  for (size_t i = 0; i < reading.size() && i < READING_WIDTH - 1 && reading[i] != 0; ++i) {
    key[i] = static_cast<uint8_t>(reading[i]);
  }
  return key;
}

std::vector<OfficerId> PlainSort(const std::vector<std::string>& readings, std::vector<OfficerId> order) {
  std::vector<PlainKey> keys;
  for (const std::string& reading : readings) keys.push_back(PlainKeyOf(reading));
  if (order.size() > 1) PlainSortRange(keys, order, 0, 0, static_cast<int32_t>(order.size()) - 1);
  return order;
}

// Readings made to tie: a few byte values (mostly half-width kana), a prefix most rows share, any
// length from empty to the full 11 bytes without a NUL, now and then a NUL inside.
std::vector<std::string> TyingReadings(std::mt19937& random, int32_t n) {
  auto below = [&random](int32_t limit) {
    return static_cast<int32_t>(random() % static_cast<uint32_t>(limit));
  };
  const int32_t alphabet_sizes[] = {1, 2, 3, 4, 8, 30};
  std::vector<char> alphabet(static_cast<size_t>(alphabet_sizes[below(6)]));
  for (char& byte : alphabet) {
    int32_t kind = below(10);
    byte = static_cast<char>(kind < 7   ? 0xA6 + below(0x3A)   // half-width kana and marks
                             : kind < 9 ? 0x20 + below(0x60)   // space, digits, ASCII
                                        : 0xE0 + below(0x20)); // the highest bytes
  }
  auto letter = [&] { return alphabet[static_cast<size_t>(below(static_cast<int32_t>(alphabet.size())))]; };
  std::string prefix;
  for (int32_t length = below(READING_WIDTH); static_cast<int32_t>(prefix.size()) < length;) prefix += letter();

  std::vector<std::string> readings;
  for (int32_t r = 0; r < n; ++r) {
    // Most rows begin with the prefix, some with part of it, some with nothing of it.
    size_t shared = below(5) == 0 ? 0 : below(4) == 0 ? static_cast<size_t>(below(READING_WIDTH)) : prefix.size();
    std::string reading = prefix.substr(0, shared);
    int32_t length = below(READING_WIDTH + 1);
    while (static_cast<int32_t>(reading.size()) < length) reading += below(40) == 0 ? '\0' : letter();
    reading.resize(std::min<size_t>(reading.size(), READING_WIDTH));
    readings.push_back(reading);
  }
  return readings;
}

TEST(ReadingSort, LeavesExactlyThePermutationOfThePlainAlgorithmOnRandomTyingReadings) {
  std::mt19937 random(20240611);
  std::vector<uint8_t> save(SAVE_FILE_LENGTH, 0);
  std::vector<OfficerId> all_ids(ROSTER_ID_LIMIT);
  for (OfficerId id = 0; id < ROSTER_ID_LIMIT; ++id) all_ids[static_cast<size_t>(id)] = id;
  for (int32_t c = 0; c < 3000; ++c) {
    // Mostly short lists, some of a few hundred rows, a few full rosters.
    const int32_t n = c % 500 == 0  ? ROSTER_CAPACITY
                      : c % 20 == 0 ? 100 + static_cast<int32_t>(random() % 301)
                                    : 2 + static_cast<int32_t>(random() % 79);
    std::vector<std::string> readings = TyingReadings(random, n);
    std::shuffle(all_ids.begin(), all_ids.end(), random);
    std::vector<OfficerId> shown(all_ids.begin(), all_ids.begin() + n);
    // Every fourth list is shown already in reading order or in its reverse.
    if (c % 4 == 3) {
      std::vector<OfficerId> sorted = PlainSort(readings, shown);
      std::vector<std::string> by_id(ROSTER_ID_LIMIT);
      for (int32_t r = 0; r < n; ++r) by_id[static_cast<size_t>(shown[r])] = readings[r];
      if (c % 8 == 7) std::reverse(sorted.begin(), sorted.end());
      shown = sorted;
      for (int32_t r = 0; r < n; ++r) readings[r] = by_id[static_cast<size_t>(shown[r])];
    }

    DisplayOrder order{};
    for (int32_t r = 0; r < n; ++r) {
      order[r] = shown[r];
      PutReading(save, shown[r], readings[r]);
    }
    ASSERT_TRUE(SortByReading(save, order, n));
    ASSERT_EQ(Rows(order, n), PlainSort(readings, shown)) << "case " << c << ", " << n << " rows";
  }
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
