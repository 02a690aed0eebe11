// Varnholt's File menu commands "CSVに書き出す…" and "CSVから読み込む…" through the real dialog:
// the item table, with the owners while a save file is open, written to a CSV file and read back,
// against the bytes the item commands write.
#include <string>
#include <vector>

#include "csv_edit.h"
#include "varnholt_fixture.h"

namespace {

class VarnholtCsvTest : public CsvMenuTest<VarnholtTest, ID_FILE_EXPORT_CSV, ID_FILE_IMPORT_CSV> {
 protected:
  static std::vector<uint8_t> Bytes(const DataFileImage& image) {
    return {image.data, image.data + image.length};
  }
};

TEST_F(VarnholtCsvTest, ExportAndImportThroughTheFileMenu) {
  // The scenario file is always open; the owner columns come with a save file.
  EXPECT_EQ(CsvHeaderLine(Export("items.csv")), "番号,名前,種類,画像と解説,売値,増加値,特技付与");
  OpenSampleSave();
  Click(5);
  Click(6, true);  // items 5 and 6 selected, 6 the current item
  const std::vector<uint8_t> exported = Export("items_and_owners.csv");
  EXPECT_EQ(CsvHeaderLine(exported), "番号,名前,種類,画像と解説,売値,増加値,特技付与,所有者番号,所有者");
  ExpectBox(Import(exported), "", "CSV ファイルを読み込みました。変更はありません。", "CSV の読み込み", MB_ICONINFORMATION);
  EXPECT_EQ(Bytes(Scenario()), scenario_);
  EXPECT_EQ(Bytes(Save()), save_);
  EXPECT_EQ(WindowText(dialog_), "D_SCE.S8 / SAMPLE1.sav - Varnholt");

  // One bad cell and nothing is written; the warning names the line and the column.
  ExpectBox(Import(ChangeCsvCells(exported, {{"6", "名前", "青龍刀"}, {"9", "売値", "12345"}})), "",
            "CSV ファイルを読み込めませんでした。何も変更していません。\n\n"
            "11 行目「売値」: 0 から 12750 までの 50 で割り切れる数値を入力して下さい。",
            "警告", MB_ICONWARNING);
  // A file past the size limit is not read at all.
  const std::string huge = files_.Path("huge.csv");
  WriteFileBytes(huge, std::vector<uint8_t>((16u << 20) + 1, ' '));
  answers_.ChooseFile(huge);
  const std::vector<SeenWindow> seen = Answered(ID_FILE_IMPORT_CSV, {IDOK});
  ASSERT_EQ(seen.size(), 2u);
  ExpectBox(seen[1], huge, "CSV ファイルが大きすぎます。16 MB までのファイルを選んで下さい。", "警告", MB_ICONWARNING);
  EXPECT_EQ(Bytes(Scenario()), scenario_);
  EXPECT_EQ(Bytes(Save()), save_);
  EXPECT_EQ(Scenario().dirty + Save().dirty, 0);

  // A name, a price and an owner through the item commands...
  SelectRows({6});
  const int owner = Choice(IDC_ITEM_OWNER);
  Type(IDC_ITEM_NAME, Sjis("青龍刀"));
  Command(dialog_, IDC_UPDATE_NAME);
  Type(IDC_ITEM_PRICE, "1250");
  Command(dialog_, IDC_UPDATE_PRICE);
  Choose(IDC_ITEM_OWNER, g_item_editor.roster.count);  // なし
  Command(dialog_, IDC_UPDATE_OWNER);
  const std::vector<uint8_t> scenario_by_commands = Bytes(Scenario()), save_by_commands = Bytes(Save());
  ASSERT_NE(scenario_by_commands, scenario_);
  ASSERT_NE(save_by_commands, save_);
  // ...are undone by the export read back, and both files stored: they are the samples again.
  ExpectBox(Import(exported), "", "CSV ファイルを読み込みました。1 件のデータで 3 個の値を変更しました。", "CSV の読み込み",
            MB_ICONINFORMATION);
  EXPECT_EQ(ListRow(6), SampleName(6));
  EXPECT_EQ(WindowText(Item(IDC_ITEM_NAME)), SampleName(6));
  EXPECT_EQ(Choice(IDC_ITEM_OWNER), owner);
  Command(dialog_, ID_FILE_OVERWRITE_SCENARIO);
  Command(dialog_, ID_FILE_OVERWRITE_SAVE);
  EXPECT_EQ(ReadFileBytes(scenario_path_), scenario_);
  EXPECT_EQ(ReadFileBytes(save_path_), save_);
  EXPECT_EQ(WindowText(dialog_), "D_SCE.S8 / SAMPLE1.sav - Varnholt");

  // The same cells edited in the file give the same bytes as the commands, both images count as
  // changed, and the list and the current item's fields show the new values with the selection,
  // caret and top row kept.
  SelectRows({5, 6});
  SendMessageA(Item(IDC_ITEM_LIST), LB_SETTOPINDEX, 2, 0);
  ExpectBox(Import(ChangeCsvCells(exported, {{"6", "名前", "青龍刀"}, {"6", "売値", "1250"}, {"6", "所有者番号", "なし"}})),
            "", "CSV ファイルを読み込みました。1 件のデータで 3 個の値を変更しました。", "CSV の読み込み",
            MB_ICONINFORMATION);
  EXPECT_EQ(Bytes(Scenario()), scenario_by_commands);
  EXPECT_EQ(Bytes(Save()), save_by_commands);
  EXPECT_EQ(Scenario().dirty + Save().dirty, 2);
  EXPECT_EQ(WindowText(dialog_), "D_SCE.S8* / SAMPLE1.sav* - Varnholt");
  EXPECT_EQ(ListRow(6), Sjis("青龍刀"));
  EXPECT_EQ(SelectedRows(), (std::vector<int>{5, 6}));
  EXPECT_EQ(SendMessageA(Item(IDC_ITEM_LIST), LB_GETCARETINDEX, 0, 0), 6);
  EXPECT_EQ(TopRow(), 2);
  EXPECT_EQ(WindowText(Item(IDC_ITEM_NAME)), Sjis("青龍刀"));
  EXPECT_EQ(WindowText(Item(IDC_ITEM_PRICE)), "1250");
  EXPECT_EQ(Choice(IDC_ITEM_OWNER), g_item_editor.roster.count);
}

}  // namespace
