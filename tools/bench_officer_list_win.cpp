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
// A second table gives the same three without the UpdateWindow (the messages alone).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include <random>

#include "controls.h"
#include "data_image.h"
#include "officer_edits.h"
#include "officer_editor.h"
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
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
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
  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = DefWindowProcA;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = "BareListFrame";
  RegisterClassA(&window_class);
  RECT rect;
  GetWindowRect(model, &rect);
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HWND frame = CreateWindowA("BareListFrame", "bare list", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 600, 0,
                             width + 60, height + 80, nullptr, nullptr, window_class.hInstance, nullptr);
  HWND list = CreateWindowA("LISTBOX", "",
                            WS_CHILD | WS_VISIBLE | LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                                WS_BORDER | WS_VSCROLL,
                            10, 10, width, height, frame, nullptr, window_class.hInstance, nullptr);
  SendMessageA(list, WM_SETFONT, SendMessageA(model, WM_GETFONT, 0, 0), FALSE);
  return {frame, list};
}

void FillBareList(HWND list, const std::vector<std::string>& texts) {
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (size_t row = 0; row < texts.size(); ++row) {
    SendMessageA(list, LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(texts[row].c_str()));
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
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
  HWND dialog = CreateOfficerDialog(GetModuleHandleA(nullptr));
  if (dialog == nullptr) {
    std::printf("the dialog could not be created\n");
    return 1;
  }
  HWND list = GetDlgItem(dialog, IDC_OFFICER_LIST);

  // As a successful open leaves the program.
  std::vector<uint8_t> save = MakeFullRosterSave();
  DataFileImage& image = g_officer_editor.save;
  std::memcpy(image.data, save.data(), save.size());
  SetImagePath(image, "C:\\bench\\FULL.sav");
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  BuildOfficerRoster({image.data, static_cast<size_t>(image.length)}, g_officer_editor.roster);
  RefreshOfficerList(dialog, SORT_BY_ID);
  Pump();
  const int32_t rows = g_officer_editor.roster.count;
  std::printf("officer list: %d rows (list box reports %d), list box %s\n", rows,
              static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0)), LIST_STYLE_NAME);
  if (rows != ROSTER_CAPACITY) {
    std::printf("the roster is not full\n");
    return 1;
  }

  for (int32_t row = 3; row < rows; row += 7) SendMessageA(list, LB_SETSEL, TRUE, row);
  SendMessageA(list, LB_SETTOPINDEX, TOP_ROW, 0);
  const LRESULT selected = SendMessageA(list, LB_GETSELCOUNT, 0, 0);

  std::vector<std::string> texts;
  for (int32_t row = 0; row < rows; ++row) {
    texts.emplace_back(OfficerFullName(save, g_officer_editor.roster.ids[static_cast<size_t>(row)]));
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

  // Experiment: old restore vs new restore end state.
  {
    auto old_restore = [&](const OfficerId* ids, int32_t count, int32_t top) {
      static OfficerRowMap map;
      BuildOfficerRowMap(g_officer_editor.order, rows, map);
      for (int32_t i = 0; i < count; ++i) {
        int32_t row = OfficerRow(map, ids[i]);
        if (row >= 0) SendMessageA(list, LB_SETSEL, TRUE, row);
      }
      SendMessageA(list, LB_SETTOPINDEX, top, 0);
    };
    auto state = [&] {
      std::vector<int> st;
      st.push_back((int)SendMessageA(list, LB_GETCARETINDEX, 0, 0));
      st.push_back((int)SendMessageA(list, LB_GETANCHORINDEX, 0, 0));
      st.push_back((int)SendMessageA(list, LB_GETTOPINDEX, 0, 0));
      int c = (int)SendMessageA(list, LB_GETSELCOUNT, 0, 0);
      st.push_back(c);
      std::vector<int> sel(c + 1);
      SendMessageA(list, LB_GETSELITEMS, c, (LPARAM)sel.data());
      st.insert(st.end(), sel.begin(), sel.begin() + c);
      return st;
    };
    std::mt19937 rng(5);
    int same = 0, differ = 0;
    const int counts[] = {0, 1, 2, 5, 50, 143, 999, 1000};
    SetFocus(list);
    for (int trial = 0; trial < 200; ++trial) {
      std::vector<OfficerId> ids(g_officer_editor.roster.ids.begin(), g_officer_editor.roster.ids.begin() + rows);
      std::shuffle(ids.begin(), ids.end(), rng);
      std::copy(ids.begin(), ids.end(), g_officer_editor.order.begin());
      std::shuffle(ids.begin(), ids.end(), rng);
      int k = counts[trial % 8];
      if (trial % 3 == 0 && k > 3) { std::sort(ids.begin(), ids.begin() + k); }
      int top = (int)(rng() % 1100);
      int shown = trial % 5 == 4 ? rows - 1 - (int)(rng() % 300) : rows;
      std::vector<int> results[2];
      for (int method = 0; method < 2; ++method) {
        SetRedraw(list, false);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (int32_t row = 0; row < shown; ++row) InsertOfficerRow(list, row, g_officer_editor.order[row]);
        if (method == 0) old_restore(ids.data(), k, top);
        else RestoreOfficerSelection(list, ids.data(), k, top);
        SetRedraw(list, true);
        Pump();
        results[method] = state();
      }
      if (results[0] == results[1]) ++same; else { ++differ; std::printf("trial %d differs: caret %d/%d anchor %d/%d top %d/%d count %d/%d\n", trial, results[0][0], results[1][0], results[0][1], results[1][1], results[0][2], results[1][2], results[0][3], results[1][3]); }
    }
    std::printf("restore equivalence: %d same, %d differ\n", same, differ);
    CopyRosterOrder(g_officer_editor.roster, g_officer_editor.order);
  }

  // Experimental breakdown of (a).
  SendMessageA(list, LB_SETSEL, FALSE, -1);
  for (int32_t row = 3; row < rows; row += 7) SendMessageA(list, LB_SETSEL, TRUE, row);
  {
    Figures ranges, lastsel, settop, capture, reset, inserts, restore, redraw_on, bare_sel, bare_sub;
    static OfficerSelection selection;
    for (int run = 0; run < RUNS; ++run) {
      double t0 = Now();
      CaptureOfficerSelection(list, selection);
      double t1 = Now();
      SetRedraw(list, false);
      SendMessageA(list, LB_RESETCONTENT, 0, 0);
      double t2 = Now();
      for (int32_t row = 0; row < rows; ++row) InsertOfficerRow(list, row, g_officer_editor.order[row]);
      double t3 = Now();
      double t3a, t3b;
      {
        static OfficerRowMap map;
        BuildOfficerRowMap(g_officer_editor.order, rows, map);
        static std::array<bool, ROSTER_CAPACITY> sel;
        sel.fill(false);
        int32_t caret = -1;
        for (int32_t i = 0; i < selection.count; ++i) { int32_t r = OfficerRow(map, selection.ids[i]); sel[r] = true; caret = r; }
        for (int32_t first = 0; first < ROSTER_CAPACITY; ++first) {
          if (!sel[first]) continue;
          int32_t last = first;
          while (last + 1 < ROSTER_CAPACITY && sel[last + 1]) ++last;
          SendMessageA(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(first, last));
          first = last;
        }
        t3a = Now();
        SendMessageA(list, LB_SETSEL, TRUE, caret);
        t3b = Now();
        SendMessageA(list, LB_SETTOPINDEX, selection.top_row, 0);
      }
      double t4 = Now();
      ranges.ms.push_back(t3a - t3);
      lastsel.ms.push_back(t3b - t3a);
      settop.ms.push_back(t4 - t3b);
      SetRedraw(list, true);
      double t5 = Now();
      capture.ms.push_back(t1 - t0);
      reset.ms.push_back(t2 - t1);
      inserts.ms.push_back(t3 - t2);
      restore.ms.push_back(t4 - t3);
      redraw_on.ms.push_back(t5 - t4);
      Pump();
      // bare with selection and top row before
      for (int32_t row = 3; row < rows; row += 7) SendMessageA(bare.list, LB_SETSEL, TRUE, row);
      SendMessageA(bare.list, LB_SETTOPINDEX, TOP_ROW, 0);
      Pump();
      double b0 = Now();
      FillBareList(bare.list, texts);
      bare_sel.ms.push_back(Now() - b0);
      Pump();
    }
    PrintRow("capture", capture, capture);
    PrintRow("reset", reset, reset);
    PrintRow("inserts", inserts, inserts);
    PrintRow("restore", restore, restore);
    PrintRow("restore: ranges", ranges, ranges);
    PrintRow("restore: last setsel", lastsel, lastsel);
    PrintRow("restore: settopindex", settop, settop);
    PrintRow("redraw on", redraw_on, redraw_on);
    PrintRow("bare with sel before", bare_sel, bare_sel);
  }

  std::printf("\nafter the runs: %d rows selected (%d before), top row %d\n",
              static_cast<int>(SendMessageA(list, LB_GETSELCOUNT, 0, 0)), static_cast<int>(selected),
              static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0)));
  DestroyWindow(bare.frame);
  ClearImagePath(image);
  DestroyWindow(dialog);
  Pump();
  return 0;
}
