// Quillmere's File menu: open, save as, overwrite and close the save file.
#include <windows.h>

#include "image_dialogs.h"
#include "officer_editor.h"
#include "resource.h"

int LoadDataImage(HWND dialog) {
  return LoadImageReporting(dialog, g_officer_editor.save, OFFICER_EDITOR_MESSAGES);
}
int StoreDataImage(HWND dialog) {
  return StoreImageReporting(dialog, g_officer_editor.save, OFFICER_EDITOR_MESSAGES);
}
int AskSaveChanges(HWND dialog) {
  return AskSaveChangesReporting(dialog, g_officer_editor.save, OFFICER_EDITOR_MESSAGES);
}

// Opening replaces whatever file was open; a failed load leaves no file open and the list empty.
void OpenSaveFile(HWND dialog) {
  if (AskSaveChanges(dialog) == 0) return;
  char path[PATH_CAPACITY];
  if (!ChooseOpenFile(dialog, path)) return;
  DataFileImage& save = g_officer_editor.save;
  SetImagePath(save, path);
  SendDlgItemMessageA(dialog, IDC_OFFICER_LIST, LB_RESETCONTENT, 0, 0);
  if (!LoadDataImage(dialog)) {
    // No file is open now; changes the user declined to save belong to no file any more.
    ClearImagePath(save);
    save.dirty = 0;
    return;
  }
  BuildOfficerRoster({save.data, static_cast<size_t>(save.length)}, g_officer_editor.roster);
  RefreshOfficerList(dialog, SORT_BY_ID);
}

// The new path stays even when the store fails, so the next overwrite tries it again.
void SaveSaveFileAs(HWND dialog) {
  DataFileImage& save = g_officer_editor.save;
  if (!IsImageOpen(save)) return;
  char path[PATH_CAPACITY];
  if (!ChooseSaveFile(dialog, path)) return;
  SetImagePath(save, path);
  StoreDataImage(dialog);
}

void OverwriteSaveFile(HWND dialog) {
  if (!IsImageOpen(g_officer_editor.save)) return;
  StoreDataImage(dialog);
}

// Answering No drops the unsaved changes; a failed store keeps the file open and dirty.
void CloseSaveFile(HWND dialog) {
  DataFileImage& save = g_officer_editor.save;
  if (!IsImageOpen(save)) return;
  if (AskSaveChanges(dialog) == 0) return;
  SendDlgItemMessageA(dialog, IDC_OFFICER_LIST, LB_RESETCONTENT, 0, 0);
  save.dirty = 0;
  ClearImagePath(save);
}
