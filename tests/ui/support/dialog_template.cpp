// Parsing DLGTEMPLATEEX resources.
#include "dialog_template.h"

#include <gtest/gtest.h>

#include <cstring>

#include "sjis_text.h"

namespace {

struct Reader {
  const uint8_t* p;
  WORD Word() { WORD w; std::memcpy(&w, p, 2); p += 2; return w; }
  DWORD Dword() { DWORD d; std::memcpy(&d, p, 4); p += 4; return d; }
  short Short() { return static_cast<short>(Word()); }
  std::wstring WideString() {
    std::wstring s;
    for (WORD c; (c = Word()) != 0;) s.push_back(static_cast<wchar_t>(c));
    return s;
  }
  // A string or an ordinal (0xFFFF followed by a number); an ordinal is returned as "#n".
  std::wstring StringOrOrdinal(int* ordinal = nullptr) {
    WORD first;
    std::memcpy(&first, p, 2);
    if (first == 0xFFFF) {
      p += 2;
      WORD n = Word();
      if (ordinal) *ordinal = n;
      return L"#" + std::to_wstring(n);
    }
    return WideString();
  }
  void AlignDword(const uint8_t* base) {
    while ((p - base) % 4 != 0) ++p;
  }
};

std::string ToCp932(const std::wstring& wide) {
  if (wide.empty()) return {};
  int length = WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(932, 0, wide.data(), static_cast<int>(wide.size()), out.data(), length, nullptr, nullptr);
  return out;
}

std::string ClassName(const std::wstring& name, int ordinal) {
  switch (ordinal) {
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    default: return ToCp932(name);
  }
}

}  // namespace

bool LoadDialogTemplate(HMODULE module, int dialog_id, DialogTemplate& out) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(dialog_id), reinterpret_cast<LPCSTR>(RT_DIALOG));
  if (found == nullptr) return false;
  auto base = static_cast<const uint8_t*>(LockResource(LoadResource(module, found)));
  Reader r{base};
  if (r.Word() != 1 || r.Word() != 0xFFFF) return false;
  r.Dword();  // help id
  out.ex_style = r.Dword();
  out.style = r.Dword();
  WORD count = r.Word();
  out.x = r.Short(); out.y = r.Short(); out.cx = r.Short(); out.cy = r.Short();
  int menu = 0;
  r.StringOrOrdinal(&menu);
  out.menu_id = menu;
  r.StringOrOrdinal();  // window class
  out.caption = ToCp932(r.WideString());
  if (out.style & (DS_SETFONT | DS_SHELLFONT)) {
    out.point_size = r.Word();
    out.weight = r.Word();
    out.italic = *r.p++;
    out.charset = *r.p++;
    out.typeface = ToCp932(r.WideString());
  }
  out.items.clear();
  for (WORD i = 0; i < count; ++i) {
    r.AlignDword(base);
    TemplateItem item{};
    r.Dword();  // help id
    item.ex_style = r.Dword();
    item.style = r.Dword();
    item.x = r.Short(); item.y = r.Short(); item.cx = r.Short(); item.cy = r.Short();
    item.id = static_cast<int>(r.Dword());
    if (item.id == 0xFFFF) item.id = -1;
    int ordinal = 0;
    std::wstring window_class = r.StringOrOrdinal(&ordinal);
    item.window_class = ClassName(window_class, ordinal);
    item.title = ToCp932(r.StringOrOrdinal());
    WORD extra = r.Word();
    r.p += extra;
    out.items.push_back(item);
  }
  return true;
}

bool SameClass(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

void ExpectEditorDialogTemplate(int dialog_id, short cx, short cy, int menu_id, const char* caption,
                                std::span<const ExpectedControl> controls) {
  DialogTemplate dialog;
  ASSERT_TRUE(LoadDialogTemplate(GetModuleHandleA(nullptr), dialog_id, dialog));
  EXPECT_EQ(dialog.style, static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT));
  EXPECT_EQ(dialog.cx, cx);
  EXPECT_EQ(dialog.cy, cy);
  EXPECT_EQ(dialog.menu_id, menu_id);
  EXPECT_EQ(dialog.caption, caption);
  EXPECT_EQ(dialog.typeface, Sjis("ＭＳ Ｐゴシック"));
  EXPECT_EQ(dialog.point_size, 9);
  EXPECT_EQ(dialog.weight, FW_DONTCARE);
  EXPECT_EQ(dialog.italic, 0);
  EXPECT_EQ(dialog.charset, DEFAULT_CHARSET);
  ASSERT_EQ(dialog.items.size(), controls.size());
  for (size_t i = 0; i < dialog.items.size(); ++i) {
    const TemplateItem& item = dialog.items[i];
    const ExpectedControl& row = controls[i];
    SCOPED_TRACE(testing::Message() << "control " << i << " id " << row.id);
    EXPECT_EQ(item.id, row.id);
    EXPECT_TRUE(SameClass(item.window_class, row.window_class)) << item.window_class;
    EXPECT_EQ(item.title, Sjis(row.caption));
    EXPECT_EQ(item.x, row.x);
    EXPECT_EQ(item.y, row.y);
    EXPECT_EQ(item.cx, row.cx);
    EXPECT_EQ(item.cy, row.cy);
    EXPECT_EQ(item.style, WS_CHILD | WS_VISIBLE | row.style);
    EXPECT_EQ(item.ex_style, row.id == -1 ? static_cast<DWORD>(WS_EX_STATICEDGE) : 0u);
  }
}
