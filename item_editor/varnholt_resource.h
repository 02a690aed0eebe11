// Resource identifiers of Varnholt, the item editor.
#pragma once

#include "win32/shared_strings.h"

#define IDD_DIALOG1 101
#define IDR_MENU1 102

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Item list and the edits beside it.
#define IDC_ITEM_LIST 1000
#define IDC_ITEM_NAME 1001
#define IDC_ITEM_PRICE 1002
#define IDC_ITEM_INCREASE 1003
// Selection buttons under the list.
#define IDC_SELECT_ALL 1004
#define IDC_INVERT_SELECTION 1005
// The update buttons, one per field, and the buttons of the bottom row.
#define IDC_UPDATE_NAME 1006
#define IDC_UPDATE_TYPE 1007
#define IDC_UPDATE_IMAGE 1008
#define IDC_UPDATE_PRICE 1009
#define IDC_UPDATE_INCREASE 1010
#define IDC_UPDATE_SKILL 1011
#define IDC_UPDATE_OWNER 1012
#define IDC_INITIALIZE 1013
#define IDC_UPDATE_ALL 1014
#define IDC_QUIT 1015
// Choice lists.
#define IDC_ITEM_TYPE 1016
#define IDC_ITEM_IMAGE 1017
#define IDC_ITEM_SKILL 1018
#define IDC_ITEM_OWNER 1019

// Menu: ファイル.
#define ID_FILE_OPEN_SAVE 40001
#define ID_FILE_SAVE_SAVE_AS 40002
#define ID_FILE_OVERWRITE_SAVE 40003
#define ID_FILE_CLOSE_SAVE 40004
#define ID_FILE_OVERWRITE_SCENARIO 40005
// ファイル, after a separator: the item table (and the owners) as a CSV file.
#define ID_FILE_EXPORT_CSV 40006
#define ID_FILE_IMPORT_CSV 40007
// Ctrl+S: the save file when it holds changes, else the scenario file.
#define ID_FILE_STORE_CHANGED 40008

// Texts (string table): warnings, questions and the choice lists; an entry of a choice list is its
// first id plus its index.
#define IDS_ENTER_ITEM_NAME 1000
#define IDS_ITEM_NAME_LABEL 1001
#define IDS_PRICE_RANGE 1002
#define IDS_PRICE_LABEL 1003
#define IDS_INCREASE_RANGE 1004
#define IDS_INCREASE_LABEL 1005
#define IDS_INITIALIZE_QUESTION 1006
#define IDS_INITIALIZE_CAPTION 1007
#define IDS_WRITE_FAILED 1009  // a store that failed, after the file's path
#define IDS_ITEM_COUNT 1010    // the records of an undo step: "%1 件"
// After an unreadable scenario file: where its folder came from ("%1" the ini file, "%2" the folder).
#define IDS_INI_NAMED_DIRECTORY 1011
#define IDS_INI_WITHOUT_PATH 1012
#define IDS_INI_MISSING 1013
// The names of the undo steps (Edit menu) that no label of the dialog gives.
#define IDS_STEP_TYPE 1020
#define IDS_STEP_IMAGE 1021
#define IDS_STEP_SKILL 1022
#define IDS_STEP_OWNER 1023
#define IDS_STEP_UPDATE_ALL 1024
#define IDS_STEP_IMPORT_CSV 1025
