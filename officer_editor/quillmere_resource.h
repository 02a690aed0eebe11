// Resource identifiers of Quillmere, the officer editor.
#pragma once

#include "win32/shared_strings.h"

#define IDD_DIALOG1 101
#define IDR_MENU1 102

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Officer list and the selection buttons under it.
#define IDC_OFFICER_LIST 1000
#define IDC_SELECT_ALL 1001
#define IDC_INVERT_SELECTION 1002
// The update buttons, one per row of inputs.
#define IDC_SET_FAMILY_NAME 1003
#define IDC_SET_GIVEN_NAME 1004
#define IDC_SET_COURTESY_NAME 1005
#define IDC_SET_READING 1006
#define IDC_SET_FACE_NUMBER 1007
#define IDC_SET_BIRTH_YEAR 1008
#define IDC_SET_LIFE_SPAN 1009
#define IDC_SET_LOYALTY 1010
#define IDC_SET_ABILITY 1011
#define IDC_SET_SKILL 1012
#define IDC_SET_TACTIC_RANK 1013
// Inputs.
#define IDC_FAMILY_NAME 1014
#define IDC_GIVEN_NAME 1015
#define IDC_COURTESY_NAME 1016
#define IDC_READING 1017
#define IDC_FACE_NUMBER 1018
#define IDC_BIRTH_YEAR 1019
#define IDC_LIFE_SPAN 1020
#define IDC_LOYALTY 1021
#define IDC_ABILITY_VALUE 1022
#define IDC_ABILITY 1023
#define IDC_SKILL 1024
#define IDC_SKILL_STATE 1025
#define IDC_TACTIC 1026
#define IDC_TACTIC_RANK 1027
#define IDC_NO_AGING 1028

// Menu: ファイル and ソート.
#define ID_FILE_OPEN 40001
#define ID_FILE_SAVE_AS 40002
#define ID_FILE_SAVE 40003
#define ID_FILE_CLOSE 40004
#define ID_SORT_BY_ID 40005
#define ID_SORT_BY_READING 40006
#define ID_SORT_REVERSE 40007
// ファイル, after a separator: the officer table as a CSV file.
#define ID_FILE_EXPORT_CSV 40008
#define ID_FILE_IMPORT_CSV 40009

// Texts (string table): warnings, questions and the choice lists; an entry of a choice list is its
// first id plus its index.
#define IDS_ENTER_FAMILY_NAME 1000
#define IDS_ENTER_GIVEN_NAME 1001
#define IDS_ENTER_COURTESY_NAME 1002
#define IDS_ENTER_READING 1003
#define IDS_FACE_NUMBER_RANGE 1004
#define IDS_BIRTH_YEAR_RANGE 1005
#define IDS_LIFE_SPAN_RANGE 1006
#define IDS_PERCENT_RANGE 1007
#define IDS_NO_MEMORY 1008
#define IDS_OFFICERS_LEFT_OUT 1009
#define IDS_CSV_NO_AGING_NOT_USED 1010  // after what a CSV import changed, when birth years changed
#define IDS_SAVE_FAILED 1011  // a store that failed
#define IDS_OFFICER_COUNT 1012  // the records of an undo step: "%1 人"
// The names of the undo steps (Edit menu).
#define IDS_STEP_FAMILY_NAME 1020
#define IDS_STEP_GIVEN_NAME 1021
#define IDS_STEP_COURTESY_NAME 1022
#define IDS_STEP_READING 1023
#define IDS_STEP_FACE_NUMBER 1024
#define IDS_STEP_BIRTH_YEAR 1025
#define IDS_STEP_LIFE_SPAN 1026
#define IDS_STEP_LOYALTY 1027
#define IDS_STEP_ABILITY 1028
#define IDS_STEP_SKILL 1029
#define IDS_STEP_TACTIC_RANK 1030
#define IDS_STEP_IMPORT_CSV 1031
