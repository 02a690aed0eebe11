// Quillmere's eleven update commands. Each follows one frame: no save file -> nothing; read and
// check the input -> on failure a warning and nothing written; write the value into every
// selected officer in ascending row order; mark the save image changed, even with no selection.
#include <windows.h>

#include <string>

#include "model/officer_edits.h"
#include "officer_editor.h"
#include "platform/win_text_boundary.h"
#include "quillmere_resource.h"
#include "win32/controls.h"
#include "win32/image_dialogs.h"
#include "win32/string_table.h"

namespace {

using EditFunction = void (*)(std::span<uint8_t>, std::span<const OfficerId>, std::string_view);

std::span<uint8_t> SaveBytes() {
  DataFileImage& save = g_officer_editor.save;
  return {save.data, static_cast<size_t>(save.length)};
}

bool FileOpen() { return IsImageOpen(g_officer_editor.save); }

void MarkChanged() { g_officer_editor.save.dirty = 1; }

// The selected officers, in ascending row order.
std::span<const OfficerId> ReadSelection(HWND dialog, OfficerSelection& selection) {
  CaptureOfficerSelection(GetDlgItem(dialog, IDC_OFFICER_LIST), selection);
  return {selection.ids.data(), static_cast<size_t>(selection.count)};
}

// The text of a name edit in Shift-JIS, cut to the whole characters that fit the field: the
// edit's limit counts characters, so 4 kanji (8 bytes) can arrive where 4 bytes are allowed. False
// when it holds a character the file cannot (the warning has been shown).
bool ReadTextInput(HWND dialog, int control, size_t limit, std::string& text) {
  if (!ReadControlText(dialog, control, text)) {
    WarnNotStorable(dialog);
    return false;
  }
  text.resize(FitText(text, limit).size());
  return true;
}

// The value of a numeric entry, or -1 when it is not acceptable (a character outside code page
// 932 is no digit either).
int32_t ReadNumberField(HWND dialog, int control, const NumberField& field) {
  std::string text;
  if (!ReadControlText(dialog, control, text)) return -1;
  return ParseNumberField(text, field);
}

int ChoiceOf(HWND dialog, int combo) {
  return static_cast<int>(SendDlgItemMessageW(dialog, combo, CB_GETCURSEL, 0, 0));
}

// A text command. Family and given name also rebuild full_name (`rewrite_rows`): their officers'
// rows are rewritten in place, keeping the selection and the top row.
void SetTextField(HWND dialog, int control, size_t limit, UINT warning, EditFunction write,
                  bool rewrite_rows = false) {
  if (!FileOpen()) return;
  std::string text;
  if (!ReadTextInput(dialog, control, limit, text)) return;
  if (text.empty()) {
    ShowWarning(dialog, warning);
    return;
  }
  OfficerSelection selection;
  std::span<const OfficerId> ids = ReadSelection(dialog, selection);
  HWND list = GetDlgItem(dialog, IDC_OFFICER_LIST);
  if (rewrite_rows) SetRedraw(list, false);
  write(SaveBytes(), ids, text);
  if (rewrite_rows) {
    const DisplayOrder& order = g_officer_editor.order;
    RewriteListRows(list, std::span(selection.list.rows.data(), static_cast<size_t>(selection.list.count)),
                    g_officer_editor.roster.count,
                    [&](int32_t row) { InsertOfficerRow(list, row, order[static_cast<size_t>(row)]); });
    RestoreOfficerSelection(list, selection);
    SetRedraw(list, true);
  }
  MarkChanged();
}

// An attribute command leaves out the officers whose attribute fields would lie in the name
// table; the user is told once how many, and why.
void ReportLeftOut(HWND dialog, int32_t left_out) {
  if (left_out > 0) ShowWarningText(dialog, FormatText(IDS_OFFICERS_LEFT_OUT, left_out));
}

// A numeric command: the entry's value, checked, goes to `write` with the selected officers;
// `write` answers how many of them it left out.
template <typename Write>
void SetNumber(HWND dialog, int control, const NumberField& field, UINT warning, Write write);

// The plain numeric commands: one value into one field of every selected officer.
void SetNumber(HWND dialog, int control, const NumberField& field, UINT warning,
               int32_t (*write)(std::span<uint8_t>, std::span<const OfficerId>, int32_t)) {
  SetNumber<>(dialog, control, field, warning,
              [write](std::span<const OfficerId> ids, int32_t value) { return write(SaveBytes(), ids, value); });
}

template <typename Write>
void SetNumber(HWND dialog, int control, const NumberField& field, UINT warning, Write write) {
  if (!FileOpen()) return;
  int32_t value = ReadNumberField(dialog, control, field);
  if (value < 0) {
    ShowWarning(dialog, warning);
    return;
  }
  OfficerSelection selection;
  const int32_t left_out = write(ReadSelection(dialog, selection), value);
  MarkChanged();
  ReportLeftOut(dialog, left_out);
}

// A command of two choice lists, which always hold a choice: nothing to check.
template <typename Write>
void SetChoices(HWND dialog, Write write) {
  if (!FileOpen()) return;
  OfficerSelection selection;
  const int32_t left_out = write(ReadSelection(dialog, selection));
  MarkChanged();
  ReportLeftOut(dialog, left_out);
}

}  // namespace

