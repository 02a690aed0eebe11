// The command benchmarks' frame: timing, the table, and the bare controls of the baselines.
#include "bench_win.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/officer_tables.h"
#include "model/roster.h"
#include "platform/win_settings_key.h"
#include "sample_data.h"
#include "ui_driver.h"
#include "win32/remembered_places.h"

namespace {

double NowMs() {
  static const double ticks_per_ms = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / ticks_per_ms;
}

double Median(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  const size_t n = ms.size();
  return n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
}

// One timed run: the action and every paint it left waiting.
double Time(HWND window, const std::function<void()>& set_up, const std::function<void()>& run) {
  if (set_up) set_up();
  PumpMessages();
  const double start = NowMs();
  run();
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  const double ms = NowMs() - start;
  PumpMessages();
  return ms;
}

const wchar_t BARE_CLASS[] = L"BenchBareWindow";

}  // namespace

int RunBenchTable(std::vector<BenchRow>& rows, int runs) {
  // BENCH_ROWS=text: only the rows whose command contains it (UTF-8), to look at one row alone.
  if (const char* only = std::getenv("BENCH_ROWS"); only != nullptr && *only != '\0') {
    std::erase_if(rows, [only](const BenchRow& row) { return row.command.find(only) == std::string::npos; });
  }
  std::vector<std::vector<double>> command_ms(rows.size()), baseline_ms(rows.size());
  for (int run = 0; run < runs; ++run) {
    for (size_t i = 0; i < rows.size(); ++i) {
      command_ms[i].push_back(Time(rows[i].window, rows[i].set_up, rows[i].run));
      baseline_ms[i].push_back(Time(rows[i].baseline_window, rows[i].baseline_set_up, rows[i].baseline_run));
    }
  }
  std::printf("| command | median | baseline | median | ratio | target |\n|---|---|---|---|---|---|\n");
  int missed = 0;
  for (size_t i = 0; i < rows.size(); ++i) {
    const double command = Median(command_ms[i]), baseline = Median(baseline_ms[i]);
    const double ratio = command / baseline;
    const bool fast = command < 2.0 || ratio <= rows[i].ratio_limit;
    const bool in_frame = baseline > 10.0 || command < 16.0;
    missed += fast && in_frame ? 0 : 1;
    std::printf("| %s | %.2f ms | %s | %.2f ms | %.2fx | %s |\n", rows[i].command.c_str(), command,
                rows[i].baseline.c_str(), baseline, ratio, fast && in_frame ? "met" : "MISSED");
  }
  std::printf("\n%d runs each on this machine; %d of %zu rows miss their target.\n", runs, missed, rows.size());
  return missed;
}

