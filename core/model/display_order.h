// The officer editor's display order (list row -> OfficerId), its three sort modes, and the map
// from officer back to row that restores a selection after the rows have moved.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/officer_tables.h"
#include "model/roster.h"

// Entry r is the officer shown in row r; entries 0 to n - 1 are used, n being the roster count.
using DisplayOrder = std::array<OfficerId, ROSTER_CAPACITY>;

// The argument of the Sort menu's refresh; no mode is remembered between two sorts.
enum SortMode : int32_t {
  SORT_BY_ID = 0,       // a copy of the roster: ascending ids
  SORT_BY_READING = 1,  // SortByReading of the order currently shown
  SORT_REVERSE = 2,     // the order currently shown, reversed
};

void CopyRosterOrder(const OfficerRoster& roster, DisplayOrder& order);
// Reverses entries 0 to n - 1 in place (n is clamped to the order's capacity).
void ReverseOrder(DisplayOrder& order, int32_t n);

// Where the memory of the sort keys comes from, so that a test can make it run out.
class KeyMemory {
 public:
  virtual ~KeyMemory() = default;
  virtual void* Allocate(size_t bytes) = 0;  // nullptr when there is no memory
  virtual void Release(void* block) = 0;
};

// The process heap (std::malloc and std::free).
KeyMemory& HeapKeyMemory();

// A sort key: READING_WIDTH bytes holding a reading up to and including its NUL. Its last byte is
// always 0, so a reading field without a NUL among its 11 bytes sorts by its first 10 bytes.
using ReadingKey = const uint8_t*;

// Sorts entries 0 to n - 1 of `order` by the readings of their officers in `save`, bytewise
// unsigned, a reading coming before every longer one that begins with it. Identical readings end
// in the order the selection passes' exchanges leave them; an order already sorted is unchanged.
// The keys take one block of memory, released before the call returns. False when that block
// cannot be had: `order` is then unchanged. A reading field outside the image sorts as empty.
bool SortByReading(std::span<const uint8_t> save, DisplayOrder& order, int32_t n,
                   KeyMemory& memory = HeapKeyMemory());

// Row of each officer in a display order; -1 for an officer not shown. Covers every id a roster
// can hold, so no officer of a roster indexes outside it.
using OfficerRowMap = std::array<int32_t, ROSTER_ID_LIMIT>;

void BuildOfficerRowMap(const DisplayOrder& order, int32_t n, OfficerRowMap& rows);
// The row of `id`, or -1 when it is not shown (or lies outside the map).
int32_t OfficerRow(const OfficerRowMap& rows, OfficerId id);

// The officers of the given rows (as a list box reports its selection), in the same order. Rows
// outside 0 to n - 1 are skipped. Returns how many ids were written (at most ids.size()).
int32_t OfficersOfRows(const DisplayOrder& order, int32_t n, std::span<const int32_t> rows,
                       std::span<OfficerId> ids);
