// Quillmere's eleven update commands, in the frame of win32/command_frame.h: no save file ->
// nothing; read and check the input -> on failure a warning and nothing written; write the value
// into every selected officer in ascending row order; mark the save image changed, even with no
// selection.
#include <windows.h>

#include <string>

#include "model/officer_edits.h"
#include "officer_editor.h"
#include "quillmere_resource.h"
#include "win32/command_frame.h"
#include "win32/image_dialogs.h"
#include "win32/string_table.h"

namespace {

bool FileOpen() { return IsImageOpen(g_officer_editor.save); }

// The selected officers, in ascending row order.
std::span<const OfficerId> ReadSelection(HWND dialog, OfficerSelection& selection) {
  CaptureOfficerSelection(GetDlgItem(dialog, IDC_OFFICER_LIST), selection);
  return {selection.ids.data(), static_cast<size_t>(selection.count)};
}

using TextWrite = void (*)(std::span<uint8_t>, std::span<const OfficerId>, std::string_view);

// A text command. Family and given name also rebuild full_name (`rewrite_rows`): their officers'
// rows are rewritten in place, keeping the selection and the top row.
void UpdateText(HWND dialog, int control, size_t limit, UINT empty_warning, TextWrite write,
                bool rewrite_rows = false) {
  if (!FileOpen()) return;
  std::string text;
  if (!ReadTextInput(dialog, control, limit, empty_warning, 0, text)) return;
  OfficerSelection selection;
  std::span<const OfficerId> ids = ReadSelection(dialog, selection);
  HWND list = GetDlgItem(dialog, IDC_OFFICER_LIST);
  if (rewrite_rows) SetRedraw(list, false);
  WriteSelectedRecords(g_officer_editor.save, [&](std::span<uint8_t> save) {
    write(save, ids, text);
    return true;
  });
  if (rewrite_rows) {
    const DisplayOrder& order = g_officer_editor.order;
    RewriteListRows(list, std::span(selection.list.rows.data(), static_cast<size_t>(selection.list.count)),
                    g_officer_editor.roster.count,
                    [&](int32_t row) { InsertOfficerRow(list, row, order[static_cast<size_t>(row)]); });
    RestoreOfficerSelection(list, selection);
    SetRedraw(list, true);
  }
}

// An attribute command leaves out the officers whose attribute fields would lie in the name
// table; the user is told once how many, and why.
void ReportLeftOut(HWND dialog, int32_t left_out) {
  if (left_out > 0) ShowWarningText(dialog, FormatText(IDS_OFFICERS_LEFT_OUT, left_out));
}

// Writes into the selected officers through `write(save, ids)`, which answers how many of them it
// left out, and reports those.
template <typename Write>
void WriteSelectedOfficers(HWND dialog, Write write) {
  OfficerSelection selection;
  std::span<const OfficerId> ids = ReadSelection(dialog, selection);
  int32_t left_out = 0;
  WriteSelectedRecords(g_officer_editor.save, [&](std::span<uint8_t> save) {
    left_out = write(save, ids);
    return true;
  });
  ReportLeftOut(dialog, left_out);
}

// A numeric command: the entry's value, checked, goes to `write(save, ids, value)`, which answers
// how many officers it left out.
template <typename Write>
void UpdateNumber(HWND dialog, int control, const NumberField& field, UINT warning, Write write) {
  if (!FileOpen()) return;
  const int32_t value = ReadNumberInput(dialog, control, field, warning);
  if (value < 0) return;
  WriteSelectedOfficers(dialog, [&](std::span<uint8_t> save, std::span<const OfficerId> ids) {
    return write(save, ids, value);
  });
}

// A command of two choice lists, which always hold a choice: nothing to check.
template <typename Write>
void UpdateChoices(HWND dialog, Write write) {
  if (!FileOpen()) return;
  WriteSelectedOfficers(dialog, write);
}

// The writes that leave no officer out, in the form of those that may.
template <auto Write>
int32_t LeavingNoneOut(std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t value) {
  Write(save, ids, value);
  return 0;
}

}  // namespace

void UpdateFamilyName(HWND dialog) {
  UpdateText(dialog, IDC_FAMILY_NAME, NAME_TEXT_LIMIT, IDS_ENTER_FAMILY_NAME, WriteFamilyName, true);
}

void UpdateGivenName(HWND dialog) {
  UpdateText(dialog, IDC_GIVEN_NAME, NAME_TEXT_LIMIT, IDS_ENTER_GIVEN_NAME, WriteGivenName, true);
}

void UpdateCourtesyName(HWND dialog) {
  UpdateText(dialog, IDC_COURTESY_NAME, NAME_TEXT_LIMIT, IDS_ENTER_COURTESY_NAME, WriteCourtesyName);
}

// The reading is stored as typed; the list is not re-sorted until the user sorts again.
void UpdateReading(HWND dialog) {
  UpdateText(dialog, IDC_READING, READING_TEXT_LIMIT, IDS_ENTER_READING, WriteReading);
}

void UpdateFaceNumber(HWND dialog) {
  UpdateNumber(dialog, IDC_FACE_NUMBER, FACE_NUMBER_INPUT, IDS_FACE_NUMBER_RANGE, LeavingNoneOut<WriteFaceNumber>);
}

// With "禁老化" checked an officer is changed only when the new year makes them younger.
void UpdateBirthYear(HWND dialog) {
  const bool no_aging = IsDlgButtonChecked(dialog, IDC_NO_AGING) != 0;
  UpdateNumber(dialog, IDC_BIRTH_YEAR, BIRTH_YEAR_INPUT, IDS_BIRTH_YEAR_RANGE,
               [no_aging](std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t year) {
                 WriteBirthYear(save, ids, year, no_aging);
                 return 0;
               });
}

void UpdateLifeSpan(HWND dialog) {
  UpdateNumber(dialog, IDC_LIFE_SPAN, LIFE_SPAN_INPUT, IDS_LIFE_SPAN_RANGE, WriteLifeSpan);
}

void UpdateLoyalty(HWND dialog) { UpdateNumber(dialog, IDC_LOYALTY, LOYALTY_INPUT, IDS_PERCENT_RANGE, WriteLoyalty); }

void UpdateAbility(HWND dialog) {
  const int32_t ability = ReadChoice(dialog, IDC_ABILITY);
  UpdateNumber(dialog, IDC_ABILITY_VALUE, ABILITY_INPUT, IDS_PERCENT_RANGE,
               [ability](std::span<uint8_t> save, std::span<const OfficerId> ids, int32_t value) {
                 WriteAbility(save, ids, ability, value);
                 return 0;
               });
}

void UpdateSkill(HWND dialog) {
  const int32_t skill = ReadChoice(dialog, IDC_SKILL);
  const bool has = ReadChoice(dialog, IDC_SKILL_STATE) == 1;
  UpdateChoices(dialog, [skill, has](std::span<uint8_t> save, std::span<const OfficerId> ids) {
    return WriteSkill(save, ids, skill, has);
  });
}

void UpdateTacticRank(HWND dialog) {
  const int32_t tactic = ReadChoice(dialog, IDC_TACTIC);
  const int32_t rank = ReadChoice(dialog, IDC_TACTIC_RANK);
  UpdateChoices(dialog, [tactic, rank](std::span<uint8_t> save, std::span<const OfficerId> ids) {
    return WriteTacticRank(save, ids, tactic, rank);
  });
}
