// The texts of the editors' choice lists in UTF-8, as a CSV file of the tables writes them: the
// officer's abilities, skills, tactics and tactic ranks, and the item's type, image and skill.
// The index of a text is the choice it stands for (the combo box index of the dialogs).
#pragma once

#include <array>
#include <string_view>

#include "formats/csv.h"
#include "model/item_table.h"
#include "model/officer_edits.h"

extern const std::array<std::u8string_view, ABILITY_COUNT> ABILITY_NAMES;
extern const std::array<std::u8string_view, SKILL_COUNT> SKILL_NAMES;
extern const std::array<std::u8string_view, TACTIC_COUNT> TACTIC_NAMES;
extern const std::array<std::u8string_view, TACTIC_RANK_COUNT> TACTIC_RANK_NAMES;
// Whether an officer has a skill: index 1 has it (the value the skill command writes).
extern const std::array<std::u8string_view, 2> SKILL_STATE_NAMES;

// The owner of an item that nobody holds (NO_OWNER): the last entry of the owner list.
inline constexpr std::u8string_view NO_OWNER_NAME = u8"なし";
// The item editor's type, image and skill lists.
extern const std::array<std::u8string_view, ITEM_TYPE_COUNT> ITEM_TYPE_NAMES;
extern const std::array<std::u8string_view, ITEM_IMAGE_COUNT> ITEM_IMAGE_NAMES;
extern const std::array<std::u8string_view, ITEM_SKILL_COUNT> ITEM_SKILL_NAMES;

// The index of `text` in `names`, or -1.
template <size_t N>
int32_t ChoiceOfName(const std::array<std::u8string_view, N>& names, std::string_view text) {
  for (size_t k = 0; k < N; ++k) {
    if (Utf8Text(names[k]) == text) return static_cast<int32_t>(k);
  }
  return -1;
}
