// Reads a dialog template (DLGTEMPLATEEX) from a module's resources, so that tests check the
// dialog exactly as it was built: styles, places in dialog units, ids, classes, captions, font.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

struct TemplateItem {
  DWORD ex_style, style;
  short x, y, cx, cy;
  int id;                 // -1 for the labels without an id of their own
  std::string window_class;  // "Button", "Edit", "Static", "ListBox", "ComboBox", or the name given
  std::string title;      // Shift-JIS
};

struct DialogTemplate {
  DWORD ex_style, style;
  short x, y, cx, cy;
  int menu_id;            // 0 for none
  std::string caption;    // Shift-JIS
  int point_size, weight, italic, charset;
  std::string typeface;   // Shift-JIS
  std::vector<TemplateItem> items;
};

// False when the resource is missing or not an extended template.
bool LoadDialogTemplate(HMODULE module, int dialog_id, DialogTemplate& out);

// A control as the template of an editor's dialog must hold it, in template (tab) order.
struct ExpectedControl {
  int id;                    // -1 for a label
  const char* window_class;
  const char* caption;       // UTF-8
  short x, y, cx, cy;        // dialog units
  DWORD style;               // besides WS_CHILD | WS_VISIBLE
};

// Style families of the editors' controls.
constexpr DWORD LABEL_STYLE = SS_CENTER | SS_CENTERIMAGE | WS_GROUP;  // with WS_EX_STATICEDGE
constexpr DWORD EDIT_STYLE = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD PUSH_STYLE = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD COMBO_STYLE = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD LIST_STYLE = LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP;

bool SameClass(const std::string& a, const std::string& b);

// Checks (with gtest expectations) the dialog `dialog_id` of this module: a popup with caption,
// system menu, minimize box and modal frame, of cx x cy units, with `menu_id`, `caption`, the font
// "ＭＳ Ｐゴシック" 9 pt, and exactly `controls` in order; labels carry WS_EX_STATICEDGE.
void ExpectEditorDialogTemplate(int dialog_id, short cx, short cy, int menu_id, const char* caption,
                                std::span<const ExpectedControl> controls);
