// The item table of a scenario image as a CSV file: one row per item, items 0 to 254 in order, and,
// when a save file is open beside it, each item's owner.
//
// Columns, by header: 番号 (the item number, by which a row finds its item), 名前, 種類, 画像と解説,
// 売値 (the sale price), 増加値, 特技付与 (the granted skill, なし for none), and with a save file
// 所有者番号 (the owner's id, なし for nobody) and 所有者 (the owner's full name, for reading: the
// import refuses a change to it alone).
// A choice shows its list text, a byte outside the list its number; such a cell can only be left
// as it is or changed to a list text.
//
// The import writes as the item commands do; a name longer than 12 bytes is refused, not cut. An
// owner is a roster officer or なし, as in the owner list.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "formats/cp932_codec.h"
#include "formats/csv_table.h"
#include "model/roster.h"

// The save image beside the scenario image, whose item owner table the rows show.
struct ItemOwnerImage {
  std::span<uint8_t> save;
  const OfficerRoster& roster;
  const RosterPositionMap& positions;
};

// `owners` is nullptr while no save file is open: the owner columns are then left out.
std::string ExportItemCsv(std::span<const uint8_t> scenario, const ItemOwnerImage* owners, Cp932Codec& codec);

// Reads the items of the file into the scenario image, and their owners into the save image. A file
// with owner columns is refused while no save file is open (`owners` is nullptr).
CsvImportResult ImportItemCsv(std::span<uint8_t> scenario, const ItemOwnerImage* owners, std::string_view file,
                              Cp932Codec& codec);
