// The table window: a top-level window with the filter box, its problem line, the button that
// selects every shown row, and a virtual report list view.
#include "win32/table_window.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "formats/csv.h"
#include "formats/table_cells.h"
#include "platform/win_cp932_codec.h"
#include "platform/win_text_boundary.h"
#include "win32/shared_strings.h"
#include "win32/string_table.h"

namespace {

constexpr wchar_t TABLE_CLASS[] = L"SaveDataEditorTable";
constexpr UINT WM_SYNC_MAIN = WM_APP + 1;  // posted: the table's selection goes to the main list
// Above IDOK and IDCANCEL, which the dialog keys send for Enter and Esc: those do nothing here.
constexpr int ID_FILTER = 101, ID_SELECT_SHOWN = 102, ID_LIST = 103;

WinCp932Codec& Codec() {
  static WinCp932Codec codec;
  return codec;
}

TableWindow* TableOf(HWND window) { return reinterpret_cast<TableWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

// The records, rebuilt for every use: the image's bytes may have moved (a store keeps new bytes).
RecordSource* Records(TableWindow& table) { return table.program->records(); }

int ColumnWidth(const CellColumn& column) {
  switch (column.kind) {
    case CellKind::Text: return 96;
    case CellKind::Number: return 52;
    case CellKind::Choice: return 44;
  }
  return 52;
}

void ShowTitle(TableWindow& table) {
  RecordSource* records = Records(table);
  const int32_t total = records != nullptr ? records->RecordCount() : 0;
  const std::wstring title =
      FormatText(IDS_TABLE_TITLE, {std::to_wstring(table.rows.size()), std::to_wstring(total)});
  wchar_t shown[128] = L"";
  GetWindowTextW(table.window, shown, 128);
  if (title != shown) SetWindowTextW(table.window, title.c_str());
}

void ShowSortArrow(TableWindow& table) {
  HWND header = ListView_GetHeader(table.list);
  const int count = Header_GetItemCount(header);
  for (int k = 0; k < count; ++k) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    SendMessageW(header, HDM_GETITEMW, k, reinterpret_cast<LPARAM>(&item));
    const int was = item.fmt;
    item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
    if (k == table.sort_column) item.fmt |= table.descending ? HDF_SORTDOWN : HDF_SORTUP;
    if (item.fmt != was) SendMessageW(header, HDM_SETITEMW, k, reinterpret_cast<LPARAM>(&item));
  }
}

// Selects in the table what the main list selects, and shows the caret row. Only the rows whose
// state differs change; selecting every row or none is one message.
void FollowMainSelection(TableWindow& table) {
  RecordSource* records = Records(table);
  if (table.window == nullptr || records == nullptr) return;
  std::vector<bool> selected;
  int32_t caret = -1;
  table.program->main_selection(table.dialog, selected, caret);
  auto wanted = [&](size_t row) {
    const auto record = static_cast<size_t>(table.rows[row]);
    return record < selected.size() && selected[record];
  };
  size_t wanted_count = 0;
  for (size_t row = 0; row < table.rows.size(); ++row) wanted_count += wanted(row) ? 1 : 0;
  const auto shown_count = static_cast<size_t>(ListView_GetSelectedCount(table.list));
  table.following = true;
  if (wanted_count == table.rows.size() || wanted_count == 0) {
    if (shown_count != wanted_count) {
      ListView_SetItemState(table.list, -1, wanted_count != 0 ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }
  } else {
    for (size_t row = 0; row < table.rows.size(); ++row) {
      const bool want = wanted(row);
      const bool has = ListView_GetItemState(table.list, static_cast<int>(row), LVIS_SELECTED) != 0;
      if (want != has) ListView_SetItemState(table.list, static_cast<int>(row), want ? LVIS_SELECTED : 0, LVIS_SELECTED);
    }
  }
  const int32_t caret_row =
      caret >= 0 && static_cast<size_t>(caret) < table.row_of.size() ? table.row_of[static_cast<size_t>(caret)] : -1;
  if (caret_row >= 0 && ListView_GetNextItem(table.list, -1, LVNI_FOCUSED) != caret_row) {
    ListView_SetItemState(table.list, caret_row, LVIS_FOCUSED, LVIS_FOCUSED);
  }
  // The table scrolls to the caret when the main list moved it; a sort or a filter leaves the view.
  if (caret_row >= 0 && caret != table.caret_record) ListView_EnsureVisible(table.list, caret_row, FALSE);
  table.caret_record = caret;
  table.following = false;
}

// The table's selection to the main list: exactly the records of the selected rows.
void SyncMainSelection(TableWindow& table) {
  table.sync_posted = false;
  RecordSource* records = Records(table);
  if (table.window == nullptr || records == nullptr) return;
  std::vector<bool> selected(static_cast<size_t>(records->RecordCount()), false);
  for (int row = ListView_GetNextItem(table.list, -1, LVNI_SELECTED); row >= 0;
       row = ListView_GetNextItem(table.list, row, LVNI_SELECTED)) {
    if (static_cast<size_t>(row) < table.rows.size()) selected[static_cast<size_t>(table.rows[static_cast<size_t>(row)])] = true;
  }
  const int focused = ListView_GetNextItem(table.list, -1, LVNI_FOCUSED);
  const int32_t caret = focused >= 0 && static_cast<size_t>(focused) < table.rows.size()
                            ? table.rows[static_cast<size_t>(focused)] : -1;
  table.caret_record = caret;
  table.program->select_in_main(table.dialog, selected, caret);
}

// The rows the filter keeps, in the sort's order; the selection follows the main list again.
void ShowRows(TableWindow& table) {
  RecordSource* records = Records(table);
  if (records == nullptr) {
    table.rows.clear();
  } else {
    table.rows = FilterRecords(table.shown_filter, *records);
    if (table.sort_column >= 0 && static_cast<size_t>(table.sort_column) < records->Columns().size()) {
      SortRecords(*records, table.rows, static_cast<size_t>(table.sort_column), table.descending);
    }
  }
  table.row_of.assign(records != nullptr ? static_cast<size_t>(records->RecordCount()) : 0, -1);
  table.changed.assign(table.row_of.size(), -1);
  table.changed_cells.assign(table.row_of.size(), 0);
  for (size_t row = 0; row < table.rows.size(); ++row) table.row_of[static_cast<size_t>(table.rows[row])] = static_cast<int32_t>(row);
  // The selection stays by row until FollowMainSelection puts it on the rows of the same records:
  // clearing it first would cost a change of every row twice.
  table.following = true;
  ListView_SetItemCountEx(table.list, static_cast<int>(table.rows.size()), LVSICF_NOINVALIDATEALL);
  InvalidateRect(table.list, nullptr, FALSE);
  table.following = false;
  FollowMainSelection(table);
  ShowTitle(table);
}

// The filter box's text, read again: the filter and its problem line.
void ApplyFilter(TableWindow& table) {
  RecordSource* records = Records(table);
  const int length = GetWindowTextLengthW(table.filter);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(table.filter, text.data(), length + 1);
  text.resize(static_cast<size_t>(length));
  std::string cp932;
  std::wstring problem;
  if (!Cp932FromWide(text, cp932)) {
    problem = LoadText(IDS_FILTER_NOT_CP932);
    table.shown_filter = RecordFilter{};
  } else if (records != nullptr) {
    table.shown_filter = ParseFilter(cp932, records->Columns(), Codec());
    if (table.shown_filter.problem != FilterProblem::None) {
      problem = FormatText(IDS_FILTER_PROBLEM + static_cast<UINT>(table.shown_filter.problem),
                           {WideFromCp932(table.shown_filter.problem_word)});
    }
  }
  wchar_t shown[256] = L"";
  GetWindowTextW(table.problem, shown, 256);
  if (problem != shown) SetWindowTextW(table.problem, problem.c_str());
  ShowRows(table);
}

// The W messages by name: the ListView_ macros send the A or W form as UNICODE says, and the
// programs do not define it.
void SetUpColumns(TableWindow& table) {
  while (ListView_DeleteColumn(table.list, 0)) {
  }
  RecordSource* records = Records(table);
  if (records == nullptr) return;
  const auto columns = records->Columns();
  if (table.widths.size() != columns.size()) {
    table.widths.clear();
    for (const CellColumn& column : columns) table.widths.push_back(ColumnWidth(column));
  }
  for (size_t k = 0; k < columns.size(); ++k) {
    std::wstring header = WideFromUtf8(Utf8Text(columns[k].header));
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = columns[k].kind == CellKind::Text ? LVCFMT_LEFT : LVCFMT_RIGHT;
    if (k == 0) column.fmt = LVCFMT_LEFT;  // the first column of a report view is always left-aligned
    column.cx = table.widths[k];
    column.pszText = header.data();
    SendMessageW(table.list, LVM_INSERTCOLUMNW, static_cast<int>(k), reinterpret_cast<LPARAM>(&column));
  }
  if (table.sort_column >= static_cast<int32_t>(columns.size())) table.sort_column = -1;
  ShowSortArrow(table);
}

void Layout(TableWindow& table) {
  RECT client;
  GetClientRect(table.window, &client);
  HDC dc = GetDC(table.window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(table.list, WM_GETFONT, 0, 0)));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(table.window, dc);
  const int line = metrics.tmHeight + 8;
  const int margin = 4;
  const int button = std::min<int>(client.right / 3, metrics.tmAveCharWidth * 24);
  MoveWindow(table.filter, margin, margin, client.right - button - 3 * margin, line, TRUE);
  MoveWindow(table.select_shown, client.right - button - margin, margin, button, line, TRUE);
  MoveWindow(table.problem, margin, margin + line + 2, client.right - 2 * margin, metrics.tmHeight + 2, TRUE);
  const int top = margin + line + metrics.tmHeight + 6;
  MoveWindow(table.list, 0, top, client.right, std::max<int>(0, client.bottom - top), TRUE);
}

void KeepPlacement(TableWindow& table) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  if (GetWindowPlacement(table.window, &placement)) table.placement = placement.rcNormalPosition;
  const int count = Header_GetItemCount(ListView_GetHeader(table.list));
  table.widths.resize(static_cast<size_t>(std::max(count, 0)));
  for (int k = 0; k < count; ++k) table.widths[static_cast<size_t>(k)] = ListView_GetColumnWidth(table.list, k);
}

