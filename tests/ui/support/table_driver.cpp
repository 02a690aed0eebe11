#include "table_driver.h"

#include <commctrl.h>

#include "ui_driver.h"

void TypeFilter(const TableWindow& table, const std::string& utf8) {
  SetWindowTextW(table.filter, WideOfUtf8(utf8).c_str());
}

void ClickHeader(const TableWindow& table, int column) {
  NMLISTVIEW click{};
  click.hdr = {table.list, static_cast<UINT_PTR>(GetDlgCtrlID(table.list)), LVN_COLUMNCLICK};
  click.iItem = -1;
  click.iSubItem = column;
  SendMessageW(table.window, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

void ClickSelectShown(const TableWindow& table) {
  SendMessageW(table.window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(table.select_shown), BN_CLICKED),
               reinterpret_cast<LPARAM>(table.select_shown));
}

std::string TableCell(const TableWindow& table, int row, int column) {
  wchar_t text[256] = L"";
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = 256;
  SendMessageW(table.list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  return Utf8OfWide(text);
}

int TableRowCount(const TableWindow& table) {
  return static_cast<int>(SendMessageW(table.list, LVM_GETITEMCOUNT, 0, 0));
}

std::vector<int> SelectedTableRows(const TableWindow& table) {
  std::vector<int> rows;
  for (int row = ListView_GetNextItem(table.list, -1, LVNI_SELECTED); row >= 0;
       row = ListView_GetNextItem(table.list, row, LVNI_SELECTED)) {
    rows.push_back(row);
  }
  return rows;
}

std::string TableHeader(const TableWindow& table, int column) {
  wchar_t text[64] = L"";
  HDITEMW item{};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(ListView_GetHeader(table.list), HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
  return Utf8OfWide(text);
}
