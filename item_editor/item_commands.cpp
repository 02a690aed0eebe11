// Varnholt's item commands: the view of the current item and its owner, the selection commands,
// the update buttons that write one field into every selected item, and the reset to the built-in
// item table.
#include <windows.h>

#include <algorithm>
#include <span>
#include <string>
#include <string_view>

#include "controls.h"
#include "image_dialogs.h"
#include "initial_items.h"
#include "item_editor.h"
#include "resource.h"
#include "text_field.h"

namespace {

HWND ItemList(HWND dialog) { return GetDlgItem(dialog, IDC_ITEM_LIST); }

std::span<const int32_t> Rows(const ItemSelection& selection) {
  return {selection.rows, static_cast<size_t>(selection.count)};
}

void MarkDirty(int slot) { g_item_editor.images[slot].dirty = 1; }

// A byte outside its list arrives as the choice -1 and is sent as such: under Wine an index beyond
// the list keeps the previous choice, where Windows clears it.
void ShowChoice(HWND dialog, int combo, int32_t choice) {
  SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, choice, 0);
}

// The combo box's current index; -1 (CB_ERR) when it has no current entry.
int32_t CurrentChoice(HWND dialog, int combo) {
  return static_cast<int32_t>(SendDlgItemMessageA(dialog, combo, CB_GETCURSEL, 0, 0));
}

void DeleteAndInsertItemRow(HWND list, int32_t item) {
  SendMessageA(list, LB_DELETESTRING, item, 0);
  InsertItemRow(list, item);
}

// The frame of a field update whose value has been read and checked: write it into every selected
// item and mark the field's image changed, even when no row is selected.
template <typename Write>
void WriteSelectedItems(HWND dialog, int slot, Write write) {
  const ItemSelection selection = CaptureSelection(ItemList(dialog));
  write(ImageBytes(slot), Rows(selection));
  MarkDirty(slot);
}

// Moves the caret to the current item and the top row back, after rows were (de)selected.
void KeepCaretAndTopRow(HWND list, LRESULT top_row) {
  SendMessageA(list, LB_SETCARETINDEX, g_item_editor.current_item, FALSE);
  SendMessageA(list, LB_SETTOPINDEX, top_row, 0);
}

}  // namespace

void InsertItemRow(HWND list, int32_t item) {
  const ItemNameText name = ReadItemName(ImageBytes(SCENARIO_SLOT), item);
  SendMessageA(list, LB_INSERTSTRING, item, reinterpret_cast<LPARAM>(name.text));
}

ItemSelection CaptureSelection(HWND list) {
  ItemSelection selection{};
  const LRESULT count = SendMessageA(list, LB_GETSELCOUNT, 0, 0);
  const LRESULT top_row = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
  selection.top_row = top_row > 0 ? static_cast<int32_t>(top_row) : 0;
  if (count > 0) {
    const LRESULT got = SendMessageA(list, LB_GETSELITEMS, std::min<LRESULT>(count, ITEM_COUNT),
                                     reinterpret_cast<LPARAM>(selection.rows));
    selection.count = got > 0 ? static_cast<int32_t>(got) : 0;
  }
  return selection;
}

void RestoreSelection(HWND list, const ItemSelection& selection) {
  for (int32_t row : Rows(selection)) SendMessageA(list, LB_SETSEL, TRUE, row);
  KeepCaretAndTopRow(list, selection.top_row);
}

void ShowCurrentItem(HWND dialog) {
  const ItemView view = ReadItemView(ImageBytes(SCENARIO_SLOT), g_item_editor.current_item);
  SetDlgItemTextA(dialog, IDC_ITEM_NAME, view.name.text);
  ShowChoice(dialog, IDC_ITEM_TYPE, view.type_choice);
  ShowChoice(dialog, IDC_ITEM_IMAGE, view.image_choice);
  SetDlgItemTextA(dialog, IDC_ITEM_PRICE, view.price);
  SetDlgItemTextA(dialog, IDC_ITEM_INCREASE, view.increase);
  ShowChoice(dialog, IDC_ITEM_SKILL, view.skill_choice);
}

// An owner that is neither NO_OWNER nor an officer of the roster shows no entry.
void ShowCurrentOwner(HWND dialog) {
  if (!IsImageOpen(g_item_editor.images[SAVE_SLOT])) return;
  ShowChoice(dialog, IDC_ITEM_OWNER,
             OwnerChoice(ImageBytes(SAVE_SLOT), g_item_editor.current_item, g_item_editor.roster,
                         g_item_editor.roster_positions));
}

// The caret row is the row last clicked or moved to, whether or not it is now selected.
void ChangeCurrentItem(HWND dialog) {
  const LRESULT caret = SendMessageA(ItemList(dialog), LB_GETCARETINDEX, 0, 0);
  if (caret >= 0 && caret < ITEM_COUNT) g_item_editor.current_item = static_cast<int32_t>(caret);
  ShowCurrentItem(dialog);
  ShowCurrentOwner(dialog);
}

