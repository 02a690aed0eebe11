// Every command of Varnholt timed under Wine on its real dialog, beside its bare-toolkit baseline:
// the 255 items with a full save file (1000 officers) open, all items selected for the updates.
// Run: build/wine-run.sh build/win-x86_64/bench_varnholt_win.exe [runs]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench_table_win.h"
#include "bench_win.h"
#include "item_editor.h"
#include "sample_data.h"
#include "ui_driver.h"
#include "varnholt_resource.h"

namespace {

HWND g_dialog;
HWND List() { return GetDlgItem(g_dialog, IDC_ITEM_LIST); }

// The item list as the commands find it: `selected` rows (every row, or none), the caret on the
// current item, row 100 at the top; both images changed already, so that no command changes the
// title.
void SetUpList(HWND list, bool all_selected) {
  for (DataFileImage& image : g_item_editor.images) image.dirty = 1;
  ShowItemEditorTitle(g_dialog);
  SendMessageW(list, LB_SETSEL, all_selected ? TRUE : FALSE, -1);
  SendMessageW(list, LB_SETCARETINDEX, g_item_editor.current_item, FALSE);
  SendMessageW(list, LB_SETTOPINDEX, 100, 0);
}

// The fields an item shows: three edits' texts and four combo boxes' choices.
constexpr int VIEW_EDITS[] = {IDC_ITEM_NAME, IDC_ITEM_PRICE, IDC_ITEM_INCREASE};
constexpr int VIEW_COMBOS[] = {IDC_ITEM_TYPE, IDC_ITEM_IMAGE, IDC_ITEM_SKILL, IDC_ITEM_OWNER};
struct View {
  std::wstring texts[3];
  LRESULT choices[4];
};
View ReadView(HWND window) {
  View view;
  for (int i = 0; i < 3; ++i) view.texts[i] = WindowTextW(GetDlgItem(window, VIEW_EDITS[i]));
  for (int i = 0; i < 4; ++i) view.choices[i] = SendDlgItemMessageW(window, VIEW_COMBOS[i], CB_GETCURSEL, 0, 0);
  return view;
}
void ShowView(HWND window, const View& view) {
  for (int i = 0; i < 3; ++i) SetDlgItemTextW(window, VIEW_EDITS[i], view.texts[i].c_str());
  for (int i = 0; i < 4; ++i) SendDlgItemMessageW(window, VIEW_COMBOS[i], CB_SETCURSEL, view.choices[i], 0);
}

// An update command's input read, with the selection: an edit's text or a combo box's choice.
void ReadInput(HWND bare_list, HWND control, bool edit) {
  std::vector<int> rows(ITEM_COUNT);
  SendMessageW(bare_list, LB_GETSELITEMS, ITEM_COUNT, reinterpret_cast<LPARAM>(rows.data()));
  wchar_t text[64];
  if (edit) GetWindowTextW(control, text, 64);
  else SendMessageW(control, CB_GETCURSEL, 0, 0);
}

}  // namespace

