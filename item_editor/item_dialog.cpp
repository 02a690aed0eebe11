// Varnholt's dialog: start-up through the ini file, the command dispatch, closing, and the owner
// list's kana quick-jump.
#include <windows.h>

#include <string>
#include <span>

#include <shellapi.h>

#include "formats/choice_texts.h"
#include "formats/ini_paths.h"
#include "formats/step_records.h"
#include "item_editor.h"
#include "platform/win_text_boundary.h"
#include "release_resources.h"
#include "varnholt_resource.h"
#include "win32/about_box.h"
#include "win32/controls.h"
#include "win32/file_commands.h"
#include "win32/image_dialogs.h"
#include "win32/kana_binding.h"
#include "win32/remembered_places.h"
#include "win32/shared_strings.h"
#include "win32/status_line.h"
#include "win32/string_table.h"

namespace {

uint8_t g_scenario_bytes[SCENARIO_FILE_LENGTH];
uint8_t g_save_bytes[SAVE_FILE_LENGTH];

// The longest ini file read: far more than a few keys need.
constexpr size_t INI_FILE_LIMIT = 1 << 20;

// The ini file's value as a path. A Japanese user's ini file is Shift-JIS; one saved as UTF-8 or
// UTF-16 says so by its byte order mark. The file is read here, not through the system's profile
// functions, which would read Shift-JIS through the system's own code page.
enum class IniRead { Unreadable, NoPath, Found };
IniRead ReadIniDirectory(const PathChar* ini_path, std::wstring& directory) {
  std::string bytes;
  const WholeReadResult read = ReadWholeFile(ini_path, INI_FILE_LIMIT, bytes);
  if (read == WholeReadResult::CannotOpen) return IniRead::Unreadable;
  if (read == WholeReadResult::TooLarge) bytes.resize(INI_FILE_LIMIT);  // its start is read
  bool utf8 = bytes.starts_with("\xEF\xBB\xBF");
  if (bytes.starts_with("\xFF\xFE")) {
    bytes = Utf8FromWide(std::wstring_view(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2));
    utf8 = true;
  }
  std::string value;
  if (!FindIniValue(bytes, INI_SECTION, INI_INSTALL_PATH_KEY, value)) return IniRead::NoPath;
  directory = utf8 ? WideFromUtf8(value) : WideFromCp932(value);
  return IniRead::Found;
}

// Where the game's install directory came from, for the message when its scenario file cannot be
// read.
struct InstallDirectory {
  std::wstring directory;
  std::wstring ini_path;  // empty when the current directory is too long for it
  bool from_ini = false;  // the ini file named it; else the default was taken
  bool ini_read = false;  // the ini file could be read (its key may still be missing)
};

// The game's install directory named by "Kelpwood.ini" in the current directory, or the default
// one when the ini file or its key is missing. A current directory too long for the ini path to
// fit counts as a missing ini file.
InstallDirectory ReadInstallDirectory() {
  PathChar current[PATH_CAPACITY];
  PathChar ini_path[PATH_CAPACITY];
  InstallDirectory found;
  found.directory = DEFAULT_INSTALL_DIRECTORY;
  const DWORD length = GetCurrentDirectoryW(PATH_CAPACITY, current);
  if (length == 0 || length >= PATH_CAPACITY || !ComposeIniPath(current, ini_path)) return found;
  found.ini_path = ini_path;
  std::wstring directory;
  const IniRead read = ReadIniDirectory(ini_path, directory);
  found.ini_read = read != IniRead::Unreadable;
  found.from_ini = read == IniRead::Found;
  if (found.from_ini) found.directory = directory;
  return found;
}

// What the message about an unreadable scenario file adds: which ini file named the directory
// tried, or why the default was tried.
std::wstring IniNote(const InstallDirectory& found) {
  const std::wstring ini = found.ini_path.empty() ? std::wstring(INI_FILE_NAME) : found.ini_path;
  if (found.from_ini) return FormatText(IDS_INI_NAMED_DIRECTORY, {ini, found.directory});
  return FormatText(found.ini_read ? IDS_INI_WITHOUT_PATH : IDS_INI_MISSING, {ini, found.directory});
}

// Puts the scenario file's path into slot 0. A path that does not fit counts as an unreadable
// scenario file: the read failure is shown with the whole path that was meant, and false returned.
bool LocateScenarioFile(HWND dialog, const InstallDirectory& found) {
  const std::wstring& directory = found.directory;
  PathChar* path = Image(SCENARIO_SLOT).path;
  if (directory.size() < PATH_CAPACITY &&
      ComposeScenarioPath(directory.c_str(), Image(SCENARIO_SLOT).path) == ScenarioPathResult::Composed) {
    return true;
  }
  path[0] = L'\0';
  const wchar_t* separator = EndsWithSeparator(directory.c_str()) ? L"" : L"\\";
  ShowWarningText(dialog, directory + separator + SCENARIO_FILE_NAME + L"\n" + LoadText(IDS_LOAD_FAILED) + L"\n\n" +
                              IniNote(found));
  return false;
}

// Both slots as the program starts: their sizes and buffers, no save file, nothing changed.
void ResetImages() {
  DataFileImage& scenario = Image(SCENARIO_SLOT);
  DataFileImage& save = Image(SAVE_SLOT);
  scenario = {{}, SCENARIO_FILE_LENGTH, g_scenario_bytes, 0, {}};
  save = {{}, SAVE_FILE_LENGTH, g_save_bytes, 0, {}};
}

// The most characters the edits take (the handlers cut what they read to whole bytes).
const EditLimit EDIT_LIMITS[] = {{IDC_ITEM_NAME, ITEM_NAME_WIDTH - 1},
                                 {IDC_ITEM_PRICE, PRICE_DIGITS},
                                 {IDC_ITEM_INCREASE, INCREASE_DIGITS}};

// WM_INITDIALOG, told where to say how start-up ended. When the scenario file cannot be read the
// failure has been shown; the dialog stays hidden and CreateItemDialog destroys it.
BOOL StartItemEditor(HWND dialog, ItemEditorStart& start) {
  ResetImages();
  g_item_editor.current_item = 0;
  const InstallDirectory found = ReadInstallDirectory();
  if (!LocateScenarioFile(dialog, found) || !LoadScenarioFile(dialog, IniNote(found))) {
    start = ItemEditorStart::ScenarioUnreadable;
    return FALSE;
  }
  start = ItemEditorStart::Running;
  HWND list = GetDlgItem(dialog, IDC_ITEM_LIST);
  SetRedraw(list, false);
  for (int32_t item = 0; item < ITEM_COUNT; ++item) InsertItemRow(list, item);
  SetRedraw(list, true);
  SendMessageW(list, LB_SETSEL, TRUE, 0);

  FillComboBox(dialog, IDC_ITEM_TYPE, ITEM_TYPE_NAMES);
  FillComboBox(dialog, IDC_ITEM_IMAGE, ITEM_IMAGE_NAMES);
  FillComboBox(dialog, IDC_ITEM_SKILL, ITEM_SKILL_NAMES);
  LimitEdits(dialog, EDIT_LIMITS);
  BindKanaJump(GetDlgItem(dialog, IDC_ITEM_OWNER), g_item_editor.owner_jump);
  DragAcceptFiles(dialog, TRUE);
  ShowProgramIcon(dialog, IDI_PROGRAM);
  CreateStatusLine(dialog);
  ShowItemEditorState(dialog);
  ShowCurrentItem(dialog);  // no owner: no save file is open yet
  RestorePlaces(dialog, ID_FILE_IMPORT_CSV);
  ShowWindow(dialog, SW_SHOW);
  return TRUE;
}

// Buttons and menu items run for any notification; the item list only for a selection change.
BOOL RunItemCommand(HWND dialog, int id, int code) {
  switch (id) {
    case IDC_ITEM_LIST:
      if (code != LBN_SELCHANGE) return FALSE;
      ChangeCurrentItem(dialog);
      return TRUE;
    case IDC_SELECT_ALL:
    case ID_EDIT_SELECT_ALL: SelectAllItems(dialog); return TRUE;
    case IDC_INVERT_SELECTION: InvertItemSelection(dialog); return TRUE;
    case IDC_UPDATE_NAME: UpdateItemName(dialog); return TRUE;
    case IDC_UPDATE_TYPE: UpdateItemType(dialog); return TRUE;
    case IDC_UPDATE_IMAGE: UpdateItemImage(dialog); return TRUE;
    case IDC_UPDATE_PRICE: UpdateItemPrice(dialog); return TRUE;
    case IDC_UPDATE_INCREASE: UpdateItemIncrease(dialog); return TRUE;
    case IDC_UPDATE_SKILL: UpdateItemSkill(dialog); return TRUE;
    case IDC_UPDATE_OWNER: UpdateItemOwner(dialog); return TRUE;
    case IDC_INITIALIZE: InitializeItems(dialog); return TRUE;
    case IDC_UPDATE_ALL: UpdateAllFields(dialog); return TRUE;
    case IDC_QUIT: SendMessageW(dialog, WM_CLOSE, 0, 0); return TRUE;
    case ID_FILE_OPEN_SAVE: OpenSaveFile(dialog); return TRUE;
    case ID_FILE_SAVE_SAVE_AS: SaveSaveFileAs(dialog); return TRUE;
    case ID_FILE_OVERWRITE_SAVE: OverwriteSaveFile(dialog); return TRUE;
    case ID_FILE_CLOSE_SAVE: CloseSaveFile(dialog); return TRUE;
    case ID_FILE_OVERWRITE_SCENARIO: OverwriteScenarioFile(dialog); return TRUE;
    case ID_FILE_STORE_CHANGED: StoreChangedFile(dialog); return TRUE;
    case ID_FILE_EXPORT_CSV: ExportItemsToCsv(dialog); return TRUE;
    case ID_FILE_IMPORT_CSV: ImportItemsFromCsv(dialog); return TRUE;
    case ID_FILE_RECENT_FIRST:
    case ID_FILE_RECENT_FIRST + 1:
    case ID_FILE_RECENT_FIRST + 2:
    case ID_FILE_RECENT_LAST: OpenRecentSaveFile(dialog, id); return TRUE;
    case ID_EDIT_UNDO: UndoStep(dialog, g_item_editor.steps); return TRUE;
    case ID_EDIT_REDO: RedoStep(dialog, g_item_editor.steps); return TRUE;
    case ID_HELP_ABOUT: ShowAboutBox(dialog, IDI_PROGRAM); return TRUE;
    case ID_VIEW_TABLE: OpenTableWindow(dialog, g_item_editor.table); return TRUE;
    case ID_VIEW_FILTER: FocusTableFilter(dialog, g_item_editor.table); return TRUE;
    default: return FALSE;  // IDOK and IDCANCEL included: Enter and Esc do nothing
  }
}

// The commands that change an image, by the name the Edit menu gives their steps.
UINT StepName(int32_t command) {
  switch (command) {
    case IDC_UPDATE_NAME: return IDS_ITEM_NAME_LABEL;
    case IDC_UPDATE_TYPE: return IDS_STEP_TYPE;
    case IDC_UPDATE_IMAGE: return IDS_STEP_IMAGE;
    case IDC_UPDATE_PRICE: return IDS_PRICE_LABEL;
    case IDC_UPDATE_INCREASE: return IDS_INCREASE_LABEL;
    case IDC_UPDATE_SKILL: return IDS_STEP_SKILL;
    case IDC_UPDATE_OWNER: return IDS_STEP_OWNER;
    case IDC_UPDATE_ALL: return IDS_STEP_UPDATE_ALL;
    case IDC_INITIALIZE: return IDS_INITIALIZE_CAPTION;
    case ID_FILE_IMPORT_CSV: return IDS_STEP_IMPORT_CSV;
    default: return 0;
  }
}

int32_t ItemsChanged(const EditStep& step) { return ItemsInStep(step, SCENARIO_SLOT, SAVE_SLOT); }

// What a kept step set, for the status line: the field and the value its control shows; 全て更新,
// 初期化 and an import are told by their name.
StepReport ReportStep(HWND dialog, int32_t command) {
  struct Entry {
    int32_t command;
    int input;
  };
  static const Entry ENTRIES[] = {{IDC_UPDATE_NAME, IDC_ITEM_NAME},         {IDC_UPDATE_TYPE, IDC_ITEM_TYPE},
                                  {IDC_UPDATE_IMAGE, IDC_ITEM_IMAGE},       {IDC_UPDATE_PRICE, IDC_ITEM_PRICE},
                                  {IDC_UPDATE_INCREASE, IDC_ITEM_INCREASE}, {IDC_UPDATE_SKILL, IDC_ITEM_SKILL},
                                  {IDC_UPDATE_OWNER, IDC_ITEM_OWNER}};
  for (const Entry& entry : ENTRIES) {
    if (entry.command == command) {
      return {LoadText(StepName(command)), ShownText(dialog, entry.input), command == IDC_UPDATE_NAME};
    }
  }
  return {};
}

}  // namespace

