// Values of the officer and item fields and the texts of their cells.
#include "formats/table_cells.h"

#include "formats/choice_texts.h"
#include "formats/csv_table.h"
#include "model/item_table.h"
#include "model/officer_edits.h"
#include "model/text_field.h"

std::string CellText(const CellColumn& column, const CellValue& value, Cp932Codec& codec) {
  if (value.absent) return {};
  const bool listed = value.choice >= 0 && static_cast<size_t>(value.choice) < column.choices.size();
  switch (column.kind) {
    case CellKind::Number: return std::to_string(value.number);
    case CellKind::Choice:
      return listed ? std::string(Utf8Text(column.choices[static_cast<size_t>(value.choice)])) : std::to_string(value.number);
    case CellKind::Text:
      return listed ? std::string(Utf8Text(column.choices[static_cast<size_t>(value.choice)])) : ShownText(value.text, codec);
  }
  return {};
}

namespace {

bool IsAttribute(OfficerField field) {
  return field == OfficerField::LifeSpan || field == OfficerField::Loyalty || field == OfficerField::Skill ||
         field == OfficerField::Tactic;
}

CellValue Number(int32_t number) { return {false, number, -1, {}}; }
CellValue Choice(int32_t byte, int32_t choice) { return {false, byte, choice, {}}; }
CellValue Text(std::string_view cp932) { return {false, 0, -1, std::string(cp932)}; }

std::string_view NameText(std::span<const uint8_t> save, OfficerId id, int32_t field) {
  if (id < 0 || id >= ROSTER_ID_LIMIT) return {};
  return FitText(FieldText(save, NameFieldOffset(id, field), NAME_WIDTH), NAME_WIDTH);
}

// The owner columns' one list text: なし for an item nobody holds.
constexpr std::u8string_view NO_OWNER_CHOICES[] = {NO_OWNER_NAME};

}  // namespace

const CellColumn& ItemCellColumn(ItemField field) {
  static const CellColumn columns[] = {
      {u8"番号", CellKind::Number},
      {u8"名前", CellKind::Text, {}, true},
      {u8"種類", CellKind::Choice, ITEM_TYPE_NAMES},
      {u8"画像と解説", CellKind::Choice, ITEM_IMAGE_NAMES},
      {u8"売値", CellKind::Number},
      {u8"増加値", CellKind::Number},
      {u8"特技付与", CellKind::Choice, ITEM_SKILL_NAMES},
      {u8"所有者番号", CellKind::Choice, NO_OWNER_CHOICES},
      {u8"所有者", CellKind::Text, NO_OWNER_CHOICES},
  };
  return columns[static_cast<size_t>(field)];
}

CellValue ReadOfficerCell(std::span<const uint8_t> save, OfficerId id, OfficerCell cell) {
  // Absent where the bytes would be other officers' names.
  if (IsAttribute(cell.field) && !HasAttributeFields(id)) return {true, 0, -1, {}};
  switch (cell.field) {
    case OfficerField::Id: return Number(id);
    case OfficerField::Family: return Text(NameText(save, id, FAMILY_NAME_FIELD));
    case OfficerField::Given: return Text(NameText(save, id, GIVEN_NAME_FIELD));
    case OfficerField::Courtesy: return Text(NameText(save, id, COURTESY_NAME_FIELD));
    case OfficerField::Reading: return Text(OfficerReading(save, id));
    case OfficerField::FullName: return Text(OfficerFullName(save, id));
    case OfficerField::Face: return Number(ReadFaceNumber(save, id));
    case OfficerField::BirthYear: return Number(ReadBirthYear(save, id));
    case OfficerField::LifeSpan: return Number(ReadLifeSpan(save, id));
    case OfficerField::Loyalty: return Number(ReadLoyalty(save, id));
    case OfficerField::Ability: return Number(ReadAbility(save, id, cell.index));
    case OfficerField::Skill: {
      const int32_t has = ReadSkill(save, id, cell.index) ? 1 : 0;
      return Choice(has, has);
    }
    case OfficerField::Tactic: {
      const uint8_t nibble = ReadTacticNibble(save, id, cell.index);
      return Choice(nibble, TacticRankOfNibble(nibble));
    }
  }
  return {};
}

CellValue ReadItemCell(std::span<const uint8_t> scenario, std::span<const uint8_t> save, int32_t item,
                       ItemField field) {
  auto byte = [&](int32_t at) {
    const auto offset = static_cast<size_t>(ItemFieldOffset(item, at));
    return offset < scenario.size() ? scenario[offset] : uint8_t{0};
  };
  if ((field == ItemField::OwnerId || field == ItemField::OwnerName) && save.empty()) return {true, 0, -1, {}};
  switch (field) {
    case ItemField::Number: return Number(item);
    case ItemField::Name: return Text(ReadItemName(scenario, item).text);
    case ItemField::Type: return Choice(byte(ITEM_TYPE_FIELD), ChoiceOfByte(byte(ITEM_TYPE_FIELD), ITEM_TYPE_COUNT));
    case ItemField::Image:
      return Choice(byte(ITEM_IMAGE_FIELD), ChoiceOfByte(byte(ITEM_IMAGE_FIELD), ITEM_IMAGE_COUNT));
    case ItemField::Skill: return Choice(byte(ITEM_SKILL_FIELD), ReadItemView(scenario, item).skill_choice);
    case ItemField::Price: return Number(std::stoi(ReadItemView(scenario, item).price));
    case ItemField::Increase: return Number(std::stoi(ReadItemView(scenario, item).increase));
    case ItemField::OwnerId:
    case ItemField::OwnerName: {
      // なし is the list text 0 of the owner columns; an id outside the image reads as absent.
      const OfficerId owner = ReadItemOwner(save, item);
      if (owner == NO_OWNER) return {false, owner, 0, {}};
      if (owner < 0) return {true, 0, -1, {}};
      return field == ItemField::OwnerId ? Number(owner) : Text(OfficerFullName(save, owner));
    }
  }
  return {};
}
