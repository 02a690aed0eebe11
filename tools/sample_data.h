// Synthetic sample data files: invented officers and items laid out as the game's files are, so
// that the editors and their tests have something to open without any data of the game.
#pragma once

#include <cstdint>
#include <iterator>
#include <vector>

#include "model/officer_tables.h"
#include "model/roster.h"

// A save file of SAVE_FILE_LENGTH bytes. Officers 0 to 657 carry invented Shift-JIS names and
// half-width katakana readings (a few records are empty); ids 660, 661, 700 and 759 are in use,
// and so is the run 760 to 799; 801 is in use but lies beyond the end of that run. Item i is held
// by SampleItemOwner(i). Every byte the editors do not interpret holds seeded filler (the last two
// bytes of each owner entry included), so that a load and store shows any byte it loses.
std::vector<uint8_t> MakeSampleSave(uint32_t seed = 1);

// MakeSampleSave with the run from 760 continued until the roster is full: officers 800 to
// SAMPLE_LONG_RUN_LAST (1097) are in use too (801 among them), so the roster lists ids far past
// the last one whose attribute fields lie below the name table (898).
std::vector<uint8_t> MakeLongRunSave(uint32_t seed = 1);

// A scenario file "D_SCE.S8" of SCENARIO_FILE_LENGTH bytes: the initial item table with the
// variations below, and seeded filler everywhere else (bytes 18 to 20 of every item included).
std::vector<uint8_t> MakeSampleScenario(uint32_t seed = 1);

// The officers in use of MakeSampleSave besides 0 to 657.
inline constexpr OfficerId SAMPLE_EXTRA_IDS[] = {660, 661, 700, 759};
inline constexpr OfficerId SAMPLE_RUN_FIRST = 760, SAMPLE_RUN_LAST = 799, SAMPLE_STRAY_ID = 801;
inline constexpr OfficerId SAMPLE_LONG_RUN_LAST =
    RUN_FIRST_ID + (ROSTER_CAPACITY - ALWAYS_LISTED_IDS - static_cast<OfficerId>(std::size(SAMPLE_EXTRA_IDS))) - 1;
// Officers among 0 to 657 whose records are empty (family name starts with NUL).
inline constexpr OfficerId SAMPLE_EMPTY_IDS[] = {5, 321, 657};

// Item owners of MakeSampleSave: every fifth item nobody's, one item held by the officer 801, who
// is in use but not in the roster, the others by roster officers among 0 to 657 and the run.
inline constexpr int32_t SAMPLE_STRAY_OWNER_ITEM = 7;
constexpr OfficerId SampleItemOwner(int32_t item) {
  if (item == SAMPLE_STRAY_OWNER_ITEM) return SAMPLE_STRAY_ID;
  if (item % 5 == 0) return NO_OWNER;
  if (item % 5 == 4) return SAMPLE_RUN_FIRST + item % (SAMPLE_RUN_LAST - SAMPLE_RUN_FIRST + 1);
  return (item * 7) % ALWAYS_LISTED_IDS;
}

// Variations of MakeSampleScenario from the initial item table:
inline constexpr int32_t SAMPLE_RENAMED_ITEMS[] = {2, 3, 100};  // item 3's name fills all 12 bytes
inline constexpr int32_t SAMPLE_FULL_NAME_ITEM = 3;
inline constexpr int32_t SAMPLE_REPRICED_ITEM = 0;        // price_code 40 (2000) instead of 30
inline constexpr int32_t SAMPLE_TOP_PRICE_ITEM = 50;      // price_code 255 (12750)
inline constexpr int32_t SAMPLE_SKILLED_ITEM = 1;         // skill 18 ("騎兵") instead of none
inline constexpr int32_t SAMPLE_OUT_OF_LIST_ITEM = 20;    // type 12, image 80, skill 27: past each list
inline constexpr int32_t SAMPLE_NEGATIVE_ITEM = 21;       // type 0x80, image 0xFF, skill 0xFE, increase 0xFF
