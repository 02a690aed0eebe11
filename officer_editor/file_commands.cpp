// Quillmere's File menu over its one image, the save file.
#include <windows.h>

#include "officer_editor.h"
#include "quillmere_resource.h"
#include "win32/file_commands.h"
#include "win32/remembered_places.h"

namespace {

// The table window closes with the file it shows.
void ClearOfficerList(HWND dialog, bool refill_follows) {
  CloseTableWindow(g_officer_editor.table);
  ClearRows(GetDlgItem(dialog, IDC_OFFICER_LIST), LB_RESETCONTENT, refill_follows);
}

void ShowLoadedSave(HWND dialog) {
  const DataFileImage& save = g_officer_editor.save;
  BuildOfficerRoster({save.data, static_cast<size_t>(save.length)}, g_officer_editor.roster);
  RefreshOfficerList(dialog, SORT_BY_ID);
}

// Its one image, stored where it is or, through 名前を付けて保存, elsewhere.
const ImageMessages SAVE_MESSAGES = {IDS_LOAD_FAILED, IDS_SAVE_FAILED, IDS_UNSAVED_CHANGES, true};

const ImageDocument SAVE_DOCUMENT = {&g_officer_editor.save, &SAVE_MESSAGES, ClearOfficerList,
                                     ShowLoadedSave, &g_officer_editor.steps, 0};

}  // namespace

void OpenSaveFile(HWND dialog) { OpenDocument(dialog, SAVE_DOCUMENT); }
void SaveSaveFileAs(HWND dialog) { SaveDocumentAs(dialog, SAVE_DOCUMENT); }
void OverwriteSaveFile(HWND dialog) { OverwriteDocument(dialog, SAVE_DOCUMENT); }
void CloseSaveFile(HWND dialog) { CloseDocument(dialog, SAVE_DOCUMENT); }

void CloseOfficerEditor(HWND dialog) {
  const ImageDocument* const documents[] = {&SAVE_DOCUMENT};
  CloseProgram(dialog, documents);
}

void OpenRecentSaveFile(HWND dialog, int command) { OpenRecentDocument(dialog, SAVE_DOCUMENT, command); }
void OpenDroppedSaveFile(HWND dialog, HDROP drop) { OpenDroppedFile(dialog, SAVE_DOCUMENT, drop); }
void OpenCommandLineSaveFile(HWND dialog) { OpenCommandLineFile(dialog, SAVE_DOCUMENT); }
void ShowOfficerEditorTitle(HWND dialog) {
  ShowDocumentTitle(dialog, &g_officer_editor.save, g_officer_editor.save.dirty != 0);
}
