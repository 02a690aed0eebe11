#include "row_by_row.h"

std::vector<int> CaseDraws::Rows(int trial, int n) {
  std::vector<int> rows;
  const uint32_t density = trial == 0 ? 0 : trial == 1 ? 100 : Next() % 100;
  for (int row = 0; row < n; ++row) {
    if (Next() % 100 < density) rows.push_back(row);
  }
  return rows;
}

void InvertRowByRow(HWND list) {
  const auto n = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int row = 0; row < n; ++row) SendMessageW(list, LB_SETSEL, SendMessageW(list, LB_GETSEL, row, 0) ? FALSE : TRUE, row);
}

void RewriteRows(HWND list, const std::vector<int>& rows, const ListState& after) {
  for (int row : rows) {
    SendMessageW(list, LB_DELETESTRING, row, 0);
    SendMessageW(list, LB_INSERTSTRING, row, reinterpret_cast<LPARAM>(after.texts[static_cast<size_t>(row)].c_str()));
  }
  for (int row : rows) SendMessageW(list, LB_SETSEL, TRUE, row);
}
