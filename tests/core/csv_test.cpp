// CSV export and import of the officer and item tables: the CSV text itself, round trips on the
// sample files, imports that must equal the editing commands byte for byte, refused files, and the
// two encodings a file may come in.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "csv_problems.h"
#include "csv_sheet.h"
#include "formats/choice_texts.h"
#include "formats/csv.h"
#include "formats/item_csv.h"
#include "formats/officer_csv.h"
#include "image_bytes.h"
#include "odd_save.h"
#include "model/item_table.h"
#include "model/officer_edits.h"
#include "model/roster.h"
#include "platform/iconv_cp932_codec.h"
#include "sample_data.h"
#include "sjis_text.h"

namespace {

using namespace std::string_literals;
using Image = std::vector<uint8_t>;

IconvCp932Codec& Codec() {
  static IconvCp932Codec codec;
  return codec;
}

// The images a test works on: copies of one OddSave and one sample scenario, made once.
struct Files {
  Image save;
  Image scenario;
  OfficerRoster roster{};
  RosterPositionMap positions{};
  Files() {
    static const Image odd_save = OddSave(), sample_scenario = MakeSampleScenario();
    save = odd_save;
    scenario = sample_scenario;
    BuildOfficerRoster(save, roster, &positions);
  }
  ItemOwnerImage Owners() { return {save, roster, positions}; }
  std::string OfficerFile() { return ExportOfficerCsv(save, roster, Codec()); }
  std::string ItemFile() {
    const ItemOwnerImage owners = Owners();
    return ExportItemCsv(scenario, &owners, Codec());
  }
  CsvImportResult ImportOfficers(const std::string& file) { return ImportOfficerCsv(save, roster, file, Codec()); }
  CsvImportResult ImportItems(const std::string& file) {
    const ItemOwnerImage owners = Owners();
    return ImportItemCsv(scenario, &owners, file, Codec());
  }
};

// The header and each row in the opposite order: columns and rows are found by name and key.
std::string Shuffled(Sheet sheet) {
  std::reverse(sheet.rows.begin() + 1, sheet.rows.end());
  for (auto& cells : sheet.rows) std::rotate(cells.begin(), cells.begin() + 1, cells.end());
  return sheet.File();
}

TEST(CsvText, ReadsWhatItWritesAndTellsItsLines) {
  const std::vector<std::string> cells = {"", "plain", "a,b", "say \"hi\"", "two\r\nlines", "cr\ronly", " x "};
  std::string text;
  AppendCsvRecord(text, cells);
  AppendCsvRecord(text, std::vector<std::string>{"end"});
  EXPECT_EQ(text, ",plain,\"a,b\",\"say \"\"hi\"\"\",\"two\r\nlines\",\"cr\ronly\", x \r\nend\r\n");
  CsvDocument read = ReadCsv(text);
  ASSERT_EQ(read.syntax, CsvSyntax::Read);
  ASSERT_EQ(read.records.size(), 2u);
  EXPECT_EQ(read.records[0].cells, cells);
  EXPECT_EQ(read.records[1].line, 4);  // the cells before hold two line breaks

  read = ReadCsv("a\nb\rc\r\n\r\nd\"e\"");
  ASSERT_EQ(read.records.size(), 5u);
  EXPECT_EQ(read.records[3].cells, std::vector<std::string>{""});
  EXPECT_EQ(read.records[4].cells, std::vector<std::string>{"d\"e\""});
  EXPECT_EQ(read.records[4].line, 5);

  read = ReadCsv("a\n\"b\nc");
  EXPECT_EQ(read.syntax, CsvSyntax::UnclosedQuote);
  EXPECT_EQ(read.error_line, 2);
  read = ReadCsv("a\n\"b\"c");
  EXPECT_EQ(read.syntax, CsvSyntax::TextAfterQuote);
  EXPECT_EQ(read.error_line, 2);

  EXPECT_EQ(Utf8ValidLength("ok\xC3\xA9" "ok"), 6u);
  for (std::string bad : {"\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE3\x81", "\x80"}) {
    EXPECT_EQ(Utf8ValidLength("ab" + bad), 2u) << bad;
  }
}

TEST(CsvRoundTrip, ExportThenImportChangesNoByte) {
  Files files;
  const Image save = files.save, scenario = files.scenario;
  const std::string officers = files.OfficerFile();
  EXPECT_TRUE(officers.starts_with("\xEF\xBB\xBF武将番号,姓,名,字,ルビ,氏名,顔番号,誕生年,寿命,忠誠,武力,知力,政治,魅力,鬼謀,"));
  Sheet sheet = Sheet::Of(officers);
  EXPECT_EQ(sheet.rows.size(), 1u + files.roster.count);
  // What the odd record of officer 7 shows: whole characters up to the NUL, U+FFFD for what has
  // no character, numbers as stored.
  const std::vector<std::string> odd(sheet.rows[8].begin(), sheet.rows[8].begin() + 10);
  EXPECT_EQ(odd, (std::vector<std::string>{"7", "あい", "\uFFFDX\uFFFD", "\uFFFDa", "ｱｲｳｴｵｶｷｸｹｺｻ",
                                           "\uFFFD \uE059", "65535", "355", sheet.rows[8][8], "200"}));
  EXPECT_EQ(sheet.rows[8][sheet.Column("乱撃")], "3");
  EXPECT_EQ(sheet.rows[8][sheet.Column("突撃")], "15");
  EXPECT_EQ(sheet.rows[8][sheet.Column("奇襲")], "7");
  EXPECT_EQ(sheet.rows[8][sheet.Column("撹乱")], "1");

  CsvImportResult result = files.ImportOfficers(officers);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.fields_changed, 0);
  EXPECT_FALSE(result.table_image_changed);
  EXPECT_TRUE(files.save == save);

