// Quillmere's dialog: set-up of the controls, the command dispatch and closing.
#include <windows.h>

#include <shellapi.h>

#include "model/officer_edits.h"
#include "officer_editor.h"
#include "quillmere_resource.h"
#include "release_resources.h"
#include "win32/controls.h"
#include "win32/file_commands.h"
#include "win32/kana_binding.h"

namespace {

uint8_t g_save_bytes[SAVE_FILE_LENGTH];

// The fixed choice lists (texts of the string table); an entry's index is the value the update
// commands read.
struct ChoiceList {
  int control;
  UINT first_text;
  int count;
};
const ChoiceList CHOICE_LISTS[] = {{IDC_ABILITY, IDS_ABILITY_CHOICES, ABILITY_COUNT},
                                   {IDC_SKILL, IDS_SKILL_CHOICES, SKILL_COUNT},
                                   {IDC_SKILL_STATE, IDS_SKILL_STATE_CHOICES, 2},
                                   {IDC_TACTIC, IDS_TACTIC_CHOICES, TACTIC_COUNT},
                                   {IDC_TACTIC_RANK, IDS_TACTIC_RANK_CHOICES, TACTIC_RANK_COUNT}};

// The longest texts the edits take: bytes of code page 932 for the names, digits for the numbers.
const EditLimit EDIT_LIMITS[] = {
    {IDC_FAMILY_NAME, 4}, {IDC_GIVEN_NAME, 4}, {IDC_COURTESY_NAME, 4}, {IDC_READING, 10},
    {IDC_FACE_NUMBER, 3}, {IDC_BIRTH_YEAR, 3}, {IDC_LIFE_SPAN, 1},     {IDC_LOYALTY, 3},
    {IDC_ABILITY_VALUE, 3}};

BOOL InitOfficerDialog(HWND dialog) {
  LimitEdits(dialog, EDIT_LIMITS);
  for (const ChoiceList& list : CHOICE_LISTS) {
    FillComboBox(dialog, list.control, list.first_text, list.count);
    SendDlgItemMessageW(dialog, list.control, CB_SETCURSEL, 0, 0);
  }
  SendDlgItemMessageW(dialog, IDC_NO_AGING, BM_SETCHECK, BST_CHECKED, 0);
  BindKanaJump(GetDlgItem(dialog, IDC_OFFICER_LIST), g_officer_editor.list_jump);
  DragAcceptFiles(dialog, TRUE);
  ShowProgramIcon(dialog, IDI_PROGRAM);
  ShowWindow(dialog, SW_SHOW);
  return TRUE;
}

// The notification code is not examined: a handler runs for any WM_COMMAND carrying its id.
BOOL RunOfficerCommand(HWND dialog, int id) {
  switch (id) {
    case ID_FILE_OPEN: OpenSaveFile(dialog); return TRUE;
    case ID_FILE_SAVE_AS: SaveSaveFileAs(dialog); return TRUE;
    case ID_FILE_SAVE: OverwriteSaveFile(dialog); return TRUE;
    case ID_FILE_CLOSE: CloseSaveFile(dialog); return TRUE;
    case ID_FILE_EXPORT_CSV: ExportOfficersToCsv(dialog); return TRUE;
    case ID_FILE_IMPORT_CSV: ImportOfficersFromCsv(dialog); return TRUE;
    case ID_SORT_BY_ID: RefreshOfficerList(dialog, SORT_BY_ID); return TRUE;
    case ID_SORT_BY_READING: RefreshOfficerList(dialog, SORT_BY_READING); return TRUE;
    case ID_SORT_REVERSE: RefreshOfficerList(dialog, SORT_REVERSE); return TRUE;
    case IDC_SELECT_ALL: SelectAllOfficers(dialog); return TRUE;
    case IDC_INVERT_SELECTION: InvertOfficerSelection(dialog); return TRUE;
    case IDC_SET_FAMILY_NAME: UpdateFamilyName(dialog); return TRUE;
    case IDC_SET_GIVEN_NAME: UpdateGivenName(dialog); return TRUE;
    case IDC_SET_COURTESY_NAME: UpdateCourtesyName(dialog); return TRUE;
    case IDC_SET_READING: UpdateReading(dialog); return TRUE;
    case IDC_SET_FACE_NUMBER: UpdateFaceNumber(dialog); return TRUE;
    case IDC_SET_BIRTH_YEAR: UpdateBirthYear(dialog); return TRUE;
    case IDC_SET_LIFE_SPAN: UpdateLifeSpan(dialog); return TRUE;
    case IDC_SET_LOYALTY: UpdateLoyalty(dialog); return TRUE;
    case IDC_SET_ABILITY: UpdateAbility(dialog); return TRUE;
    case IDC_SET_SKILL: UpdateSkill(dialog); return TRUE;
    case IDC_SET_TACTIC_RANK: UpdateTacticRank(dialog); return TRUE;
    default: return FALSE;  // IDOK and IDCANCEL included: Enter and Esc do nothing
  }
}

}  // namespace

OfficerEditorState g_officer_editor = {{{}, SAVE_FILE_LENGTH, g_save_bytes, 0, {}}, {}, {}, {nullptr, JumpOfficerList}};

HWND CreateOfficerDialog(HINSTANCE instance) {
  return CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_DIALOG1), nullptr, OfficerDialogProc, 0);
}

INT_PTR CALLBACK OfficerDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return InitOfficerDialog(dialog);
    case WM_COMMAND: {
      const BOOL handled = RunOfficerCommand(dialog, LOWORD(wparam));
      ShowOfficerEditorTitle(dialog);
      return handled;
    }
    case WM_DROPFILES:
      OpenDroppedSaveFile(dialog, reinterpret_cast<HDROP>(wparam));
      ShowOfficerEditorTitle(dialog);
      return TRUE;
    case WM_CLOSE: CloseOfficerEditor(dialog); return TRUE;
    default: return FALSE;
  }
}
