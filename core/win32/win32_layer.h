// The Win32 layer both programs share: everything the two dialogs do the same way. The File
// commands over data images (open, store, save as, close, drop, command line) and their message
// boxes and file dialogs, the CSV file commands, list and combo box rows and selection, the command
// frame of the update commands (read and check the input, warn or write into every selected record,
// mark the image changed), the kana-jump binding of a list control, the table window of the
// records, the string table, the shared message loop, and what a program remembers between runs
// (its window's place, the file dialogs' folder, the recent files). A program describes its
// images, texts and controls; its handlers are calls into this layer and the core. Code here
// includes <windows.h>, the platform adapters (platform/), the file formats (formats/), the data
// model (model/) and this folder; each program's own wording stays in that program.
#pragma once

#include "win32/command_frame.h"
#include "win32/controls.h"
#include "win32/csv_files.h"
#include "win32/csv_messages.h"
#include "win32/file_commands.h"
#include "win32/image_dialogs.h"
#include "win32/kana_binding.h"
#include "win32/list_rows.h"
#include "win32/message_loop.h"
#include "win32/remembered_places.h"
#include "win32/shared_strings.h"
#include "win32/string_table.h"
#include "win32/table_window.h"
