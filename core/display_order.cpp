// Copying, reversing and sorting the officer editor's display order, and finding rows again.
#include "display_order.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

int32_t ClampRows(int32_t n) { return std::clamp(n, 0, ROSTER_CAPACITY); }

class HeapMemory final : public KeyMemory {
 public:
  void* Allocate(size_t bytes) override { return std::malloc(bytes); }
  void Release(void* block) override { std::free(block); }
};

// The reading of `id` up to and including its NUL; the key's last byte stays 0 whatever the
// field holds there, so no key is longer than 10 bytes of text.
void CopyReadingKey(std::span<const uint8_t> save, OfficerId id, uint8_t* key) {
  std::memset(key, 0, READING_WIDTH);
  int64_t offset = static_cast<int64_t>(NAME_TABLE_OFFSET) + int64_t{NAME_RECORD_SIZE} * id + READING_FIELD;
  if (offset < 0 || offset + READING_WIDTH > static_cast<int64_t>(save.size())) return;
  const uint8_t* field = save.data() + offset;
  for (int32_t i = 0; i < READING_WIDTH - 1 && field[i] != 0; ++i) key[i] = field[i];
}

}  // namespace

void CopyRosterOrder(const OfficerRoster& roster, DisplayOrder& order) {
  int32_t n = ClampRows(roster.count);
  std::copy_n(roster.ids.begin(), n, order.begin());
}

void ReverseOrder(DisplayOrder& order, int32_t n) {
  std::reverse(order.begin(), order.begin() + ClampRows(n));
}

KeyMemory& HeapKeyMemory() {
  static HeapMemory heap;
  return heap;
}

bool SortByReading(std::span<const uint8_t> save, DisplayOrder& order, int32_t n, KeyMemory& memory) {
  n = ClampRows(n);
  if (n < 2) return true;
  // One block: n key pointers, then the n keys they point at. The pointers are what the
  // selection passes exchange.
  size_t count = static_cast<size_t>(n);
  void* block = memory.Allocate(count * (sizeof(ReadingKey) + READING_WIDTH));
  if (block == nullptr) return false;
  auto* keys = static_cast<ReadingKey*>(block);
  auto* bytes = reinterpret_cast<uint8_t*>(keys + count);
  for (size_t r = 0; r < count; ++r) {
    uint8_t* key = bytes + r * READING_WIDTH;
    CopyReadingKey(save, order[r], key);
    keys[r] = key;
  }
  SortReadingRange(std::span<ReadingKey>(keys, count), 0, 0, n - 1, order);
  memory.Release(block);
  return true;
}

void SortReadingRange(std::span<ReadingKey> keys, int32_t d, int32_t lo, int32_t hi,
                      std::span<OfficerId> order) {
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
    // Runs of equal byte d, left to right; all but the last go one byte deeper by recursion.
    int32_t s = lo;
    for (;;) {
      int32_t e = s;
      while (e < hi && keys[e + 1][d] == keys[s][d]) ++e;
      if (e == hi) break;
      // A run of byte 0 holds keys that have all ended: identical, nothing left to compare.
      if (keys[s][d] != 0 && e > s) SortReadingRange(keys, d + 1, s, e, order);
      s = e + 1;
    }
    if (s == hi || keys[s][d] == 0) return;
    lo = s;
    ++d;
  }
}

void BuildOfficerRowMap(const DisplayOrder& order, int32_t n, OfficerRowMap& rows) {
  rows.fill(-1);
  n = ClampRows(n);
  for (int32_t r = 0; r < n; ++r) {
    OfficerId id = order[r];
    if (id >= 0 && id < ROSTER_ID_LIMIT) rows[id] = r;
  }
}

int32_t OfficerRow(const OfficerRowMap& rows, OfficerId id) {
  return id >= 0 && id < ROSTER_ID_LIMIT ? rows[id] : -1;
}

int32_t OfficersOfRows(const DisplayOrder& order, int32_t n, std::span<const int32_t> rows,
                       std::span<OfficerId> ids) {
  n = ClampRows(n);
  size_t count = 0;
  for (int32_t row : rows) {
    if (count == ids.size()) break;
    if (row >= 0 && row < n) ids[count++] = order[row];
  }
  return static_cast<int32_t>(count);
}
