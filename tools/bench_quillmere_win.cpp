// Every command of Quillmere timed under Wine on its real dialog, beside its bare-toolkit baseline:
// a save file whose roster is full (1000 officers), all of them selected for the updates.
// Run: build/wine-run.sh build/win-x86_64/bench_quillmere_win.exe [runs]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench_table_win.h"
#include "bench_win.h"
#include "officer_editor.h"
#include "quillmere_resource.h"
#include "ui_driver.h"

namespace {

HWND g_dialog;
HWND List() { return GetDlgItem(g_dialog, IDC_OFFICER_LIST); }

// The officer list as the commands find it: every row selected or none, row 400 at the top; the
// image changed already, so that no command changes the title.
void SetUpList(bool all_selected) {
  g_officer_editor.save.dirty = 1;
  ShowOfficerEditorTitle(g_dialog);
  SendMessageW(List(), LB_SETSEL, all_selected ? TRUE : FALSE, -1);
  SendMessageW(List(), LB_SETTOPINDEX, 400, 0);
}

// The list in id order with every seventh row selected from row 3, as before a sort.
void SetUpSort() {
  SetUpList(false);
  Command(g_dialog, ID_SORT_BY_ID);
  SendMessageW(List(), LB_SETSEL, FALSE, -1);
  for (int row = 3; row < ROSTER_CAPACITY; row += 7) SendMessageW(List(), LB_SETSEL, TRUE, row);
  SendMessageW(List(), LB_SETTOPINDEX, 400, 0);
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
  const std::vector<uint8_t> save = MakeFullRosterSave();
  const std::string path = files.Path("FULL.sav");
  WriteFileBytes(path, save);
  WindowAnswers answers;
  g_dialog = CreateOfficerDialog(GetModuleHandleW(nullptr));
  if (g_dialog == nullptr) {
    std::printf("the dialog could not be made\n");
    return 1;
  }
  auto open = [path] { SendMessageW(g_dialog, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(path)), 0); };
  open();
  if (g_officer_editor.roster.count != ROSTER_CAPACITY) {
    std::printf("the full save file did not open\n");
    return 1;
  }
  // The inputs of the update commands.
  const struct {
    int control;
    const char* sjis;
  } inputs[] = {{IDC_FAMILY_NAME, "\x92\xa3"}, {IDC_GIVEN_NAME, "\x94\xf2"},       {IDC_COURTESY_NAME, "\x89\x76\x93\xbf"},
                {IDC_READING, "\x82\xbf\x82\xe5\x82\xa4\x82\xd0"},                  {IDC_FACE_NUMBER, "300"},
                {IDC_BIRTH_YEAR, "180"},       {IDC_LIFE_SPAN, "5"},            {IDC_LOYALTY, "90"},
                {IDC_ABILITY_VALUE, "95"}};  // 張 飛 益徳 ちょうひ
  for (const auto& input : inputs) SetWindowSjis(GetDlgItem(g_dialog, input.control), input.sjis);
  SendDlgItemMessageW(g_dialog, IDC_NO_AGING, BM_SETCHECK, BST_UNCHECKED, 0);
  PumpMessages();

  if (menu) {
    std::printf("ANSI code page %u\n", GetACP());
    HWND list = GetDlgItem(g_dialog, IDC_OFFICER_LIST);
    SendMessageW(list, LB_SETSEL, FALSE, -1);
    for (int row = 0; row < 12; ++row) SendMessageW(list, LB_SETSEL, TRUE, row);
    Command(g_dialog, IDC_OFFICER_LIST, LBN_SELCHANGE);
    SetDlgItemTextW(g_dialog, IDC_LOYALTY, L"80");
    Command(g_dialog, IDC_SET_LOYALTY);
    ShowMenuForScreenshot(g_dialog, argv[2][0]);
  }
  if (show) {
    std::printf("ANSI code page %u\n", GetACP());
    answers.PressButton(IDOK);  // the officers from 899 on are left out of the loyalty
    ShowTableForScreenshot(g_dialog, g_officer_editor.table, "武力>=60", IDC_SET_LOYALTY, 9, std::atoi(argv[2]));
    g_officer_editor.save.dirty = 0;
    return 0;
  }
  BareWindow bare(g_dialog);
  HWND bare_list = bare.Copy(IDC_OFFICER_LIST);
  for (const auto& input : inputs) bare.Copy(input.control);
  const HWND frame = bare.frame();