  const std::string items = files.ItemFile();
  const Sheet item_sheet = Sheet::Of(items);
  EXPECT_EQ(item_sheet.rows[0].back(), "所有者");
  EXPECT_EQ(item_sheet.rows.size(), 1u + ITEM_COUNT);
  EXPECT_EQ(item_sheet.rows[1 + SAMPLE_NEGATIVE_ITEM],
            (std::vector<std::string>{"21", item_sheet.rows[22][1], "128", "255", item_sheet.rows[22][4], "-1", "254",
                                      std::to_string(SampleItemOwner(21)), item_sheet.rows[22][8]}));
  EXPECT_EQ(item_sheet.rows[1 + 5][7], "なし");
  result = files.ImportItems(items);
  EXPECT_TRUE(result.ok);
  EXPECT_EQ(result.fields_changed, 0);
  EXPECT_TRUE(files.save == save);
  EXPECT_TRUE(files.scenario == scenario);

  // Without a save file the owner columns are left out, and the file reads back the same way.
  const std::string bare = ExportItemCsv(files.scenario, nullptr, Codec());
  EXPECT_EQ(Sheet::Of(bare).rows[0].back(), "特技付与");
  result = ImportItemCsv(files.scenario, nullptr, bare, Codec());
  EXPECT_TRUE(result.ok && result.fields_changed == 0);
  EXPECT_TRUE(files.scenario == scenario);
}

