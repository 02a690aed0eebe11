// Varnholt's two files in the crash test, every item selected: the scenario file with a price
// applied, and the save file with an owner applied.
#include <array>
#include <numeric>
#include <string>

#include "crash_store_images.h"
#include "model/item_table.h"
#include "model/roster.h"
#include "program_driver.h"
#include "varnholt_resource.h"

namespace {

// Two steps in a row never give the same value. Prices 50 to 12750; owners among the first 97
// officers of the roster.
int32_t PriceOf(int32_t step) { return 50 * (1 + step * 37 % 255); }
int32_t OwnerChoiceOf(int32_t step) { return step * 37 % 97; }

std::array<int32_t, ITEM_COUNT> AllItems() {
  std::array<int32_t, ITEM_COUNT> items;
  std::iota(items.begin(), items.end(), 0);
  return items;
}

bool SelectAll(HWND dialog) { return SendToProgram(dialog, WM_COMMAND, IDC_SELECT_ALL, 0); }

bool ApplyPrice(HWND dialog, int32_t step) {
  const std::wstring text = std::to_wstring(PriceOf(step));
  return SendToProgram(GetDlgItem(dialog, IDC_ITEM_PRICE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) &&
         SendToProgram(dialog, WM_COMMAND, IDC_UPDATE_PRICE, 0);
}

bool ApplyOwner(HWND dialog, int32_t step) {
  return SendToProgram(GetDlgItem(dialog, IDC_ITEM_OWNER), CB_SETCURSEL, OwnerChoiceOf(step), 0) &&
         SendToProgram(dialog, WM_COMMAND, IDC_UPDATE_OWNER, 0);
}

std::vector<uint8_t> PriceVersion(std::vector<uint8_t> scenario, int32_t step) {
  if (step > 0) WriteItemPrice(scenario, AllItems(), PriceOf(step));
  return scenario;
}

std::vector<uint8_t> OwnerVersion(std::vector<uint8_t> save, int32_t step) {
  if (step == 0) return save;
  OfficerRoster roster;
  BuildOfficerRoster(save, roster);
  WriteItemOwner(save, AllItems(), OwnerChoiceOf(step), roster);
  return save;
}

}  // namespace

const CrashImage VARNHOLT_SCENARIO = {"varnholt-scenario", "Varnholt.exe", L"Varnholt", SCENARIO_NAME, 0,
                                      ID_FILE_OVERWRITE_SCENARIO, SelectAll, ApplyPrice, PriceVersion};
const CrashImage VARNHOLT_SAVE = {"varnholt-save", "Varnholt.exe", L"Varnholt", SAVE_NAME, ID_FILE_OPEN_SAVE,
                                  ID_FILE_OVERWRITE_SAVE, SelectAll, ApplyOwner, OwnerVersion};
