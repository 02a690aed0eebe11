// The officer table's columns: how each is shown, checked and written.
#include "formats/officer_csv.h"

#include <algorithm>
#include <array>

#include "formats/choice_texts.h"
#include "formats/table_cells.h"
#include "model/officer_edits.h"

namespace {

using Field = OfficerField;

// A column's field and how its values show (a skill as 0 or 1).
struct OfficerColumn {
  Field field;
  int32_t index;  // ability, skill or tactic
  CellColumn cell;
};

// The columns the import reads in the full name's stead.
constexpr std::u8string_view FULL_NAME_PARTS[] = {FAMILY_NAME_COLUMN, GIVEN_NAME_COLUMN};

constexpr size_t FIXED_COLUMNS = 10 + ABILITY_COUNT;
constexpr size_t COLUMN_COUNT = FIXED_COLUMNS + SKILL_COUNT + TACTIC_COUNT;

struct Columns {
  std::array<CsvColumn, COLUMN_COUNT> csv;
  std::array<OfficerColumn, COLUMN_COUNT> officer;
};

const Columns& OfficerColumns() {
  static const Columns columns = [] {
    Columns c{};
    size_t n = 0;
    auto add = [&c, &n](std::u8string_view header, CsvColumnUse use, Field field, int32_t index) {
      c.csv[n] = {Utf8Text(header), use, CsvImage::Table, true};
      const bool text = field == Field::Family || field == Field::Given || field == Field::Courtesy ||
                        field == Field::Reading || field == Field::FullName;
      const CellKind kind = text ? CellKind::Text : field == Field::Tactic ? CellKind::Choice : CellKind::Number;
      c.officer[n++] = {field, index, {header, kind, field == Field::Tactic ? std::span(TACTIC_RANK_NAMES)
                                                                              : std::span<const std::u8string_view>()}};
    };
    add(u8"武将番号", CsvColumnUse::Key, Field::Id, 0);
    add(FAMILY_NAME_COLUMN, CsvColumnUse::Edited, Field::Family, 0);
    add(GIVEN_NAME_COLUMN, CsvColumnUse::Edited, Field::Given, 0);
    add(COURTESY_NAME_COLUMN, CsvColumnUse::Edited, Field::Courtesy, 0);
    add(READING_COLUMN, CsvColumnUse::Edited, Field::Reading, 0);
    add(FULL_NAME_COLUMN, CsvColumnUse::Shown, Field::FullName, 0);
    c.csv[n - 1].edited_in = FULL_NAME_PARTS;
    add(FACE_NUMBER_COLUMN, CsvColumnUse::Edited, Field::Face, 0);
    add(BIRTH_YEAR_COLUMN, CsvColumnUse::Edited, Field::BirthYear, 0);
    add(LIFE_SPAN_COLUMN, CsvColumnUse::Edited, Field::LifeSpan, 0);
    add(LOYALTY_COLUMN, CsvColumnUse::Edited, Field::Loyalty, 0);
    for (int32_t k = 0; k < ABILITY_COUNT; ++k) add(ABILITY_NAMES[k], CsvColumnUse::Edited, Field::Ability, k);
    for (int32_t k = 0; k < SKILL_COUNT; ++k) add(SKILL_NAMES[k], CsvColumnUse::Edited, Field::Skill, k);
    for (int32_t k = 0; k < TACTIC_COUNT; ++k) add(TACTIC_NAMES[k], CsvColumnUse::Edited, Field::Tactic, k);
    return c;
  }();
  return columns;
}

// The fields of the attribute table, which only the officers below ATTRIBUTE_ID_LIMIT have.
bool IsAttribute(Field field) {
  return field == Field::LifeSpan || field == Field::Loyalty || field == Field::Skill || field == Field::Tactic;
}

// The numeric entry whose rules a column's cells follow.
const NumberField* NumberOf(Field field) {
  switch (field) {
    case Field::Face: return &FACE_NUMBER_INPUT;
    case Field::BirthYear: return &BIRTH_YEAR_INPUT;
    case Field::LifeSpan: return &LIFE_SPAN_INPUT;
    case Field::Loyalty: return &LOYALTY_INPUT;
    case Field::Ability: return &ABILITY_INPUT;
    default: return nullptr;
  }
}

class OfficerCsvTable final : public CsvTable {
 public:
  OfficerCsvTable(std::span<const uint8_t> save, std::span<uint8_t> writable, const OfficerRoster& roster,
                  Cp932Codec& codec)
      : save_(save), writable_(writable), roster_(roster), codec_(codec),
        count_(std::clamp(roster.count, 0, ROSTER_CAPACITY)) {}

  std::span<const CsvColumn> Columns() override { return OfficerColumns().csv; }
  int32_t RecordCount() override { return count_; }

