// The byte layouts of the fuzz targets' inputs, shared by the targets and the seed generator.
// Numbers are little-endian; a field past the end of an input reads as 0.
//
// The two image targets take a compact description, not an image: a fixed header (the shape of the
// data, a selection, one command and its values), then patches laid over a synthetic base image
// until the input ends. A patch is
//   u8 kind, u24 offset, u8 length, then `length` bytes (a fill: one byte, repeated `length` times)
// where the low bits of `kind` name the region the offset counts from and PATCH_FILL makes a fill.
// The offset is taken modulo the image's length; a patch is cut at the image's end.
#pragma once

#include <cstddef>
#include <cstdint>

#include "model/officer_tables.h"

namespace patch_input {
constexpr uint8_t PATCH_FILL = 0x80;
constexpr uint8_t REGION_MASK = 0x03;
constexpr size_t PATCH_HEADER = 5;  // kind, offset, length
}  // namespace patch_input

// A selection of list rows: listed values (which need not be rows of the list at all), a run of
// rows, every row but a run, or every row. A short input reads as zeros past its end, so mode 0 with
// no values listed, the selection of nothing, is what most inputs start from: the fuzzer pays for
// selecting all rows only where that finds something new.
namespace selection_input {
constexpr uint8_t SELECT_LISTED = 0;
constexpr uint8_t SELECT_RUN = 1;
constexpr uint8_t SELECT_ALL_BUT_RUN = 2;
constexpr uint8_t SELECT_ALL = 3;
constexpr uint8_t MODE_COUNT = 4;
}  // namespace selection_input

// fuzz_save_image: the sample save (officers 0 to 657, a few of 660 to 759, the run 760 to 799) in
// the shape the flags and RUN give it, then the patches; one command on the selected officers.
namespace save_input {
constexpr size_t FLAGS = 0;
constexpr uint8_t FLAG_SECOND = 0x01;          // name edit: given name; text edit: reading
constexpr uint8_t FLAG_CLEAR_OPTIONAL = 0x02;  // records 660 to 759 unused
constexpr uint8_t FLAG_FILL_OPTIONAL = 0x04;   // records 660 to 759 in use (copies of 760 to 799)
constexpr uint8_t FLAG_TRUNCATE = 0x08;        // the image ends CUT bytes after record CUT_FIRST_ID
constexpr uint8_t FLAG_REVERSE = 0x10;         // the display order is reversed before it is sorted
constexpr uint8_t FLAG_FILE_CLOSED = 0x20;     // the kana jump sees no open file
constexpr uint8_t FLAG_KANA_ID_ORDER = 0x40;   // the kana jump's rows are in roster order, not sorted
constexpr uint8_t FLAG_NO_AGING = 0x80;        // birth year: only a later year is taken
constexpr size_t COMMAND = 1;       // u8 % COMMAND_COUNT, below
constexpr size_t RUN = 2;           // u16: records 800 to 800 + RUN % 375 - 1 in use (copies of 760 to 799)
constexpr size_t CUT = 4;           // u16
constexpr size_t SELECT_MODE = 6;   // u8 % selection_input::MODE_COUNT
constexpr size_t SELECT_FIRST = 7;  // u16: first roster row of the run, % roster count
constexpr size_t SELECT_COUNT = 9;  // u16: rows in the run, % (rows left + 1)
constexpr size_t ID_COUNT = 11;     // u8 % (ID_CAPACITY + 1): listed officers
constexpr size_t IDS = 12;          // ID_CAPACITY x u16: id = value % ID_RANGE - ID_BELOW_ZERO
constexpr int32_t ID_CAPACITY = 8;
constexpr int32_t ID_RANGE = 1400;
constexpr int32_t ID_BELOW_ZERO = 100;
constexpr size_t VALUE = 28;        // i16: the number entered (face, year, life span, loyalty, ability)
constexpr size_t INDEX = 30;        // i8: ability, skill or tactic index; u8 item of the owner edit
constexpr size_t RANK = 31;         // i8: tactic rank; skill: has when odd
constexpr size_t OWNER_CHOICE = 32; // u16: owner combo choice, % (ROSTER_CAPACITY + 3) - 1
constexpr size_t KEY = 34;          // u16: virtual-key code of the kana jump
constexpr size_t TOP = 36;          // u16: the list's top row before the jump
constexpr size_t PAGE = 38;         // u8: rows per page, 1 + PAGE % 32
constexpr size_t KANA_FIRST = 39;   // u16: the kana jump's list starts at row KANA_FIRST % count of
constexpr size_t KANA_ROWS = 41;    // its order and has KANA_ROWS % (rows left + 1) rows (0: all left)
constexpr size_t SUBSET = 43;       // u8 % (SUBSET_LIMIT + 1): of more rows than SUBSET_LIMIT, the last SUBSET
                                    // are sorted on their own too and compared with a plain sort
constexpr int32_t SUBSET_LIMIT = 64;
// The sort sorts the first SORT_ROW_LIMIT selected rows: its time grows with the rows, and sorts of a
// whole roster are checked against the plain algorithm by the core tests.
constexpr int32_t SORT_ROW_LIMIT = 256;
constexpr size_t TEXT_LENGTH = 44;  // u8 % (TEXT_CAPACITY + 1)
constexpr size_t TEXT = 45;         // TEXT_CAPACITY bytes: the text of a name edit
constexpr size_t TEXT_CAPACITY = 16;
constexpr size_t PATCHES = 61;
// Patch regions: offsets count from the image's start, the name table, the attribute table
// (officer 0's loyalty) or the item owner table.
constexpr uint8_t REGION_IMAGE = 0, REGION_NAMES = 1, REGION_ATTRIBUTES = 2, REGION_OWNERS = 3;
constexpr OfficerId CUT_FIRST_ID = 650;
constexpr OfficerId RUN_EXTENSION_FIRST_ID = 800;
constexpr int32_t RUN_EXTENSION_LIMIT = 375;  // record 1174 is the last before the item owner table

enum Command : uint8_t {
  ROSTER,       // the roster and the list texts
  SORT,         // the sort by reading
  KANA_JUMP,    // a kana key on part of the list
  OWNER,        // owner choices of every item, then an owner edit
  NAME,         // family name, or given name with FLAG_SECOND; both rebuild full_name
  TEXT_FIELD,   // courtesy name, or reading with FLAG_SECOND
  FACE,
  BIRTH_YEAR,
  LIFE_SPAN,
  LOYALTY,
  ABILITY,
  SKILL,
  TACTIC_RANK,
  COMMAND_COUNT
};
}  // namespace save_input

