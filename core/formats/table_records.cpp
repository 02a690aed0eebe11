// The officer and item records of the table windows.
#include "formats/table_records.h"

#include <algorithm>
#include <array>

#include "formats/choice_texts.h"
#include "model/item_table.h"
#include "model/officer_edits.h"

namespace {

struct OfficerTableColumn {
  OfficerCell cell;
  CellColumn column;
};

constexpr size_t OFFICER_COLUMN_COUNT = 10 + ABILITY_COUNT + SKILL_COUNT + TACTIC_COUNT;

struct OfficerTable {
  std::array<OfficerCell, OFFICER_COLUMN_COUNT> cells;
  std::array<CellColumn, OFFICER_COLUMN_COUNT> columns;
};

const OfficerTable& OfficerColumns() {
  static const OfficerTable table = [] {
    OfficerTable t{};
    size_t n = 0;
    auto add = [&t, &n](OfficerCell cell, CellColumn column) {
      t.cells[n] = cell;
      t.columns[n++] = column;
    };
    add({OfficerField::Id, 0}, {u8"番号", CellKind::Number});
    add({OfficerField::FullName, 0}, {FULL_NAME_COLUMN, CellKind::Text, {}, true});
    add({OfficerField::Reading, 0}, {READING_COLUMN, CellKind::Text, {}, true});
    add({OfficerField::Family, 0}, {FAMILY_NAME_COLUMN, CellKind::Text});
    add({OfficerField::Given, 0}, {GIVEN_NAME_COLUMN, CellKind::Text});
    add({OfficerField::Courtesy, 0}, {COURTESY_NAME_COLUMN, CellKind::Text});
    add({OfficerField::Face, 0}, {FACE_NUMBER_COLUMN, CellKind::Number});
    add({OfficerField::BirthYear, 0}, {BIRTH_YEAR_COLUMN, CellKind::Number});
    add({OfficerField::LifeSpan, 0}, {LIFE_SPAN_COLUMN, CellKind::Number});
    add({OfficerField::Loyalty, 0}, {LOYALTY_COLUMN, CellKind::Number});
    for (int32_t k = 0; k < ABILITY_COUNT; ++k) add({OfficerField::Ability, k}, {ABILITY_NAMES[k], CellKind::Number});
    for (int32_t k = 0; k < SKILL_COUNT; ++k) {
      add({OfficerField::Skill, k}, {SKILL_NAMES[k], CellKind::Choice, SKILL_STATE_NAMES});
    }
    for (int32_t k = 0; k < TACTIC_COUNT; ++k) {
      add({OfficerField::Tactic, k}, {TACTIC_NAMES[k], CellKind::Choice, TACTIC_RANK_NAMES});
    }
    return t;
  }();
  return table;
}

}  // namespace

OfficerRecords::OfficerRecords(std::span<const uint8_t> save, std::span<const uint8_t> stored,
                               const OfficerRoster& roster)
    : save_(save), stored_(stored.size() >= save.size() ? stored.first(save.size()) : std::span<const uint8_t>()),
      roster_(roster) {}

std::span<const CellColumn> OfficerRecords::Columns() { return OfficerColumns().columns; }

int32_t OfficerRecords::RecordCount() { return std::clamp(roster_.count, 0, ROSTER_CAPACITY); }

CellValue OfficerRecords::Value(int32_t record, size_t column, bool stored) {
  const bool from_stored = stored && !stored_.empty();
  return ReadOfficerCell(from_stored ? stored_ : save_, RecordId(record), OfficerColumns().cells[column]);
}

namespace {

std::span<const uint8_t> StoredOf(std::span<const uint8_t> image, std::span<const uint8_t> stored) {
  return stored.size() >= image.size() ? stored.first(image.size()) : image;
}

}  // namespace

ItemRecords::ItemRecords(std::span<const uint8_t> scenario, std::span<const uint8_t> stored_scenario,
                         std::span<const uint8_t> save, std::span<const uint8_t> stored_save)
    : scenario_(scenario), stored_scenario_(StoredOf(scenario, stored_scenario)), save_(save),
      stored_save_(StoredOf(save, stored_save)) {
  for (ItemField field : {ItemField::Number, ItemField::Name, ItemField::Type, ItemField::Image, ItemField::Price,
                          ItemField::Increase, ItemField::Skill}) {
    columns_.push_back(ItemCellColumn(field));
  }
  if (!save.empty()) columns_.push_back(ItemCellColumn(ItemField::OwnerName));
}

std::span<const CellColumn> ItemRecords::Columns() { return columns_; }

int32_t ItemRecords::RecordCount() { return ITEM_COUNT; }

CellValue ItemRecords::Value(int32_t record, size_t column, bool stored) {
  // The columns are the item fields in order, the owner's name last.
  const ItemField field = column < 7 ? static_cast<ItemField>(column) : ItemField::OwnerName;
  return ReadItemCell(stored ? stored_scenario_ : scenario_, stored ? stored_save_ : save_, record, field);
}
