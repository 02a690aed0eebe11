// The status line: two sunken static fields under the dialog's controls, in the dialog's font. A
// status bar control would do as well, but it repaints itself at once on every new text (under Wine
// 1.3 ms a command); a static field's text is painted with the rest of the window.
#include "win32/status_line.h"

#include "win32/shared_strings.h"
#include "win32/string_table.h"

namespace {

uint32_t g_status_texts = 0;
// What each part shows, so that an unchanged text costs no message to the line.
std::wstring g_shown[2];
int32_t g_counted[2] = {-1, -1};  // the selected rows and all rows the selection part shows

// The selection's part takes this share of the line; the command's text the rest.
constexpr int SELECTION_PART_PERCENT = 36;
constexpr int GAP = 2;  // pixels around and between the parts

void SetPartText(HWND dialog, int part, const std::wstring& text) {
  if (text == g_shown[part]) return;
  HWND field = GetDlgItem(dialog, IDC_STATUS_LINE + part);
  if (field == nullptr) return;
  g_shown[part] = text;
  SetWindowTextW(field, text.c_str());
}

}  // namespace

void CreateStatusLine(HWND dialog) {
  g_shown[0].clear();
  g_shown[1].clear();
  g_counted[0] = g_counted[1] = -1;
  const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
  HDC dc = GetDC(dialog);
  const HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(dialog, dc);
  const int height = metrics.tmHeight + 6;

  RECT client;
  GetClientRect(dialog, &client);
  RECT window;
  GetWindowRect(dialog, &window);
  SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left, window.bottom - window.top + height + 2 * GAP,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const int split = client.right * SELECTION_PART_PERCENT / 100;
  const int lefts[] = {GAP, split + GAP};
  const int rights[] = {split, client.right - GAP};
  for (int part = 0; part < 2; ++part) {
    HWND field = CreateWindowExW(WS_EX_STATICEDGE, L"Static", L"",
                                 WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_CENTERIMAGE | SS_NOPREFIX,
                                 lefts[part], client.bottom + GAP, rights[part] - lefts[part], height, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_LINE + part)),
                                 GetModuleHandleW(nullptr), nullptr);
    if (field != nullptr) SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  }
}

void ShowSelectionStatus(HWND dialog, int list_id) {
  HWND list = GetDlgItem(dialog, list_id);
  const auto selected = static_cast<int32_t>(SendMessageW(list, LB_GETSELCOUNT, 0, 0));
  const auto rows = static_cast<int32_t>(SendMessageW(list, LB_GETCOUNT, 0, 0));
  if (selected == g_counted[0] && rows == g_counted[1]) return;
  g_counted[0] = selected;
  g_counted[1] = rows;
  SetPartText(dialog, 0,
              FormatText(IDS_SELECTION_STATUS, {std::to_wstring(selected < 0 ? 0 : selected), std::to_wstring(rows)}));
}

void ShowStatusText(HWND dialog, const std::wstring& text) {
  ++g_status_texts;
  SetPartText(dialog, 1, text);
}

uint32_t StatusTextCount() { return g_status_texts; }