  std::string Cell(int32_t record, size_t column) override {
    const OfficerColumn& c = OfficerColumns().officer[column];
    return CellText(c.cell, ReadOfficerCell(save_, roster_.ids[record], {c.field, c.index}), codec_);
  }

  bool FindRecord(std::string_view key, int32_t& record, CsvProblem& problem) override {
    if (!IsDigitsCell(key, 4)) {
      problem.reason = CsvProblemReason::BadKey;
      return false;
    }
    // The roster lists its ids in ascending order.
    const OfficerId id = std::stoi(std::string(key));
    const OfficerId* ids = roster_.ids.data();
    const OfficerId* found = std::lower_bound(ids, ids + count_, id);
    record = found != ids + count_ && *found == id ? static_cast<int32_t>(found - ids) : -1;
    if (record < 0) problem.reason = CsvProblemReason::NoSuchRecord;
    return record >= 0;
  }

  bool CheckCell(int32_t record, size_t column, std::string_view cell, CsvValue& value,
                 CsvProblem& problem) override {
    const OfficerColumn& c = OfficerColumns().officer[column];
    if (IsAttribute(c.field) && !HasAttributeFields(roster_.ids[record])) {
      problem.reason = CsvProblemReason::NoField;
      problem.min = ATTRIBUTE_ID_LIMIT;
      return false;
    }
    switch (c.field) {
      case Field::Family:
      case Field::Given:
      case Field::Courtesy: return CheckTextCell(cell, NAME_TEXT_LIMIT, codec_, value.text, problem);
      case Field::Reading: return CheckTextCell(cell, READING_TEXT_LIMIT, codec_, value.text, problem);
      case Field::Skill:
        value.number = cell == "1" ? 1 : 0;
        if (cell == "0" || cell == "1") return true;
        problem.reason = CsvProblemReason::BadNumber;
        problem.min = 0;
        problem.max = 1;
        return false;
      case Field::Tactic:
        value.number = ChoiceOfName(TACTIC_RANK_NAMES, cell);
        if (value.number >= 0) return true;
        problem.reason = CsvProblemReason::NotInList;
        return false;
      default: break;
    }
    const NumberField* number = NumberOf(c.field);
    if (number == nullptr) return false;
    value.number = IsDigitsCell(cell, number->max_digits) ? ParseNumberField(cell, *number) : -1;
    if (value.number >= 0) return true;
    problem.reason = CsvProblemReason::BadNumber;
    problem.min = number->min;
    problem.max = number->max;
    return false;
  }

  void Write(int32_t record, size_t column, const CsvValue& value) override {
    const OfficerId ids[] = {roster_.ids[record]};
    const OfficerColumn& c = OfficerColumns().officer[column];
    switch (c.field) {
      case Field::Family: WriteFamilyName(writable_, ids, value.text); break;
      case Field::Given: WriteGivenName(writable_, ids, value.text); break;
      case Field::Courtesy: WriteCourtesyName(writable_, ids, value.text); break;
      case Field::Reading: WriteReading(writable_, ids, value.text); break;
      case Field::Face: WriteFaceNumber(writable_, ids, value.number); break;
      case Field::BirthYear: WriteBirthYear(writable_, ids, value.number, false); break;
      case Field::LifeSpan: WriteLifeSpan(writable_, ids, value.number); break;
      case Field::Loyalty: WriteLoyalty(writable_, ids, value.number); break;
      case Field::Ability: WriteAbility(writable_, ids, c.index, value.number); break;
      case Field::Skill: WriteSkill(writable_, ids, c.index, value.number == 1); break;
      case Field::Tactic: WriteTacticRank(writable_, ids, c.index, value.number); break;
      case Field::Id:
      case Field::FullName: break;
    }
  }

 private:
  std::span<const uint8_t> save_;
  std::span<uint8_t> writable_;  // empty for an export
  const OfficerRoster& roster_;
  Cp932Codec& codec_;
  int32_t count_;
};

}  // namespace

std::string ExportOfficerCsv(std::span<const uint8_t> save, const OfficerRoster& roster, Cp932Codec& codec) {
  OfficerCsvTable table(save, {}, roster, codec);
  return ExportCsvTable(table);
}

CsvImportResult ImportOfficerCsv(std::span<uint8_t> save, const OfficerRoster& roster, std::string_view file,
                                 Cp932Codec& codec) {
  OfficerCsvTable table(save, save, roster, codec);
  return ImportCsvTable(table, file, codec);
}

int32_t BirthYearsChanged(const CsvImportResult& result) {
  const auto& officer = OfficerColumns().officer;
  const auto column = static_cast<size_t>(
      std::find_if(officer.begin(), officer.end(), [](const OfficerColumn& c) { return c.field == Field::BirthYear; }) -
      officer.begin());
  return column < result.column_fields_changed.size() ? result.column_fields_changed[column] : 0;
}
