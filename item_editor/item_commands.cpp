// Varnholt's item commands: the view of the current item and its owner, the selection commands,
// the update buttons that write one field into every selected item, and the reset to the built-in
// item table.
#include <windows.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "item_editor.h"
#include "model/initial_items.h"
#include "model/text_field.h"
#include "platform/win_text_boundary.h"
#include "varnholt_resource.h"
#include "win32/command_frame.h"
#include "win32/controls.h"
#include "win32/image_dialogs.h"
#include "win32/list_rows.h"
#include "win32/string_table.h"

namespace {

HWND ItemList(HWND dialog) { return GetDlgItem(dialog, IDC_ITEM_LIST); }

std::span<const int32_t> Rows(const ListSelection& selection) {
  return {selection.rows.data(), static_cast<size_t>(selection.count)};
}

ListSelection CaptureItemSelection(HWND list) {
  ListSelection selection;
  CaptureListSelection(list, selection);
  return selection;
}

// A byte outside its list arrives as the choice -1 and is sent as such: under Wine an index beyond
// the list keeps the previous choice, where Windows clears it.
void ShowChoice(HWND dialog, int combo, int32_t choice) {
  SendDlgItemMessageW(dialog, combo, CB_SETCURSEL, choice, 0);
}

// A change of item names: `write` gets the selected rows and changes the scenario image; then the
// rows of the selected items (every row with `all_rows`) are rewritten, keeping the selection, the
// caret and the top row.
template <typename Write>
void RewriteRowsAfter(HWND dialog, bool all_rows, Write write) {
  HWND list = ItemList(dialog);
  const ListSelection selection = CaptureItemSelection(list);
  SetRedraw(list, false);
  write(Rows(selection));
  auto insert = [list](int32_t item) { InsertItemRow(list, item); };
  if (all_rows) {
    RefillListRows(list, ITEM_COUNT, insert);
  } else {
    RewriteListRows(list, Rows(selection), ITEM_COUNT, insert);
  }
  RestoreItemSelection(list, selection);
  SetRedraw(list, true);
}

// The same, for a command that changes the scenario image: `write(scenario, rows)` writes it, and
// the image is marked changed.
template <typename Write>
void RewriteItems(HWND dialog, bool all_rows, Write write) {
  RewriteRowsAfter(dialog, all_rows, [&](std::span<const int32_t> rows) {
    WriteSelectedRecords(Image(SCENARIO_SLOT), [&](std::span<uint8_t> scenario) {
      write(scenario, rows);
      return true;
    });
  });
}

// The write of a field update whose value has been read and checked: `write(image, rows)` writes it
// into every selected item of the image in `slot` and answers whether to mark the image changed.
template <typename Write>
void WriteSelectedItems(HWND dialog, int slot, Write write) {
  const ListSelection selection = CaptureItemSelection(ItemList(dialog));
  WriteSelectedRecords(Image(slot), [&](std::span<uint8_t> image) { return write(image, Rows(selection)); });
}

// A numeric field: the edit's text judged by `parse` (-1: refused, with a warning captioned by the
// field's label), then written into every selected item; the image is marked changed, even when no
// row is selected.
template <typename Write>
void UpdateNumber(HWND dialog, int control, int32_t (*parse)(std::string_view), UINT warning, UINT label,
                  Write write) {
  const int32_t value = ReadNumberInput(dialog, control, parse, warning, label);
  if (value < 0) return;
  WriteSelectedItems(dialog, SCENARIO_SLOT, [&](auto image, auto rows) {
    write(image, rows, value);
    return true;
  });
}

// A choice field: the combo box's current index, written into every selected item. A combo box
// with no current entry (its item's byte lies outside the list) names no value: the bytes stay as
// they are and the image is not marked changed, as with the owner.
void UpdateChoice(HWND dialog, int combo, bool (*write)(std::span<uint8_t>, std::span<const int32_t>, int32_t)) {
  const int32_t choice = ReadChoice(dialog, combo);
  WriteSelectedItems(dialog, SCENARIO_SLOT, [&](auto image, auto rows) { return write(image, rows, choice); });
}

}  // namespace

void InsertItemRow(HWND list, int32_t item) {
  InsertTextRow(list, LB_INSERTSTRING, item, ReadItemName(ImageBytes(SCENARIO_SLOT), item).text);
}

void RewriteItemRows(HWND dialog) {
  RewriteRowsAfter(dialog, true, [](std::span<const int32_t>) {});
}

void RestoreItemSelection(HWND list, const ListSelection& selection) {
  SelectListRows(list, Rows(selection), selection.top_row, g_item_editor.current_item);
}

std::vector<int32_t> CaptureItemView(HWND dialog) {
  const ListSelection selection = CaptureItemSelection(ItemList(dialog));
  std::vector<int32_t> view{selection.top_row, g_item_editor.current_item};
  view.insert(view.end(), selection.rows.begin(), selection.rows.begin() + selection.count);
  return view;
}

