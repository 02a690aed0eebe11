// The item table's columns: how each is shown, checked and written.
#include "formats/item_csv.h"

#include <array>

#include "formats/choice_texts.h"
#include "formats/table_cells.h"
#include "model/item_table.h"
#include "model/officer_edits.h"

namespace {

// In the order of ItemField.
enum Column : size_t { NUMBER, NAME, TYPE, IMAGE, PRICE, INCREASE, SKILL, OWNER_ID, OWNER_NAME, COLUMN_COUNT };
static_assert(static_cast<size_t>(ItemField::OwnerName) == OWNER_NAME);

// The column the import reads in the owner's name's stead.
const std::u8string_view OWNER_NAME_PARTS[] = {ItemCellColumn(ItemField::OwnerId).header};

std::array<CsvColumn, COLUMN_COUNT> ItemColumns(bool owners) {
  auto header = [](Column column) { return Utf8Text(ItemCellColumn(static_cast<ItemField>(column)).header); };
  return {{
      {header(NUMBER), CsvColumnUse::Key, CsvImage::Table, true},
      {header(NAME), CsvColumnUse::Edited, CsvImage::Table, true},
      {header(TYPE), CsvColumnUse::Edited, CsvImage::Table, true},
      {header(IMAGE), CsvColumnUse::Edited, CsvImage::Table, true},
      {header(PRICE), CsvColumnUse::Edited, CsvImage::Table, true},
      {header(INCREASE), CsvColumnUse::Edited, CsvImage::Table, true},
      {header(SKILL), CsvColumnUse::Edited, CsvImage::Table, true},
      {header(OWNER_ID), CsvColumnUse::Edited, CsvImage::Owners, owners},
      {header(OWNER_NAME), CsvColumnUse::Shown, CsvImage::Owners, owners, OWNER_NAME_PARTS},
  }};
}


template <size_t N>
bool CheckChoice(const std::array<std::u8string_view, N>& names, std::string_view cell, CsvValue& value,
                 CsvProblem& problem) {
  value.number = ChoiceOfName(names, cell);
  if (value.number < 0) problem.reason = CsvProblemReason::NotInList;
  return value.number >= 0;
}

bool CheckNumber(int32_t number, int32_t max, int32_t step, CsvValue& value, CsvProblem& problem) {
  value.number = number;
  if (number >= 0) return true;
  problem.reason = CsvProblemReason::BadNumber;
  problem.max = max;
  problem.step = step;
  return false;
}

class ItemCsvTable final : public CsvTable {
 public:
  ItemCsvTable(std::span<const uint8_t> scenario, std::span<uint8_t> writable, const ItemOwnerImage* owners,
               Cp932Codec& codec)
      : scenario_(scenario), writable_(writable), owners_(owners), codec_(codec), columns_(ItemColumns(owners)) {}

  std::span<const CsvColumn> Columns() override { return columns_; }
  int32_t RecordCount() override { return ITEM_COUNT; }

  std::string Cell(int32_t item, size_t column) override {
    const std::span<const uint8_t> save = owners_ != nullptr ? std::span<const uint8_t>(owners_->save) : std::span<const uint8_t>();
    return CellText(ItemCellColumn(static_cast<ItemField>(column)), ReadItemCell(scenario_, save, item, static_cast<ItemField>(column)), codec_);
  }

  bool FindRecord(std::string_view key, int32_t& item, CsvProblem& problem) override {
    item = IsDigitsCell(key, 3) ? std::stoi(std::string(key)) : -1;
    if (item >= 0 && item < ITEM_COUNT) return true;
    problem.reason = item < 0 ? CsvProblemReason::BadKey : CsvProblemReason::NoSuchRecord;
    return false;
  }

  bool CheckCell(int32_t, size_t column, std::string_view cell, CsvValue& value, CsvProblem& problem) override {
    switch (column) {
      case NAME: return CheckTextCell(cell, ITEM_NAME_WIDTH - 1, codec_, value.text, problem);
      case TYPE: return CheckChoice(ITEM_TYPE_NAMES, cell, value, problem);
      case IMAGE: return CheckChoice(ITEM_IMAGE_NAMES, cell, value, problem);
      case SKILL: return CheckChoice(ITEM_SKILL_NAMES, cell, value, problem);
      case PRICE:
        return CheckNumber(IsDigitsCell(cell, PRICE_DIGITS) ? ParseItemPrice(cell) : -1, PRICE_MAX, PRICE_UNIT,
                           value, problem);
      case INCREASE:
        return CheckNumber(IsDigitsCell(cell, INCREASE_DIGITS) ? ParseItemIncrease(cell) : -1, INCREASE_MAX, 0,
                           value, problem);
      case OWNER_ID: return CheckOwner(cell, value, problem);
    }
    return false;
  }

  void Write(int32_t item, size_t column, const CsvValue& value) override {
    const int32_t items[] = {item};
    switch (column) {
      case NAME: WriteItemName(writable_, items, value.text); break;
      case TYPE: WriteItemType(writable_, items, value.number); break;
      case IMAGE: WriteItemImage(writable_, items, value.number); break;
      case PRICE: WriteItemPrice(writable_, items, value.number); break;
      case INCREASE: WriteItemIncrease(writable_, items, value.number); break;
      case SKILL: WriteItemSkill(writable_, items, value.number); break;
      case OWNER_ID:
        if (owners_ != nullptr) WriteItemOwner(owners_->save, items, value.number, owners_->roster);
        break;
    }
  }

 private:
  // An owner the owner list offers: なし, or an officer of the roster by id. The value is the
  // choice of the owner list: the roster position, or the roster count for なし.
  bool CheckOwner(std::string_view cell, CsvValue& value, CsvProblem& problem) {
    if (owners_ == nullptr) return false;
    const OfficerRoster& roster = owners_->roster;
    if (cell == Utf8Text(NO_OWNER_NAME)) {
      value.number = roster.count;
      return true;
    }
    const OfficerId id = IsDigitsCell(cell, 4) ? std::stoi(std::string(cell)) : -1;
    if (id >= 0 && IsRosterOfficer(roster, owners_->positions, id)) {
      value.number = owners_->positions[id];
      return true;
    }
    problem.reason = CsvProblemReason::NotAnOwner;
    return false;
  }

  std::span<const uint8_t> scenario_;
  std::span<uint8_t> writable_;  // empty for an export
  const ItemOwnerImage* owners_;
  Cp932Codec& codec_;
  std::array<CsvColumn, COLUMN_COUNT> columns_;
};

}  // namespace

std::string ExportItemCsv(std::span<const uint8_t> scenario, const ItemOwnerImage* owners, Cp932Codec& codec) {
  ItemCsvTable table(scenario, {}, owners, codec);
  return ExportCsvTable(table);
}

CsvImportResult ImportItemCsv(std::span<uint8_t> scenario, const ItemOwnerImage* owners, std::string_view file,
                              Cp932Codec& codec) {
  ItemCsvTable table(scenario, scenario, owners, codec);
  return ImportCsvTable(table, file, codec);
}
