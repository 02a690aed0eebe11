// The officer roster: the ordered list of officers that the editors show, built from a save image.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "model/officer_tables.h"

constexpr int32_t ROSTER_CAPACITY = 1000;
constexpr OfficerId NO_OWNER = 1720;  // the owner of an item that nobody holds

// Ids 0 to 657 are always listed; 658 and 659 never; 660 to 759 when in use; then the run of ids
// in use from 760 on. The run stops at the roster's capacity, so the largest id a roster can hold
// is 760 + (ROSTER_CAPACITY - 658) - 1 = 1101.
constexpr OfficerId ALWAYS_LISTED_IDS = 658;
constexpr OfficerId OPTIONAL_IDS_FIRST = 660;
constexpr OfficerId OPTIONAL_IDS_LAST = 759;
constexpr OfficerId RUN_FIRST_ID = 760;
constexpr OfficerId ROSTER_ID_LIMIT = RUN_FIRST_ID + (ROSTER_CAPACITY - ALWAYS_LISTED_IDS);

struct OfficerRoster {
  std::array<OfficerId, ROSTER_CAPACITY> ids;
  int32_t count;
};

// Maps an officer id to its position in the roster; covers every id a roster can hold.
using RosterPositionMap = std::array<int32_t, ROSTER_ID_LIMIT>;

// A name record is in use when the first byte of its family name is not 0.
bool IsOfficerInUse(std::span<const uint8_t> save, OfficerId id);

// Rebuilds `roster` from the save image and, when given, the position of each rostered officer in
// `positions`. Records are read only where they lie wholly inside the image.
void BuildOfficerRoster(std::span<const uint8_t> save, OfficerRoster& roster,
                        RosterPositionMap* positions = nullptr);

// True when `id` is an officer of the roster (and so has a meaningful entry in the position map).
bool IsRosterOfficer(const OfficerRoster& roster, const RosterPositionMap& positions, OfficerId id);