BareWindow::BareWindow(HWND model_dialog) : model_(model_dialog) {
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = BARE_CLASS;
  RegisterClassW(&window_class);
  // Both windows wholly on the screen, side by side: a part off the screen would not be painted,
  // and the program's window opens centred (or where it was closed).
  SetWindowPos(model_dialog, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT rect;
  GetWindowRect(model_dialog, &rect);
  frame_ = CreateWindowW(BARE_CLASS, L"bare controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rect.right + 10, rect.top,
                         rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr, window_class.hInstance,
                         nullptr);
}

BareWindow::~BareWindow() { DestroyWindow(frame_); }

HWND BareWindow::Copy(int control_id) {
  HWND model = GetDlgItem(model_, control_id);
  wchar_t class_name[64] = L"";
  GetClassNameW(model, class_name, 64);
  RECT rect;
  GetWindowRect(model, &rect);
  MapWindowPoints(nullptr, model_, reinterpret_cast<POINT*>(&rect), 2);
  auto style = static_cast<DWORD>(GetWindowLongW(model, GWL_STYLE));
  // A combo box hands its scroll bar style on to its drop-down list and keeps none itself.
  COMBOBOXINFO combo{};
  combo.cbSize = sizeof combo;
  if (GetComboBoxInfo(model, &combo)) style |= static_cast<DWORD>(GetWindowLongW(combo.hwndList, GWL_STYLE)) & WS_VSCROLL;
  const auto ex_style = static_cast<DWORD>(GetWindowLongW(model, GWL_EXSTYLE));
  RECT dropped = rect;
  if (std::wstring(class_name) == L"ComboBox") SendMessageW(model, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  HWND copy = CreateWindowExW(ex_style, class_name, L"", style | WS_VISIBLE, rect.left, rect.top,
                              rect.right - rect.left, dropped.bottom - dropped.top, frame_,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(copy, WM_SETFONT, SendMessageW(model, WM_GETFONT, 0, 0), FALSE);
  const bool list = std::wstring(class_name) == L"ListBox";
  const UINT count_message = list ? LB_GETCOUNT : CB_GETCOUNT;
  const UINT length_message = list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN;
  const UINT text_message = list ? LB_GETTEXT : CB_GETLBTEXT;
  const UINT insert_message = list ? LB_INSERTSTRING : CB_INSERTSTRING;
  if (list || std::wstring(class_name) == L"ComboBox") {
    const auto rows = static_cast<int32_t>(SendMessageW(model, count_message, 0, 0));
    for (int32_t row = 0; row < rows; ++row) {
      std::wstring text(static_cast<size_t>(SendMessageW(model, length_message, row, 0)) + 1, L'\0');
      SendMessageW(model, text_message, row, reinterpret_cast<LPARAM>(text.data()));
      SendMessageW(copy, insert_message, row, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
  return copy;
}

void BareSelect(HWND list, const ListState& state, bool drawing_off) {
  if (drawing_off) SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  if (SendMessageW(list, LB_GETSELCOUNT, 0, 0) > 0) SendMessageW(list, LB_SETSEL, FALSE, -1);
  for (size_t first = 0; first < state.selected.size();) {
    size_t last = first;
    while (last + 1 < state.selected.size() && state.selected[last + 1] == state.selected[last] + 1) ++last;
    SendMessageW(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(state.selected[first], state.selected[last]));
    first = last + 1;
  }
  // Each only where it differs: setting the caret scrolls it into view even where it is already.
  if (SendMessageW(list, LB_GETANCHORINDEX, 0, 0) != state.anchor) SendMessageW(list, LB_SETANCHORINDEX, state.anchor, 0);
  if (SendMessageW(list, LB_GETCARETINDEX, 0, 0) != state.caret) SendMessageW(list, LB_SETCARETINDEX, state.caret, FALSE);
  if (SendMessageW(list, LB_GETTOPINDEX, 0, 0) != state.top) SendMessageW(list, LB_SETTOPINDEX, state.top, 0);
  if (drawing_off) {
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
  }
}

void BareRefill(HWND list, const ListState& state) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (size_t row = 0; row < state.texts.size(); ++row) {
    SendMessageW(list, LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(state.texts[row].c_str()));
  }
  BareSelect(list, state, true);
}

BenchRow ListCommandRow(const std::string& name, HWND list, const std::function<void()>& set_up,
                        const std::function<void()>& run, bool rows_change, HWND bare_list) {
  set_up();
  const ListState start = ReadListState(list);
  run();
  const ListState end = ReadListState(list);
  std::function<void()> baseline = [=] { BareRefill(bare_list, end); };
  if (!rows_change) {
    // Whichever is cheaper here: with drawing off the list repaints whole once; with it on, only
    // the rows that change, but at every scroll.
    auto cost = [&](bool drawing_off) {
      double ms = 0;
      for (int run = 0; run < 5; ++run) {
        ms += Time(GetParent(bare_list), [&] { BareRefill(bare_list, start); }, [&] { BareSelect(bare_list, end, drawing_off); });
      }
      return ms;
    };
    const bool drawing_off = cost(true) < cost(false);
    baseline = [=] { BareSelect(bare_list, end, drawing_off); };
  }
  return {name, GetParent(list), set_up, run,
          rows_change ? "the list refilled, the same selection" : "the same selection, by runs",
          GetParent(bare_list), [=] { BareRefill(bare_list, start); }, baseline};
}

BenchRow StoreRow(const std::string& name, HWND dialog, const std::function<void()>& mark_changed,
                  const std::function<void()>& store, HWND bare_frame, const std::wstring& bare_path,
                  const std::vector<uint8_t>& bytes, bool with_backup) {
  BenchRow row{name, dialog, mark_changed, store,
               with_backup ? "the backup and the file each written by temporary, flush, rename; the title set"
                           : "temporary written, flushed, renamed; the title set",
               bare_frame, [bare_frame] { SetWindowTextW(bare_frame, L"*BARE.sav - bare"); },
               [bare_frame, bare_path, &bytes, with_backup] {
                 if (with_backup) StoreByRename(bare_path + L".bak", bytes);
                 StoreByRename(bare_path, bytes);
                 SetWindowTextW(bare_frame, L"BARE.sav - bare");
               }};
  row.ratio_limit = 1.5;
  return row;
}

void ReadByHandle(const std::wstring& path, std::vector<uint8_t>& buffer) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  DWORD got = 0;
  ReadFile(file, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr);
  CloseHandle(file);
}

void StoreByRename(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  const std::wstring temporary = path + L".tmp";
  HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  FlushFileBuffers(file);
  CloseHandle(file);
  MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

std::vector<uint8_t> MakeFullRosterSave() {
  std::vector<uint8_t> save = MakeSampleSave(1);
  OfficerId source = 1;
  for (OfficerId id = RUN_FIRST_ID; id < ROSTER_ID_LIMIT; ++id) {
    if (IsOfficerInUse(save, id)) continue;
    do source = (source + 37) % ALWAYS_LISTED_IDS;
    while (!IsOfficerInUse(save, source));
    std::memcpy(save.data() + NameRecordOffset(id), save.data() + NameRecordOffset(source), NAME_RECORD_SIZE);
  }
  return save;
}

void ShowMenuForScreenshot(HWND dialog, char key) {
  SetForegroundWindow(dialog);
  PostMessageW(dialog, WM_SYSCOMMAND, SC_KEYMENU, static_cast<LPARAM>(key));
  for (;;) {
    PumpMessages();
    Sleep(50);
  }
}

ForgottenPlaces::ForgottenPlaces() { DeleteSettingsKey(SettingsKeyName()); }
ForgottenPlaces::~ForgottenPlaces() { DeleteSettingsKey(SettingsKeyName()); }
