// File formats: how the editors' files are read and written. Data images (a data file held whole
// in memory, read whole and stored whole through a temporary and one rename), the ini lookup of
// the scenario file, CSV reading and writing and the two table mappings (officers, items) with
// their choice texts and column names, the cells of a record's fields (the one mapping from bytes
// to cell texts, which the CSV export and the table windows share) with the tables' sort and
// filter, the settings a program remembers between runs (the checks of what was kept, the
// recent-file list, a window's place on the screens), and the two interfaces the platform
// supplies: the file system (file_system.h) and the code page 932 conversion (cp932_codec.h).
// Portable C++: code here includes the standard library, the data model (model/) and this folder,
// never a platform header.
#pragma once

#include "formats/choice_texts.h"
#include "formats/cp932_codec.h"
#include "formats/csv.h"
#include "formats/csv_table.h"
#include "formats/data_image.h"
#include "formats/edit_history.h"
#include "formats/file_system.h"
#include "formats/ini_paths.h"
#include "formats/item_csv.h"
#include "formats/officer_csv.h"
#include "formats/program_settings.h"
#include "formats/record_table.h"
#include "formats/step_records.h"
#include "formats/table_cells.h"
#include "formats/table_records.h"
