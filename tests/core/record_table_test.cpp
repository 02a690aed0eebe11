// The table windows' core: cell texts against the CSV export, the sort orders, and the filter.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "csv_sheet.h"
#include "formats/item_csv.h"
#include "formats/officer_csv.h"
#include "formats/record_table.h"
#include "formats/table_records.h"
#include "model/display_order.h"
#include "model/officer_edits.h"
#include "odd_save.h"
#include "platform/iconv_cp932_codec.h"

namespace {

using Image = std::vector<uint8_t>;

IconvCp932Codec& Codec() {
  static IconvCp932Codec codec;
  return codec;
}

// Every cell of the table is the CSV export's cell of the same header (番号 the CSV's 武将番号; a
// skill 有 or 無 where the CSV writes 1 or 0), on the odd save, a long-run save, and the sample
// scenario with and without a save beside it.
TEST(TableCells, AreTheCsvExportsCells) {
  for (const Image& save : {OddSave(), MakeLongRunSave()}) {
    OfficerRoster roster{};
    BuildOfficerRoster(save, roster);
    Sheet sheet = Sheet::Of(ExportOfficerCsv(save, roster, Codec()));
    OfficerRecords records(save, {}, roster);
    ASSERT_EQ(static_cast<size_t>(records.RecordCount()) + 1, sheet.rows.size());
    const auto columns = records.Columns();
    for (size_t c = 0; c < columns.size(); ++c) {
      const std::string header(Utf8Text(columns[c].header));
      const size_t csv_column = sheet.Column(c == 0 ? "武将番号" : header);
      ASSERT_LT(csv_column, sheet.rows[0].size()) << header;
      const bool skill = columns[c].choices.size() == 2;
      for (int32_t r = 0; r < records.RecordCount(); ++r) {
        std::string expected = sheet.rows[static_cast<size_t>(r) + 1][csv_column];
        if (skill) expected = expected == "1" ? "有" : expected == "0" ? "無" : expected;
        ASSERT_EQ(CellText(columns[c], records.Value(r, c, false), Codec()), expected)
            << header << " of officer " << records.RecordId(r);
      }
    }
  }
  const Image scenario = MakeSampleScenario();
  Image save = OddSave();
  OfficerRoster roster{};
  RosterPositionMap positions{};
  BuildOfficerRoster(save, roster, &positions);
  const ItemOwnerImage owners{save, roster, positions};
  for (const bool with_save : {false, true}) {
    Sheet sheet = Sheet::Of(ExportItemCsv(scenario, with_save ? &owners : nullptr, Codec()));
    ItemRecords records(scenario, {}, with_save ? std::span<const uint8_t>(save) : std::span<const uint8_t>(), {});
    ASSERT_EQ(records.Columns().size(), with_save ? 8u : 7u);
    for (size_t c = 0; c < records.Columns().size(); ++c) {
      const size_t csv_column = sheet.Column(Utf8Text(records.Columns()[c].header));
      for (int32_t item = 0; item < ITEM_COUNT; ++item) {
        ASSERT_EQ(CellText(records.Columns()[c], records.Value(item, c, false), Codec()),
                  sheet.rows[static_cast<size_t>(item) + 1][csv_column]);
      }
    }
  }
}

// A small table written out: 番号, 氏名 (searched), 忠誠, 槍 (a rank choice).
class FakeRecords final : public RecordSource {
 public:
  struct Row {
    int32_t id;
    std::string name;
    int32_t loyalty;
    int32_t rank_byte;
    int32_t stored_loyalty;
  };
  explicit FakeRecords(std::vector<Row> rows) : rows_(std::move(rows)) {}
  std::span<const CellColumn> Columns() override { return columns_; }
  int32_t RecordCount() override { return static_cast<int32_t>(rows_.size()); }
  int32_t RecordId(int32_t record) override { return rows_[static_cast<size_t>(record)].id; }
  CellValue Value(int32_t record, size_t column, bool stored) override {
    const Row& row = rows_[static_cast<size_t>(record)];
    switch (column) {
      case 0: return {false, row.id, -1, {}};
      case 1: return {false, 0, -1, row.name};
      case 2: return {false, stored ? row.stored_loyalty : row.loyalty, -1, {}};
      default: return {false, row.rank_byte, row.rank_byte < 7 ? row.rank_byte : -1, {}};
    }
  }

