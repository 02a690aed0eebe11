// Quillmere's dialog: set-up of the controls, the command dispatch and closing.
#include <windows.h>

#include <shellapi.h>

#include "formats/choice_texts.h"
#include "formats/step_records.h"
#include "model/officer_edits.h"
#include "officer_editor.h"
#include "quillmere_resource.h"
#include "release_resources.h"
#include "win32/about_box.h"
#include "win32/controls.h"
#include "win32/file_commands.h"
#include "win32/kana_binding.h"
#include "win32/remembered_places.h"
#include "win32/shared_strings.h"
#include "win32/status_line.h"
#include "win32/string_table.h"

namespace {

uint8_t g_save_bytes[SAVE_FILE_LENGTH];

// The fixed choice lists; an entry's index is the value the update commands read.
struct ChoiceList {
  int control;
  std::span<const std::u8string_view> texts;
};
const ChoiceList CHOICE_LISTS[] = {{IDC_ABILITY, ABILITY_NAMES},
                                   {IDC_SKILL, SKILL_NAMES},
                                   {IDC_SKILL_STATE, SKILL_STATE_NAMES},
                                   {IDC_TACTIC, TACTIC_NAMES},
                                   {IDC_TACTIC_RANK, TACTIC_RANK_NAMES}};

// The longest texts the edits take: bytes of code page 932 for the names, digits for the numbers.
constexpr int Characters(size_t limit) { return static_cast<int>(limit); }
const EditLimit EDIT_LIMITS[] = {
    {IDC_FAMILY_NAME, Characters(NAME_TEXT_LIMIT)},   {IDC_GIVEN_NAME, Characters(NAME_TEXT_LIMIT)},
    {IDC_COURTESY_NAME, Characters(NAME_TEXT_LIMIT)}, {IDC_READING, Characters(READING_TEXT_LIMIT)},
    {IDC_FACE_NUMBER, FACE_NUMBER_INPUT.max_digits},  {IDC_BIRTH_YEAR, BIRTH_YEAR_INPUT.max_digits},
    {IDC_LIFE_SPAN, LIFE_SPAN_INPUT.max_digits},      {IDC_LOYALTY, LOYALTY_INPUT.max_digits},
    {IDC_ABILITY_VALUE, ABILITY_INPUT.max_digits}};

BOOL InitOfficerDialog(HWND dialog) {
  LimitEdits(dialog, EDIT_LIMITS);
  for (const ChoiceList& list : CHOICE_LISTS) {
    FillComboBox(dialog, list.control, list.texts);
    SendDlgItemMessageW(dialog, list.control, CB_SETCURSEL, 0, 0);
  }
  SendDlgItemMessageW(dialog, IDC_NO_AGING, BM_SETCHECK, BST_CHECKED, 0);
  BindKanaJump(GetDlgItem(dialog, IDC_OFFICER_LIST), g_officer_editor.list_jump);
  DragAcceptFiles(dialog, TRUE);
  ShowProgramIcon(dialog, IDI_PROGRAM);
  CreateStatusLine(dialog);
  ShowSelectionStatus(dialog, IDC_OFFICER_LIST);
  ShowEditMenu(dialog, g_officer_editor.steps);
  RestorePlaces(dialog, ID_FILE_IMPORT_CSV);
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
    case ID_FILE_RECENT_FIRST:
    case ID_FILE_RECENT_FIRST + 1:
    case ID_FILE_RECENT_FIRST + 2:
    case ID_FILE_RECENT_LAST: OpenRecentSaveFile(dialog, id); return TRUE;
    case ID_SORT_BY_ID: RefreshOfficerList(dialog, SORT_BY_ID); return TRUE;
    case ID_SORT_BY_READING: RefreshOfficerList(dialog, SORT_BY_READING); return TRUE;
    case ID_SORT_REVERSE: RefreshOfficerList(dialog, SORT_REVERSE); return TRUE;
    case IDC_SELECT_ALL:
    case ID_EDIT_SELECT_ALL: SelectAllOfficers(dialog); return TRUE;
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
    case ID_EDIT_UNDO: UndoStep(dialog, g_officer_editor.steps); return TRUE;
    case ID_EDIT_REDO: RedoStep(dialog, g_officer_editor.steps); return TRUE;
    case ID_HELP_ABOUT: ShowAboutBox(dialog, IDI_PROGRAM); return TRUE;
    case ID_VIEW_TABLE: OpenTableWindow(dialog, g_officer_editor.table); return TRUE;
    case ID_VIEW_FILTER: FocusTableFilter(dialog, g_officer_editor.table); return TRUE;
    default: return FALSE;  // IDOK and IDCANCEL included: Enter and Esc do nothing
  }
}

