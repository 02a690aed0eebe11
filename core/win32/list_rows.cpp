// Selection, rows and choice lists of the programs' list and combo boxes.
#include "win32/list_rows.h"

#include <algorithm>

#include "formats/csv.h"
#include "platform/win_text_boundary.h"
#include "win32/controls.h"
#include "win32/string_table.h"

void CaptureListSelection(HWND list, ListSelection& selection) {
  const LRESULT count = SendMessageW(list, LB_GETSELCOUNT, 0, 0);
  const LRESULT top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
  selection.top_row = top > 0 ? static_cast<int32_t>(top) : 0;
  selection.count = 0;
  if (count <= 0) return;
  const LRESULT got = SendMessageW(list, LB_GETSELITEMS, std::min<LRESULT>(count, LIST_CAPACITY),
                                   reinterpret_cast<LPARAM>(selection.rows.data()));
  selection.count = got > 0 ? static_cast<int32_t>(got) : 0;
}

void SelectListRows(HWND list, std::span<const int32_t> rows, int32_t top_row, int32_t caret_row) {
  std::array<bool, LIST_CAPACITY> selected{};
  // A row the list does not have cannot be selected, and so would not take the anchor either.
  const LRESULT shown = SendMessageW(list, LB_GETCOUNT, 0, 0);
  int32_t anchor_row = -1;
  for (int32_t row : rows) {
    if (row < 0 || row >= LIST_CAPACITY) continue;
    selected[static_cast<size_t>(row)] = true;
    if (row < shown) anchor_row = row;
  }
  for (int32_t first = 0; first < LIST_CAPACITY; ++first) {
    if (!selected[static_cast<size_t>(first)]) continue;
    int32_t last = first;
    while (last + 1 < LIST_CAPACITY && selected[static_cast<size_t>(last + 1)]) ++last;
    SendMessageW(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(first, last));
    first = last;
  }
  if (anchor_row >= 0) {
    if (SendMessageW(list, LB_GETANCHORINDEX, 0, 0) != anchor_row) SendMessageW(list, LB_SETANCHORINDEX, anchor_row, 0);
    if (caret_row == CARET_WHERE_SELECTED) caret_row = anchor_row;
  }
  // Setting the caret scrolls the list to it even where it already is.
  if (caret_row != CARET_WHERE_SELECTED && SendMessageW(list, LB_GETCARETINDEX, 0, 0) != caret_row) {
    SendMessageW(list, LB_SETCARETINDEX, caret_row, FALSE);
  }
  if (SendMessageW(list, LB_GETTOPINDEX, 0, 0) != top_row) SendMessageW(list, LB_SETTOPINDEX, top_row, 0);
}

void SelectAllListRows(HWND list, int32_t row_count) {
  SendMessageW(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, row_count - 1));
}

// The rows that were not selected are selected in runs after every row is cleared (clearing moves
// neither caret nor anchor), which ends as flipping each row in turn with LB_SETSEL does.
void InvertListSelection(HWND list, int32_t row_count, int32_t caret_row) {
  ListSelection selection;
  CaptureListSelection(list, selection);
  std::array<bool, LIST_CAPACITY> was_selected{};
  for (int32_t i = 0; i < selection.count; ++i) {
    const int32_t row = selection.rows[static_cast<size_t>(i)];
    if (row >= 0 && row < LIST_CAPACITY) was_selected[static_cast<size_t>(row)] = true;
  }
  std::array<int32_t, LIST_CAPACITY> flipped;
  size_t count = 0;
  for (int32_t row = 0; row < std::min(row_count, LIST_CAPACITY); ++row) {
    if (!was_selected[static_cast<size_t>(row)]) flipped[count++] = row;
  }
  if (caret_row == CARET_WHERE_SELECTED) {
    caret_row = count > 0 ? flipped[count - 1] : static_cast<int32_t>(SendMessageW(list, LB_GETCARETINDEX, 0, 0));
  }
  ChangeSelection(list, caret_row, selection.top_row, [&] {
    if (selection.count > 0) SendMessageW(list, LB_SETSEL, FALSE, -1);
    SelectListRows(list, std::span(flipped.data(), count), selection.top_row, caret_row);
  });
}

