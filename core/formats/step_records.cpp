// Records touched by an undo step.
#include "formats/step_records.h"

#include <algorithm>
#include <vector>

#include "model/item_table.h"
#include "model/officer_tables.h"

namespace {

// A table of `count` records of `size` bytes from `base` (records within a record `stride` apart,
// of which the first `size` bytes belong to the record): marks the records the range touches.
struct Table {
  int32_t base;
  int32_t stride;
  int32_t size;
  int32_t count;
};

void MarkRecords(const Table& table, const ChangedRange& range, std::vector<bool>& touched) {
  const int32_t first = std::max(0, (range.offset - table.base) / table.stride - 1);
  const int32_t end = range.offset + range.length;
  for (int32_t record = first; record < table.count; ++record) {
    const int32_t start = table.base + table.stride * record;
    if (start >= end) break;
    if (start + table.size > range.offset) touched[static_cast<size_t>(record)] = true;
  }
}

int32_t Count(const std::vector<bool>& touched) {
  return static_cast<int32_t>(std::count(touched.begin(), touched.end(), true));
}

}  // namespace

std::vector<bool> OfficersTouchedByStep(const EditStep& step, int32_t save) {
  const int32_t names = (SAVE_FILE_LENGTH - NAME_TABLE_OFFSET) / NAME_RECORD_SIZE;
  const Table name_table{NAME_TABLE_OFFSET, NAME_RECORD_SIZE, NAME_RECORD_SIZE, names};
  const Table attribute_table{LOYALTY_OFFSET, ATTRIBUTE_RECORD_SIZE,
                              TACTIC_RANKS_OFFSET + TACTIC_RANKS_WIDTH - LOYALTY_OFFSET, ATTRIBUTE_ID_LIMIT};
  std::vector<bool> touched(static_cast<size_t>(names), false);
  for (const ChangedRange& range : step.ranges) {
    if (range.image != save) continue;
    MarkRecords(name_table, range, touched);
    MarkRecords(attribute_table, range, touched);
  }
  return touched;
}

int32_t OfficersInStep(const EditStep& step, int32_t save) { return Count(OfficersTouchedByStep(step, save)); }

std::vector<bool> ItemsTouchedByStep(const EditStep& step, int32_t scenario, int32_t save) {
  const Table items{ITEM_TABLE_OFFSET, ITEM_RECORD_SIZE, ITEM_RECORD_SIZE, ITEM_COUNT};
  const Table owners{OWNER_TABLE_OFFSET, OWNER_ENTRY_SIZE, OWNER_ENTRY_SIZE, ITEM_COUNT};
  std::vector<bool> touched(ITEM_COUNT, false);
  for (const ChangedRange& range : step.ranges) {
    if (range.image == scenario) MarkRecords(items, range, touched);
    if (range.image == save) MarkRecords(owners, range, touched);
  }
  return touched;
}

int32_t ItemsInStep(const EditStep& step, int32_t scenario, int32_t save) {
  return Count(ItemsTouchedByStep(step, scenario, save));
}