 private:
  std::vector<Row> rows_;
  const std::u8string_view ranks_[7] = {u8"未", u8"初", u8"弐", u8"参", u8"四", u8"五", u8"極"};
  const CellColumn columns_[4] = {{u8"番号", CellKind::Number},
                                  {u8"氏名", CellKind::Text, {}, true},
                                  {u8"忠誠", CellKind::Number},
                                  {u8"槍", CellKind::Choice, ranks_}};
};

std::vector<int32_t> IdsOf(FakeRecords& records, const std::vector<int32_t>& rows) {
  std::vector<int32_t> ids;
  for (int32_t row : rows) ids.push_back(records.RecordId(row));
  return ids;
}

FakeRecords Sample() {
  return FakeRecords({{5, Sjis("張飛"), 90, 2, 90},
                      {1, Sjis("関羽"), 40, 12, 40},
                      {3, Sjis("張遼"), 40, 0, 70},
                      {2, "\xE0\x40", 100, 6, 100},
                      {4, Sjis("張"), 7, 2, 7}});
}

std::vector<int32_t> Sorted(FakeRecords& records, size_t column, bool descending) {
  std::vector<int32_t> rows{0, 1, 2, 3, 4};
  SortRecords(records, rows, column, descending);
  return IdsOf(records, rows);
}

TEST(TableSort, NumbersChoicesAndBytesWithTiesById) {
  FakeRecords records = Sample();
  EXPECT_EQ(Sorted(records, 2, false), (std::vector<int32_t>{4, 1, 3, 5, 2}));  // 7, 40, 40, 90, 100
  EXPECT_EQ(Sorted(records, 2, true), (std::vector<int32_t>{2, 5, 1, 3, 4}));   // ties stay by id
  EXPECT_EQ(Sorted(records, 3, false), (std::vector<int32_t>{3, 4, 5, 2, 1}));  // 未 弐 弐 極, then byte 12
  // Bytewise unsigned: 0x92 (張) before 0xE0, 張 before 張飛 and 張遼 it begins; 関 0x8A first.
  EXPECT_EQ(Sorted(records, 1, false), (std::vector<int32_t>{1, 4, 5, 3, 2}));
  EXPECT_EQ(Sorted(records, 1, true), (std::vector<int32_t>{2, 3, 5, 4, 1}));
}

// On a save, the readings sort as SortByReading orders them.
TEST(TableSort, ReadingsInTheReadingSortsOrder) {
  const Image save = MakeLongRunSave();
  OfficerRoster roster{};
  BuildOfficerRoster(save, roster);
  OfficerRecords records(save, {}, roster);
  std::vector<int32_t> rows(static_cast<size_t>(records.RecordCount()));
  for (size_t k = 0; k < rows.size(); ++k) rows[k] = static_cast<int32_t>(k);
  SortRecords(records, rows, 2, false);
  DisplayOrder order{};
  CopyRosterOrder(roster, order);
  ASSERT_TRUE(SortByReading(save, order, roster.count));
  for (size_t k = 0; k < rows.size(); ++k) {
    ASSERT_EQ(OfficerReading(save, records.RecordId(rows[k])), OfficerReading(save, order[k])) << k;
  }
}

std::vector<int32_t> Kept(FakeRecords& records, const std::string& utf8, FilterProblem problem = FilterProblem::None) {
  const RecordFilter filter = ParseFilter(Sjis(utf8), records.Columns(), Codec());
  EXPECT_EQ(filter.problem, problem) << utf8;
  return IdsOf(records, FilterRecords(filter, records));
}

TEST(TableFilter, WordsConditionsAndChanges) {
  FakeRecords records = Sample();
  EXPECT_EQ(Kept(records, ""), (std::vector<int32_t>{5, 1, 3, 2, 4}));
  EXPECT_EQ(Kept(records, "張"), (std::vector<int32_t>{5, 3, 4}));
  EXPECT_EQ(Kept(records, "張　遼"), (std::vector<int32_t>{3}));  // an ideographic space separates too
  EXPECT_EQ(Kept(records, "忠誠<50"), (std::vector<int32_t>{1, 3, 4}));
  EXPECT_EQ(Kept(records, "忠誠>=90 忠誠!=100"), (std::vector<int32_t>{5}));
  EXPECT_EQ(Kept(records, "忠誠＝４０ 張"), (std::vector<int32_t>{3}));  // full-width forms
  EXPECT_EQ(Kept(records, "変更"), (std::vector<int32_t>{3}));
  // 0x40 is the second byte of E0 40, never a character of its own: "@" matches nobody.
  EXPECT_EQ(Kept(records, "@"), (std::vector<int32_t>{}));
}

// A bad condition is named and left out; the rest of the filter holds.
TEST(TableFilter, BadConditions) {
  FakeRecords records = Sample();
  EXPECT_EQ(Kept(records, "武力<50 張", FilterProblem::UnknownColumn), (std::vector<int32_t>{5, 3, 4}));
  EXPECT_EQ(Kept(records, "槍=1", FilterProblem::NotNumeric).size(), 5u);
  for (const char* bad : {"忠誠<", "忠誠<5x", "忠誠!", "忠誠<<5"}) Kept(records, bad, FilterProblem::BadNumber);
  const RecordFilter filter = ParseFilter(Sjis("張 忠誠>abc 武力<1"), records.Columns(), Codec());
  EXPECT_EQ(filter.problem_word, Sjis("忠誠>abc"));
}

// Against the bytes as stored: a changed cell, 変更 in the filter; none without stored bytes.
TEST(TableFilter, ChangedCellsOfAnOfficer) {
  const Image stored = MakeSampleSave();
  Image save = stored;
  OfficerRoster roster{};
  BuildOfficerRoster(save, roster);
  const OfficerId ids[] = {roster.ids[2]};
  WriteLoyalty(save, ids, 12);
  OfficerRecords records(save, stored, roster);
  const RecordFilter changed = ParseFilter(Sjis("変更"), records.Columns(), Codec());
  EXPECT_EQ(FilterRecords(changed, records), (std::vector<int32_t>{2}));
  EXPECT_TRUE(CellChanged(records, 2, 9));
  EXPECT_FALSE(CellChanged(records, 2, 8));
  OfficerRecords unstored(save, {}, roster);
  EXPECT_TRUE(FilterRecords(changed, unstored).empty());
}

}  // namespace
