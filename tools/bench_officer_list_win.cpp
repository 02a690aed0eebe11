// Times the refill of Quillmere's officer list with a full roster of 1000 officers against the same
// refill of a bare list box, in one run under the same conditions, and prints the figures.
//
// The real dialog is created in-process from the program's resources. The save image comes from the
// sample generator, with the run from 760 on marked in use up to the roster's capacity (the records
// added to it copy the invented names of sample officers), and is set up as the open command leaves
// it: path set, roster built, list filled in roster order.
//
// Each figure is one call as the program makes it, followed by UpdateWindow on the list, so the one
// repaint that turning drawing back on asks for is counted; messages are pumped between the runs.
//   (a) RefreshOfficerList(SORT_BY_ID) with 143 rows selected and row 400 at the top;
//   (b) RefreshOfficerList(SORT_BY_READING), the list put back in roster order (untimed) before
//       each run so every run sorts the same input;
//   (c) a bare LISTBOX of the same size, styles and font in a plain window: drawing off,
//       LB_RESETCONTENT, the same 1000 texts by LB_INSERTSTRING, drawing on, InvalidateRect.
// A second table gives the same three without the UpdateWindow (the messages alone). The ratios to
// (c) are what the program adds to the list box's own cost; the target is at most 1.2x.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "data_image.h"
#include "officer_edits.h"
#include "officer_editor.h"
#include "text_boundary.h"
#include "resource.h"
#include "roster.h"
#include "sample_data.h"

namespace {

constexpr int RUNS = 20;
constexpr int32_t TOP_ROW = 400;
constexpr const char* LIST_STYLE_NAME =
    "LBS_EXTENDEDSEL|LBS_NOTIFY|LBS_NOINTEGRALHEIGHT|WS_BORDER|WS_VSCROLL";

// The sample save with every record from 760 to the last id a roster can hold in use. Records not
// in use in the sample take the name record of a sample officer among 0 to 657.
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

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

struct Figures {
  std::vector<double> ms;
  double Min() const { return *std::min_element(ms.begin(), ms.end()); }
  double Median() const {
    std::vector<double> sorted = ms;
    std::sort(sorted.begin(), sorted.end());
    size_t n = sorted.size();
    return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
  }
};

// The bare list box: a plain top-level window holding one LISTBOX like list box 1000.
struct BareList {
  HWND frame;
  HWND list;
};

BareList CreateBareList(HWND model) {
  WNDCLASSW window_class = {};
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"BareListFrame";
  RegisterClassW(&window_class);
  RECT rect;
  GetWindowRect(model, &rect);
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HWND frame = CreateWindowW(L"BareListFrame", L"bare list", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 0,
                             width + 60, height + 80, nullptr, nullptr, window_class.hInstance, nullptr);
  HWND list = CreateWindowW(L"LISTBOX", L"",
                            WS_CHILD | WS_VISIBLE | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                                WS_BORDER | WS_VSCROLL,
                            10, 10, width, height, frame, nullptr, window_class.hInstance, nullptr);
  SendMessageW(list, WM_SETFONT, SendMessageW(model, WM_GETFONT, 0, 0), FALSE);
  return {frame, list};
}

void FillBareList(HWND list, const std::vector<std::wstring>& texts) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (size_t row = 0; row < texts.size(); ++row) {
    SendMessageW(list, LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(texts[row].c_str()));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void PrintRow(const char* what, const Figures& figures, const Figures& bare) {
  std::printf("  %-44s min %7.3f ms  median %7.3f ms", what, figures.Min(), figures.Median());
  if (&figures != &bare) {
    std::printf("  (/bare: min %.2fx, median %.2fx)", figures.Min() / bare.Min(), figures.Median() / bare.Median());
  }
  std::printf("\n");
}

}  // namespace

int main() {
  HWND dialog = CreateOfficerDialog(GetModuleHandleW(nullptr));
  if (dialog == nullptr) {
    std::printf("the dialog could not be created\n");
    return 1;
  }
  HWND list = GetDlgItem(dialog, IDC_OFFICER_LIST);

  // As a successful open leaves the program.
  std::vector<uint8_t> save = MakeFullRosterSave();
  DataFileImage& image = g_officer_editor.save;
  std::memcpy(image.data, save.data(), save.size());
  SetImagePath(image, L"C:\\bench\\FULL.sav");
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  BuildOfficerRoster({image.data, static_cast<size_t>(image.length)}, g_officer_editor.roster);
  RefreshOfficerList(dialog, SORT_BY_ID);
  Pump();
  const int32_t rows = g_officer_editor.roster.count;
  std::printf("officer list: %d rows (list box reports %d), list box %s\n", rows,
              static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)), LIST_STYLE_NAME);
  if (rows != ROSTER_CAPACITY) {
    std::printf("the roster is not full\n");
    return 1;
  }

  for (int32_t row = 3; row < rows; row += 7) SendMessageW(list, LB_SETSEL, TRUE, row);
  SendMessageW(list, LB_SETTOPINDEX, TOP_ROW, 0);
  const LRESULT selected = SendMessageW(list, LB_GETSELCOUNT, 0, 0);

  // The bare list box gets its rows as UTF-16 already; the officer list converts each from code
  // page 932 as it fills.
  std::vector<std::wstring> texts;
  for (int32_t row = 0; row < rows; ++row) {
    texts.push_back(WideFromCp932(OfficerFullName(save, g_officer_editor.roster.ids[static_cast<size_t>(row)])));
  }
  {
    const double start = Now();
    size_t total = 0;
    for (int32_t row = 0; row < rows; ++row) {
      total += WideFromCp932(OfficerFullName(save, g_officer_editor.roster.ids[static_cast<size_t>(row)])).size();
    }
    std::printf("converting %d rows from code page 932: %.3f ms (%zu characters)\n", rows, Now() - start, total);
  }
  BareList bare = CreateBareList(list);
  FillBareList(bare.list, texts);
  Pump();

  for (bool paint : {true, false}) {
    Figures by_id, by_reading, bare_fill;
    for (int run = 0; run < RUNS; ++run) {
      double start = Now();
      RefreshOfficerList(dialog, SORT_BY_ID);
      if (paint) UpdateWindow(list);
      by_id.ms.push_back(Now() - start);
      Pump();

      start = Now();
      RefreshOfficerList(dialog, SORT_BY_READING);
      if (paint) UpdateWindow(list);
      by_reading.ms.push_back(Now() - start);
      Pump();
      RefreshOfficerList(dialog, SORT_BY_ID);
      Pump();

      start = Now();
      FillBareList(bare.list, texts);
      if (paint) UpdateWindow(bare.list);
      bare_fill.ms.push_back(Now() - start);
      Pump();
    }
    std::printf("\n%d runs each, %s:\n", RUNS, paint ? "refill and its repaint (UpdateWindow)" : "refill messages only");
    PrintRow("(a) RefreshOfficerList SORT_BY_ID", by_id, bare_fill);
    PrintRow("(b) RefreshOfficerList SORT_BY_READING", by_reading, bare_fill);
    PrintRow("(c) bare list box refill", bare_fill, bare_fill);
  }

  std::printf("\nafter the runs: %d rows selected (%d before), top row %d\n",
              static_cast<int>(SendMessageW(list, LB_GETSELCOUNT, 0, 0)), static_cast<int>(selected),
              static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0)));
  DestroyWindow(bare.frame);
  ClearImagePath(image);
  DestroyWindow(dialog);
  Pump();
  return 0;
}
