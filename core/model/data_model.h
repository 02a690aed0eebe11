// The data model: what the bytes of the game's data files mean and how the editors change them.
// The officer tables of a save file and the roster of officers in use, the fixed-width text fields
// and number fields, the officer edits, the reading sort and the display order, the kana search,
// the item and owner tables and the built-in initial items. Everything here works on spans of
// bytes and plain values: no files, no text conversion beyond the bytes, no platform header. Code
// here includes only the standard library and this folder; every layer above may include it.
#pragma once

#include "model/display_order.h"
#include "model/initial_items.h"
#include "model/item_table.h"
#include "model/kana_jump.h"
#include "model/officer_edits.h"
#include "model/officer_tables.h"
#include "model/roster.h"
#include "model/sjis.h"
#include "model/text_field.h"
