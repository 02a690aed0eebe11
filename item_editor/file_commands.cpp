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
#include "win32/remembered_places.h"
#include "win32/string_table.h"

namespace {

// The owner list's rows as last written: a save file opened after another (or again) rewrites only
// the names that differ.
std::vector<std::string> g_owner_rows;

// The table's owner column comes or goes with the save file: the table is built again. The rows
// stay while a new file's names follow (ShowLoadedSave), so that only the names that differ are
// written again.
void ClearOwnerList(HWND dialog, bool refill_follows) {
  MarkTableStale(g_item_editor.table);
  HWND owners = GetDlgItem(dialog, IDC_ITEM_OWNER);
  if (refill_follows) {
    SetRedraw(owners, false);
    return;
  }
  ClearRows(owners, CB_RESETCONTENT, false);
  g_owner_rows.clear();
}

// "なし" in code page 932, as the other rows come.
std::string_view NobodyText() {
  static const std::string bytes = [] {
    std::string text;
    Cp932FromWide(WideFromUtf8(Utf8Text(NO_OWNER_NAME)), text);
    return text;
  }();
  return bytes;
}

// The owner list: the full name of each roster officer in roster order, then "なし" (NO_OWNER).
void ShowLoadedSave(HWND dialog) {
  BuildOfficerRoster(ImageBytes(SAVE_SLOT), g_item_editor.roster, &g_item_editor.roster_positions);
  HWND owners = GetDlgItem(dialog, IDC_ITEM_OWNER);
  const OfficerRoster& roster = g_item_editor.roster;
  SetRedraw(owners, false);
  std::vector<std::string_view> rows(static_cast<size_t>(roster.count) + 1, NobodyText());
  for (int32_t position = 0; position < roster.count; ++position) {
    rows[static_cast<size_t>(position)] = OfficerFullName(ImageBytes(SAVE_SLOT), roster.ids[static_cast<size_t>(position)]);
  }
  ShowTextRows(owners, true, rows, g_owner_rows);
  SetRedraw(owners, true);
  ShowCurrentOwner(dialog);
}

// The scenario file is loaded at start-up and never closed: it has no view to clear or fill here.
void NoView(HWND) {}
void NoView(HWND, bool) {}

// The scenario file is stored only where it is: it has no 名前を付けて保存.
const ImageMessages SCENARIO_MESSAGES = {IDS_LOAD_FAILED, IDS_WRITE_FAILED, IDS_UNSAVED_CHANGES, false};
const ImageMessages SAVE_MESSAGES = {IDS_LOAD_FAILED, IDS_WRITE_FAILED, IDS_UNSAVED_CHANGES, true};

const ImageDocument DOCUMENTS[] = {
    {&Image(SCENARIO_SLOT), &SCENARIO_MESSAGES, NoView, NoView, &g_item_editor.steps, SCENARIO_SLOT},
    {&Image(SAVE_SLOT), &SAVE_MESSAGES, ClearOwnerList, ShowLoadedSave, &g_item_editor.steps, SAVE_SLOT},
};
const ImageDocument& SAVE_DOCUMENT = DOCUMENTS[SAVE_SLOT];

}  // namespace

bool LoadScenarioFile(HWND dialog, const std::wstring& note) {
  return LoadDocument(dialog, DOCUMENTS[SCENARIO_SLOT], note) == LoadResult::Loaded;
}

void OpenSaveFile(HWND dialog) { OpenDocument(dialog, SAVE_DOCUMENT); }
void SaveSaveFileAs(HWND dialog) { SaveDocumentAs(dialog, SAVE_DOCUMENT); }
void SaveSaveFileTo(HWND dialog, const wchar_t* path) { SaveDocumentTo(dialog, SAVE_DOCUMENT, path); }
void OverwriteSaveFile(HWND dialog) { OverwriteDocument(dialog, SAVE_DOCUMENT); }
void CloseSaveFile(HWND dialog) { CloseDocument(dialog, SAVE_DOCUMENT); }
void OverwriteScenarioFile(HWND dialog) { OverwriteDocument(dialog, DOCUMENTS[SCENARIO_SLOT]); }

// The scenario file first, then the save file.
void CloseItemEditor(HWND dialog) {
  const ImageDocument* const documents[] = {&DOCUMENTS[SCENARIO_SLOT], &SAVE_DOCUMENT};
  CloseProgram(dialog, documents);
}

void OpenRecentSaveFile(HWND dialog, int command) { OpenRecentDocument(dialog, SAVE_DOCUMENT, command); }
void OpenDroppedSaveFile(HWND dialog, HDROP drop) { OpenDroppedFile(dialog, SAVE_DOCUMENT, drop); }
void OpenCommandLineSaveFile(HWND dialog) { OpenCommandLineFile(dialog, SAVE_DOCUMENT); }

// Both files' names, each marked when it holds unsaved changes: "D_SCE.S8* / work3.sav - Varnholt".
void ShowItemEditorTitle(HWND dialog) {
  const DataFileImage* const images[] = {&Image(SCENARIO_SLOT), &Image(SAVE_SLOT)};
  ShowDocumentsTitle(dialog, images);
}

// Ctrl+S: the save file when one is open and changed, else the scenario file.
bool StoresSaveFile() { return IsImageOpen(Image(SAVE_SLOT)) && Image(SAVE_SLOT).dirty != 0; }
void StoreChangedFile(HWND dialog) {
  if (StoresSaveFile()) {
    OverwriteSaveFile(dialog);
  } else {
    OverwriteScenarioFile(dialog);
  }
}

namespace {

// The entry's text as the menu resource gives it, with "\tCtrl+S" after it when `key`.
void ShowKeyHint(HMENU menu, UINT id, bool key) {
  wchar_t shown[128] = L"";
  GetMenuStringW(menu, id, shown, 128, MF_BYCOMMAND);
  std::wstring text = shown;
  text = text.substr(0, text.find(L'\t'));
  if (key) text += L"\tCtrl+S";
  if (text != shown) ModifyMenuW(menu, id, MF_BYCOMMAND | MF_STRING, id, text.c_str());
}

}  // namespace

void ShowStoreKey(HWND dialog) {
  static HMENU shown_menu = nullptr;  // the menu and the entry it shows the key beside
  static bool shown_save = false;
  HMENU menu = GetMenu(dialog);
  if (menu == nullptr) return;
  const bool save = StoresSaveFile();
  if (menu == shown_menu && save == shown_save) return;
  shown_menu = menu;
  shown_save = save;
  ShowKeyHint(menu, ID_FILE_OVERWRITE_SAVE, save);
  ShowKeyHint(menu, ID_FILE_OVERWRITE_SCENARIO, !save);
}