  auto command = [](int id) { return [id] { Command(g_dialog, id); }; };
  std::vector<BenchRow> rows;
  for (const auto& [name, id] : {std::pair{"ID順, 143 selected", ID_SORT_BY_ID}, std::pair{"ルビ順, 143 selected", ID_SORT_BY_READING},
                                 std::pair{"逆順, 143 selected", ID_SORT_REVERSE}}) {
    rows.push_back(ListCommandRow(name, List(), SetUpSort, command(id), true, bare_list));
  }
  rows.push_back(ListCommandRow("全て選択, none to 1000", List(), [] { SetUpList(false); }, command(IDC_SELECT_ALL), false, bare_list));
  rows.push_back(ListCommandRow("反転, none to 1000", List(), [] { SetUpList(false); }, command(IDC_INVERT_SELECTION), false, bare_list));
  rows.push_back(ListCommandRow("姓 更新, 1000 selected", List(), [] { SetUpList(true); }, command(IDC_SET_FAMILY_NAME), true, bare_list));
  rows.push_back(ListCommandRow("名 更新, 1000 selected", List(), [] { SetUpList(true); }, command(IDC_SET_GIVEN_NAME), true, bare_list));

  // Undo and redo of a command over every officer (the face number, alternating between two values
  // so that each start has a step): the rows written anew and the list shown as the command found it.
  auto face_step = [](bool undone) {
    return [undone] {
      static bool second = false;
      second = !second;
      SetUpList(true);
      SetWindowSjis(GetDlgItem(g_dialog, IDC_FACE_NUMBER), second ? "301" : "300");
      Command(g_dialog, IDC_SET_FACE_NUMBER);
      if (undone) Command(g_dialog, ID_EDIT_UNDO);
    };
  };
  rows.push_back(ListCommandRow("元に戻す (顔番号, 1000 selected)", List(), face_step(false), command(ID_EDIT_UNDO), true, bare_list));
  rows.push_back(ListCommandRow("やり直し (顔番号, 1000 selected)", List(), face_step(true), command(ID_EDIT_REDO), true, bare_list));

