// Writing the officer editor's batch edits into a save image.
#include "model/officer_edits.h"

#include <algorithm>
#include <cstring>

#include "model/roster.h"

namespace {

bool IsEditableId(OfficerId id) { return id >= 0 && id < ROSTER_ID_LIMIT; }

bool Accepts(const NumberField& field, int32_t value) { return value >= field.min && value <= field.max; }

// Calls `write` for each editable officer of `ids` whose attribute fields lie below the name table,
// in order; returns how many editable officers it left out.
template <typename Write>
int32_t ForEachAttributeOfficer(std::span<const OfficerId> ids, Write write) {
  int32_t left_out = 0;
  for (OfficerId id : ids) {
    if (!IsEditableId(id)) continue;
    if (HasAttributeFields(id)) {
      write(id);
    } else {
      ++left_out;
    }
  }
  return left_out;
}

// The byte at `offset`, or nullptr when it lies outside the image.
uint8_t* ByteAt(std::span<uint8_t> save, int32_t offset) {
  return offset >= 0 && static_cast<size_t>(offset) < save.size() ? &save[offset] : nullptr;
}

// The byte at `offset`, or 0 when it lies outside the image.
uint8_t ByteOf(std::span<const uint8_t> save, int32_t offset) {
  return offset >= 0 && static_cast<size_t>(offset) < save.size() ? save[offset] : 0;
}

// Replaces the bits of `mask` in the byte with those of `bits`.
void SetBits(std::span<uint8_t> save, int32_t offset, uint8_t mask, uint8_t bits) {
  if (uint8_t* byte = ByteAt(save, offset)) *byte = static_cast<uint8_t>((*byte & ~mask) | (bits & mask));
}

void WriteTextOfAll(std::span<uint8_t> save, std::span<const OfficerId> ids, std::string_view text,
                    int32_t field, int32_t width) {
  for (OfficerId id : ids) {
    if (IsEditableId(id)) WriteTextField(save, NameFieldOffset(id, field), text, width);
  }
}

void WriteNameWithFullName(std::span<uint8_t> save, std::span<const OfficerId> ids, std::string_view text,
                           bool family) {
  std::string_view name = StoredText(text, NAME_WIDTH);
  for (OfficerId id : ids) {
    if (!IsEditableId(id)) continue;
    WriteTextField(save, NameFieldOffset(id, family ? FAMILY_NAME_FIELD : GIVEN_NAME_FIELD), name, NAME_WIDTH);
    // The editor always leaves a NUL in the stored part; a record that lacks one would otherwise
    // overflow full_name, so its part keeps only what fits beside the new text.
    std::string_view stored = FieldText(save, NameFieldOffset(id, family ? GIVEN_NAME_FIELD : FAMILY_NAME_FIELD),
                                        NAME_WIDTH);
    stored = FitText(stored, FULL_NAME_TEXT_LIMIT - name.size());
    std::string_view first = family ? name : stored;
    std::string_view second = family ? stored : name;
    char full[FULL_NAME_TEXT_LIMIT];
    std::copy(second.begin(), second.end(), std::copy(first.begin(), first.end(), full));
    WriteTextField(save, NameFieldOffset(id, FULL_NAME_FIELD), std::string_view(full, first.size() + second.size()),
                   FULL_NAME_WIDTH);
  }
}

// Skills 0 and 1 are the top two bits of the first flag byte, whose lower six bits are not
// skills; skills 2 to 25 fill the next three bytes, each from its top bit down.
struct SkillBit {
  int32_t byte;  // 0 to 3, from SKILL_FLAGS_OFFSET
  uint8_t mask;
};

constexpr SkillBit SkillBitOf(int32_t skill) {
  if (skill < 2) return {0, static_cast<uint8_t>(0x80 >> skill)};
  int32_t byte = (skill + 6) / 8;
  return {byte, static_cast<uint8_t>(1 << (8 * byte + 1 - skill))};
}
static_assert(SkillBitOf(0).mask == 0x80 && SkillBitOf(1).mask == 0x40);
static_assert(SkillBitOf(2).byte == 1 && SkillBitOf(2).mask == 0x80 && SkillBitOf(9).mask == 0x01);
static_assert(SkillBitOf(10).byte == 2 && SkillBitOf(17).mask == 0x01);
static_assert(SkillBitOf(18).byte == 3 && SkillBitOf(25).byte == 3 && SkillBitOf(25).mask == 0x01);

// Tactic ranks are sixteen nibbles, two per byte, the even position in the high nibble. The
// fifteenth tactic lives at position 15: position 14, the high nibble of the last byte, is not a
// tactic and is never written.
constexpr int32_t TacticPosition(int32_t tactic) { return tactic == 14 ? 15 : tactic; }
// Rank 0 ("not learnt") is stored as 0 and ranks 1 to 6 as 8 to 13; 1 to 7 are never stored.
constexpr uint8_t RankNibble(int32_t rank) { return rank == 0 ? 0 : static_cast<uint8_t>(rank + 7); }

}  // namespace