// The text of one cell, into the list view's buffer.
void GiveCellText(TableWindow& table, NMLVDISPINFOW& info) {
  RecordSource* records = Records(table);
  if (!(info.item.mask & LVIF_TEXT) || records == nullptr || info.item.iItem < 0 ||
      static_cast<size_t>(info.item.iItem) >= table.rows.size() || info.item.cchTextMax <= 0) {
    return;
  }
  const auto columns = records->Columns();
  const auto column = static_cast<size_t>(info.item.iSubItem);
  if (column >= columns.size()) return;
  const int32_t record = table.rows[static_cast<size_t>(info.item.iItem)];
  const std::wstring text = WideFromUtf8(CellText(columns[column], records->Value(record, column, false), Codec()));
  lstrcpynW(info.item.pszText, text.c_str(), info.item.cchTextMax);
}

// A changed cell is drawn in bold, which high-contrast schemes keep.
LRESULT DrawCell(TableWindow& table, NMLVCUSTOMDRAW& draw) {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT: {
      // Rows without a changed cell are drawn as they are, cell by cell only the others.
      RecordSource* records = Records(table);
      const auto row = static_cast<size_t>(draw.nmcd.dwItemSpec);
      if (records == nullptr || row >= table.rows.size()) return CDRF_DODEFAULT;
      const auto record = static_cast<size_t>(table.rows[row]);
      if (record >= table.changed.size()) return CDRF_DODEFAULT;
      if (table.changed[record] < 0) {
        uint64_t cells = 0;
        const size_t columns = records->Columns().size();
        for (size_t column = 0; column < columns; ++column) {
          if (CellChanged(*records, table.rows[row], column)) cells |= column < 64 ? uint64_t{1} << column : 0;
        }
        table.changed_cells[record] = cells;
        table.changed[record] = cells != 0 ? 1 : 0;
      }
      return table.changed[record] != 0 ? CDRF_NOTIFYSUBITEMDRAW : CDRF_DODEFAULT;
    }
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const auto row = static_cast<size_t>(draw.nmcd.dwItemSpec);
      const auto column = static_cast<size_t>(draw.iSubItem);
      const size_t record = row < table.rows.size() ? static_cast<size_t>(table.rows[row]) : table.changed.size();
      const bool changed = record < table.changed_cells.size() && column < 64 &&
                           (table.changed_cells[record] >> column & 1) != 0;
      SelectObject(draw.nmcd.hdc, changed ? table.bold : reinterpret_cast<HFONT>(SendMessageW(table.list, WM_GETFONT, 0, 0)));
      return CDRF_NEWFONT;
    }
    default: return CDRF_DODEFAULT;
  }
}

