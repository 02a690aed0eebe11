// Copying, reversing and sorting the officer editor's display order, and finding rows again.
#include "model/display_order.h"

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

HeapMemory g_heap_memory;

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

KeyMemory& HeapKeyMemory() { return g_heap_memory; }

namespace {

// The keys of a sort, their officers and the column of the byte being passed over, exchanged
// together.
struct SortRows {
  ReadingKey* keys;
  OfficerId* order;
  uint8_t* column;

  void Exchange(int32_t i, int32_t m) const {
    std::swap(keys[i], keys[m]);
    std::swap(order[i], order[m]);
    std::swap(column[i], column[m]);
  }
};

// Up to this many keys a pass scans the rest of the range for each minimum; past it, keeping
// counts of the bytes costs less than the quadratic scan.
constexpr int32_t SCANNED_RANGE_MAX = 24;

// The selection pass by scanning: m is the first index of the smallest byte in [i, hi].
void ScanningPass(const SortRows& rows, int32_t lo, int32_t hi) {
  const uint8_t* column = rows.column;
  for (int32_t i = lo; i < hi; ++i) {
    int32_t m = i;
    uint8_t v = column[i];
    for (int32_t j = i + 1; j <= hi; ++j) {
      if (column[j] < v) {
        m = j;
        v = column[j];
      }
    }
    if (m != i) rows.Exchange(i, m);
  }
}

// The same pass, exchange for exchange, with the bytes counted. The smallest byte left in [i, hi]
// only grows as i advances, so the counts give it at once; its first index is searched from where
// the last search for that byte stopped. No index between i and that point can have come to hold
// the byte since: a byte moves only from index i to the index of the minimum, which lies after i,
// while the search start of the byte at i is at most i, as i holds it.
void CountingPass(const SortRows& rows, int32_t lo, int32_t hi) {
  const uint8_t* column = rows.column;
  std::array<int32_t, 256> left{};
  for (int32_t j = lo; j <= hi; ++j) ++left[column[j]];
  std::array<int32_t, 256> search_from;  // no index in [i, search_from[b]) holds byte b
  search_from.fill(lo);
  int32_t v = 0;
  for (int32_t i = lo; i < hi; ++i) {
    while (left[v] == 0) ++v;
    int32_t from = std::max(i, search_from[v]);
    const void* hit = std::memchr(column + from, v, static_cast<size_t>(hi + 1 - from));
    int32_t m = static_cast<int32_t>(static_cast<const uint8_t*>(hit) - column);
    // Kept: once byte v has gone from m to i, no index in (i, m] holds v, so the next search for v
    // may start after m. This is what makes the pass exchange exactly as ScanningPass does.
    search_from[v] = m + 1;
    --left[v];
    if (m != i) rows.Exchange(i, m);
  }
}

// The recursive step of SortByReading over keys[lo..hi] (inclusive), which all agree in their
// first d bytes and each hold a NUL within their READING_WIDTH bytes; every exchange of two keys
// exchanges the same entries of the order. Each byte position gets a selection pass: for i from lo
// to hi - 1, the first key in [i, hi] holding the smallest byte d is exchanged with key i (an
// exchange, not a shift, which is what fixes the order of identical keys). Then every run of equal
// bytes but the last, if not ended (byte 0) and longer than one key, is sorted from the next byte
// on; the last run is handled by the loop instead of a recursive call. The column holds byte d of
// each key and is exchanged along with them, so that a pass reads its bytes in a row rather than
// through the key pointers.
void SortRange(const SortRows& rows, int32_t d, int32_t lo, int32_t hi) {
  uint8_t* column = rows.column;
  for (;;) {
    // A column already in ascending order leaves every pass minimum at i: nothing to exchange.
    bool ascending = true;
    column[lo] = rows.keys[lo][d];
    for (int32_t j = lo + 1; j <= hi; ++j) {
      column[j] = rows.keys[j][d];
      ascending = ascending && column[j - 1] <= column[j];
    }
    if (!ascending) {
      if (hi - lo < SCANNED_RANGE_MAX) {
        ScanningPass(rows, lo, hi);
      } else {
        CountingPass(rows, lo, hi);
      }
    }
    // Runs of equal byte d, left to right; all but the last go one byte deeper by recursion, which
    // rewrites the column only within the run.
    int32_t s = lo;
    for (;;) {
      int32_t e = s;
      while (e < hi && column[e + 1] == column[s]) ++e;
      if (e == hi) break;
      // A run of byte 0 holds keys that have all ended: identical, nothing left to compare.
      if (column[s] != 0 && e > s) SortRange(rows, d + 1, s, e);
      s = e + 1;
    }
    if (s == hi || column[s] == 0) return;
    lo = s;
    ++d;
  }
}

}  // namespace

bool SortByReading(std::span<const uint8_t> save, DisplayOrder& order, int32_t n, KeyMemory& memory) {
  n = ClampRows(n);
  if (n < 2) return true;
  // One block: n key pointers, the n keys they point at, and the passes' column of n bytes. The
  // pointers are what the selection passes exchange.
  size_t count = static_cast<size_t>(n);
  void* block = memory.Allocate(count * (sizeof(ReadingKey) + READING_WIDTH + 1));
  if (block == nullptr) return false;
  auto* keys = static_cast<ReadingKey*>(block);
  auto* bytes = reinterpret_cast<uint8_t*>(keys + count);
  uint8_t* column = bytes + count * READING_WIDTH;
  for (size_t r = 0; r < count; ++r) {
    uint8_t* key = bytes + r * READING_WIDTH;
    CopyReadingKey(save, order[r], key);
    keys[r] = key;
  }
  SortRange(SortRows{keys, order.data(), column}, 0, 0, n - 1);
  memory.Release(block);
  return true;
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
