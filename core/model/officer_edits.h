// The byte effects of the officer editor's eleven batch edits. Each writes one value into the
// records of the given officers of a save image, in the order given (the list's ascending row
// order), and nothing else. The dialog reads and checks the input with the rules below first.
//
// Ids outside 0 to ROSTER_ID_LIMIT - 1 are skipped, as is any byte outside the image. A value or
// index outside the range its input accepts writes nothing at all.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/officer_tables.h"
#include "model/text_field.h"

// The longest texts the name edits store (the field width less its NUL).
constexpr size_t NAME_TEXT_LIMIT = NAME_WIDTH - 1;        // family, given, courtesy name: 4 bytes
constexpr size_t READING_TEXT_LIMIT = READING_WIDTH - 1;  // reading: 10 bytes
constexpr size_t FULL_NAME_TEXT_LIMIT = FULL_NAME_WIDTH - 1;

// The numeric entries of the officer editor: digits, range.
constexpr NumberField FACE_NUMBER_INPUT{3, 0, 845};
constexpr NumberField BIRTH_YEAR_INPUT{3, 100, 355};  // stored as year - 100
constexpr NumberField LIFE_SPAN_INPUT{1, 0, 7};
constexpr NumberField LOYALTY_INPUT{3, 0, 100};
constexpr NumberField ABILITY_INPUT{3, 0, 100};

// The choices of the combo boxes: ability (war, intelligence, politics, charisma), skill, skill
// value (none/has), tactic and tactic rank.
constexpr int32_t ABILITY_COUNT = 4;
constexpr int32_t SKILL_COUNT = 26;
constexpr int32_t TACTIC_COUNT = 15;
constexpr int32_t TACTIC_RANK_COUNT = 7;

// family_name or given_name, then full_name rebuilt as family text directly followed by given
// text. `text` is stored as WriteTextField stores it (up to 4 bytes of whole characters). The
// part taken from the record keeps its text up to its NUL; one stored without a NUL is cut to the
// whole characters that fit beside the new text in full_name's 8 bytes.
void WriteFamilyName(std::span<uint8_t> save, std::span<const OfficerId> ids, std::string_view text);
void WriteGivenName(std::span<uint8_t> save, std::span<const OfficerId> ids, std::string_view text);
// courtesy_name or reading alone; neither full_name nor any other field changes.
void WriteCourtesyName(std::span<uint8_t> save, std::span<const OfficerId> ids, std::string_view text);
void WriteReading(std::span<uint8_t> save, std::span<const OfficerId> ids, std::string_view text);

// Face 0 to 845 as a 16-bit little-endian number: low 8 bits at +48, the rest at +49.
void WriteFaceNumber(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t face);
// Year 100 to 355, stored as year - 100. With `no_aging` an officer is changed only when the new
// year is later than the stored one (makes the officer younger); otherwise always.
void WriteBirthYear(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t year, bool no_aging);
// Ability 0 to 3 (war, intelligence, politics, charisma) at record offset +37 + index.
void WriteAbility(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t ability_index, int32_t value);

// The attribute edits below (life span, loyalty, skill, tactic rank) never write at or past the
// name table: they leave out the officers of `ids` from ATTRIBUTE_ID_LIMIT (899) on, whose attribute
// fields would lie in other officers' names. Each returns how many officers it left out, which is
// CountOfficersLeftOutOfAttributeEdits(ids), so that the dialog can tell the user; a refused value
// writes nothing and returns 0.
int32_t CountOfficersLeftOutOfAttributeEdits(std::span<const OfficerId> ids);
// True when the officer's attribute fields lie below the name table (an id below
// ATTRIBUTE_ID_LIMIT): the officers whose attribute fields the edits write.
bool HasAttributeFields(OfficerId id);
// Life span 0 to 7 into bits 5 to 7 of its byte; bits 0 to 4 keep their contents.
int32_t WriteLifeSpan(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t span);
int32_t WriteLoyalty(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t loyalty);
// Sets (`has`) or clears the bit of skill 0 to 25; the byte's other bits keep their contents.
int32_t WriteSkill(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t skill_index, bool has);
// Rank 0 to 6 (0 = not learnt) of tactic 0 to 14 into its 4-bit position; the other nibble of
// the byte keeps its contents.
int32_t WriteTacticRank(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t tactic_index,
                        int32_t rank_index);

// The values the edits above write, read back from the save image; a byte outside the image reads
// as 0. The face number is the 16-bit number of +48 and +49, the birth year the stored byte + 100.
int32_t ReadFaceNumber(std::span<const uint8_t> save, OfficerId id);
int32_t ReadBirthYear(std::span<const uint8_t> save, OfficerId id);
int32_t ReadLifeSpan(std::span<const uint8_t> save, OfficerId id);
int32_t ReadLoyalty(std::span<const uint8_t> save, OfficerId id);
int32_t ReadAbility(std::span<const uint8_t> save, OfficerId id, int32_t ability_index);
bool ReadSkill(std::span<const uint8_t> save, OfficerId id, int32_t skill_index);
// The 4-bit value at the tactic's position, which need not be one the edit writes.
uint8_t ReadTacticNibble(std::span<const uint8_t> save, OfficerId id, int32_t tactic_index);
// The rank (0 to 6) a nibble stands for, or -1 for the values the edit never writes (1 to 7, 14, 15).
int32_t TacticRankOfNibble(uint8_t nibble);

// The texts of an officer as the lists show them: the field up to its NUL, whole characters only
// (a field with no NUL gives its whole characters within the field's width).
std::string_view OfficerFullName(std::span<const uint8_t> save, OfficerId id);
std::string_view OfficerReading(std::span<const uint8_t> save, OfficerId id);