bool HasAttributeFields(OfficerId id) { return id < ATTRIBUTE_ID_LIMIT; }

void WriteFamilyName(std::span<uint8_t> save, std::span<const OfficerId> ids, std::string_view text) {
  WriteNameWithFullName(save, ids, text, true);
}

void WriteGivenName(std::span<uint8_t> save, std::span<const OfficerId> ids, std::string_view text) {
  WriteNameWithFullName(save, ids, text, false);
}

void WriteCourtesyName(std::span<uint8_t> save, std::span<const OfficerId> ids, std::string_view text) {
  WriteTextOfAll(save, ids, text, COURTESY_NAME_FIELD, NAME_WIDTH);
}

void WriteReading(std::span<uint8_t> save, std::span<const OfficerId> ids, std::string_view text) {
  WriteTextOfAll(save, ids, text, READING_FIELD, READING_WIDTH);
}

void WriteFaceNumber(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t face) {
  if (!Accepts(FACE_NUMBER_INPUT, face)) return;
  for (OfficerId id : ids) {
    if (!IsEditableId(id)) continue;
    SetBits(save, NameFieldOffset(id, FACE_NUMBER_FIELD), 0xFF, static_cast<uint8_t>(face & 0xFF));
    SetBits(save, NameFieldOffset(id, FACE_NUMBER_FIELD + 1), 0xFF, static_cast<uint8_t>(face >> 8));
  }
}

void WriteBirthYear(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t year, bool no_aging) {
  if (!Accepts(BIRTH_YEAR_INPUT, year)) return;
  auto stored = static_cast<uint8_t>(year - BIRTH_YEAR_INPUT.min);
  for (OfficerId id : ids) {
    if (!IsEditableId(id)) continue;
    uint8_t* byte = ByteAt(save, NameFieldOffset(id, BIRTH_YEAR_FIELD));
    if (byte == nullptr) continue;
    // An earlier birth year would age the officer: with no_aging only a later one is taken.
    if (!no_aging || *byte < stored) *byte = stored;
  }
}

int32_t CountOfficersLeftOutOfAttributeEdits(std::span<const OfficerId> ids) {
  return static_cast<int32_t>(
      std::count_if(ids.begin(), ids.end(), [](OfficerId id) { return IsEditableId(id) && !HasAttributeFields(id); }));
}

int32_t WriteLifeSpan(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t span) {
  if (!Accepts(LIFE_SPAN_INPUT, span)) return 0;
  return ForEachAttributeOfficer(ids, [&](OfficerId id) {
    SetBits(save, AttributeOffset(LIFE_SPAN_OFFSET, id), 0xE0, static_cast<uint8_t>(span << 5));
  });
}

int32_t WriteLoyalty(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t loyalty) {
  if (!Accepts(LOYALTY_INPUT, loyalty)) return 0;
  return ForEachAttributeOfficer(ids, [&](OfficerId id) {
    SetBits(save, AttributeOffset(LOYALTY_OFFSET, id), 0xFF, static_cast<uint8_t>(loyalty));
  });
}

void WriteAbility(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t ability_index, int32_t value) {
  if (ability_index < 0 || ability_index >= ABILITY_COUNT || !Accepts(ABILITY_INPUT, value)) return;
  for (OfficerId id : ids) {
    if (IsEditableId(id)) SetBits(save, NameFieldOffset(id, ABILITY_FIELD + ability_index), 0xFF, static_cast<uint8_t>(value));
  }
}

