// Synthetic sample data files: invented officers and items laid out as the game's files are, so
// that the editors and their tests have something to open without any data of the game.
#pragma once

#include <cstdint>
#include <vector>

#include "officer_tables.h"

// A save file of SAVE_FILE_LENGTH bytes. Officers 0 to 657 carry invented Shift-JIS names and
// half-width katakana readings (a few records are empty); ids 660, 661, 700 and 759 are in use,
// and so is the run 760 to 799; 801 is in use but lies beyond the end of that run. Every byte the
// editors do not interpret holds seeded filler, so that a load and store shows any byte it loses.
std::vector<uint8_t> MakeSampleSave(uint32_t seed = 1);

// A scenario file "D_SCE.S8" of SCENARIO_FILE_LENGTH bytes with seeded filler around its item table.
std::vector<uint8_t> MakeSampleScenario(uint32_t seed = 1);

// The officers in use of MakeSampleSave besides 0 to 657.
inline constexpr OfficerId SAMPLE_EXTRA_IDS[] = {660, 661, 700, 759};
inline constexpr OfficerId SAMPLE_RUN_FIRST = 760, SAMPLE_RUN_LAST = 799, SAMPLE_STRAY_ID = 801;
// Officers among 0 to 657 whose records are empty (family name starts with NUL).
inline constexpr OfficerId SAMPLE_EMPTY_IDS[] = {5, 321, 657};
