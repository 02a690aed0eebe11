// What the in-process tests of both editors' dialogs share: the dialog under test, the answers
// given to its boxes and file dialogs, a folder for its files, and reading its list box and boxes.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "ui_driver.h"

class DialogTest : public ::testing::Test {
 protected:
  // Each test starts as on a machine where the program never ran: no settings of the program
  // under test in the registry (and none are left behind for the next test or program).
  explicit DialogTest(int list_id);
  // Every queued answer used; the dialog destroyed and what it posted taken off the queue.
  void TearDown() override;

  // The program's settings key (HKCU\Software\<program name>): whether it exists, a text value of
  // it in UTF-8 (empty when missing), and setting one as a user or another program might.
  static bool SettingsKeyExists();
  static std::string SettingsText(const char* name);
  static void PutSettingsText(const char* name, const std::string& utf8);
  static void PutSettingsNumber(const char* name, DWORD value);

  HWND Item(int id) const { return GetDlgItem(dialog_, id); }
  HWND List() const { return Item(list_id_); }
  std::string ListRow(int row) const { return ListText(List(), LB_GETTEXTLEN, LB_GETTEXT, row); }
  int TopRow() const { return static_cast<int>(SendMessageA(List(), LB_GETTOPINDEX, 0, 0)); }
  void SetTopRow(int row) const { SendMessageA(List(), LB_SETTOPINDEX, row, 0); }
  std::vector<int> SelectedRows() const;

  // Sends `command` with the boxes it shows answered by `buttons` in turn; the windows seen.
  std::vector<SeenWindow> Answered(int command, std::initializer_list<int> buttons);
  // One message box as the program showed it, `sjis_text` being its whole text.
  static void ExpectMessageBox(const SeenWindow& seen, const std::string& sjis_text, const char* utf8_caption,
                               UINT icon);
  // A box about the file at `path` (Shift-JIS): the path, then `utf8_text`, then `utf8_reason` on its
  // own line; with no reason given, any reason line or none.
  static void ExpectFileBox(const SeenWindow& seen, const std::string& path, const char* utf8_text,
                            const char* utf8_caption, UINT icon, const char* utf8_reason = nullptr);
  // Return and Escape pressed in the edit `edit` leave the dialog open and show nothing, and
  // `dialog_proc` itself leaves IDOK and IDCANCEL unhandled (SendMessage would return the
  // dialog's message result instead).
  void ExpectEnterAndEscapeIgnored(int edit, DLGPROC dialog_proc);

  WindowAnswers answers_;
  TempFolder files_;
  HWND dialog_ = nullptr;

 private:
  int list_id_;
};
