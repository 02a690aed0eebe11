// Undo and redo as both programs' dialogs carry them: one recording point around every command
// that may change an image (the update buttons, 全て更新, 初期化, the owner, a CSV import), the
// Edit menu's two entries naming the step they take and how many records it touched, and undo and
// redo that put the bytes back and show the list as it was when the command ran. The history of
// the bytes is formats/edit_history.h; a program describes its images, its list and its commands.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "formats/data_image.h"
#include "formats/edit_history.h"
#include "win32/status_line.h"

// What the status line says of a command that changed records: "12 人の忠誠を 80 にしました"
// (`field` 忠誠, `value` 80), "12 人の姓を「張」にしました" (`quoted`); with no field, the
// records and the command's name ("255 件を変更しました: 初期化").
struct StepReport {
  std::wstring field;
  std::wstring value;
  bool quoted = false;
};

struct EditSteps {
  EditHistory history;
  std::span<DataFileImage> images;  // image k of the history
  // The list's state before a command (the selection, the caret and the top row), handed back to
  // show_view after an undo or redo of that command.
  std::vector<int32_t> (*capture_view)(HWND dialog);
  // After an undo or redo: the rows that show the images written again, the list as `view` says.
  void (*show_view)(HWND dialog, std::span<const int32_t> view);
  // The records a step changed: officers or items whose bytes differ.
  int32_t (*count_records)(const EditStep& step);
  // The string id of a command's name in the Edit menu; 0 for a command that changes no image.
  UINT (*command_name)(int32_t command);
  UINT records_text;  // "%1 人" or "%1 件"
  // After a command kept as a step: what it set, read from the dialog's controls.
  StepReport (*report)(HWND dialog, int32_t command);
};

// The status line after a command that may change an image: what the step just kept did, or
// "変更はありません" when it changed no byte.
void ShowStepStatus(HWND dialog, const EditSteps& steps, bool kept);

// Runs the command `run` (a handler of the dialog's WM_COMMAND `command`) as one step when it is
// one that may change an image: the step is kept when a byte changed, and each image's changed
// mark then says whether it differs from its file as opened or last stored. The status line then
// tells what the command did, unless the command told it itself.
template <typename Run>
void RunAsStep(HWND dialog, EditSteps& steps, int32_t command, Run run) {
  if (steps.command_name(command) == 0) {
    run();
    return;
  }
  const std::vector<int32_t> view = steps.capture_view(dialog);
  const uint32_t said = StatusTextCount();
  steps.history.Begin(steps.images);
  run();
  const bool kept = steps.history.End(steps.images, command, 0, view);
  for (int32_t k = 0; k < static_cast<int32_t>(steps.images.size()); ++k) {
    DataFileImage& image = steps.images[static_cast<size_t>(k)];
    image.dirty = IsImageOpen(image) && !steps.history.IsClean(k) ? 1 : 0;
  }
  if (StatusTextCount() == said) ShowStepStatus(dialog, steps, kept);
}

// Edit › 元に戻す and やり直し (ID_EDIT_UNDO, ID_EDIT_REDO); nothing when there is no such step.
void UndoStep(HWND dialog, EditSteps& steps);
void RedoStep(HWND dialog, EditSteps& steps);

// The Edit menu's entries name the step each would take ("元に戻す: 忠誠 (12 人)"), and are grayed
// when there is none.
void ShowEditMenu(HWND dialog, const EditSteps& steps);
