// Quillmere's officer list under Wine: rows in roster order, the three sorts keeping selection and
// top row, select all and invert, and the kana quick-jump on key release.
#include <algorithm>
#include <string_view>

#include "image_bytes.h"
#include "quillmere_fixture.h"
#include "row_by_row.h"

namespace {

std::string FieldOf(const std::vector<uint8_t>& save, OfficerId id, int32_t field, int32_t width) {
  return TextAt(save, NameFieldOffset(id, field), width);
}

std::string ReadingOf(const std::vector<uint8_t>& save, OfficerId id) {
  return FieldOf(save, id, READING_FIELD, READING_WIDTH);
}

TEST_F(QuillmereTest, OpeningListsTheRosterInIdOrderWithFullNames) {
  OpenSample();
  const OfficerRoster& roster = g_officer_editor.roster;
  ASSERT_EQ(ListCount(), roster.count);
  EXPECT_EQ(roster.ids[ALWAYS_LISTED_IDS], 660);
  for (int row = 0; row < roster.count; ++row) {
    ASSERT_EQ(ListRow(row), FieldOf(sample_, roster.ids[row], FULL_NAME_FIELD, FULL_NAME_WIDTH)) << row;
  }
  EXPECT_EQ(ListRow(SAMPLE_EMPTY_IDS[0]), "");
  EXPECT_TRUE(SelectedRows().empty());
  EXPECT_EQ(TopRow(), 0);
}

TEST_F(QuillmereTest, SortsKeepTheSelectedOfficersAndTheTopRow) {
  OpenSample();
  const int n = ListCount();
  SelectRows({3, 40, 41, 690});
  std::vector<OfficerId> chosen = OfficersOf(SelectedRows());
  SetTopRow(120);
  ASSERT_EQ(TopRow(), 120);

  Command(dialog_, ID_SORT_BY_READING);
  for (int row = 1; row < n; ++row) {
    ASSERT_LE(ReadingOf(sample_, g_officer_editor.order[row - 1]), ReadingOf(sample_, g_officer_editor.order[row])) << row;
  }
  EXPECT_EQ(ListRow(0), "");  // an empty reading sorts first, and its officer has an empty name
  auto same_officers = [&](std::vector<OfficerId> ids) {
    std::sort(ids.begin(), ids.end());
    std::vector<OfficerId> expected = chosen;
    std::sort(expected.begin(), expected.end());
    return ids == expected;
  };
  EXPECT_TRUE(same_officers(OfficersOf(SelectedRows())));
  EXPECT_EQ(TopRow(), 120);
  for (int row = 0; row < n; ++row) {
    ASSERT_EQ(ListRow(row), FieldOf(sample_, g_officer_editor.order[row], FULL_NAME_FIELD, FULL_NAME_WIDTH));
  }

  // Sorting what is already sorted changes nothing, ties included.
  DisplayOrder sorted = g_officer_editor.order;
  Command(dialog_, ID_SORT_BY_READING);
  EXPECT_TRUE(std::equal(sorted.begin(), sorted.begin() + n, g_officer_editor.order.begin()));

  Command(dialog_, ID_SORT_REVERSE);
  EXPECT_TRUE(std::equal(sorted.begin(), sorted.begin() + n, g_officer_editor.order.rbegin() + (ROSTER_CAPACITY - n)));
  EXPECT_TRUE(same_officers(OfficersOf(SelectedRows())));
  Command(dialog_, ID_SORT_REVERSE);
  EXPECT_TRUE(std::equal(sorted.begin(), sorted.begin() + n, g_officer_editor.order.begin()));

  Command(dialog_, ID_SORT_BY_ID);
  EXPECT_TRUE(std::equal(g_officer_editor.roster.ids.begin(), g_officer_editor.roster.ids.begin() + n,
                         g_officer_editor.order.begin()));
  EXPECT_TRUE(same_officers(OfficersOf(SelectedRows())));
  EXPECT_EQ(TopRow(), 120);

  // A top row the list cannot bring to the top leaves it showing its last page.
  SetTopRow(n - 1);
  int last_top = TopRow();
  EXPECT_LT(last_top, n - 1);
  Command(dialog_, ID_SORT_REVERSE);
  EXPECT_EQ(TopRow(), last_top);
}

TEST_F(QuillmereTest, OpeningAgainShowsIdOrderWithNothingSelected) {
  OpenSample();
  SelectRows({1, 2});
  Command(dialog_, ID_SORT_BY_READING);
  Open(sample_path_);
  EXPECT_TRUE(SelectedRows().empty());
  EXPECT_EQ(TopRow(), 0);
  EXPECT_EQ(g_officer_editor.order[1], 1);
}

TEST_F(QuillmereTest, SelectAllAndInvert) {
  OpenSample();
  const int n = ListCount();
  SetTopRow(200);
  Command(dialog_, IDC_SELECT_ALL);
  EXPECT_EQ(static_cast<int>(SelectedRows().size()), n);
  EXPECT_EQ(TopRow(), 200);
  Command(dialog_, IDC_INVERT_SELECTION);
  EXPECT_TRUE(SelectedRows().empty());
  EXPECT_EQ(TopRow(), 200);
  SelectRows({0, 5, n - 1});
  SetTopRow(200);  // selecting a row scrolls it into view
  Command(dialog_, IDC_INVERT_SELECTION);
  EXPECT_EQ(static_cast<int>(SelectedRows().size()), n - 3);
  EXPECT_EQ(SendMessageA(List(), LB_GETSEL, 5, 0), 0);
  Command(dialog_, IDC_INVERT_SELECTION);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 5, n - 1}));
  EXPECT_EQ(TopRow(), 200);
}

