// Varnholt's table window: filtered by a condition, every shown item selected, a command run on
// them; the bytes, the table and the item list agree; the owner column comes with a save file.
#include <windows.h>
#include <commctrl.h>

#include <set>

#include "model/officer_edits.h"
#include "table_driver.h"
#include "varnholt_fixture.h"

namespace {

class VarnholtTableTest : public VarnholtTest {
 protected:
  // The table keeps its size, sort and filter while the process runs; each test starts afresh.
  void SetUp() override {
    VarnholtTest::SetUp();
    g_item_editor.table = TableWindow(&ITEM_TABLE);
  }
  TableWindow& Table() { return g_item_editor.table; }
  std::set<int> MainSelection() {
    const std::vector<int> rows = SelectedRows();
    return {rows.begin(), rows.end()};
  }
  std::set<int> TableSelection() {
    std::set<int> items;
    for (int row : SelectedTableRows(Table())) items.insert(std::stoi(TableCell(Table(), row, 0)));
    return items;
  }
};

TEST_F(VarnholtTableTest, FilterSelectShownAndACommandOnThem) {
  PressKeyThroughLoop(dialog_, List(), 'T', true);
  ASSERT_NE(Table().window, nullptr);
  ASSERT_EQ(TableRowCount(Table()), ITEM_COUNT);
  ASSERT_EQ(Header_GetItemCount(ListView_GetHeader(Table().list)), 7);  // no owner without a save file

  constexpr int PRICE_COLUMN = 4;
  TypeFilter(Table(), "売値<1000");
  std::set<int> cheap;
  for (int item = 0; item < ITEM_COUNT; ++item) {
    if (scenario_[static_cast<size_t>(ItemFieldOffset(item, ITEM_PRICE_FIELD))] * PRICE_UNIT < 1000) cheap.insert(item);
  }
  ASSERT_GT(cheap.size(), 1u);
  ASSERT_LT(cheap.size(), static_cast<size_t>(ITEM_COUNT));
  ASSERT_EQ(TableRowCount(Table()), static_cast<int>(cheap.size()));

  ClickSelectShown(Table());
  EXPECT_EQ(MainSelection(), cheap);
  Type(IDC_ITEM_PRICE, "5000");
  Command(dialog_, IDC_UPDATE_PRICE);

  std::vector<uint8_t> expected = scenario_;
  for (int item : cheap) expected[static_cast<size_t>(ItemFieldOffset(item, ITEM_PRICE_FIELD))] = 100;
  EXPECT_EQ(ByteDifferences(expected, ImageBytes(Scenario())), "");
  for (int row = 0; row < TableRowCount(Table()); ++row) ASSERT_EQ(TableCell(Table(), row, PRICE_COLUMN), "5000");
  EXPECT_EQ(MainSelection(), cheap);
  EXPECT_EQ(TableSelection(), cheap);
  TypeFilter(Table(), "変更");
  EXPECT_EQ(TableRowCount(Table()), static_cast<int>(cheap.size()));

  // With a save file the table is built again with each item's owner.
  OpenSampleSave();
  ASSERT_NE(Table().window, nullptr);
  ASSERT_EQ(Header_GetItemCount(ListView_GetHeader(Table().list)), 8);
  EXPECT_EQ(TableHeader(Table(), 7), "所有者");
  TypeFilter(Table(), "");
  const int item = SAMPLE_SKILLED_ITEM;
  const OfficerId owner = SampleItemOwner(item);
  const std::string expected_owner =
      owner == NO_OWNER ? "なし" : Utf8OfWide(WideOfSjis(std::string(OfficerFullName(save_, owner))));
  EXPECT_EQ(TableCell(Table(), item, 7), expected_owner);
}

}  // namespace
