// Quillmere's File menu commands "CSVに書き出す…" and "CSVから読み込む…" through the real dialog:
// the officer table written to a CSV file and read back, against the bytes the update commands
// write; and Windows' code page 932 as the converter of the CSV texts.
#include <algorithm>
#include <string>
#include <vector>

#include "csv_edit.h"
#include "model/officer_edits.h"
#include "platform/win_cp932_codec.h"
#include "platform/win_text_boundary.h"
#include "quillmere_fixture.h"
#include "win32/csv_messages.h"

namespace {

class QuillmereCsvTest : public CsvMenuTest<QuillmereTest, ID_FILE_EXPORT_CSV, ID_FILE_IMPORT_CSV> {
 protected:
  static std::vector<uint8_t> Image() {
    const uint8_t* data = g_officer_editor.save.data;
    return {data, data + SAVE_FILE_LENGTH};
  }
};

TEST_F(QuillmereCsvTest, ExportAndImportThroughTheFileMenu) {
  // Like every command that needs a save file, neither does anything while none is open.
  Command(dialog_, ID_FILE_EXPORT_CSV);
  Command(dialog_, ID_FILE_IMPORT_CSV);
  EXPECT_TRUE(answers_.TakeSeen().empty());

  OpenSample();
  Command(dialog_, ID_SORT_BY_READING);
  const std::vector<OfficerId> order(g_officer_editor.order.begin(), g_officer_editor.order.begin() + ListCount());
  // Row 10: past the officers with empty names, whom the reading sort puts first.
  const OfficerId id = order[10];
  const std::string key = std::to_string(id);
  answers_.TakeSeen();

  // The export: UTF-8 with a byte order mark, a header and one row per officer, CRLF; read back
  // unchanged it changes nothing.
  const std::vector<uint8_t> exported = Export("officers.csv");
  EXPECT_TRUE(CsvHeaderLine(exported).starts_with("武将番号,姓,名,字,ルビ,氏名,顔番号,誕生年,寿命,忠誠,武力,知力"));
  const std::string text(exported.begin(), exported.end());
  size_t lines = 0;
  for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++lines;
  EXPECT_EQ(lines, static_cast<size_t>(ListCount()) + 1);
  ExpectBox(Import(exported), "CSV ファイルを読み込みました。変更はありません。", "CSV の読み込み", MB_ICONINFORMATION);
  EXPECT_EQ(Image(), sample_);
  EXPECT_EQ(WindowText(dialog_), "SAMPLE1.sav - Quillmere");

  // One bad cell and nothing is written, not even another row's good change; the warning names the
  // line and the column.
  const std::string tenth = std::to_string(g_officer_editor.roster.ids[10]);  // line 12 of the file
  ExpectBox(Import(ChangeCsvCells(exported, {{key, "姓", "藍"}, {tenth, "顔番号", "900"}})),
            "CSV ファイルを読み込めませんでした。何も変更していません。\n\n"
            "12 行目「顔番号」: 0 から 845 までの数値を入力して下さい。",
            "警告", MB_ICONWARNING);
  EXPECT_EQ(Image(), sample_);
  EXPECT_EQ(g_officer_editor.save.dirty, 0);

  // A family name and a loyalty through the update buttons...
  SelectRows({10});
  const std::string full_name = ListRow(10);
  SetText(IDC_FAMILY_NAME, Sjis("藍"));
  Command(dialog_, IDC_SET_FAMILY_NAME);
  SetText(IDC_LOYALTY, "77");
  Command(dialog_, IDC_SET_LOYALTY);
  const std::vector<uint8_t> by_commands = Image();
  ASSERT_NE(by_commands, sample_);
  // ...are undone by the export read back, and stored: the file is the sample again.
  ExpectBox(Import(exported), "CSV ファイルを読み込みました。1 件のデータで 2 個の値を変更しました。", "CSV の読み込み",
            MB_ICONINFORMATION);
  EXPECT_EQ(ListRow(10), full_name);
  EXPECT_EQ(SaveAndRead(), sample_);
  EXPECT_EQ(WindowText(dialog_), "SAMPLE1.sav - Quillmere");

  // The same two cells edited in the file give the same bytes as the buttons; the rows keep their
  // order (no sort by the new reading), selection and top row, and the title tells of the change.
  SelectRows({3, 11});
  SetTopRow(1);
  ExpectBox(Import(ChangeCsvCells(exported, {{key, "姓", "藍"}, {key, "忠誠", "77"}})),
            "CSV ファイルを読み込みました。1 件のデータで 2 個の値を変更しました。", "CSV の読み込み",
            MB_ICONINFORMATION);
  EXPECT_EQ(Image(), by_commands);
  EXPECT_EQ(g_officer_editor.save.dirty, 1);
  EXPECT_EQ(WindowText(dialog_), "*SAMPLE1.sav - Quillmere");
  EXPECT_EQ(ListRow(10).substr(0, 2), Sjis("藍"));
  EXPECT_EQ(std::vector<OfficerId>(g_officer_editor.order.begin(), g_officer_editor.order.begin() + ListCount()),
            order);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{3, 10, 11}));
  EXPECT_EQ(TopRow(), 1);
}

