#include "dialog_fixture.h"

#include "platform/win_settings_key.h"
#include "sjis_text.h"
#include "win32/remembered_places.h"

DialogTest::DialogTest(int list_id) : list_id_(list_id) { EXPECT_TRUE(DeleteSettingsKey(SettingsKeyName())); }

void DialogTest::TearDown() {
  EXPECT_TRUE(answers_.AllAnswersUsed()) << "a box or file dialog that was expected did not appear";
  if (dialog_ != nullptr) DestroyWindow(dialog_);
  PumpMessages();
  TakeQuitMessage();
  EXPECT_TRUE(DeleteSettingsKey(SettingsKeyName()));
}

bool DialogTest::SettingsKeyExists() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKeyName().c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::string DialogTest::SettingsText(const char* name) {
  wchar_t text[1024] = L"";
  DWORD size = sizeof text;
  if (RegGetValueW(HKEY_CURRENT_USER, SettingsKeyName().c_str(), WideOfUtf8(name).c_str(), RRF_RT_REG_SZ, nullptr, text,
                   &size) != ERROR_SUCCESS) {
    return {};
  }
  return Utf8OfWide(text);
}

void DialogTest::PutSettingsText(const char* name, const std::string& utf8) {
  const std::wstring text = WideOfUtf8(utf8);
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, SettingsKeyName().c_str(), WideOfUtf8(name).c_str(), REG_SZ,
                            text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
            ERROR_SUCCESS);
}

void DialogTest::PutSettingsNumber(const char* name, DWORD value) {
  ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, SettingsKeyName().c_str(), WideOfUtf8(name).c_str(), REG_DWORD, &value,
                            sizeof value),
            ERROR_SUCCESS);
}

std::vector<int> DialogTest::SelectedRows() const {
  std::vector<int> rows(static_cast<size_t>(SendMessageA(List(), LB_GETSELCOUNT, 0, 0)));
  SendMessageA(List(), LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
  return rows;
}

std::vector<SeenWindow> DialogTest::Answered(int command, std::initializer_list<int> buttons) {
  for (int button : buttons) answers_.PressButton(button);
  Command(dialog_, command);
  return answers_.TakeSeen();
}

void DialogTest::ExpectMessageBox(const SeenWindow& seen, const std::string& sjis_text, const char* utf8_caption,
                                  UINT icon) {
  EXPECT_FALSE(seen.file_dialog);
  EXPECT_EQ(seen.text, sjis_text);
  EXPECT_EQ(seen.caption, Sjis(utf8_caption));
  EXPECT_EQ(seen.icon, icon);
}

void DialogTest::ExpectFileBox(const SeenWindow& seen, const std::string& path, const char* utf8_text,
                               const char* utf8_caption, UINT icon, const char* utf8_reason) {
  const std::string about = path + "\n" + Sjis(utf8_text);
  if (utf8_reason != nullptr) {
    ExpectMessageBox(seen, about + "\n" + Sjis(utf8_reason), utf8_caption, icon);
    return;
  }
  // Whatever reason follows on the next line.
  ExpectMessageBox(seen, seen.text.starts_with(about + "\n") ? seen.text : about, utf8_caption, icon);
}

void DialogTest::ExpectEnterAndEscapeIgnored(int edit, DLGPROC dialog_proc) {
  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    MSG message{Item(edit), WM_KEYDOWN, key, 0, 0, {}};
    IsDialogMessageW(dialog_, &message);
    EXPECT_EQ(dialog_proc(dialog_, WM_COMMAND, key == VK_RETURN ? IDOK : IDCANCEL, 0), FALSE);
  }
  PumpMessages();
  EXPECT_TRUE(IsWindowVisible(dialog_));
  EXPECT_FALSE(TakeQuitMessage());
  EXPECT_TRUE(answers_.TakeSeen().empty());
}
