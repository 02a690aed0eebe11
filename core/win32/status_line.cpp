// The status line: a status bar of two parts under the dialog's controls.
#include "win32/status_line.h"

#include <commctrl.h>

#include "win32/shared_strings.h"
#include "win32/string_table.h"

namespace {

uint32_t g_status_texts = 0;

// The selection's part takes this share of the line; the command's text the rest.
constexpr int SELECTION_PART_PERCENT = 36;

void SetPartText(HWND line, int part, const std::wstring& text) {
  wchar_t shown[256] = L"";
  const LRESULT length = SendMessageW(line, SB_GETTEXTLENGTHW, part, 0);
  if (LOWORD(length) < 256) SendMessageW(line, SB_GETTEXTW, part, reinterpret_cast<LPARAM>(shown));
  if (text != shown) SendMessageW(line, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

void CreateStatusLine(HWND dialog) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
  InitCommonControlsEx(&classes);
  RECT client;
  GetClientRect(dialog, &client);
  HWND line = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, dialog,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_LINE)), GetModuleHandleW(nullptr),
                              nullptr);
  if (line == nullptr) return;
  RECT bar;
  GetWindowRect(line, &bar);
  const int height = bar.bottom - bar.top;
  RECT window;
  GetWindowRect(dialog, &window);
  SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left, window.bottom - window.top + height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(line, WM_SIZE, 0, 0);
  const int parts[] = {client.right * SELECTION_PART_PERCENT / 100, -1};
  SendMessageW(line, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
}

void ShowSelectionStatus(HWND dialog, int list_id) {
  HWND line = GetDlgItem(dialog, IDC_STATUS_LINE);
  if (line == nullptr) return;
  const LRESULT selected = SendDlgItemMessageW(dialog, list_id, LB_GETSELCOUNT, 0, 0);
  const LRESULT rows = SendDlgItemMessageW(dialog, list_id, LB_GETCOUNT, 0, 0);
  SetPartText(line, 0,
              FormatText(IDS_SELECTION_STATUS, {std::to_wstring(selected < 0 ? 0 : selected), std::to_wstring(rows)}));
}

void ShowStatusText(HWND dialog, const std::wstring& text) {
  ++g_status_texts;
  HWND line = GetDlgItem(dialog, IDC_STATUS_LINE);
  if (line != nullptr) SetPartText(line, 1, text);
}

uint32_t StatusTextCount() { return g_status_texts; }