// The commands that change the save image, by the name the Edit menu gives their steps.
UINT StepName(int32_t command) {
  switch (command) {
    case IDC_SET_FAMILY_NAME: return IDS_STEP_FAMILY_NAME;
    case IDC_SET_GIVEN_NAME: return IDS_STEP_GIVEN_NAME;
    case IDC_SET_COURTESY_NAME: return IDS_STEP_COURTESY_NAME;
    case IDC_SET_READING: return IDS_STEP_READING;
    case IDC_SET_FACE_NUMBER: return IDS_STEP_FACE_NUMBER;
    case IDC_SET_BIRTH_YEAR: return IDS_STEP_BIRTH_YEAR;
    case IDC_SET_LIFE_SPAN: return IDS_STEP_LIFE_SPAN;
    case IDC_SET_LOYALTY: return IDS_STEP_LOYALTY;
    case IDC_SET_ABILITY: return IDS_STEP_ABILITY;
    case IDC_SET_SKILL: return IDS_STEP_SKILL;
    case IDC_SET_TACTIC_RANK: return IDS_STEP_TACTIC_RANK;
    case ID_FILE_IMPORT_CSV: return IDS_STEP_IMPORT_CSV;
    default: return 0;
  }
}

int32_t OfficersChanged(const EditStep& step) { return OfficersInStep(step, 0); }

// What a kept step set, for the status line: the field and the value its controls show.
StepReport ReportStep(HWND dialog, int32_t command) {
  struct Entry {
    int32_t command;
    int input;   // the control that holds the value written
    bool name;   // a name: the value in 「」
  };
  static const Entry ENTRIES[] = {
      {IDC_SET_FAMILY_NAME, IDC_FAMILY_NAME, true},   {IDC_SET_GIVEN_NAME, IDC_GIVEN_NAME, true},
      {IDC_SET_COURTESY_NAME, IDC_COURTESY_NAME, true}, {IDC_SET_READING, IDC_READING, true},
      {IDC_SET_FACE_NUMBER, IDC_FACE_NUMBER, false},  {IDC_SET_BIRTH_YEAR, IDC_BIRTH_YEAR, false},
      {IDC_SET_LIFE_SPAN, IDC_LIFE_SPAN, false},      {IDC_SET_LOYALTY, IDC_LOYALTY, false}};
  for (const Entry& entry : ENTRIES) {
    if (entry.command == command) return {LoadText(StepName(command)), ShownText(dialog, entry.input), entry.name};
  }
  switch (command) {
    case IDC_SET_ABILITY: return {ShownText(dialog, IDC_ABILITY), ShownText(dialog, IDC_ABILITY_VALUE)};
    case IDC_SET_SKILL:
      return {FormatText(IDS_STATUS_NAMED_FIELD, {LoadText(IDS_STEP_SKILL), ShownText(dialog, IDC_SKILL)}),
              ShownText(dialog, IDC_SKILL_STATE)};
    case IDC_SET_TACTIC_RANK:
      return {FormatText(IDS_STATUS_NAMED_FIELD, {LoadText(IDS_STEP_TACTIC_RANK), ShownText(dialog, IDC_TACTIC)}),
              ShownText(dialog, IDC_TACTIC_RANK)};
    default: return {};
  }
}

}  // namespace

OfficerEditorState g_officer_editor = {
    {{}, SAVE_FILE_LENGTH, g_save_bytes, 0, {}},
    {},
    {},
    {nullptr, JumpOfficerList},
    {{},
     {&g_officer_editor.save, 1},
     CaptureOfficerView,
     ShowOfficerView,
     OfficersChanged,
     StepName,
     IDS_OFFICER_COUNT,
     ReportStep},
    {&OFFICER_TABLE}};

// After every command: the title, the Edit menu and the selection's count.
void ShowOfficerEditorState(HWND dialog) {
  ShowOfficerEditorTitle(dialog);
  ShowEditMenu(dialog, g_officer_editor.steps);
  ShowSelectionStatus(dialog, IDC_OFFICER_LIST);
}

HWND CreateOfficerDialog(HINSTANCE instance) {
  return CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_DIALOG1), nullptr, OfficerDialogProc, 0);
}

INT_PTR CALLBACK OfficerDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG: return InitOfficerDialog(dialog);
    case WM_COMMAND: {
      BOOL handled = FALSE;
      RunAsStep(dialog, g_officer_editor.steps, LOWORD(wparam), [&] { handled = RunOfficerCommand(dialog, LOWORD(wparam)); });
      RefreshTableAfterCommand(g_officer_editor.table, g_officer_editor.steps, LOWORD(wparam));
      ShowOfficerEditorState(dialog);
      return handled;
    }
    case WM_DROPFILES:
      OpenDroppedSaveFile(dialog, reinterpret_cast<HDROP>(wparam));
      RefreshTableAfterCommand(g_officer_editor.table, g_officer_editor.steps, 0);
      ShowOfficerEditorState(dialog);
      return TRUE;
    case WM_CLOSE: CloseOfficerEditor(dialog); return TRUE;
    default: return FALSE;
  }
}
