// The records of the two tables the table windows show: Quillmere's roster officers and
// Varnholt's items, each a row, with their columns.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "formats/record_table.h"
#include "model/roster.h"

// One row per roster officer, in roster order: 番号, 氏名, ルビ, 姓, 名, 字, 顔番号, 誕生年, 寿命,
// 忠誠, the abilities, each skill (有 or 無) and each tactic (its rank).
class OfficerRecords final : public RecordSource {
 public:
  // `stored`: the save file's bytes as opened or last stored; empty when there are none to compare.
  OfficerRecords(std::span<const uint8_t> save, std::span<const uint8_t> stored, const OfficerRoster& roster);
  std::span<const CellColumn> Columns() override;
  int32_t RecordCount() override;
  int32_t RecordId(int32_t record) override { return roster_.ids[static_cast<size_t>(record)]; }
  CellValue Value(int32_t record, size_t column, bool stored) override;

 private:
  std::span<const uint8_t> save_;
  std::span<const uint8_t> stored_;
  const OfficerRoster& roster_;
};

// One row per item: 番号, 名前, 種類, 画像と解説, 売値, 増加値, 特技付与, and 所有者 while a save file
// is open (`save` not empty).
class ItemRecords final : public RecordSource {
 public:
  ItemRecords(std::span<const uint8_t> scenario, std::span<const uint8_t> stored_scenario,
              std::span<const uint8_t> save, std::span<const uint8_t> stored_save);
  std::span<const CellColumn> Columns() override;
  int32_t RecordCount() override;
  int32_t RecordId(int32_t record) override { return record; }
  CellValue Value(int32_t record, size_t column, bool stored) override;

 private:
  std::span<const uint8_t> scenario_, stored_scenario_, save_, stored_save_;
  std::vector<CellColumn> columns_;
};
