// Building the officer roster from the save image.
#include "model/roster.h"

bool IsOfficerInUse(std::span<const uint8_t> save, OfficerId id) {
  size_t record = static_cast<size_t>(NameRecordOffset(id));
  return record + NAME_RECORD_SIZE <= save.size() && save[record + FAMILY_NAME_FIELD] != 0;
}

void BuildOfficerRoster(std::span<const uint8_t> save, OfficerRoster& roster,
                        RosterPositionMap* positions) {
  int32_t count = 0;
  for (OfficerId id = 0; id < ALWAYS_LISTED_IDS; ++id) roster.ids[count++] = id;
  for (OfficerId id = OPTIONAL_IDS_FIRST; id <= OPTIONAL_IDS_LAST; ++id) {
    if (IsOfficerInUse(save, id)) roster.ids[count++] = id;
  }
  for (OfficerId id = RUN_FIRST_ID; count < ROSTER_CAPACITY && IsOfficerInUse(save, id); ++id) {
    roster.ids[count++] = id;
  }
  roster.count = count;
  if (positions != nullptr) {
    for (int32_t k = 0; k < count; ++k) (*positions)[roster.ids[k]] = k;
  }
}

bool IsRosterOfficer(const OfficerRoster& roster, const RosterPositionMap& positions, OfficerId id) {
  if (id < 0 || id >= ROSTER_ID_LIMIT) return false;
  int32_t k = positions[id];
  return k >= 0 && k < roster.count && roster.ids[k] == id;
}
