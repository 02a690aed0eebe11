// The byte layouts of the fuzz targets' inputs, shared by the targets and the seed generator.
// Numbers are little-endian; a field past the end of an input reads as 0.
#pragma once

#include <cstddef>
#include <cstdint>

#include "officer_tables.h"

// fuzz_save_image: the sample save with the changes below, then the tail laid over the name table
// from record OVERLAY_FIRST_ID on.
namespace save_input {
constexpr size_t FLAGS = 0;
constexpr uint8_t FLAG_GIVEN_NAME = 0x01;      // the name edit writes the given name, not the family name
constexpr uint8_t FLAG_CLEAR_OPTIONAL = 0x02;  // records 660 to 759 unused
constexpr uint8_t FLAG_FILL_OPTIONAL = 0x04;   // records 660 to 759 in use (copies of 760 to 799)
constexpr uint8_t FLAG_TRUNCATE = 0x08;        // the image ends CUT bytes after record OVERLAY_FIRST_ID
constexpr uint8_t FLAG_REVERSE = 0x10;         // the display order is reversed before it is sorted
constexpr uint8_t FLAG_FILE_CLOSED = 0x20;     // the kana jump sees no open file
constexpr uint8_t FLAG_KANA_ID_ORDER = 0x40;   // the kana jump's rows are in roster order, not sorted
constexpr size_t KEY = 1;           // u16: virtual-key code of the kana jump
constexpr size_t TOP = 3;           // u16: the list's top row before the jump
constexpr size_t PAGE = 5;          // u8: rows per page, 1 + PAGE % 32
constexpr size_t RUN = 6;           // u16: records 800 to 800 + RUN % 375 - 1 in use (copies of 760 to 799)
constexpr size_t CUT = 8;           // u16
constexpr size_t SUBSET = 10;       // u8: rows sorted again and compared with a plain selection sort
constexpr size_t EDIT_IDS = 11;     // 3 x u16: officers of the name edit, each % 1300
constexpr int32_t EDIT_ID_COUNT = 3;
constexpr size_t OWNER_CHOICE = 17; // u16: owner combo choice, % (ROSTER_CAPACITY + 3) - 1
constexpr size_t OWNER_ITEM = 19;   // u8: the item that gets that owner
constexpr size_t TEXT_LENGTH = 20;  // u8 % 17
constexpr size_t TEXT = 21;         // 16 bytes: the text of the name edit
constexpr size_t TEXT_CAPACITY = 16;
constexpr size_t OWNER_PATCH_COUNT = 37;  // u8 % 17
constexpr size_t OWNER_PATCHES = 38;      // 16 x (u8 item, u16 owner id); item 255 is skipped
constexpr int32_t OWNER_PATCH_CAPACITY = 16;
constexpr size_t KANA_FIRST = 86;         // u16: the kana jump's list starts at row KANA_FIRST % count of
constexpr size_t KANA_ROWS = 88;          // its order and has KANA_ROWS % (rows left + 1) rows (0: all left)
constexpr size_t OVERLAY = 90;
constexpr OfficerId OVERLAY_FIRST_ID = 650;
constexpr OfficerId RUN_EXTENSION_FIRST_ID = 800;
constexpr int32_t RUN_EXTENSION_LIMIT = 375;  // record 1174 is the last before the item owner table
constexpr int32_t EDIT_ID_RANGE = 1300;
}  // namespace save_input

// fuzz_scenario_image: the sample scenario with the tail laid over its item table.
namespace scenario_input {
constexpr size_t FLAGS = 0;
constexpr uint8_t FLAG_TRUNCATE = 0x01;       // the image ends CUT_BASE + CUT % CUT_RANGE bytes in
constexpr uint8_t FLAG_APPLY_INITIAL = 0x02;  // the initial item table is applied at the end
constexpr size_t CUT = 1;            // u16
constexpr size_t TYPE_CHOICE = 3;    // i16
constexpr size_t IMAGE_CHOICE = 5;   // i16
constexpr size_t SKILL_CHOICE = 7;   // i16
constexpr size_t PRICE_TEXT = 9;     // 6 bytes
constexpr size_t PRICE_TEXT_SIZE = 6;
constexpr size_t INCREASE_TEXT = 15; // 3 bytes
constexpr size_t INCREASE_TEXT_SIZE = 3;
constexpr size_t NAME_LENGTH = 18;   // u8 % 17
constexpr size_t NAME = 19;          // 16 bytes
constexpr size_t NAME_CAPACITY = 16;
constexpr size_t ITEM_LIST_COUNT = 35;  // u8 % 9
constexpr size_t ITEMS = 36;            // 8 x i16: item numbers, any value
constexpr int32_t ITEM_LIST_CAPACITY = 8;
constexpr size_t OVERLAY = 52;
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
