// The cells of the officer and item tables: the value a record's field holds, and the one mapping
// from that value to the text a cell shows, which the CSV export writes and the table window shows.
//
// A value is read from the bytes as stored: a number as its number, a choice as its list text or,
// for a byte outside the list, the byte's number, a name up to its NUL (a field without one cut as
// the editors cut it elsewhere). A column says how its values show: the same skill value is 0 or 1
// in a CSV file and 無 or 有 in the table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "formats/cp932_codec.h"
#include "model/roster.h"

enum class CellKind : uint8_t {
  Number,  // the value's number
  Choice,  // the list text of `choice`, or the byte's number when it selects none
  Text,    // the code page 932 text, or the list text of `choice` when one is set (an owner's なし)
};

struct CellValue {
  bool absent = false;  // the record has no such field (an officer's attributes from ATTRIBUTE_ID_LIMIT on)
  int32_t number = 0;   // Number, and the byte of a Choice
  int32_t choice = -1;  // Choice and Text: the index of a list text, -1 for none
  std::string text;     // Text: code page 932 bytes
  bool operator==(const CellValue&) const = default;
};

struct CellColumn {
  std::u8string_view header;
  CellKind kind;
  std::span<const std::u8string_view> choices = {};
  bool searched = false;  // a filter word looks for its text here (names and readings)
};

// The text of a value in UTF-8: empty for an absent field.
std::string CellText(const CellColumn& column, const CellValue& value, Cp932Codec& codec);

// The officer's fields, each read from a save image.
enum class OfficerField : uint8_t {
  Id, Family, Given, Courtesy, Reading, FullName, Face, BirthYear, LifeSpan, Loyalty, Ability, Skill, Tactic,
};
struct OfficerCell {
  OfficerField field;
  int32_t index;  // of the ability, skill or tactic
};
CellValue ReadOfficerCell(std::span<const uint8_t> save, OfficerId id, OfficerCell cell);
// The names of the officer fields' columns, in the CSV file and the table window alike (the
// abilities, skills and tactics are named by their choice texts). The id's column is 武将番号 in a
// CSV file, 番号 in the table.
inline constexpr std::u8string_view FAMILY_NAME_COLUMN = u8"姓";
inline constexpr std::u8string_view GIVEN_NAME_COLUMN = u8"名";
inline constexpr std::u8string_view COURTESY_NAME_COLUMN = u8"字";
inline constexpr std::u8string_view READING_COLUMN = u8"ルビ";
inline constexpr std::u8string_view FULL_NAME_COLUMN = u8"氏名";
inline constexpr std::u8string_view FACE_NUMBER_COLUMN = u8"顔番号";
inline constexpr std::u8string_view BIRTH_YEAR_COLUMN = u8"誕生年";
inline constexpr std::u8string_view LIFE_SPAN_COLUMN = u8"寿命";
inline constexpr std::u8string_view LOYALTY_COLUMN = u8"忠誠";

// The item's fields: the record in the scenario image, its owner in a save image.
enum class ItemField : uint8_t { Number, Name, Type, Image, Price, Increase, Skill, OwnerId, OwnerName };
// How each field's values show, with its CSV header.
const CellColumn& ItemCellColumn(ItemField field);
// `save` is empty while no save file is open: the owner fields are then absent.
CellValue ReadItemCell(std::span<const uint8_t> scenario, std::span<const uint8_t> save, int32_t item,
                       ItemField field);
