// Reads a dialog template (DLGTEMPLATEEX) from a module's resources, so that tests check the
// dialog exactly as it was built: styles, places in dialog units, ids, classes, captions, font.
#pragma once

#include <windows.h>

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