void PostSync(TableWindow& table) {
  if (table.following || table.sync_posted) return;
  table.sync_posted = true;
  PostMessageW(table.window, WM_SYNC_MAIN, 0, 0);
}

LRESULT OnNotify(TableWindow& table, NMHDR& header) {
  if (header.hwndFrom != table.list) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOW: GiveCellText(table, reinterpret_cast<NMLVDISPINFOW&>(header)); return 0;
    case NM_CUSTOMDRAW: return DrawCell(table, reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    case LVN_COLUMNCLICK: {
      const int column = reinterpret_cast<NMLISTVIEW&>(header).iSubItem;
      table.descending = column == table.sort_column && !table.descending;
      table.sort_column = column;
      ShowSortArrow(table);
      ShowRows(table);
      return 0;
    }
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED)) PostSync(table);
      return 0;
    }
    case LVN_ODSTATECHANGED: PostSync(table); return 0;
    default: return 0;
  }
}

LRESULT CALLBACK TableProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
  }
  TableWindow* table = TableOf(window);
  if (table == nullptr || table->window == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  switch (message) {
    case WM_SIZE: Layout(*table); return 0;
    case WM_NOTIFY: return OnNotify(*table, *reinterpret_cast<NMHDR*>(lparam));
    case WM_COMMAND:
      if (LOWORD(wparam) == ID_FILTER && HIWORD(wparam) == EN_CHANGE) ApplyFilter(*table);
      if (LOWORD(wparam) == ID_SELECT_SHOWN) {
        table->following = true;  // one sync below, not one posted per row
        ListView_SetItemState(table->list, -1, LVIS_SELECTED, LVIS_SELECTED);
        table->following = false;
        SyncMainSelection(*table);
      }
      return 0;
    case WM_SYNC_MAIN: SyncMainSelection(*table); return 0;
    case WM_SETFOCUS: SetFocus(table->list); return 0;
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_DESTROY:
      KeepPlacement(*table);
      table->filter_text.resize(static_cast<size_t>(GetWindowTextLengthW(table->filter)) + 1);
      table->filter_text.resize(static_cast<size_t>(
          GetWindowTextW(table->filter, table->filter_text.data(), static_cast<int>(table->filter_text.size()))));
      DeleteObject(table->bold);
      table->bold = nullptr;
      table->window = nullptr;
      return 0;
    default: return DefWindowProcW(window, message, wparam, lparam);
  }
}

