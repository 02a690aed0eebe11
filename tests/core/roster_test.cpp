// Building the officer roster from a save image.
#include <gtest/gtest.h>

#include <vector>

#include "formats/data_image.h"
#include "model/roster.h"
#include "sample_data.h"

namespace {

std::vector<uint8_t> EmptySave() { return std::vector<uint8_t>(SAVE_FILE_LENGTH, 0); }

void MarkInUse(std::vector<uint8_t>& save, OfficerId id) { save[NameRecordOffset(id)] = 0x88; }

std::vector<OfficerId> Listed(const OfficerRoster& roster) {
  return std::vector<OfficerId>(roster.ids.begin(), roster.ids.begin() + roster.count);
}

std::vector<OfficerId> FirstIds(OfficerId n) {
  std::vector<OfficerId> ids;
  for (OfficerId id = 0; id < n; ++id) ids.push_back(id);
  return ids;
}

TEST(Roster, ListsTheFixedIdsTheInUseOptionalIdsAndTheRunFrom760) {
  struct Row {
    const char* name;
    std::vector<OfficerId> in_use;
    std::vector<OfficerId> expected_tail;  // after ids 0 to 657
  };
  const Row rows[] = {
      {"nothing from 660 on", {}, {}},
      {"660, 700, 759 but not 760: later ids are ignored", {660, 700, 759, 761, 762}, {660, 700, 759}},
      {"run 760-764 ends at the empty 765", {760, 761, 762, 763, 764, 766}, {760, 761, 762, 763, 764}},
      {"658 and 659 are never listed", {658, 659, 660}, {660}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto save = EmptySave();
    for (OfficerId id : row.in_use) MarkInUse(save, id);
    OfficerRoster roster{};
    BuildOfficerRoster(save, roster);
    auto expected = FirstIds(ALWAYS_LISTED_IDS);
    expected.insert(expected.end(), row.expected_tail.begin(), row.expected_tail.end());
    EXPECT_EQ(Listed(roster), expected);
  }
}

TEST(Roster, RunStopsAtCapacityWhenEveryRecordIsInUse) {
  std::vector<uint8_t> save(SAVE_FILE_LENGTH, 0xFF);
  OfficerRoster roster{};
  RosterPositionMap positions{};
  BuildOfficerRoster(save, roster, &positions);
  ASSERT_EQ(roster.count, ROSTER_CAPACITY);
  // 0-657, 660-759 (100 ids), then the run from 760 fills the rest: 242 ids up to 1001.
  EXPECT_EQ(roster.ids[ALWAYS_LISTED_IDS], 660);
  EXPECT_EQ(roster.ids[ALWAYS_LISTED_IDS + 100], 760);
  EXPECT_EQ(roster.ids[ROSTER_CAPACITY - 1], 760 + ROSTER_CAPACITY - ALWAYS_LISTED_IDS - 100 - 1);
  for (int32_t k = 0; k < roster.count; ++k) ASSERT_EQ(positions[roster.ids[k]], k);
}

TEST(Roster, LongestPossibleRunStaysInsideThePositionMap) {
  auto save = EmptySave();
  for (OfficerId id = RUN_FIRST_ID; id < RUN_FIRST_ID + 400; ++id) MarkInUse(save, id);
  OfficerRoster roster{};
  RosterPositionMap positions{};
  BuildOfficerRoster(save, roster, &positions);
  ASSERT_EQ(roster.count, ROSTER_CAPACITY);
  EXPECT_EQ(roster.ids[ROSTER_CAPACITY - 1], ROSTER_ID_LIMIT - 1);
  EXPECT_TRUE(IsRosterOfficer(roster, positions, ROSTER_ID_LIMIT - 1));
  EXPECT_FALSE(IsRosterOfficer(roster, positions, ROSTER_ID_LIMIT));
}

TEST(Roster, NeverReadsPastAShortImage) {
  // An image that ends inside the run: the record that does not fit counts as not in use.
  std::vector<uint8_t> save(static_cast<size_t>(NameRecordOffset(770)) + 10, 0);
  for (OfficerId id = RUN_FIRST_ID; id <= 770; ++id) save[NameRecordOffset(id)] = 1;
  OfficerRoster roster{};
  BuildOfficerRoster(save, roster);
  EXPECT_EQ(roster.count, ALWAYS_LISTED_IDS + 10);  // 760 to 769
}

TEST(Roster, PositionMapAnswersOnlyForRosteredOfficers) {
  auto save = MakeSampleSave();
  OfficerRoster roster{};
  RosterPositionMap positions;
  positions.fill(-1);
  BuildOfficerRoster(save, roster, &positions);
  EXPECT_EQ(roster.count, ALWAYS_LISTED_IDS + 4 + (SAMPLE_RUN_LAST - SAMPLE_RUN_FIRST + 1));
  for (int32_t k = 0; k < roster.count; ++k) EXPECT_EQ(positions[roster.ids[k]], k);
  EXPECT_TRUE(IsRosterOfficer(roster, positions, 5));  // empty record, still listed
  EXPECT_FALSE(IsRosterOfficer(roster, positions, 658));
  EXPECT_FALSE(IsRosterOfficer(roster, positions, SAMPLE_STRAY_ID));
  EXPECT_FALSE(IsRosterOfficer(roster, positions, NO_OWNER));
  EXPECT_FALSE(IsRosterOfficer(roster, positions, -1));
}

}  // namespace
