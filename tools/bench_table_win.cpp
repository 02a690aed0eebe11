#include "bench_table_win.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <memory>

#include "ui_driver.h"
#include "table_driver.h"
#include "win32/shared_strings.h"

namespace {

// The bare table: a top-level window and its virtual list view, serving texts from memory.
struct BareTable {
  std::vector<std::vector<std::wstring>> texts;  // by record, then column
  std::vector<int> keys;                         // the sort column's numbers, by record
  std::vector<int> rows;                         // row -> record
  std::vector<int> widths;
  std::vector<std::wstring> headers;
  RECT frame_rect{}, list_rect{};
  HFONT font = nullptr;
  DWORD extended_style = 0;  // the table's list view's
  bool all_selected = false;  // every row of the table was selected when the bare list took its selection
  HWND frame = nullptr, list = nullptr, edit = nullptr;
};
BareTable g_bare;

LRESULT CALLBACK BareTableProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NOTIFY) {
    auto& info = *reinterpret_cast<NMLVDISPINFOW*>(lparam);
    if (info.hdr.code == LVN_GETDISPINFOW && (info.item.mask & LVIF_TEXT) &&
        static_cast<size_t>(info.item.iItem) < g_bare.rows.size()) {
      const auto& row = g_bare.texts[static_cast<size_t>(g_bare.rows[static_cast<size_t>(info.item.iItem)])];
      lstrcpynW(info.item.pszText, row[static_cast<size_t>(info.item.iSubItem)].c_str(), info.item.cchTextMax);
    }
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

void CreateBareTable() {
  static const bool registered = [] {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = BareTableProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = L"BenchBareTable";
    return RegisterClassW(&window_class) != 0;
  }();
  (void)registered;
  const RECT& at = g_bare.frame_rect;
  g_bare.frame = CreateWindowW(L"BenchBareTable", L"bare table", WS_OVERLAPPEDWINDOW, at.left + 30,
                               at.top + 30, at.right - at.left, at.bottom - at.top, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  const RECT& in = g_bare.list_rect;
  g_bare.edit = CreateWindowW(L"Edit", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 4, 4, in.right - 8, in.top - 8,
                              g_bare.frame, nullptr, GetModuleHandleW(nullptr), nullptr);
  g_bare.list = CreateWindowW(WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                              in.left, in.top, in.right - in.left, in.bottom - in.top, g_bare.frame, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  SendMessageW(g_bare.list, WM_SETFONT, reinterpret_cast<WPARAM>(g_bare.font), FALSE);
  ListView_SetExtendedListViewStyle(g_bare.list, g_bare.extended_style);
  for (size_t k = 0; k < g_bare.headers.size(); ++k) {
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = g_bare.widths[k];
    column.pszText = g_bare.headers[k].data();
    SendMessageW(g_bare.list, LVM_INSERTCOLUMNW, static_cast<int>(k), reinterpret_cast<LPARAM>(&column));
  }
  ListView_SetItemCountEx(g_bare.list, static_cast<int>(g_bare.rows.size()), 0);
  ShowWindow(g_bare.frame, SW_SHOWNORMAL);
}

void DestroyBareTable() {
  if (g_bare.frame != nullptr) DestroyWindow(g_bare.frame);
  g_bare.frame = nullptr;
}

void AllRows() {
  g_bare.rows.resize(g_bare.texts.size());
  for (size_t k = 0; k < g_bare.rows.size(); ++k) g_bare.rows[k] = static_cast<int>(k);
}

// The bare list showing `rows` afresh, as the table does after a sort or a filter.
void ShowBareRows() {
  ListView_SetItemCountEx(g_bare.list, static_cast<int>(g_bare.rows.size()), LVSICF_NOINVALIDATEALL);
  InvalidateRect(g_bare.list, nullptr, FALSE);
}

}  // namespace

std::vector<BenchRow> TableRows(const TableBench& bench) {
  TableWindow& table = *bench.table;
  Command(bench.dialog, ID_VIEW_TABLE);
  TypeFilter(table, "");
  PumpMessages();
  const int count = TableRowCount(table);
  const int columns = Header_GetItemCount(ListView_GetHeader(table.list));
  g_bare.texts.assign(static_cast<size_t>(count), std::vector<std::wstring>(static_cast<size_t>(columns)));
  g_bare.keys.assign(static_cast<size_t>(count), 0);
  for (int row = 0; row < count; ++row) {
    for (int column = 0; column < columns; ++column) {
      g_bare.texts[static_cast<size_t>(row)][static_cast<size_t>(column)] = WideOfUtf8(TableCell(table, row, column));
    }
    // An empty cell (a field the record does not have) sorts first and meets no condition.
    const std::wstring& key = g_bare.texts[static_cast<size_t>(row)][static_cast<size_t>(bench.sort_column)];
    g_bare.keys[static_cast<size_t>(row)] = key.empty() ? INT_MIN : _wtoi(key.c_str());
  }
  for (int column = 0; column < columns; ++column) {
    wchar_t header[64] = L"";
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT | LVCF_WIDTH;
    item.pszText = header;
    item.cchTextMax = 64;
    SendMessageW(table.list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&item));
    g_bare.headers.push_back(header);
    g_bare.widths.push_back(item.cx);
  }
  GetWindowRect(table.window, &g_bare.frame_rect);
  GetWindowRect(table.list, &g_bare.list_rect);
  MapWindowPoints(nullptr, table.window, reinterpret_cast<POINT*>(&g_bare.list_rect), 2);
  g_bare.font = reinterpret_cast<HFONT>(SendMessageW(table.list, WM_GETFONT, 0, 0));
  g_bare.extended_style = ListView_GetExtendedListViewStyle(table.list);
  AllRows();
  CreateBareTable();

  std::vector<BenchRow> rows;
  const std::string records = std::to_string(count);
  auto paint_table = [&table] { RedrawWindow(table.window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); };
  auto paint_bare = [] { RedrawWindow(g_bare.frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); };
  rows.push_back({"一覧表 opened (" + records + " rows)", bench.dialog, [&table] { CloseTableWindow(table); },
                  [&table, dialog = bench.dialog, paint_table] {
                    Command(dialog, ID_VIEW_TABLE);
                    paint_table();
                  },
                  "bare virtual list view created and shown", bench.dialog,
                  [] {
                    DestroyBareTable();
                    AllRows();
                  },
                  [paint_bare, &table] {
                    CreateBareTable();
                    if (ListView_GetSelectedCount(table.list) == static_cast<UINT>(g_bare.rows.size())) {
                      ListView_SetItemState(g_bare.list, -1, LVIS_SELECTED, LVIS_SELECTED);
                    }
                    paint_bare();
                  }});
  auto ensure_open = [&table, dialog = bench.dialog] {
    if (table.window == nullptr) Command(dialog, ID_VIEW_TABLE);
  };
  // The bare list with the table's selection, row for row, as the command finds the table.
  auto ensure_bare = [&table] {
    if (g_bare.frame == nullptr) CreateBareTable();
    ListView_SetItemState(g_bare.list, -1, 0, LVIS_SELECTED);
    // Whether the main list selects every record, so that the table selects every row it shows.
    std::vector<bool> selected;
    int32_t caret = -1;
    table.program->main_selection(table.dialog, selected, caret);
    g_bare.all_selected = std::find(selected.begin(), selected.end(), false) == selected.end();
    for (int row = ListView_GetNextItem(table.list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(table.list, row, LVNI_SELECTED)) {
      ListView_SetItemState(g_bare.list, row, LVIS_SELECTED, LVIS_SELECTED);
    }
  };
  rows.push_back({"header click, sorted by column " + std::to_string(bench.sort_column) + " (" + records + " rows)",
                  bench.dialog, [ensure_open, &table] { ensure_open(); TypeFilter(table, ""); },
                  [&table, column = bench.sort_column, paint_table] {
                    ClickHeader(table, column);
                    paint_table();
                  },
                  "bare list: rows sorted by number, then id; shown, the header's arrow", bench.dialog,
                  [ensure_bare] { ensure_bare(); AllRows(); },
                  [paint_bare, column = bench.sort_column] {
                    static bool descending = false;
                    descending = !descending;
                    HDITEMW arrow{};
                    arrow.mask = HDI_FORMAT;
                    HWND header = ListView_GetHeader(g_bare.list);
                    SendMessageW(header, HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&arrow));
                    arrow.fmt = (arrow.fmt & ~(HDF_SORTUP | HDF_SORTDOWN)) | (descending ? HDF_SORTDOWN : HDF_SORTUP);
                    SendMessageW(header, HDM_SETITEMW, column, reinterpret_cast<LPARAM>(&arrow));
                    std::sort(g_bare.rows.begin(), g_bare.rows.end(), [](int a, int b) {
                      const int ka = g_bare.keys[static_cast<size_t>(a)], kb = g_bare.keys[static_cast<size_t>(b)];
                      return ka != kb ? (descending ? ka > kb : ka < kb) : a < b;
                    });
                    ShowBareRows();
                    paint_bare();
                  }});
  const std::vector<int> searched = bench.searched;
  auto keystroke = [&, searched](const std::wstring& typed, bool by_number) {
    const std::wstring before = typed.substr(0, typed.size() - 1);
    const std::string name = "filter keystroke, \"" + Utf8OfWide(before) + "\" to \"" + Utf8OfWide(typed) + "\"";
    const int limit = by_number ? _wtoi(typed.substr(typed.find(L'<') + 1).c_str()) : 0;
    const std::wstring word = typed;
    rows.push_back({name, bench.dialog,
                    [ensure_open, &table, before] {
                      ensure_open();
                      SetWindowTextW(table.filter, before.c_str());
                    },
                    [&table, typed, paint_table] {
                      SetWindowTextW(table.filter, typed.c_str());
                      paint_table();
                    },
                    "bare list: the edit's text set, the rows kept by the same test, shown, the count in the title",
                    bench.dialog,
                    [ensure_bare, before] {
                      ensure_bare();
                      SetWindowTextW(g_bare.edit, before.c_str());
                    },
                    [typed, by_number, limit, word, searched, paint_bare] {
                      SetWindowTextW(g_bare.edit, typed.c_str());
                      g_bare.rows.clear();
                      for (size_t record = 0; record < g_bare.texts.size(); ++record) {
                        const auto& texts = g_bare.texts[record];
                        const bool kept = by_number ? g_bare.keys[record] != INT_MIN && g_bare.keys[record] < limit
                                                    : std::any_of(searched.begin(), searched.end(), [&](int column) {
                                                        return texts[static_cast<size_t>(column)].find(word) != std::wstring::npos;
                                                      });
                        if (kept) g_bare.rows.push_back(static_cast<int>(record));
                      }
                      ShowBareRows();
                      // Every shown row selected, as the table follows a list that selects them all.
                      if (g_bare.all_selected) ListView_SetItemState(g_bare.list, -1, LVIS_SELECTED, LVIS_SELECTED);
                      const std::wstring title = std::to_wstring(g_bare.rows.size()) + L" / " + std::to_wstring(g_bare.texts.size());
                      SetWindowTextW(g_bare.frame, title.c_str());
                      paint_bare();
                    }});
  };
  keystroke(bench.condition, true);
  // A word of one character: the first of the first record's name.
  keystroke(g_bare.texts[0][1].substr(0, 1), false);
  rows.push_back({"table refreshed after " + bench.batch_name, bench.dialog,
                  [ensure_open, &table, batch = bench.batch] {
                    ensure_open();
                    TypeFilter(table, "");
                    batch();
                  },
                  [&table, steps = bench.steps, command = bench.batch_command, paint_table] {
                    RefreshTableAfterCommand(table, *steps, command);
                    paint_table();
                  },
                  "bare list: the rows in view redrawn", bench.dialog, [ensure_bare] { ensure_bare(); AllRows(); ShowBareRows(); },
                  [paint_bare] {
                    const int top = ListView_GetTopIndex(g_bare.list);
                    ListView_RedrawItems(g_bare.list, top, top + ListView_GetCountPerPage(g_bare.list));
                    paint_bare();
                  }});
  return rows;
}

void ShowTableForScreenshot(HWND dialog, TableWindow& table, const std::string& filter, int command, int sort_column,
                            int seconds) {
  Command(dialog, ID_VIEW_TABLE);
  TypeFilter(table, filter);
  ClickSelectShown(table);
  Command(dialog, command);
  ClickHeader(table, sort_column);
  SetFocus(table.list);
  const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
  while (GetTickCount() < end) {
    PumpMessages();
    Sleep(50);
  }
}