// Cells the import does not write, on a roster past 899: attribute cells of the officers from 899
// on (exported empty) and the full name are refused with their lines, and nothing is written; a
// birth year is written as the file gives it, and with "禁老化" checked the result says the box
// was not used.
TEST_F(QuillmereCsvTest, CellsTheImportDoesNotWriteAreRefusedAndBirthYearsTakenAsGiven) {
  const std::vector<uint8_t> long_run = OpenLongRunSave();
  const std::vector<uint8_t> exported = Export("long.csv");
  EXPECT_EQ(CsvCell(exported, "898", "忠誠"), std::to_string(ReadLoyalty(long_run, 898)));
  for (const char* column : {"寿命", "忠誠", "鬼謀", "攻城"}) EXPECT_EQ(CsvCell(exported, "899", column), "") << column;

  const OfficerRoster& roster = g_officer_editor.roster;
  const auto row_899 = std::find(roster.ids.begin(), roster.ids.begin() + roster.count, 899) - roster.ids.begin();
  const std::string line_899 = std::to_string(row_899 + 2);
  const std::string loyalty_5 = ReadLoyalty(long_run, 5) == 50 ? "51" : "50";
  ExpectBox(Import(ChangeCsvCells(exported, {{"3", "氏名", "別人"}, {"5", "忠誠", loyalty_5}, {"899", "忠誠", "50"}})),
            ("CSV ファイルを読み込めませんでした。何も変更していません。\n\n"
             "5 行目「氏名」: この列は確認用で、読み込みでは使いません。「姓」「名」の列を変更して下さい。\n" +
             line_899 + " 行目「忠誠」: 番号が 899 以上の武将にはこの項目がありません。")
                .c_str(),
            "警告", MB_ICONWARNING);
  EXPECT_TRUE(std::equal(long_run.begin(), long_run.end(), g_officer_editor.save.data));
  EXPECT_EQ(g_officer_editor.save.dirty, 0);

  ASSERT_EQ(SendMessageA(Item(IDC_NO_AGING), BM_GETCHECK, 0, 0), BST_CHECKED);
  const int32_t year = ReadBirthYear(long_run, 3);
  ExpectBox(Import(ChangeCsvCells(exported, {{"3", "誕生年", std::to_string(year - 1)}})),
            "CSV ファイルを読み込みました。1 件のデータで 1 個の値を変更しました。\n"
            "禁老化 は CSV の読み込みには使われません。誕生年はファイルの値のとおりに書き込みました。",
            "CSV の読み込み", MB_ICONINFORMATION);
  EXPECT_EQ(ReadBirthYear(Image(), 3), year - 1);
  SendMessageA(Item(IDC_NO_AGING), BM_SETCHECK, BST_UNCHECKED, 0);
  ExpectBox(Import(exported), "CSV ファイルを読み込みました。1 件のデータで 1 個の値を変更しました。", "CSV の読み込み",
            MB_ICONINFORMATION);
  EXPECT_TRUE(std::equal(long_run.begin(), long_run.end(), g_officer_editor.save.data));
}

