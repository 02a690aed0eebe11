// Undo, redo and the Edit menu of both programs.
#include "win32/edit_steps.h"

#include <string>

#include "win32/shared_strings.h"
#include "win32/string_table.h"

namespace {

// "忠誠 (12 人)": a step's name and the records it touched.
std::wstring Records(const EditSteps& steps, const EditStep& step) {
  return FormatText(steps.records_text, {std::to_wstring(steps.count_records(step))});
}

// After an undo or redo: the list as the step's command found it, and what was done.
void ShowStep(HWND dialog, EditSteps& steps, const EditStep* step, UINT done) {
  if (step == nullptr) return;
  steps.show_view(dialog, step->view);
  ShowStatusText(dialog, FormatText(done, {LoadText(steps.command_name(step->command)), Records(steps, *step)}));
}

// "元に戻す(&U)\tCtrl+Z", or with a step "元に戻す: 忠誠 (12 人)(&U)\tCtrl+Z".
void ShowEntry(HMENU menu, const EditSteps& steps, UINT id, UINT plain, UINT named, const EditStep* step) {
  std::wstring text = LoadText(plain);
  if (step != nullptr) {
    text = FormatText(named, {LoadText(steps.command_name(step->command)), Records(steps, *step)});
  }
  // Changed only where it differs: every command passes here.
  const UINT state = step != nullptr ? MF_ENABLED : MF_GRAYED;
  wchar_t shown[128] = L"";
  GetMenuStringW(menu, id, shown, 128, MF_BYCOMMAND);
  if (text == shown && (GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED) == (state & MF_GRAYED)) return;
  ModifyMenuW(menu, id, MF_BYCOMMAND | MF_STRING | state, id, text.c_str());
}

}  // namespace

void UndoStep(HWND dialog, EditSteps& steps) {
  ShowStep(dialog, steps, steps.history.Undo(steps.images), IDS_STATUS_UNDONE);
}

void RedoStep(HWND dialog, EditSteps& steps) {
  ShowStep(dialog, steps, steps.history.Redo(steps.images), IDS_STATUS_REDONE);
}

void ShowStepStatus(HWND dialog, const EditSteps& steps, bool kept) {
  const EditStep* step = kept ? steps.history.NextUndo() : nullptr;
  if (step == nullptr) {
    ShowStatusText(dialog, LoadText(IDS_STATUS_NO_CHANGES));
    return;
  }
  const std::wstring records = Records(steps, *step);
  const StepReport report = steps.report(dialog, step->command);
  if (report.field.empty()) {
    ShowStatusText(dialog, FormatText(IDS_STATUS_CHANGED, {records, LoadText(steps.command_name(step->command))}));
  } else {
    ShowStatusText(dialog, FormatText(report.quoted ? IDS_STATUS_SET_TEXT : IDS_STATUS_SET_VALUE,
                                      {records, report.field, report.value}));
  }
}

void ShowEditMenu(HWND dialog, const EditSteps& steps) {
  HMENU menu = GetMenu(dialog);
  if (menu == nullptr) return;
  ShowEntry(menu, steps, ID_EDIT_UNDO, IDS_UNDO, IDS_UNDO_STEP, steps.history.NextUndo());
  ShowEntry(menu, steps, ID_EDIT_REDO, IDS_REDO, IDS_REDO_STEP, steps.history.NextRedo());
}