void ShowItemView(HWND dialog, std::span<const int32_t> view) {
  if (view.size() < 2) return;
  HWND list = ItemList(dialog);
  g_item_editor.current_item = view[1];
  SetRedraw(list, false);
  RefillListRows(list, ITEM_COUNT, [list](int32_t item) { InsertItemRow(list, item); });
  SelectListRows(list, view.subspan(2), view[0], view[1]);
  SetRedraw(list, true);
  ShowCurrentItem(dialog);
  ShowCurrentOwner(dialog);
}

void ShowCurrentItem(HWND dialog) {
  const ItemView view = ReadItemView(ImageBytes(SCENARIO_SLOT), g_item_editor.current_item);
  SetControlText(dialog, IDC_ITEM_NAME, view.name.text);
  ShowChoice(dialog, IDC_ITEM_TYPE, view.type_choice);
  ShowChoice(dialog, IDC_ITEM_IMAGE, view.image_choice);
  SetControlText(dialog, IDC_ITEM_PRICE, view.price);
  SetControlText(dialog, IDC_ITEM_INCREASE, view.increase);
  ShowChoice(dialog, IDC_ITEM_SKILL, view.skill_choice);
}

// An owner that is neither NO_OWNER nor an officer of the roster shows no entry.
void ShowCurrentOwner(HWND dialog) {
  if (!IsImageOpen(Image(SAVE_SLOT))) return;
  ShowChoice(dialog, IDC_ITEM_OWNER,
             OwnerChoice(ImageBytes(SAVE_SLOT), g_item_editor.current_item, g_item_editor.roster,
                         g_item_editor.roster_positions));
}

// The caret row is the row last clicked or moved to, whether or not it is now selected.
void ChangeCurrentItem(HWND dialog) {
  const LRESULT caret = SendMessageW(ItemList(dialog), LB_GETCARETINDEX, 0, 0);
  if (caret >= 0 && caret < ITEM_COUNT) g_item_editor.current_item = static_cast<int32_t>(caret);
  ShowCurrentItem(dialog);
  ShowCurrentOwner(dialog);
}

void SelectAllItems(HWND dialog) {
  HWND list = ItemList(dialog);
  const auto top_row = static_cast<int32_t>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  ChangeSelection(list, g_item_editor.current_item, top_row, [list] { SelectAllListRows(list, ITEM_COUNT); });
}

void InvertItemSelection(HWND dialog) { InvertListSelection(ItemList(dialog), ITEM_COUNT, g_item_editor.current_item); }

// The edit is read whole and cut to the whole characters that fit the field: under Wine its limit
// counts characters, not bytes, and a short read can end in half a character.
void UpdateItemName(HWND dialog) {
  std::string name;
  if (!ReadTextInput(dialog, IDC_ITEM_NAME, ITEM_NAME_WIDTH - 1, IDS_ENTER_ITEM_NAME, IDS_ITEM_NAME_LABEL, name)) {
    return;
  }
  RewriteItems(dialog, false, [&](std::span<uint8_t> scenario, std::span<const int32_t> rows) {
    WriteItemName(scenario, rows, name);
  });
}

void UpdateItemType(HWND dialog) { UpdateChoice(dialog, IDC_ITEM_TYPE, WriteItemType); }

void UpdateItemImage(HWND dialog) { UpdateChoice(dialog, IDC_ITEM_IMAGE, WriteItemImage); }

void UpdateItemPrice(HWND dialog) {
  UpdateNumber(dialog, IDC_ITEM_PRICE, ParseItemPrice, IDS_PRICE_RANGE, IDS_PRICE_LABEL, WriteItemPrice);
}

void UpdateItemIncrease(HWND dialog) {
  UpdateNumber(dialog, IDC_ITEM_INCREASE, ParseItemIncrease, IDS_INCREASE_RANGE, IDS_INCREASE_LABEL,
               WriteItemIncrease);
}

void UpdateItemSkill(HWND dialog) { UpdateChoice(dialog, IDC_ITEM_SKILL, WriteItemSkill); }

// Only while a save file is open. With no current entry in the owner list there is no owner to
// write: nothing is written and the save image is not marked changed, as with a refused input.
void UpdateItemOwner(HWND dialog) {
  if (!IsImageOpen(Image(SAVE_SLOT))) return;
  const int32_t choice = ReadChoice(dialog, IDC_ITEM_OWNER);
  WriteSelectedItems(dialog, SAVE_SLOT, [&](auto save, auto rows) {
    return WriteItemOwner(save, rows, choice, g_item_editor.roster);
  });
}

// Each field as if its own button had been pressed: a refused input skips only its field.
void UpdateAllFields(HWND dialog) {
  UpdateItemName(dialog);
  UpdateItemType(dialog);
  UpdateItemImage(dialog);
  UpdateItemPrice(dialog);
  UpdateItemIncrease(dialog);
  UpdateItemSkill(dialog);
  UpdateItemOwner(dialog);
}

// Every item but its owner back to the built-in table; the selection and the top row stay.
void InitializeItems(HWND dialog) {
  if (!AskYesNo(dialog, LoadText(IDS_INITIALIZE_QUESTION), IDS_INITIALIZE_CAPTION)) return;
  RewriteItems(dialog, true, [](std::span<uint8_t> scenario, std::span<const int32_t>) { ApplyInitialItemTable(scenario); });
  ShowCurrentItem(dialog);
}