// "show SECONDS" instead of the number of runs: the table window for a screenshot, no figures;
// "menu KEY": the dialog after a command, with the menu of access key KEY open.
int main(int argc, char** argv) {
  const bool show = argc > 2 && std::string(argv[1]) == "show";
  const bool menu = argc > 2 && std::string(argv[1]) == "menu";
  const int runs = argc > 1 && !show && !menu ? std::atoi(argv[1]) : 20;
  const ForgottenPlaces forgotten;
  TempFolder files;
  const std::vector<uint8_t> scenario = MakeSampleScenario(1), save = MakeFullRosterSave();
  WriteFileBytes(files.Path("D_SCE.S8"), scenario);
  WriteFileBytes(files.Path("FULL.sav"), save);
  const std::string ini = "[Init]\r\nPath=" + files.folder() + "\\\r\n";
  WriteFileBytes(files.Path("Kelpwood.ini"), std::vector<uint8_t>(ini.begin(), ini.end()));
  SetCurrentDirectoryW(WideOfUtf8(files.folder()).c_str());
  WindowAnswers answers;
  g_dialog = CreateItemDialog(GetModuleHandleW(nullptr));
  if (g_dialog == nullptr) {
    std::printf("the dialog could not be made\n");
    return 1;
  }
  SendMessageW(g_dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(files.Path("FULL.sav"))), 0);
  if (!IsImageOpen(g_item_editor.images[SAVE_SLOT]) || g_item_editor.roster.count != ROSTER_CAPACITY) {
    std::printf("the full save file did not open\n");
    return 1;
  }
  // The inputs of the update commands.
  SetWindowSjis(GetDlgItem(g_dialog, IDC_ITEM_NAME), "\x93\x53\x8c\x95");  // 鉄剣
  SetDlgItemTextW(g_dialog, IDC_ITEM_PRICE, L"500");
  SetDlgItemTextW(g_dialog, IDC_ITEM_INCREASE, L"5");
  for (int combo : {IDC_ITEM_TYPE, IDC_ITEM_IMAGE, IDC_ITEM_SKILL, IDC_ITEM_OWNER}) {
    SendDlgItemMessageW(g_dialog, combo, CB_SETCURSEL, 3, 0);
  }
  g_item_editor.current_item = 7;
  PumpMessages();

  if (menu) {
    std::printf("ANSI code page %u\n", GetACP());
    HWND list = GetDlgItem(g_dialog, IDC_ITEM_LIST);
    SendMessageW(list, LB_SETSEL, FALSE, -1);
    for (int row = 5; row < 10; ++row) SendMessageW(list, LB_SETSEL, TRUE, row);
    Command(g_dialog, IDC_ITEM_LIST, LBN_SELCHANGE);
    SetDlgItemTextW(g_dialog, IDC_ITEM_PRICE, L"550");
    Command(g_dialog, IDC_UPDATE_PRICE);
    ShowMenuForScreenshot(g_dialog, argv[2][0]);
  }
  if (show) {
    std::printf("ANSI code page %u\n", GetACP());
    ShowTableForScreenshot(g_dialog, g_item_editor.table, "売値<1000", IDC_UPDATE_PRICE, 4, std::atoi(argv[2]));
    for (int slot : {SCENARIO_SLOT, SAVE_SLOT}) g_item_editor.images[slot].dirty = 0;
    return 0;
  }
  BareWindow bare(g_dialog);
  HWND bare_list = bare.Copy(IDC_ITEM_LIST);
  for (int id : VIEW_EDITS) bare.Copy(id);
  for (int id : VIEW_COMBOS) bare.Copy(id);
  const HWND dialog = g_dialog, frame = bare.frame();

  auto command = [](int id) { return [id] { Command(g_dialog, id); }; };
  auto list_row = [&](const char* name, int id, bool all_selected, bool rows_change) {
    return ListCommandRow(name, List(), [all_selected] { SetUpList(List(), all_selected); }, command(id), rows_change,
                          bare_list);
  };
  auto list_from = [](bool all) { return [all] { SetUpList(List(), all); }; };
  std::vector<BenchRow> rows;

  // Selection change: the caret row's fields shown, alternating between two items.
  View views[2];
  for (int i = 0; i < 2; ++i) {
    SendMessageW(List(), LB_SETCARETINDEX, 10 + 100 * i, FALSE);
    Command(g_dialog, IDC_ITEM_LIST, LBN_SELCHANGE);
    views[i] = ReadView(g_dialog);
  }
  int flip = 0, bare_flip = 0;
  rows.push_back({"selection change (caret row's fields)", dialog,
                  [&] { SendMessageW(List(), LB_SETCARETINDEX, 10 + 100 * (flip ^= 1), FALSE); },
                  [] { Command(g_dialog, IDC_ITEM_LIST, LBN_SELCHANGE); },
                  "3 edit texts and 4 combo choices set", frame, nullptr,
                  [&] { ShowView(frame, views[bare_flip ^= 1]); }});
  g_item_editor.current_item = 7;
  rows.push_back(list_row("全選択, none to 255", IDC_SELECT_ALL, false, false));
  rows.push_back(list_row("反転, none to 255", IDC_INVERT_SELECTION, false, false));
  rows.push_back(list_row("名前 更新, 255 selected", IDC_UPDATE_NAME, true, true));
  struct Input {
    const char* name;
    int id, control;
  };
  for (const Input& input : {Input{"種類 更新, 255 selected", IDC_UPDATE_TYPE, IDC_ITEM_TYPE},
                             Input{"画像と解説 更新, 255 selected", IDC_UPDATE_IMAGE, IDC_ITEM_IMAGE},
                             Input{"売値 更新, 255 selected", IDC_UPDATE_PRICE, IDC_ITEM_PRICE},
                             Input{"増加値 更新, 255 selected", IDC_UPDATE_INCREASE, IDC_ITEM_INCREASE},
                             Input{"特技付与 更新, 255 selected", IDC_UPDATE_SKILL, IDC_ITEM_SKILL},
                             Input{"所有者 更新, 255 selected", IDC_UPDATE_OWNER, IDC_ITEM_OWNER}}) {
    const HWND control = GetDlgItem(frame, input.control);
    rows.push_back({input.name, dialog, list_from(true), command(input.id), "the input and the selection read",
                    frame, nullptr, [=] { ReadInput(bare_list, control, input.control == IDC_ITEM_PRICE || input.control == IDC_ITEM_INCREASE); }});
  }
  rows.push_back(list_row("全て更新, 255 selected", IDC_UPDATE_ALL, true, true));

  // 初期化 answered Yes at once; the baseline shows the same box, answered the same way.
  {
    BenchRow row = ListCommandRow(
        "初期化 answered Yes, 255 selected", List(),
        [&] {
          SetUpList(List(), true);
          answers.PressButton(IDYES);
        },
        command(IDC_INITIALIZE), true, bare_list);
    const View view = ReadView(g_dialog);
    row.baseline = "a Yes/No box, the list refilled, the fields shown";
    row.baseline_set_up = [&, refill = row.baseline_set_up] {
      refill();
      answers.PressButton(IDYES);
    };
    row.baseline_run = [&, frame, view, refill = row.baseline_run] {
      MessageBoxW(frame, L"全てのアイテムについて所有者以外の設定を初期状態に戻します。よろしいですか?", L"初期化",
                  MB_YESNO | MB_ICONQUESTION);
      refill();
      ShowView(frame, view);
    };
    rows.push_back(row);
  }

  // Undo and redo of the prices of every item (alternating between two values so that each start
  // has a step): the rows written anew, the list as the command found it, the current item's fields
  // shown; the baseline refills the list and shows the same fields.
  for (bool redo : {false, true}) {
    auto price_step = [redo] {
      static bool second = false;
      second = !second;
      SetUpList(List(), true);
      SetWindowTextW(GetDlgItem(g_dialog, IDC_ITEM_PRICE), second ? L"550" : L"500");
      Command(g_dialog, IDC_UPDATE_PRICE);
      if (redo) Command(g_dialog, ID_EDIT_UNDO);
    };
    BenchRow row = ListCommandRow(redo ? "やり直し (売値, 255 selected)" : "元に戻す (売値, 255 selected)", List(),
                                  price_step, command(redo ? ID_EDIT_REDO : ID_EDIT_UNDO), true, bare_list);
    const View view = ReadView(g_dialog);
    row.baseline = "the list refilled, the fields shown";
    row.baseline_run = [frame, view, refill = row.baseline_run] {
      refill();
      ShowView(frame, view);
    };
    rows.push_back(row);
  }

  // Stores of files changed since they were last stored: the other image unchanged, so that the
  // title loses its "*". The save file also once more as the first store after it was opened,
  // which keeps its backup.
  const std::wstring folder = WideOfUtf8(files.folder());
  const std::string save_path = files.Path("FULL.sav");
  auto changed_only = [](int slot) {
    return [slot] {
      for (int other : {SCENARIO_SLOT, SAVE_SLOT}) g_item_editor.images[other].dirty = other == slot;
      ShowItemEditorTitle(g_dialog);
    };
  };
  auto stored_before = [&](int slot, int id) {
    return [slot, id, mark = changed_only(slot)] {
      if (!g_item_editor.images[slot].disk.backed_up) Command(g_dialog, id);
      mark();
    };
  };
  rows.push_back(StoreRow("上書き保存 of the scenario (134,024 bytes)", dialog,
                          stored_before(SCENARIO_SLOT, ID_FILE_OVERWRITE_SCENARIO), command(ID_FILE_OVERWRITE_SCENARIO),
                          frame, folder + L"\\BARE.S8", scenario, false));
  rows.push_back(StoreRow("上書き保存 of the save (374,534 bytes)", dialog, stored_before(SAVE_SLOT, ID_FILE_OVERWRITE_SAVE),
                          command(ID_FILE_OVERWRITE_SAVE), frame, folder + L"\\BARE.sav", save, false));
  rows.push_back(StoreRow("上書き保存 of the save, the first after opening (with its backup)", dialog,
                          [save_path, mark = changed_only(SAVE_SLOT)] {
                            g_item_editor.images[SAVE_SLOT].dirty = 0;
                            SendMessageW(g_dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(save_path)), 0);
                            mark();
                          },
                          command(ID_FILE_OVERWRITE_SAVE), frame, folder + L"\\BARE.sav", save, true));
  // セーブデータの新規保存 after its file dialog, to a name other than the one open.
  {
    const auto copies = std::make_shared<int>(0);
    const std::wstring copy_paths[] = {folder + L"\\COPY1.sav", folder + L"\\COPY2.sav"};
    BenchRow row = StoreRow("新規保存 of the save after its dialog (374,534 bytes)", dialog, changed_only(SAVE_SLOT),
                            [copies, copy_paths] { SaveSaveFileTo(g_dialog, copy_paths[(*copies)++ % 2].c_str()); },
                            frame, folder + L"\\BARE.sav", save, false);
    rows.push_back(row);
  }
  // Opening a save file (dropped: the open command without its file dialog).
  {
    const std::string& path = save_path;
    const std::wstring wide_path = WideOfUtf8(path);
    const auto buffer = std::make_shared<std::vector<uint8_t>>(save.size());
    HWND bare_owners = GetDlgItem(frame, IDC_ITEM_OWNER);
    std::vector<std::wstring> owner_texts;
    for (int row = 0; row < ROSTER_CAPACITY + 1; ++row) {
      std::wstring text(static_cast<size_t>(SendMessageW(bare_owners, CB_GETLBTEXTLEN, row, 0)) + 1, L'\0');
      text.resize(static_cast<size_t>(SendMessageW(bare_owners, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(text.data()))));
      owner_texts.push_back(text);
    }
    const LRESULT owner_choice = SendDlgItemMessageW(g_dialog, IDC_ITEM_OWNER, CB_GETCURSEL, 0, 0);
    rows.push_back({"save file opened again (dropped)", dialog,
                    [path] { SendMessageW(g_dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(path)), 0); },
                    [path] { SendMessageW(g_dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(path)), 0); },
                    "file read, owner list refilled", frame, nullptr, [=] {
                      ReadByHandle(wide_path, *buffer);
                      SendMessageW(bare_owners, WM_SETREDRAW, FALSE, 0);
                      SendMessageW(bare_owners, CB_RESETCONTENT, 0, 0);
                      for (size_t row = 0; row < owner_texts.size(); ++row) {
                        SendMessageW(bare_owners, CB_INSERTSTRING, row, reinterpret_cast<LPARAM>(owner_texts[row].c_str()));
                      }
                      SendMessageW(bare_owners, WM_SETREDRAW, TRUE, 0);
                      InvalidateRect(bare_owners, nullptr, TRUE);
                      SendMessageW(bare_owners, CB_SETCURSEL, owner_choice, 0);
                    }});
    // Another save file, in which every officer has the next one's name, open before: every row of
    // the owner list is written anew, and the recent files change (reopening a file rewrites only
    // the names that differ).
    const std::string other_path = files.Path("OTHER.sav");
    std::vector<uint8_t> other = save;
    OfficerRoster roster;
    BuildOfficerRoster(save, roster);
    for (int32_t k = 0; k < roster.count; ++k) {
      const OfficerId from = roster.ids[static_cast<size_t>((k + 1) % roster.count)];
      std::memcpy(other.data() + NameRecordOffset(roster.ids[static_cast<size_t>(k)]), save.data() + NameRecordOffset(from),
                  NAME_RECORD_SIZE);
    }
    WriteFileBytes(other_path, other);
    BenchRow row = rows.back();
    row.command = "save file opened after another (dropped), every name differs";
    row.set_up = [other_path] {
      SendMessageW(g_dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(other_path)), 0);
    };
    rows.push_back(row);
  }

  // The table window, with the owners of the save file: the rows above run with it closed.
  for (BenchRow& row : rows) {
    row.set_up = [set_up = row.set_up] {
      CloseTableWindow(g_item_editor.table);
      if (set_up) set_up();
    };
  }
  const std::vector<BenchRow> table_rows = TableRows(
      {g_dialog, &g_item_editor.table, &g_item_editor.steps, 4, L"売値<1000", {1}, "売値 更新, 255 selected",
       [] {
         static bool second = false;
         second = !second;
         SetUpList(List(), true);
         SetWindowTextW(GetDlgItem(g_dialog, IDC_ITEM_PRICE), second ? L"550" : L"500");
         Command(g_dialog, IDC_UPDATE_PRICE);
       },
       IDC_UPDATE_PRICE});
  rows.insert(rows.end(), table_rows.begin(), table_rows.end());

  std::printf("Varnholt under Wine: 255 items, a save file of %d officers open\n\n", ROSTER_CAPACITY);
  const int missed = RunBenchTable(rows, runs);
  answers.TakeSeen();
  for (int slot : {SCENARIO_SLOT, SAVE_SLOT}) g_item_editor.images[slot].dirty = 0;
  DestroyWindow(g_dialog);
  PumpMessages();
  return missed == 0 ? 0 : 2;
}