  // The commands that change no row: the baseline reads the input and the selection. Those that
  // leave out officers whose fields lie in the name table say so in a box, answered at once; the
  // baseline shows the same box.
  struct Input {
    const char* name;
    int id, control;
  };
  for (const Input& input : {Input{"字 更新", IDC_SET_COURTESY_NAME, IDC_COURTESY_NAME}, Input{"ルビ 更新", IDC_SET_READING, IDC_READING},
                             Input{"顔番号 更新", IDC_SET_FACE_NUMBER, IDC_FACE_NUMBER},
                             Input{"誕生年 更新", IDC_SET_BIRTH_YEAR, IDC_BIRTH_YEAR},
                             Input{"寿命 更新", IDC_SET_LIFE_SPAN, IDC_LIFE_SPAN}, Input{"忠誠 更新", IDC_SET_LOYALTY, IDC_LOYALTY},
                             Input{"能力 更新", IDC_SET_ABILITY, IDC_ABILITY_VALUE}, Input{"特技 更新", IDC_SET_SKILL, 0},
                             Input{"戦法 更新", IDC_SET_TACTIC_RANK, 0}}) {
    SetUpList(true);
    answers.PressButton(IDOK);
    Command(g_dialog, input.id);
    const std::vector<SeenWindow> seen = answers.TakeSeen();
    answers.DropAnswers();
    const HWND control = input.control != 0 ? GetDlgItem(frame, input.control) : nullptr;
    BenchRow row{std::string(input.name) + ", 1000 selected", g_dialog, [] { SetUpList(true); }, command(input.id),
                 "the input and the selection read", frame, nullptr, [=] {
                   std::vector<int> rows(ROSTER_CAPACITY);
                   SendMessageW(bare_list, LB_GETSELITEMS, ROSTER_CAPACITY, reinterpret_cast<LPARAM>(rows.data()));
                   wchar_t text[64];
                   if (control != nullptr) GetWindowTextW(control, text, 64);
                 }};
    if (!seen.empty()) {
      const std::wstring text = WideOfSjis(seen[0].text), caption = WideOfSjis(seen[0].caption);
      row.set_up = [&] {
        SetUpList(true);
        answers.PressButton(IDOK);
      };
      row.baseline = "a warning box, the input and the selection read";
      row.baseline_set_up = [&] { answers.PressButton(IDOK); };
      row.baseline_run = [=, read = row.baseline_run] {
        read();
        MessageBoxW(frame, text.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
      };
    }
    rows.push_back(row);
  }

  // The store of a file changed since it was last stored, and the first store after opening, which
  // keeps the backup.
  const std::wstring bare_path = WideOfUtf8(files.Path("BARE.sav"));
  auto mark_changed = [] {
    g_officer_editor.save.dirty = 1;
    ShowOfficerEditorTitle(g_dialog);
  };
  rows.push_back(StoreRow("上書き保存 (374,534 bytes)", g_dialog,
                          [mark_changed] {
                            if (!g_officer_editor.save.disk.backed_up) Command(g_dialog, ID_FILE_SAVE);
                            mark_changed();
                          },
                          command(ID_FILE_SAVE), frame, bare_path, save, false));
  rows.push_back(StoreRow("上書き保存, the first after opening (with its backup)", g_dialog,
                          [open, mark_changed] {
                            g_officer_editor.save.dirty = 0;
                            open();
                            mark_changed();
                          },
                          command(ID_FILE_SAVE), frame, bare_path, save, true));

  // Opening a save file (dropped: the open command without its file dialog).
  g_officer_editor.save.dirty = 0;
  open();
  const ListState opened = ReadListState(List());
  const std::wstring wide_path = WideOfUtf8(path);
  const auto buffer = std::make_shared<std::vector<uint8_t>>(save.size());
  rows.push_back({"save file opened (dropped)", g_dialog, nullptr, open, "file read, the list refilled", frame, nullptr,
                  [=] {
                    ReadByHandle(wide_path, *buffer);
                    BareRefill(bare_list, opened);
                  }});

  // The table window: the rows above run with it closed.
  for (BenchRow& row : rows) {
    row.set_up = [set_up = row.set_up] {
      CloseTableWindow(g_officer_editor.table);
      if (set_up) set_up();
    };
  }
  HWND face = GetDlgItem(g_dialog, IDC_FACE_NUMBER);
  const std::vector<BenchRow> table_rows = TableRows(
      {g_dialog, &g_officer_editor.table, &g_officer_editor.steps, 9, L"忠誠<50", {1, 2}, "顔番号 更新, 1000 selected",
       [face] {
         static bool second = false;
         second = !second;
         SetUpList(true);
         SetWindowSjis(face, second ? "301" : "300");
         Command(g_dialog, IDC_SET_FACE_NUMBER);
       },
       IDC_SET_FACE_NUMBER});
  rows.insert(rows.end(), table_rows.begin(), table_rows.end());

  std::printf("Quillmere under Wine: a save file of %d officers open\n\n", ROSTER_CAPACITY);
  const int missed = RunBenchTable(rows, runs);
  g_officer_editor.save.dirty = 0;
  DestroyWindow(g_dialog);
  PumpMessages();
  return missed == 0 ? 0 : 2;
}