bool RegisterTableClass() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = TableProc;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = TABLE_CLASS;
    return RegisterClassExW(&window_class) != 0;
  }();
  return registered;
}

HWND Child(HWND parent, const wchar_t* window_class, DWORD style, DWORD ex_style, int id, HFONT font) {
  HWND child = CreateWindowExW(ex_style, window_class, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

bool CreateTable(HWND dialog, TableWindow& table) {
  if (!RegisterTableClass() || table.program->records() == nullptr) return false;
  table.dialog = dialog;
  RECT at = table.placement;
  if (at.right <= at.left) {
    RECT owner;
    GetWindowRect(dialog, &owner);
    at = {owner.left + 40, owner.top + 40, owner.left + 40 + 720, owner.top + 40 + 480};
  }
  table.window = CreateWindowExW(0, TABLE_CLASS, L"", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, at.left, at.top,
                                 at.right - at.left, at.bottom - at.top, dialog, nullptr, GetModuleHandleW(nullptr),
                                 &table);
  if (table.window == nullptr) return false;
  SetWindowLongPtrW(table.window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&table));
  const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  LOGFONTW bold{};
  GetObjectW(font != nullptr ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT), sizeof bold, &bold);
  bold.lfWeight = FW_BOLD;
  table.bold = CreateFontIndirectW(&bold);
  table.filter = Child(table.window, L"Edit", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, ID_FILTER, font);
  const std::wstring cue = LoadText(IDS_FILTER_CUE);
  SendMessageW(table.filter, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(cue.c_str()));
  table.select_shown = Child(table.window, L"Button", BS_PUSHBUTTON | WS_TABSTOP, 0, ID_SELECT_SHOWN, font);
  SetWindowTextW(table.select_shown, LoadText(IDS_SELECT_SHOWN).c_str());
  table.problem = Child(table.window, L"Static", SS_LEFT | SS_NOPREFIX, 0, 0, font);
  table.list = Child(table.window, WC_LISTVIEWW,
                     LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | WS_TABSTOP, WS_EX_CLIENTEDGE, ID_LIST, font);
  ListView_SetExtendedListViewStyle(table.list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
  SetUpColumns(table);
  table.stale = false;
  Layout(table);
  SetWindowTextW(table.filter, table.filter_text.c_str());  // filters, as typing does
  ApplyFilter(table);
  ShowWindow(table.window, SW_SHOWNORMAL);
  return true;
}

void Rebuild(TableWindow& table) {
  table.stale = false;
  if (table.window == nullptr) return;
  if (table.program->records() == nullptr) {
    CloseTableWindow(table);
    return;
  }
  SetUpColumns(table);
  ApplyFilter(table);
}

}  // namespace