TEST_F(QuillmereTest, WithoutAFileSortsAndSelectionButtonsDoNothing) {
  for (int id : {ID_SORT_BY_ID, ID_SORT_BY_READING, ID_SORT_REVERSE, IDC_SELECT_ALL, IDC_INVERT_SELECTION}) {
    Command(dialog_, id);
  }
  EXPECT_EQ(ListCount(), 0);
  EXPECT_TRUE(answers_.TakeSeen().empty());
}

// --- Kana quick-jump -------------------------------------------------------------------------

constexpr WPARAM KEY_KA = 'T';  // ｶ on the JIS kana layout
constexpr WPARAM KEY_A = '3';   // ｱ

void KeyUp(HWND list, WPARAM key) { SendMessageA(list, WM_KEYUP, key, 0xC0000001); }

// The first row at or after `from` (cyclically) whose reading starts with `kana`, past the block at `from`.
int NextBlock(const std::vector<uint8_t>& save, const DisplayOrder& order, int n, int from, uint8_t kana) {
  auto matches = [&](int row) { return save[NameFieldOffset(order[row], READING_FIELD)] == kana; };
  int row = from;
  bool skipping = true;
  do {
    if (matches(row) && !skipping) return row;
    if (!matches(row)) skipping = false;
    row = (row + 1) % n;
  } while (row != from);
  return -1;
}

TEST_F(QuillmereTest, KanaKeyStepsThroughBlocksInRosterOrder) {
  OpenSample();
  const int n = ListCount();
  int expected = NextBlock(sample_, g_officer_editor.order, n, 0, 0xB6);
  ASSERT_GE(expected, 0);
  KeyUp(List(), KEY_KA);
  EXPECT_EQ(TopRow(), expected);
  int second = NextBlock(sample_, g_officer_editor.order, n, expected, 0xB6);
  KeyUp(List(), KEY_KA);
  EXPECT_EQ(TopRow(), second);
  EXPECT_NE(second, expected);
  // Holding a key repeats only WM_KEYDOWN: the jump happens once per release.
  SendMessageA(List(), WM_KEYDOWN, KEY_KA, 0x40000001);
  EXPECT_EQ(TopRow(), second);
}

TEST_F(QuillmereTest, KanaKeyInAListSortedByReading) {
  OpenSample();
  Command(dialog_, ID_SORT_BY_READING);
  const DisplayOrder& order = g_officer_editor.order;
  const int n = ListCount();
  int first_a = 0;
  while (first_a < n && sample_[NameFieldOffset(order[first_a], READING_FIELD)] != 0xB1) ++first_a;
  ASSERT_LT(first_a, n);
  ASSERT_GT(first_a, 0);

  SetTopRow(0);  // before the block: down to its first officer
  KeyUp(List(), KEY_A);
  EXPECT_EQ(TopRow(), first_a);
  KeyUp(List(), KEY_A);  // at the block's start: no other ｱ block, nothing moves
  EXPECT_EQ(TopRow(), first_a);
  SetTopRow(first_a + 1);  // inside the block: back up to its first officer
  KeyUp(List(), KEY_A);
  EXPECT_EQ(TopRow(), first_a);
}

