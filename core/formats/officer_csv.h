// The officer table of a save image as a CSV file: one row per roster officer, in roster order.
//
// Columns, by header: 武将番号 (the id, by which a row finds its officer), 姓, 名, 字, ルビ, 氏名
// (the full name, for reading: it follows 姓 and 名, and the import refuses a change to it alone),
// 顔番号, 誕生年 (the year, 100 to 355), 寿命, 忠誠, 武力, 知力, 政治, 魅力, one column per skill
// headed by its name (0 or 1), and one column per tactic headed by its name holding its rank (未 初
// 弐 参 四 五 極; a 4-bit value that is no rank as its number). Texts are shown up to their NUL, whole characters only.
// The attribute columns (寿命, 忠誠, skills, tactics) are empty for the officers from
// ATTRIBUTE_ID_LIMIT on, whose attribute bytes would be other officers' names: the import refuses
// any text there.
//
// The import writes as the editing commands do: a family or given name rebuilds the full name, a
// birth year is written whatever the stored one (the no-aging rule is the dialog's), a name longer
// than its field is refused.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "formats/cp932_codec.h"
#include "formats/csv_table.h"
#include "model/roster.h"

std::string ExportOfficerCsv(std::span<const uint8_t> save, const OfficerRoster& roster, Cp932Codec& codec);

// Reads the officers of the file into the save image: only officers of the roster (as
// BuildOfficerRoster makes it, in ascending id order), each in one row.
CsvImportResult ImportOfficerCsv(std::span<uint8_t> save, const OfficerRoster& roster, std::string_view file,
                                 Cp932Codec& codec);
// How many birth years the import changed, each written as the file gives it, older or not.
int32_t BirthYearsChanged(const CsvImportResult& result);