int32_t WriteSkill(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t skill_index, bool has) {
  if (skill_index < 0 || skill_index >= SKILL_COUNT) return 0;
  SkillBit bit = SkillBitOf(skill_index);
  return ForEachAttributeOfficer(ids, [&](OfficerId id) {
    SetBits(save, AttributeOffset(SKILL_FLAGS_OFFSET, id) + bit.byte, bit.mask, has ? 0xFF : 0x00);
  });
}

int32_t WriteTacticRank(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t tactic_index,
                        int32_t rank_index) {
  if (tactic_index < 0 || tactic_index >= TACTIC_COUNT || rank_index < 0 || rank_index >= TACTIC_RANK_COUNT) return 0;
  int32_t position = TacticPosition(tactic_index);
  uint8_t nibble = RankNibble(rank_index);
  bool high = position % 2 == 0;
  return ForEachAttributeOfficer(ids, [&](OfficerId id) {
    SetBits(save, AttributeOffset(TACTIC_RANKS_OFFSET, id) + position / 2, high ? 0xF0 : 0x0F,
            static_cast<uint8_t>(high ? nibble << 4 : nibble));
  });
}

int32_t ReadFaceNumber(std::span<const uint8_t> save, OfficerId id) {
  if (!IsEditableId(id)) return 0;
  return ByteOf(save, NameFieldOffset(id, FACE_NUMBER_FIELD)) |
         (ByteOf(save, NameFieldOffset(id, FACE_NUMBER_FIELD + 1)) << 8);
}

int32_t ReadBirthYear(std::span<const uint8_t> save, OfficerId id) {
  return BIRTH_YEAR_INPUT.min + (IsEditableId(id) ? ByteOf(save, NameFieldOffset(id, BIRTH_YEAR_FIELD)) : 0);
}

int32_t ReadLifeSpan(std::span<const uint8_t> save, OfficerId id) {
  return IsEditableId(id) ? ByteOf(save, AttributeOffset(LIFE_SPAN_OFFSET, id)) >> 5 : 0;
}

int32_t ReadLoyalty(std::span<const uint8_t> save, OfficerId id) {
  return IsEditableId(id) ? ByteOf(save, AttributeOffset(LOYALTY_OFFSET, id)) : 0;
}

int32_t ReadAbility(std::span<const uint8_t> save, OfficerId id, int32_t ability_index) {
  if (!IsEditableId(id) || ability_index < 0 || ability_index >= ABILITY_COUNT) return 0;
  return ByteOf(save, NameFieldOffset(id, ABILITY_FIELD + ability_index));
}

bool ReadSkill(std::span<const uint8_t> save, OfficerId id, int32_t skill_index) {
  if (!IsEditableId(id) || skill_index < 0 || skill_index >= SKILL_COUNT) return false;
  const SkillBit bit = SkillBitOf(skill_index);
  return (ByteOf(save, AttributeOffset(SKILL_FLAGS_OFFSET, id) + bit.byte) & bit.mask) != 0;
}

uint8_t ReadTacticNibble(std::span<const uint8_t> save, OfficerId id, int32_t tactic_index) {
  if (!IsEditableId(id) || tactic_index < 0 || tactic_index >= TACTIC_COUNT) return 0;
  const int32_t position = TacticPosition(tactic_index);
  const uint8_t byte = ByteOf(save, AttributeOffset(TACTIC_RANKS_OFFSET, id) + position / 2);
  return position % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

int32_t TacticRankOfNibble(uint8_t nibble) {
  if (nibble == 0) return 0;
  return nibble >= RankNibble(1) && nibble <= RankNibble(TACTIC_RANK_COUNT - 1) ? nibble - 7 : -1;
}

std::string_view OfficerFullName(std::span<const uint8_t> save, OfficerId id) {
  if (!IsEditableId(id)) return {};
  return FitText(FieldText(save, NameFieldOffset(id, FULL_NAME_FIELD), FULL_NAME_WIDTH), FULL_NAME_WIDTH);
}

std::string_view OfficerReading(std::span<const uint8_t> save, OfficerId id) {
  if (!IsEditableId(id)) return {};
  return FitText(FieldText(save, NameFieldOffset(id, READING_FIELD), READING_WIDTH), READING_WIDTH);
}