TEST_F(QuillmereTest, OtherKeysAndKeysWithoutAFileReachTheListItself) {
  KeyUp(List(), KEY_KA);  // no file: passed on, nothing happens
  OpenSample();
  SetTopRow(10);
  for (WPARAM key : {WPARAM{VK_DOWN}, WPARAM{VK_RETURN}, WPARAM{VK_NUMPAD3}, WPARAM{'3'} | 0x100}) {
    if (key == (WPARAM{'3'} | 0x100)) continue;  // only the low byte counts: tested in the core
    KeyUp(List(), key);
    EXPECT_EQ(TopRow(), 10) << key;
  }
  // The list still handles keys itself: End moves its caret to the last row.
  SendMessageA(List(), WM_KEYDOWN, VK_END, 0x01000001);
  EXPECT_EQ(SendMessageA(List(), LB_GETCARETINDEX, 0, 0), ListCount() - 1);
}


// Invert, the reading sort and the family name update end exactly as their row-by-row sequences
// do: each row flipped with LB_SETSEL; the list refilled in the new order (or each selected row
// deleted and inserted again) and LB_SETSEL on the row of each officer selected before, in the old
// row order; then the top row back. The same selection, caret, anchor, top row and rows, over
// random selections and the empty and full ones.
TEST_F(QuillmereTest, SelectionCommandsEndAsTheirRowByRowSequencesDo) {
  OpenSample();
  answers_.TakeSeen();
  const int n = ListCount();
  auto state = [&] { return ReadListState(List()); };
  SetText(IDC_FAMILY_NAME, Sjis("藍"));
  CaseDraws draws(12345);
  for (int trial = 0; trial < 6; ++trial) {
    SCOPED_TRACE(trial);
    const std::vector<int> rows = draws.Rows(trial, n);
    const int top = static_cast<int>(draws.Next() % static_cast<uint32_t>(n));
    auto set_up = [&] {
      Command(dialog_, ID_SORT_BY_ID);
      SendMessageW(List(), WM_SETREDRAW, FALSE, 0);  // painting every row would only cost time
      SendMessageW(List(), LB_SETSEL, FALSE, -1);
      SendMessageW(List(), LB_SETCARETINDEX, 0, 0);
      SelectRows(rows);
      SetTopRow(top);
    };
    const ListState inverted = ExpectCommandEndsAs(dialog_, List(), IDC_INVERT_SELECTION, set_up, [&](const ListState&) {
      InvertRowByRow(List());
      SetTopRow(top);
    });
    EXPECT_EQ(inverted.selected.size(), static_cast<size_t>(n) - rows.size());

    set_up();
    Command(dialog_, ID_SORT_BY_READING);
    const ListState sorted = state();
    const std::vector<OfficerId> order(g_officer_editor.order.begin(), g_officer_editor.order.begin() + n);
    set_up();
    SendMessageW(List(), LB_RESETCONTENT, 0, 0);
    for (int row = 0; row < n; ++row) {
      SendMessageW(List(), LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(sorted.texts[static_cast<size_t>(row)].c_str()));
    }
    for (int row : rows) {
      const OfficerId id = g_officer_editor.roster.ids[static_cast<size_t>(row)];
      SendMessageW(List(), LB_SETSEL, TRUE, std::find(order.begin(), order.end(), id) - order.begin());
    }
    SetTopRow(top);
    EXPECT_EQ(sorted, state()) << "sort by reading";

    ExpectCommandEndsAs(dialog_, List(), IDC_SET_FAMILY_NAME, set_up, [&](const ListState& renamed) {
      RewriteRows(List(), rows, renamed);
      SetTopRow(top);
    });
  }
  SendMessageW(List(), WM_SETREDRAW, TRUE, 0);
}

}  // namespace
