// Varnholt's File menu over its two images: the save file (open, save as, overwrite, close) and the
// scenario file (overwrite).
#include <windows.h>

#include "formats/choice_texts.h"
#include "item_editor.h"
#include "model/officer_edits.h"
#include "platform/win_text_boundary.h"
#include "varnholt_resource.h"
#include "win32/controls.h"
#include "win32/file_commands.h"
#include "win32/list_rows.h"
#include "win32/string_table.h"

namespace {

// The table's owner column comes or goes with the save file: the table is built again.
void ClearOwnerList(HWND dialog, bool refill_follows) {
  MarkTableStale(g_item_editor.table);
  ClearRows(GetDlgItem(dialog, IDC_ITEM_OWNER), CB_RESETCONTENT, refill_follows);
}

// The owner list: the full name of each roster officer in roster order, then "なし" (NO_OWNER).
void ShowLoadedSave(HWND dialog) {
  BuildOfficerRoster(ImageBytes(SAVE_SLOT), g_item_editor.roster, &g_item_editor.roster_positions);
  HWND owners = GetDlgItem(dialog, IDC_ITEM_OWNER);
  const OfficerRoster& roster = g_item_editor.roster;
  SetRedraw(owners, false);
  for (int32_t position = 0; position < roster.count; ++position) {
    InsertTextRow(owners, CB_INSERTSTRING, position,
                  OfficerFullName(ImageBytes(SAVE_SLOT), roster.ids[static_cast<size_t>(position)]));
  }
  const std::wstring nobody = WideFromUtf8(Utf8Text(NO_OWNER_NAME));
  SendMessageW(owners, CB_INSERTSTRING, roster.count, reinterpret_cast<LPARAM>(nobody.c_str()));
  SetRedraw(owners, true);
  ShowCurrentOwner(dialog);
}

// The scenario file is loaded at start-up and never closed: it has no view to clear or fill here.
void NoView(HWND) {}
void NoView(HWND, bool) {}

// Varnholt's boxes name the file they are about: it has two.
const ImageMessages ITEM_EDITOR_MESSAGES = {IDS_LOAD_FAILED, IDS_WRITE_FAILED, IDS_UNSAVED_CHANGES, true};

const ImageDocument DOCUMENTS[] = {
    {&Image(SCENARIO_SLOT), &ITEM_EDITOR_MESSAGES, NoView, NoView, &g_item_editor.steps, SCENARIO_SLOT},
    {&Image(SAVE_SLOT), &ITEM_EDITOR_MESSAGES, ClearOwnerList, ShowLoadedSave, &g_item_editor.steps, SAVE_SLOT},
};
const ImageDocument& SAVE_DOCUMENT = DOCUMENTS[SAVE_SLOT];

}  // namespace

bool LoadScenarioFile(HWND dialog) { return LoadDocument(dialog, DOCUMENTS[SCENARIO_SLOT]) == LoadResult::Loaded; }

void OpenSaveFile(HWND dialog) { OpenDocument(dialog, SAVE_DOCUMENT); }
void SaveSaveFileAs(HWND dialog) { SaveDocumentAs(dialog, SAVE_DOCUMENT); }
void OverwriteSaveFile(HWND dialog) { OverwriteDocument(dialog, SAVE_DOCUMENT); }
void CloseSaveFile(HWND dialog) { CloseDocument(dialog, SAVE_DOCUMENT); }
void OverwriteScenarioFile(HWND dialog) { OverwriteDocument(dialog, DOCUMENTS[SCENARIO_SLOT]); }

// The scenario file first, then the save file.
void CloseItemEditor(HWND dialog) {
  const ImageDocument* const documents[] = {&DOCUMENTS[SCENARIO_SLOT], &SAVE_DOCUMENT};
  CloseProgram(dialog, documents);
}

void OpenDroppedSaveFile(HWND dialog, HDROP drop) { OpenDroppedFile(dialog, SAVE_DOCUMENT, drop); }
void OpenCommandLineSaveFile(HWND dialog) { OpenCommandLineFile(dialog, SAVE_DOCUMENT); }

// The save file's name while one is open, else the scenario's; "*" while either holds unsaved
// changes, since both are stored by this window.
void ShowItemEditorTitle(HWND dialog) {
  const DataFileImage& save = Image(SAVE_SLOT);
  const DataFileImage& scenario = Image(SCENARIO_SLOT);
  ShowDocumentTitle(dialog, IsImageOpen(save) ? &save : &scenario, save.dirty != 0 || scenario.dirty != 0);
}