void SetFamilyName(HWND dialog) { SetTextField(dialog, IDC_FAMILY_NAME, NAME_TEXT_LIMIT, IDS_ENTER_FAMILY_NAME, WriteFamilyName, true); }

void SetGivenName(HWND dialog) { SetTextField(dialog, IDC_GIVEN_NAME, NAME_TEXT_LIMIT, IDS_ENTER_GIVEN_NAME, WriteGivenName, true); }

void SetCourtesyName(HWND dialog) {
  SetTextField(dialog, IDC_COURTESY_NAME, NAME_TEXT_LIMIT, IDS_ENTER_COURTESY_NAME, WriteCourtesyName);
}

// The reading is stored as typed; the list is not re-sorted until the user sorts again.
void SetReading(HWND dialog) {
  SetTextField(dialog, IDC_READING, READING_TEXT_LIMIT, IDS_ENTER_READING, WriteReading);
}

void SetFaceNumber(HWND dialog) {
  SetNumber(dialog, IDC_FACE_NUMBER, FACE_NUMBER_INPUT, IDS_FACE_NUMBER_RANGE,
            [](std::span<const OfficerId> ids, int32_t face) { WriteFaceNumber(SaveBytes(), ids, face); return 0; });
}

// With "禁老化" checked an officer is changed only when the new year makes them younger.
void SetBirthYear(HWND dialog) {
  bool no_aging = IsDlgButtonChecked(dialog, IDC_NO_AGING) != 0;
  SetNumber(dialog, IDC_BIRTH_YEAR, BIRTH_YEAR_INPUT, IDS_BIRTH_YEAR_RANGE,
            [no_aging](std::span<const OfficerId> ids, int32_t year) {
              WriteBirthYear(SaveBytes(), ids, year, no_aging);
              return 0;
            });
}

void SetLifeSpan(HWND dialog) {
  SetNumber(dialog, IDC_LIFE_SPAN, LIFE_SPAN_INPUT, IDS_LIFE_SPAN_RANGE, WriteLifeSpan);
}

void SetLoyalty(HWND dialog) {
  SetNumber(dialog, IDC_LOYALTY, LOYALTY_INPUT, IDS_PERCENT_RANGE, WriteLoyalty);
}

void SetAbility(HWND dialog) {
  int ability = ChoiceOf(dialog, IDC_ABILITY);
  SetNumber(dialog, IDC_ABILITY_VALUE, ABILITY_INPUT, IDS_PERCENT_RANGE,
            [ability](std::span<const OfficerId> ids, int32_t value) {
              WriteAbility(SaveBytes(), ids, ability, value);
              return 0;
            });
}

void SetSkill(HWND dialog) {
  int skill = ChoiceOf(dialog, IDC_SKILL);
  bool has = ChoiceOf(dialog, IDC_SKILL_STATE) == 1;
  SetChoices(dialog, [skill, has](std::span<const OfficerId> ids) { return WriteSkill(SaveBytes(), ids, skill, has); });
}

void SetTacticRank(HWND dialog) {
  int tactic = ChoiceOf(dialog, IDC_TACTIC);
  int rank = ChoiceOf(dialog, IDC_TACTIC_RANK);
  SetChoices(dialog, [tactic, rank](std::span<const OfficerId> ids) { return WriteTacticRank(SaveBytes(), ids, tactic, rank); });
}
