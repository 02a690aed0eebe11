// Driving a program's table window as a user does: the filter box, a header click, the button that
// selects every shown row; and reading what it shows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "win32/table_window.h"

// Types `utf8` into the filter box (WM_SETTEXT sends EN_CHANGE as typing does).
void TypeFilter(const TableWindow& table, const std::string& utf8);
void ClickHeader(const TableWindow& table, int column);
void ClickSelectShown(const TableWindow& table);
// A cell's text in UTF-8, as the list view gives it.
std::string TableCell(const TableWindow& table, int row, int column);
int TableRowCount(const TableWindow& table);
// A column's header in UTF-8, without its sort arrow.
std::string TableHeader(const TableWindow& table, int column);
// The selected rows, ascending.
std::vector<int> SelectedTableRows(const TableWindow& table);