void SelectAllItems(HWND dialog) {
  HWND list = ItemList(dialog);
  SetRedraw(list, false);
  const LRESULT top_row = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
  SendMessageA(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, ITEM_COUNT - 1));
  KeepCaretAndTopRow(list, top_row);
  SetRedraw(list, true);
}

void InvertItemSelection(HWND dialog) {
  HWND list = ItemList(dialog);
  SetRedraw(list, false);
  const LRESULT top_row = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
  for (int32_t row = 0; row < ITEM_COUNT; ++row) {
    const bool selected = SendMessageA(list, LB_GETSEL, row, 0) != 0;
    SendMessageA(list, LB_SETSEL, selected ? FALSE : TRUE, row);
  }
  KeepCaretAndTopRow(list, top_row);
  SetRedraw(list, true);
}

// The edit is read whole and cut to the whole characters that fit the field: under Wine its limit
// counts characters, not bytes, and a short read can end in half a character.
void UpdateItemName(HWND dialog) {
  const std::string typed = ReadControlText(dialog, IDC_ITEM_NAME);
  const std::string_view name = FitText(typed, ITEM_NAME_WIDTH - 1);
  if (name.empty()) {
    ShowWarning(dialog, "名前を入力して下さい。", "名前");
    return;
  }
  HWND list = ItemList(dialog);
  const ItemSelection selection = CaptureSelection(list);
  SetRedraw(list, false);
  WriteItemName(ImageBytes(SCENARIO_SLOT), Rows(selection), name);
  for (int32_t row : Rows(selection)) DeleteAndInsertItemRow(list, row);
  RestoreSelection(list, selection);
  SetRedraw(list, true);
  MarkDirty(SCENARIO_SLOT);
}

void UpdateItemType(HWND dialog) {
  const int32_t choice = CurrentChoice(dialog, IDC_ITEM_TYPE);
  WriteSelectedItems(dialog, SCENARIO_SLOT, [&](auto image, auto rows) { WriteItemType(image, rows, choice); });
}

void UpdateItemImage(HWND dialog) {
  const int32_t choice = CurrentChoice(dialog, IDC_ITEM_IMAGE);
  WriteSelectedItems(dialog, SCENARIO_SLOT, [&](auto image, auto rows) { WriteItemImage(image, rows, choice); });
}

void UpdateItemPrice(HWND dialog) {
  const int32_t price = ParseItemPrice(ReadControlText(dialog, IDC_ITEM_PRICE));
  if (price < 0) {
    ShowWarning(dialog, "0 から 12750 までの 50 で割り切れる数値を入力して下さい。", "売値");
    return;
  }
  WriteSelectedItems(dialog, SCENARIO_SLOT, [&](auto image, auto rows) { WriteItemPrice(image, rows, price); });
}

void UpdateItemIncrease(HWND dialog) {
  const int32_t increase = ParseItemIncrease(ReadControlText(dialog, IDC_ITEM_INCREASE));
  if (increase < 0) {
    ShowWarning(dialog, "0 から 99 までの数値を入力して下さい。", "増加値");
    return;
  }
  WriteSelectedItems(dialog, SCENARIO_SLOT,
                     [&](auto image, auto rows) { WriteItemIncrease(image, rows, increase); });
}

void UpdateItemSkill(HWND dialog) {
  const int32_t choice = CurrentChoice(dialog, IDC_ITEM_SKILL);
  WriteSelectedItems(dialog, SCENARIO_SLOT, [&](auto image, auto rows) { WriteItemSkill(image, rows, choice); });
}

// Only while a save file is open. With no current entry in the owner list there is no owner to
// write: nothing is written and the save image is not marked changed, as with a refused input.
void UpdateItemOwner(HWND dialog) {
  if (!IsImageOpen(g_item_editor.images[SAVE_SLOT])) return;
  const int32_t choice = CurrentChoice(dialog, IDC_ITEM_OWNER);
  const ItemSelection selection = CaptureSelection(ItemList(dialog));
  if (WriteItemOwner(ImageBytes(SAVE_SLOT), Rows(selection), choice, g_item_editor.roster)) {
    MarkDirty(SAVE_SLOT);
  }
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
  if (MessageBoxA(dialog, "全てのアイテムについて所有者以外の設定を初期状態に戻します。よろしいですか?", "初期化",
                  MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return;
  }
  HWND list = ItemList(dialog);
  const ItemSelection selection = CaptureSelection(list);
  SetRedraw(list, false);
  ApplyInitialItemTable(ImageBytes(SCENARIO_SLOT));
  for (int32_t item = 0; item < ITEM_COUNT; ++item) DeleteAndInsertItemRow(list, item);
  RestoreSelection(list, selection);
  SetRedraw(list, true);
  ShowCurrentItem(dialog);
  MarkDirty(SCENARIO_SLOT);
}