ItemEditorState g_item_editor = {
    {{{}, SCENARIO_FILE_LENGTH, g_scenario_bytes, 0, {}}, {{}, SAVE_FILE_LENGTH, g_save_bytes, 0, {}}},
    0,
    {},
    {},
    {nullptr, JumpOwnerList},
    {{}, g_item_editor.images, CaptureItemView, ShowItemView, ItemsChanged, StepName, IDS_ITEM_COUNT, ReportStep},
    {&ITEM_TABLE}};

// After every command: the title, the File menu's Ctrl+S, the Edit menu and the selection's count.
void ShowItemEditorState(HWND dialog) {
  ShowItemEditorTitle(dialog);
  ShowStoreKey(dialog);
  ShowEditMenu(dialog, g_item_editor.steps);
  ShowSelectionStatus(dialog, IDC_ITEM_LIST);
}

HWND CreateItemDialog(HINSTANCE instance, ItemEditorStart* start) {
  ItemEditorStart started = ItemEditorStart::NoWindow;
  HWND dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_DIALOG1), nullptr, ItemDialogProc,
                                   reinterpret_cast<LPARAM>(&started));
  if (dialog != nullptr && started != ItemEditorStart::Running) {
    DestroyWindow(dialog);
    dialog = nullptr;
  }
  if (start != nullptr) *start = dialog != nullptr ? ItemEditorStart::Running : started;
  return dialog;
}

