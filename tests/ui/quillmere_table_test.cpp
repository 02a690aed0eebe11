// Quillmere's table window: filtered by a condition, every shown row selected, a command run on
// them through the main dialog; the bytes, the table and the main list agree.
#include <algorithm>
#include <set>

#include <windows.h>
#include <commctrl.h>

#include "formats/csv.h"
#include "image_bytes.h"
#include "model/officer_edits.h"
#include "quillmere_fixture.h"
#include "table_driver.h"

namespace {

class QuillmereTableTest : public QuillmereTest {
 protected:
  TableWindow& Table() { return g_officer_editor.table; }
  int ColumnOf(std::u8string_view header) {
    const auto columns = Table().program->records()->Columns();
    return static_cast<int>(std::find_if(columns.begin(), columns.end(),
                                         [&](const CellColumn& c) { return c.header == header; }) - columns.begin());
  }
  std::set<OfficerId> MainSelection() {
    const std::vector<OfficerId> ids = OfficersOf(SelectedRows());
    return {ids.begin(), ids.end()};
  }
  std::set<OfficerId> TableSelection() {
    std::set<OfficerId> ids;
    for (int row : SelectedTableRows(Table())) ids.insert(std::stoi(TableCell(Table(), row, 0)));
    return ids;
  }
};

TEST_F(QuillmereTableTest, FilterSelectShownAndACommandOnThem) {
  OpenSample();
  answers_.TakeSeen();
  PressKeyThroughLoop(dialog_, List(), 'F', true);  // Ctrl+F opens the table at its filter box
  ASSERT_NE(Table().window, nullptr);
  EXPECT_EQ(GetFocus(), Table().filter);
  const int total = TableRowCount(Table());
  ASSERT_EQ(total, ListCount());

  TypeFilter(Table(), "忠誠<50");
  std::set<OfficerId> low;
  for (int32_t k = 0; k < g_officer_editor.roster.count; ++k) {
    const OfficerId id = g_officer_editor.roster.ids[static_cast<size_t>(k)];
    if (HasAttributeFields(id) && ReadLoyalty(sample_, id) < 50) low.insert(id);
  }
  ASSERT_GT(low.size(), 1u);
  ASSERT_LT(low.size(), static_cast<size_t>(total));
  ASSERT_EQ(TableRowCount(Table()), static_cast<int>(low.size()));
  EXPECT_EQ(Utf8OfWide(WindowTextW(Table().window)),
            "一覧表 - " + std::to_string(low.size()) + " / " + std::to_string(total) + " 人");
  EXPECT_EQ(WindowTextW(Table().problem), L"");

  // A header click sorts the table by loyalty, descending on the second; the list keeps its order.
  const DisplayOrder order = g_officer_editor.order;
  const int loyalty = ColumnOf(u8"忠誠");
  EXPECT_EQ(TableHeader(Table(), loyalty), "忠誠");
  EXPECT_EQ(TableHeader(Table(), 0), "番号");
  ClickHeader(Table(), loyalty);
  ClickHeader(Table(), loyalty);
  for (int row = 1; row < TableRowCount(Table()); ++row) {
    ASSERT_GE(std::stoi(TableCell(Table(), row - 1, loyalty)), std::stoi(TableCell(Table(), row, loyalty)));
  }
  EXPECT_EQ(g_officer_editor.order, order);

  ClickSelectShown(Table());
  EXPECT_EQ(MainSelection(), low);
  EXPECT_EQ(StatusText(dialog_, 0), "選択 " + std::to_string(low.size()) + " / " + std::to_string(ListCount()) + " 人");
  SetText(IDC_LOYALTY, "77");
  Command(dialog_, IDC_SET_LOYALTY);

  std::vector<uint8_t> expected = sample_;
  for (OfficerId id : low) PutBytes(expected, AttributeOffset(LOYALTY_OFFSET, id), "\x4D");  // 77
  EXPECT_EQ(ByteDifferences(expected, ImageBytes(g_officer_editor.save)), "");
  for (int row = 0; row < TableRowCount(Table()); ++row) ASSERT_EQ(TableCell(Table(), row, loyalty), "77");
  EXPECT_EQ(MainSelection(), low);
  EXPECT_EQ(TableSelection(), low);

  // 変更 keeps the changed officers; a bad condition is named under the box, not in a message box.
  TypeFilter(Table(), "変更 忠誠>=100");
  EXPECT_EQ(TableRowCount(Table()), 0);
  TypeFilter(Table(), "変更 武勇<3");
  EXPECT_EQ(TableRowCount(Table()), static_cast<int>(low.size()));
  EXPECT_NE(Utf8OfWide(WindowTextW(Table().problem)).find("武勇<3"), std::string::npos);
  EXPECT_TRUE(answers_.TakeSeen().empty());

  // Undo puts the bytes back and the table shows them; a row picked in the table is the list's.
  Command(dialog_, ID_EDIT_UNDO);
  EXPECT_EQ(ByteDifferences(sample_, ImageBytes(g_officer_editor.save)), "");
  EXPECT_NE(TableCell(Table(), 0, loyalty), "77");
  ListView_SetItemState(Table().list, -1, 0, LVIS_SELECTED);
  ListView_SetItemState(Table().list, 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  PumpMessages();
  EXPECT_EQ(MainSelection(), TableSelection());
  EXPECT_EQ(MainSelection().size(), 1u);

  // The table closes with the file.
  Command(dialog_, ID_FILE_CLOSE);
  EXPECT_EQ(Table().window, nullptr);
}

}  // namespace
