// The officer tables of a save file: where each field of an officer lies in the save image.
#pragma once

#include <cstdint>

using OfficerId = int32_t;

// Officer name table: 60-byte records, officer `id` at 82736 + 60 * id.
constexpr int32_t NAME_TABLE_OFFSET = 82736;
constexpr int32_t NAME_RECORD_SIZE = 60;
// Fields of a name record (offsets within the record) and the widths of its text fields.
constexpr int32_t FAMILY_NAME_FIELD = 0;
constexpr int32_t GIVEN_NAME_FIELD = 5;
constexpr int32_t COURTESY_NAME_FIELD = 10;
constexpr int32_t READING_FIELD = 15;
constexpr int32_t FULL_NAME_FIELD = 26;
constexpr int32_t BIRTH_YEAR_FIELD = 36;  // birth year - 100
constexpr int32_t ABILITY_FIELD = 37;     // war, intelligence, politics, charisma: +37 to +40
constexpr int32_t FACE_NUMBER_FIELD = 48; // two bytes, +48 and +49
constexpr int32_t NAME_WIDTH = 5;         // family, given and courtesy name: 4 bytes and a NUL
constexpr int32_t READING_WIDTH = 11;     // 10 bytes of half-width katakana and a NUL
constexpr int32_t FULL_NAME_WIDTH = 9;    // family name directly followed by given name, and a NUL

// Officer attribute table: 88-byte records, fields located directly by these bases.
constexpr int32_t ATTRIBUTE_RECORD_SIZE = 88;
constexpr int32_t LOYALTY_OFFSET = 3626;
constexpr int32_t LIFE_SPAN_OFFSET = 3667;    // bits 5 to 7; bits 0 to 4 belong to something else
constexpr int32_t SKILL_FLAGS_OFFSET = 3672;  // 4 bytes, one bit per skill
constexpr int32_t TACTIC_RANKS_OFFSET = 3676; // 8 bytes, sixteen 4-bit ranks
constexpr int32_t SKILL_FLAGS_WIDTH = 4;
constexpr int32_t TACTIC_RANKS_WIDTH = 8;

constexpr int32_t NameRecordOffset(OfficerId id) { return NAME_TABLE_OFFSET + NAME_RECORD_SIZE * id; }
constexpr int32_t NameFieldOffset(OfficerId id, int32_t field) { return NameRecordOffset(id) + field; }
constexpr int32_t AttributeOffset(int32_t base, OfficerId id) { return base + ATTRIBUTE_RECORD_SIZE * id; }

// The attribute table runs into the name table: from officer ATTRIBUTE_ID_LIMIT (899) on, loyalty,
// the first attribute field, lies at 82738 or later, in other officers' names, while the roster can
// list ids up to 1101. Every attribute field of the officers below that id lies below the name table.
constexpr OfficerId ATTRIBUTE_ID_LIMIT =
    (NAME_TABLE_OFFSET - LOYALTY_OFFSET + ATTRIBUTE_RECORD_SIZE - 1) / ATTRIBUTE_RECORD_SIZE;
static_assert(AttributeOffset(LOYALTY_OFFSET, ATTRIBUTE_ID_LIMIT) >= NAME_TABLE_OFFSET);
static_assert(AttributeOffset(TACTIC_RANKS_OFFSET, ATTRIBUTE_ID_LIMIT - 1) + TACTIC_RANKS_WIDTH <= NAME_TABLE_OFFSET);
static_assert(LOYALTY_OFFSET < LIFE_SPAN_OFFSET && LIFE_SPAN_OFFSET < SKILL_FLAGS_OFFSET &&
              SKILL_FLAGS_OFFSET + SKILL_FLAGS_WIDTH <= TACTIC_RANKS_OFFSET);