TEST(CsvImport, EditedExportEqualsTheSameEditsThroughTheCommands) {
  Files files;
  Files commands;
  Sheet sheet = Sheet::Of(files.OfficerFile());
  const OfficerId three[] = {3}, seven[] = {7}, seven_hundred[] = {700};
  sheet.At("3", "姓") = "劉";
  WriteFamilyName(commands.save, three, Sjis("劉"));
  sheet.At("3", "名") = "備";
  WriteGivenName(commands.save, three, Sjis("備"));
  sheet.At("3", "氏名") = "別人";  // for reading only: it follows the names changed beside it
  sheet.At("3", "字") = "玄徳";
  WriteCourtesyName(commands.save, three, Sjis("玄徳"));
  sheet.At("3", "ルビ") = "ﾘｭｳﾋﾞ";
  WriteReading(commands.save, three, Sjis("ﾘｭｳﾋﾞ"));
  sheet.At("3", "顔番号") = "845";
  WriteFaceNumber(commands.save, three, 845);
  sheet.At("3", "誕生年") = "161";
  WriteBirthYear(commands.save, three, 161, false);
  sheet.At("3", "寿命") = "5";
  WriteLifeSpan(commands.save, three, 5);
  sheet.At("3", "魅力") = "99";
  WriteAbility(commands.save, three, 3, 99);
  sheet.At("3", "商才") = ReadSkill(files.save, 3, 25) ? "0" : "1";
  WriteSkill(commands.save, three, 25, !ReadSkill(files.save, 3, 25));
  sheet.At("3", "攻城") = "極";
  WriteTacticRank(commands.save, three, 14, 6);
  // A given name beside a stored family name without a NUL rebuilds the full name as the command does.
  sheet.At("7", "名") = "亮";
  WriteGivenName(commands.save, seven, Sjis("亮"));
  // The user-defined character and a leading zero that changes nothing.
  sheet.At("700", "字") = "\uE059";
  WriteCourtesyName(commands.save, seven_hundred, "\xF0\x9A");
  sheet.At("700", "忠誠") = "0" + sheet.At("700", "忠誠");

  CsvImportResult result = files.ImportOfficers(Shuffled(sheet));
  ASSERT_TRUE(result.ok) << ProblemList(result);
  EXPECT_EQ(result.records_changed, 3);
  EXPECT_EQ(result.fields_changed, 12);
  EXPECT_EQ(BirthYearsChanged(result), 1);
  EXPECT_TRUE(result.table_image_changed);
  EXPECT_TRUE(files.save == commands.save);

  Sheet items = Sheet::Of(files.ItemFile());
  const int32_t zero[] = {0}, one[] = {1}, twenty[] = {20}, five[] = {5}, six[] = {6};
  items.At("0", "名前") = "白銀の鞍";
  WriteItemName(commands.scenario, zero, Sjis("白銀の鞍"));
  items.At("0", "種類") = "宝物";
  WriteItemType(commands.scenario, zero, 10);
  items.At("0", "画像と解説") = "鉄\uE059藜骨朶";
  WriteItemImage(commands.scenario, zero, 19);
  items.At("0", "売値") = "12750";
  WriteItemPrice(commands.scenario, zero, 12750);
  items.At("0", "増加値") = "99";
  WriteItemIncrease(commands.scenario, zero, 99);
  items.At("0", "特技付与") = "騎兵";
  WriteItemSkill(commands.scenario, zero, 18);
  items.At("1", "特技付与") = "なし";
  WriteItemSkill(commands.scenario, one, NO_SKILL_INDEX);
  items.At("20", "種類") = "名馬";
  WriteItemType(commands.scenario, twenty, 0);
  items.At("5", "所有者番号") = "760";
  WriteItemOwner(commands.save, five, commands.positions[760], commands.roster);
  items.At("6", "所有者番号") = "なし";
  WriteItemOwner(commands.save, six, commands.roster.count, commands.roster);

  result = files.ImportItems(Shuffled(items));
  ASSERT_TRUE(result.ok) << ProblemList(result);
  EXPECT_EQ(result.records_changed, 5);
  EXPECT_EQ(result.fields_changed, 10);
  EXPECT_TRUE(result.table_image_changed && result.owner_image_changed);
  EXPECT_TRUE(files.scenario == commands.scenario);
  EXPECT_TRUE(files.save == commands.save);
}

struct BadFile {
  const char* name;
  bool items;
  std::function<std::string(Sheet&)> make;  // the file, from the export with one good edit made
  int32_t line;
  std::string column;
  CsvProblemReason reason;
  std::vector<std::string> instead = {};  // the columns a refused shown-only cell names to edit
};