INT_PTR CALLBACK ItemDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_INITDIALOG: return StartItemEditor(dialog, *reinterpret_cast<ItemEditorStart*>(lparam));
    case WM_COMMAND: {
      BOOL handled = FALSE;
      RunAsStep(dialog, g_item_editor.steps, LOWORD(wparam),
                [&] { handled = RunItemCommand(dialog, LOWORD(wparam), HIWORD(wparam)); });
      RefreshTableAfterCommand(g_item_editor.table, g_item_editor.steps, LOWORD(wparam));
      ShowItemEditorState(dialog);
      return handled;
    }
    case WM_DROPFILES:
      OpenDroppedSaveFile(dialog, reinterpret_cast<HDROP>(wparam));
      RefreshTableAfterCommand(g_item_editor.table, g_item_editor.steps, 0);
      ShowItemEditorState(dialog);
      return TRUE;
    case WM_CLOSE: CloseItemEditor(dialog); return TRUE;
    default: return FALSE;
  }
}

// A kana key released over the owner list jumps to the next block of officers with that initial
// and makes the found officer the current choice; the item's owner changes only by its update
// button.
bool JumpOwnerList(HWND combo, WPARAM key) {
  const OfficerRoster& roster = g_item_editor.roster;
  ComboBoxKanaJump jump(combo, OpenImageBytes(Image(SAVE_SLOT)),
                        std::span<const OfficerId>(roster.ids.data(), static_cast<size_t>(roster.count)));
  return KanaJump(jump, key);
}