// fuzz_scenario_image: the sample scenario, then the patches; one command on the selected items.
namespace scenario_input {
constexpr size_t FLAGS = 0;
constexpr uint8_t FLAG_TRUNCATE = 0x01;  // the image ends CUT_BASE + CUT % CUT_RANGE bytes in
constexpr size_t COMMAND = 1;        // u8 % COMMAND_COUNT, below
constexpr size_t CUT = 2;            // u16
constexpr size_t TYPE_CHOICE = 4;    // i16
constexpr size_t IMAGE_CHOICE = 6;   // i16
constexpr size_t SKILL_CHOICE = 8;   // i16
constexpr size_t PRICE_TEXT = 10;    // 6 bytes
constexpr size_t PRICE_TEXT_SIZE = 6;
constexpr size_t INCREASE_TEXT = 16; // 3 bytes
constexpr size_t INCREASE_TEXT_SIZE = 3;
constexpr size_t NAME_LENGTH = 19;   // u8 % (NAME_CAPACITY + 1)
constexpr size_t NAME = 20;          // 16 bytes
constexpr size_t NAME_CAPACITY = 16;
constexpr size_t SELECT_MODE = 36;   // u8 % selection_input::MODE_COUNT
constexpr size_t SELECT_FIRST = 37;  // u16: first item of the run, % ITEM_COUNT
constexpr size_t SELECT_COUNT = 39;  // u16: items in the run, % (items left + 1)
constexpr size_t ITEM_LIST_COUNT = 41;  // u8 % (ITEM_LIST_CAPACITY + 1): listed items
constexpr size_t ITEMS = 42;            // ITEM_LIST_CAPACITY x i16: item numbers, any value
constexpr int32_t ITEM_LIST_CAPACITY = 8;
constexpr size_t PATCHES = 58;
// Patch regions: offsets count from the image's start or from the item table's.
constexpr uint8_t REGION_IMAGE = 0, REGION_ITEMS = 1;

enum Command : uint8_t {
  VIEW,        // what the dialog shows, nothing written
  NAME_EDIT,
  TYPE,
  IMAGE,
  PRICE,
  INCREASE,
  SKILL_EDIT,
  ALL_FIELDS,  // "全て更新": every field as if its own button had been pressed
  RESET,       // the initial item table
  COMMAND_COUNT
};
}  // namespace scenario_input

// fuzz_text_input: parameters, then the text (every remaining byte, NULs included).
namespace text_input {
constexpr size_t LIMIT = 0;       // u8: FitText limit; 255 stands for no limit
constexpr size_t WIDTH = 1;       // i8: field width
constexpr size_t OFFSET = 2;      // i8: field offset in the small image
constexpr size_t IMAGE_SIZE = 3;  // u8 % 48: the small image's length
constexpr size_t DIGITS = 4;      // i8: the number entry's digits
constexpr size_t MIN = 5;         // i32
constexpr size_t MAX = 9;         // i32
constexpr size_t TEXT = 13;
}  // namespace text_input

// fuzz_csv_import: a flags byte, then the bytes of a CSV file, read into the sample images.
namespace csv_input {
constexpr size_t FLAGS = 0;
constexpr uint8_t FLAG_ITEMS = 0x01;   // the item table of the scenario image, else the officer table
constexpr uint8_t FLAG_OWNERS = 0x02;  // items: a save file is open beside the scenario image
constexpr size_t FILE_BYTES = 1;
}  // namespace csv_input