void ClearRows(HWND control, UINT reset_message, bool refill_follows) {
  SetRedraw(control, false);
  SendMessageW(control, reset_message, 0, 0);
  if (!refill_follows) SetRedraw(control, true);
}

void InsertTextRow(HWND control, UINT insert_message, int32_t row, std::string_view text) {
  SendMessageW(control, insert_message, row, reinterpret_cast<LPARAM>(WideFromCp932(text).c_str()));
}

void InsertTextRows(HWND control, UINT insert_message, int32_t first_row, std::span<const std::string_view> texts) {
  std::string joined;
  for (std::string_view text : texts) {
    joined.append(text.substr(0, text.find('\0')));
    joined.push_back('\0');
  }
  SendMessageW(control, insert_message == CB_INSERTSTRING ? CB_INITSTORAGE : LB_INITSTORAGE, texts.size(),
               static_cast<LPARAM>(joined.size() * sizeof(wchar_t)));
  const std::wstring wide = WideFromCp932(joined);
  // A text that ends in half a character would take the NUL after it along: then each goes alone.
  if (static_cast<size_t>(std::count(wide.begin(), wide.end(), L'\0')) != texts.size()) {
    for (size_t k = 0; k < texts.size(); ++k) InsertTextRow(control, insert_message, first_row + static_cast<int32_t>(k), texts[k]);
    return;
  }
  const wchar_t* row_text = wide.c_str();
  for (size_t k = 0; k < texts.size(); ++k) {
    SendMessageW(control, insert_message, first_row + static_cast<int32_t>(k), reinterpret_cast<LPARAM>(row_text));
    row_text += wcslen(row_text) + 1;
  }
}

void FillComboBox(HWND dialog, int control, std::span<const std::u8string_view> texts) {
  HWND combo = GetDlgItem(dialog, control);
  SetRedraw(combo, false);
  for (size_t i = 0; i < texts.size(); ++i) {
    const std::wstring text = WideFromUtf8(Utf8Text(texts[i]));
    SendMessageW(combo, CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(text.c_str()));
  }
  SetRedraw(combo, true);
}

void LimitEdits(HWND dialog, std::span<const EditLimit> limits) {
  for (const EditLimit& limit : limits) {
    SendDlgItemMessageW(dialog, limit.control, EM_LIMITTEXT, limit.characters, 0);
  }
}

void ShowTextRows(HWND control, bool combo, std::span<const std::string_view> texts, std::vector<std::string>& shown) {
  const UINT insert = combo ? CB_INSERTSTRING : LB_INSERTSTRING;
  const LRESULT rows = SendMessageW(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
  const auto row_text = [](std::string_view text) { return text.substr(0, text.find('\0')); };
  std::vector<size_t> differing;
  if (rows >= 0 && static_cast<size_t>(rows) == texts.size() && shown.size() == texts.size()) {
    for (size_t row = 0; row < texts.size(); ++row) {
      if (shown[row] != row_text(texts[row])) differing.push_back(row);
    }
  }
  // A row rewritten on its own costs a delete and an insert; from half the rows on, refilling
  // every row in one go costs less.
  if (rows >= 0 && static_cast<size_t>(rows) == texts.size() && shown.size() == texts.size() &&
      differing.size() * 2 < texts.size()) {
    for (size_t row : differing) {
      SendMessageW(control, combo ? CB_DELETESTRING : LB_DELETESTRING, row, 0);
      InsertTextRow(control, insert, static_cast<int32_t>(row), texts[row]);
    }
  } else {
    SendMessageW(control, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    InsertTextRows(control, insert, 0, texts);
  }
  shown.assign(texts.size(), std::string());
  for (size_t row = 0; row < texts.size(); ++row) shown[row] = row_text(texts[row]);
}
