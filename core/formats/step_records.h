// How many records an undo step touched, for the name the Edit menu gives it: the officers of a save
// image, the items of the scenario image and their owners in a save image, whose bytes the step
// changed.
#pragma once

#include <cstdint>
#include <vector>

#include "formats/edit_history.h"

// Officers whose name record or attribute fields hold a byte of the step's ranges of image `save`.
int32_t OfficersInStep(const EditStep& step, int32_t save);
// Items whose record (image `scenario`) or owner entry (image `save`) holds a byte of the step.
int32_t ItemsInStep(const EditStep& step, int32_t scenario, int32_t save);

// The same records marked, by officer id (an entry for each record of the name table) and by item
// number (ITEM_COUNT entries): the rows a view of them draws again.
std::vector<bool> OfficersTouchedByStep(const EditStep& step, int32_t save);
std::vector<bool> ItemsTouchedByStep(const EditStep& step, int32_t scenario, int32_t save);