// Whatever the system's code page: code page 932 named, user-defined characters kept, no best fit.
// The words of an import's messages, from the string table both programs carry.
TEST(CsvMessagesTest, NameLineColumnAndWhyAndCountTheRest) {
  auto problem = [](int32_t line, const char* column, CsvProblemReason reason) {
    CsvProblem p;
    p.line = line;
    p.column = column;
    p.reason = reason;
    return p;
  };
  CsvProblem full_name = problem(5, "氏名", CsvProblemReason::ShownOnly);
  full_name.instead = {"姓", "名"};
  EXPECT_EQ(Utf8FromWide(CsvProblemText(full_name)),
            "5 行目「氏名」: この列は確認用で、読み込みでは使いません。「姓」「名」の列を変更して下さい。");
  CsvProblem owner = problem(5, "所有者", CsvProblemReason::ShownOnly);
  owner.instead = {"所有者番号"};
  EXPECT_EQ(Utf8FromWide(CsvProblemText(owner)),
            "5 行目「所有者」: この列は確認用で、読み込みでは使いません。「所有者番号」の列を変更して下さい。");
  CsvProblem no_field = problem(903, "忠誠", CsvProblemReason::NoField);
  no_field.min = ATTRIBUTE_ID_LIMIT;
  EXPECT_EQ(Utf8FromWide(CsvProblemText(no_field)), "903 行目「忠誠」: 番号が 899 以上の武将にはこの項目がありません。");
  EXPECT_EQ(Utf8FromWide(CsvProblemText(problem(0, "", CsvProblemReason::UnknownEncoding))),
            "文字コードが UTF-8 でもシフトJIS でもありません。");
  EXPECT_EQ(Utf8FromWide(CsvProblemText(problem(3, "", CsvProblemReason::UnclosedQuote))),
            "3 行目: 引用符 (\") が閉じられていません。");

  CsvImportResult refused;
  for (int32_t line = 2; line < 14; ++line) {
    CsvProblem price = problem(line, "売値", CsvProblemReason::BadNumber);
    price.max = 12750;
    price.step = 50;
    refused.problems.push_back(price);
  }
  refused.problem_count = 12;
  const std::string message = Utf8FromWide(CsvProblemsMessage(refused));
  EXPECT_TRUE(message.starts_with("CSV ファイルを読み込めませんでした。何も変更していません。\n\n"
                                  "2 行目「売値」: 0 から 12750 までの 50 で割り切れる数値を入力して下さい。\n"))
      << message;
  EXPECT_TRUE(message.ends_with("\nほかに 2 件の問題があります。")) << message;

  CsvImportResult changed;
  changed.ok = true;
  changed.records_changed = 3;
  changed.fields_changed = 12;
  EXPECT_EQ(Utf8FromWide(CsvChangesMessage(changed)), "CSV ファイルを読み込みました。3 件のデータで 12 個の値を変更しました。");
}

TEST(WinCp932CodecTest, ConvertsBothWaysAndRefusesWhatCodePage932CannotHold) {
  WinCp932Codec codec;
  std::string out = "x";
  EXPECT_TRUE(codec.ToUtf8("", out));
  EXPECT_EQ(out, "");
  out = "x";
  EXPECT_TRUE(codec.FromUtf8("", out));
  EXPECT_EQ(out, "");
  struct Pair {
    std::string cp932, utf8;
  };
  const Pair pairs[] = {
      {"\x88\xC9\x93\xA1", "伊藤"},
      {"\\~ABC", "\\~ABC"},
      {"\xB1\xDD", "ｱﾝ"},
      {"\x81\x60", "～"},  // U+FF5E
      {"\x93\x53\xF0\x9A\xE5\x5B\x8D\x9C\x9E\x53", "鉄\xEE\x81\x99藜骨朶"},  // F0 9A is U+E059
  };
  for (const Pair& pair : pairs) {
    SCOPED_TRACE(pair.utf8);
    EXPECT_TRUE(codec.ToUtf8(pair.cp932, out));
    EXPECT_EQ(out, pair.utf8);
    EXPECT_TRUE(codec.FromUtf8(pair.utf8, out));
    EXPECT_EQ(out, pair.cp932);
  }
  // A lead byte without its second byte; characters with only a best fit (¥, 〜 U+301C, ‖) or none;
  // bytes that are not UTF-8 (a cut sequence, a surrogate).
  for (const char* cp932 : {"\x81", "A\x88"}) EXPECT_FALSE(codec.ToUtf8(cp932, out)) << cp932;
  for (const char* utf8 : {"¥", "〜", "\xE2\x80\x96", "\xF0\x9F\x98\x80", "\xC3", "\xED\xA0\x80"}) {
    EXPECT_FALSE(codec.FromUtf8(utf8, out)) << utf8;
    EXPECT_EQ(out, "");
  }
}

}  // namespace