TEST(CsvImport, ABadCellWritesNothingAndNamesRowAndColumn) {
  using R = CsvProblemReason;
  auto cell = [](const char* key, const char* header, std::string text) {
    return [=](Sheet& s) {
      s.At(key, header) = text;
      return s.File();
    };
  };
  // The officer files hold the rows of ids 0 to 10 only (rows may be left out): id n is on line
  // n + 2, as item i is. A line appended to an officer file is line 13.
  const int32_t appended = 13;
  const BadFile cases[] = {
      {"loyalty out of range", false, cell("3", "忠誠", "101"), 5, "忠誠", R::BadNumber},
      {"more digits than the entry takes", false, cell("3", "顔番号", "0845"), 5, "顔番号", R::BadNumber},
      {"a name is refused, not cut", false, cell("3", "姓", "劉備玄"), 5, "姓", R::TooLong},
      {"an empty name", false, cell("4", "ルビ", ""), 6, "ルビ", R::Empty},
      {"a character code page 932 lacks", false, cell("4", "名", "¥"), 6, "名", R::NotCp932},
      {"a kept U+FFFD", false, cell("7", "名", "\uFFFDY"), 9, "名", R::NotCp932},
      {"a tab in a name", false, cell("4", "字", "a\tb"), 6, "字", R::ControlCharacter},
      {"a rank not in the list", false, cell("4", "乱撃", "8"), 6, "乱撃", R::NotInList},
      {"a skill other than 0 or 1", false, cell("4", "鬼謀", "2"), 6, "鬼謀", R::BadNumber},
      {"a full name, which is for reading only", false, cell("3", "氏名", "別人"), 5, "氏名", R::ShownOnly,
       {"姓", "名"}},
      {"an id not in the roster", false, cell("4", "武将番号", "658"), 6, "武将番号", R::NoSuchRecord},
      {"an id that is no number", false, cell("4", "武将番号", "四"), 6, "武将番号", R::BadKey},
      {"a duplicate row", false, cell("4", "武将番号", "3"), 6, "武将番号", R::DuplicateRecord},
      {"a row with a cell too many", false, [](Sheet& s) { s.rows[3].push_back(""); return s.File(); }, 4, "",
       R::CellCount},
      {"an unknown column", false, [](Sheet& s) { s.rows[0][9] = "忠義"; return s.File(); }, 1, "忠義",
       R::UnknownColumn},
      {"a column twice", false, [](Sheet& s) { s.rows[0][11] = "武力"; return s.File(); }, 1, "武力",
       R::DuplicateColumn},
      {"no id column", false,
       [](Sheet& s) {
         for (auto& cells : s.rows) cells.erase(cells.begin());
         return s.File();
       },
       1, "武将番号", R::MissingColumn},
      {"an unclosed quote", false, [](Sheet& s) { return s.File() + "\"3,"; }, appended, "", R::UnclosedQuote},
      {"text after a closing quote", false, [](Sheet& s) { return "\"a\"b" + s.File(); }, 1, "", R::TextAfterQuote},
      {"a byte order mark before code page 932", false, [](Sheet& s) { return s.File() + Sjis("劉"); }, appended, "",
       R::UnknownEncoding},
      {"neither encoding", false,
       [](Sheet& s) {
         s.rows.erase(s.rows.begin() + 8);  // officer 7's U+FFFD has no code page 932 bytes
         std::string cp932;
         Codec().FromUtf8(s.File().substr(UTF8_BOM.size()), cp932);
         return cp932 + "\x80";
       },
       appended - 1, "", R::UnknownEncoding},
      {"a price not divisible by 50", true, cell("3", "売値", "25"), 5, "売値", R::BadNumber},
      {"an owner outside the roster", true, cell("3", "所有者番号", "801"), 5, "所有者番号", R::NotAnOwner},
      {"a skill not in the list", true, cell("3", "特技付与", "255"), 5, "特技付与", R::NotInList},
      {"an owner's name, which is for reading only", true, cell("3", "所有者", "別人"), 5, "所有者", R::ShownOnly,
       {"所有者番号"}},
  };
  Files exported;
  const Sheet officers = [&exported] {
    Sheet sheet = Sheet::Of(exported.OfficerFile());
    sheet.rows.resize(12);
    return sheet;
  }();
  const Sheet items = Sheet::Of(exported.ItemFile());
  for (const BadFile& bad : cases) {
    SCOPED_TRACE(bad.name);
    Files files;
    const Image save = files.save, scenario = files.scenario;
    Sheet sheet = bad.items ? items : officers;
    sheet.At("10", bad.items ? "増加値" : "忠誠") = "1";
    const CsvImportResult result = bad.items ? files.ImportItems(bad.make(sheet)) : files.ImportOfficers(bad.make(sheet));
    EXPECT_FALSE(result.ok);
    ASSERT_EQ(result.problems.size(), 1u) << ProblemList(result);
    EXPECT_EQ(result.problems[0].line, bad.line);
    EXPECT_EQ(result.problems[0].column, bad.column);
    EXPECT_EQ(result.problems[0].reason, bad.reason);
    EXPECT_EQ(result.problems[0].instead, bad.instead);
    EXPECT_TRUE(files.save == save && files.scenario == scenario);
  }

  // One message lists the first problems: row, column, why.
  Files files;
  Sheet sheet = items;
  for (int item = 0; item < 12; ++item) sheet.At(std::to_string(item), "売値") = "12751";
  const CsvImportResult result = files.ImportItems(sheet.File());
  EXPECT_EQ(result.problem_count, 12);
  ASSERT_EQ(result.problems.size(), 12u);
  EXPECT_EQ(result.problems[0].line, 2);
  EXPECT_EQ(result.problems[0].column, "売値");
  EXPECT_EQ(result.problems[0].reason, CsvProblemReason::BadNumber);
  EXPECT_EQ(result.problems[0].min, 0);
  EXPECT_EQ(result.problems[0].max, 12750);
  EXPECT_EQ(result.problems[0].step, 50);

  // Owner columns while no save file is open.
  const CsvImportResult no_save = ImportItemCsv(files.scenario, nullptr, files.ItemFile(), Codec());
  ASSERT_EQ(no_save.problems.size(), 2u);
  EXPECT_EQ(no_save.problems[0].reason, CsvProblemReason::NoSaveFile);

  // Officers from 899 on have no attribute bytes of their own: the export leaves those cells empty,
  // the file reads back unchanged, and any text there is refused beside another row's good change.
  Image long_run = MakeLongRunSave();
  const Image long_run_before = long_run;
  OfficerRoster roster{};
  BuildOfficerRoster(long_run, roster);
  ASSERT_GT(roster.ids[roster.count - 1], ATTRIBUTE_ID_LIMIT);
  const std::string long_run_file = ExportOfficerCsv(long_run, roster, Codec());
  const Sheet long_sheet = Sheet::Of(long_run_file);
  const std::pair<const char*, const char*> attributes[] = {{"寿命", "3"}, {"忠誠", "50"}, {"鬼謀", "1"}, {"攻城", "未"}};
  for (int32_t k = 0; k < roster.count; ++k) {
    for (const auto& [header, text] : attributes) {
      ASSERT_EQ(long_sheet.rows[1 + k][long_sheet.Column(header)].empty(), roster.ids[k] >= ATTRIBUTE_ID_LIMIT)
          << roster.ids[k] << " " << header;
    }
  }
  const CsvImportResult unchanged = ImportOfficerCsv(long_run, roster, long_run_file, Codec());
  EXPECT_TRUE(unchanged.ok && unchanged.fields_changed == 0) << ProblemList(unchanged);
  const int32_t line = 2 + static_cast<int32_t>(std::find(roster.ids.begin(), roster.ids.end(), 899) - roster.ids.begin());
  for (const auto& [header, text] : attributes) {
    SCOPED_TRACE(header);
    Sheet sheet = long_sheet;
    sheet.At("5", "忠誠") = ReadLoyalty(long_run, 5) == 50 ? "51" : "50";
    sheet.At("899", header) = text;
    const CsvImportResult refused = ImportOfficerCsv(long_run, roster, sheet.File(), Codec());
    EXPECT_FALSE(refused.ok);
    ASSERT_EQ(refused.problems.size(), 1u) << ProblemList(refused);
    EXPECT_EQ(refused.problems[0].line, line);
    EXPECT_EQ(refused.problems[0].column, header);
    EXPECT_EQ(refused.problems[0].reason, CsvProblemReason::NoField);
    EXPECT_EQ(refused.problems[0].min, 899);
    EXPECT_TRUE(long_run == long_run_before);
  }
}

TEST(CsvImport, Cp932FileAndUtf8FilesGiveTheSameResult) {
  Files original;
  Sheet sheet = Sheet::Of(original.OfficerFile());
  sheet.At("3", "姓") = "劉";
  sheet.At("4", "字") = "\uE059";
  sheet.At("5", "ルビ") = "ｿｳｿｳ";
  sheet.At("6", "乱撃") = "弐";
  sheet.rows.erase(sheet.rows.begin() + 8);  // officer 7's U+FFFD has no code page 932 bytes
  const std::string utf8 = sheet.File();
  std::string cp932;
  ASSERT_TRUE(Codec().FromUtf8(utf8.substr(UTF8_BOM.size()), cp932));
  ASSERT_FALSE(IsUtf8(cp932));

  std::vector<Image> results;
  for (const std::string& file : {utf8, utf8.substr(UTF8_BOM.size()), cp932}) {
    Files files;
    const CsvImportResult result = files.ImportOfficers(file);
    EXPECT_TRUE(result.ok) << ProblemList(result);
    EXPECT_EQ(result.fields_changed, 4);
    results.push_back(files.save);
  }
  EXPECT_TRUE(results[0] == results[1]);
  EXPECT_TRUE(results[0] == results[2]);
}

}  // namespace
