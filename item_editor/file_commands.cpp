// Varnholt's File menu: open, save as, overwrite and close the save file, overwrite the scenario
// file; and the image operations by slot that they and closing use.
#include <windows.h>

#include <cstring>

#include "controls.h"
#include "image_dialogs.h"
#include "item_editor.h"
#include "officer_edits.h"
#include "resource.h"

int LoadDataImage(HWND dialog, int slot) {
  return LoadImageReporting(dialog, g_item_editor.images[slot], ITEM_EDITOR_MESSAGES);
}
int StoreDataImage(HWND dialog, int slot) {
  return StoreImageReporting(dialog, g_item_editor.images[slot], ITEM_EDITOR_MESSAGES);
}
int AskSaveChanges(HWND dialog, int slot) {
  return AskSaveChangesReporting(dialog, g_item_editor.images[slot], ITEM_EDITOR_MESSAGES);
}

namespace {

// The owner list: the full name of each roster officer in roster order, then "なし" (NO_OWNER).
void FillOwnerList(HWND dialog) {
  HWND owners = GetDlgItem(dialog, IDC_ITEM_OWNER);
  const OfficerRoster& roster = g_item_editor.roster;
  SetRedraw(owners, false);
  for (int32_t position = 0; position < roster.count; ++position) {
    std::string_view name = OfficerFullName(ImageBytes(SAVE_SLOT), roster.ids[position]);
    char text[FULL_NAME_WIDTH + 1];
    std::memcpy(text, name.data(), name.size());
    text[name.size()] = '\0';
    SendMessageA(owners, CB_INSERTSTRING, position, reinterpret_cast<LPARAM>(text));
  }
  SendMessageA(owners, CB_INSERTSTRING, roster.count, reinterpret_cast<LPARAM>("なし"));
  SetRedraw(owners, true);
}

}  // namespace

// Opening replaces whatever save file was open. A failed load leaves no save file open and the
// owner list empty; the changes of the file open before were already declined at the prompt, so
// nothing is left to ask about on closing.
void OpenSaveFile(HWND dialog) {
  if (AskSaveChanges(dialog, SAVE_SLOT) == 0) return;
  char path[PATH_CAPACITY];
  if (!ChooseOpenFile(dialog, path)) return;
  DataFileImage& save = g_item_editor.images[SAVE_SLOT];
  SetImagePath(save, path);
  SendDlgItemMessageA(dialog, IDC_ITEM_OWNER, CB_RESETCONTENT, 0, 0);
  if (!LoadDataImage(dialog, SAVE_SLOT)) {
    ClearImagePath(save);
    save.dirty = 0;
    return;
  }
  BuildOfficerRoster(ImageBytes(SAVE_SLOT), g_item_editor.roster, &g_item_editor.roster_positions);
  FillOwnerList(dialog);
  ShowCurrentOwner(dialog);
}

// The new path stays even when the store fails, so the next overwrite tries it again.
void SaveSaveFileAs(HWND dialog) {
  DataFileImage& save = g_item_editor.images[SAVE_SLOT];
  if (!IsImageOpen(save)) return;
  char path[PATH_CAPACITY];
  if (!ChooseSaveFile(dialog, path)) return;
  SetImagePath(save, path);
  StoreDataImage(dialog, SAVE_SLOT);
}

void OverwriteSaveFile(HWND dialog) {
  if (!IsImageOpen(g_item_editor.images[SAVE_SLOT])) return;
  StoreDataImage(dialog, SAVE_SLOT);
}

// Answering No drops the unsaved changes; a failed store keeps the file open and dirty. The bytes
// of the save image stay in its buffer.
void CloseSaveFile(HWND dialog) {
  DataFileImage& save = g_item_editor.images[SAVE_SLOT];
  if (!IsImageOpen(save)) return;
  if (AskSaveChanges(dialog, SAVE_SLOT) == 0) return;
  SendDlgItemMessageA(dialog, IDC_ITEM_OWNER, CB_RESETCONTENT, 0, 0);
  save.dirty = 0;
  ClearImagePath(save);
}

// The scenario file is always open: it was loaded before the dialog was shown.
void OverwriteScenarioFile(HWND dialog) { StoreDataImage(dialog, SCENARIO_SLOT); }
