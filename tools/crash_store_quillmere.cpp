// Quillmere's save file in the crash test: every officer selected, a loyalty applied, stored.
#include <string>

#include "crash_store_images.h"
#include "model/officer_edits.h"
#include "model/roster.h"
#include "program_driver.h"
#include "quillmere_resource.h"

namespace {

// 1 to 100; two steps in a row never give the same value.
int32_t LoyaltyOf(int32_t step) { return 1 + step * 37 % 100; }

bool SelectAll(HWND dialog) { return SendToProgram(dialog, WM_COMMAND, IDC_SELECT_ALL, 0); }

bool ApplyLoyalty(HWND dialog, int32_t step) {
  const std::wstring text = std::to_wstring(LoyaltyOf(step));
  return SendToProgram(GetDlgItem(dialog, IDC_LOYALTY), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) &&
         SendToProgram(dialog, WM_COMMAND, IDC_SET_LOYALTY, 0);
}

std::vector<uint8_t> LoyaltyVersion(std::vector<uint8_t> save, int32_t step) {
  if (step == 0) return save;
  OfficerRoster roster;
  BuildOfficerRoster(save, roster);
  WriteLoyalty(save, {roster.ids.data(), static_cast<size_t>(roster.count)}, LoyaltyOf(step));
  return save;
}

}  // namespace

const CrashImage QUILLMERE_SAVE = {"quillmere-save", "Quillmere.exe", L"Quillmere", SAVE_NAME, ID_FILE_OPEN,
                                   ID_FILE_SAVE, SelectAll, ApplyLoyalty, LoyaltyVersion};