void OpenTableWindow(HWND dialog, TableWindow& table) {
  if (table.window == nullptr) {
    if (!CreateTable(dialog, table)) return;
  } else if (table.stale) {
    Rebuild(table);
  }
  if (IsIconic(table.window)) ShowWindow(table.window, SW_RESTORE);
  SetActiveWindow(table.window);
  SetFocus(table.list);
}

void FocusTableFilter(HWND dialog, TableWindow& table) {
  OpenTableWindow(dialog, table);
  if (table.window == nullptr) return;
  SetFocus(table.filter);
  SendMessageW(table.filter, EM_SETSEL, 0, -1);
}

void CloseTableWindow(TableWindow& table) {
  if (table.window != nullptr) DestroyWindow(table.window);
}

void MarkTableStale(TableWindow& table) { table.stale = true; }

void RefreshTableAfterCommand(TableWindow& table, const EditSteps& steps, int32_t command) {
  if (table.window == nullptr) return;
  if (table.stale) {
    Rebuild(table);
    return;
  }
  if (steps.history.StoredGeneration() != table.stored_generation) {
    // Stored or opened: every mark may change.
    table.stored_generation = steps.history.StoredGeneration();
    table.changed.assign(table.changed.size(), -1);
    InvalidateRect(table.list, nullptr, FALSE);
  }
  const EditStep* step = nullptr;
  if (command == ID_EDIT_UNDO) step = steps.history.NextRedo();
  else if (command == ID_EDIT_REDO) step = steps.history.NextUndo();
  else if (steps.command_name(command) != 0 && steps.history.NextUndo() != nullptr &&
           steps.history.NextUndo()->command == command) step = steps.history.NextUndo();
  if (step != nullptr) {
    std::vector<bool> touched(table.row_of.size(), false);
    table.program->step_records(*step, touched);
    // Only the changed rows that are in view are drawn again.
    const int top = ListView_GetTopIndex(table.list);
    const int bottom = top + ListView_GetCountPerPage(table.list) + 1;
    for (size_t record = 0; record < touched.size(); ++record) {
      const int32_t row = table.row_of[record];
      if (!touched[record]) continue;
      if (record < table.changed.size()) table.changed[record] = -1;
      if (row >= top && row <= bottom) ListView_RedrawItems(table.list, row, row);
    }
  }
  FollowMainSelection(table);
}
