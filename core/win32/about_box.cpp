// The About box of both programs.
#include "win32/about_box.h"

#include <cstdint>
#include <cstring>

#include "win32/shared_strings.h"
#include "win32/string_table.h"

namespace {

// The fixed part of a version resource, found by its signature: it follows the key
// "VS_VERSION_INFO" at the next 32-bit boundary.
const VS_FIXEDFILEINFO* FixedInfo(const uint8_t* block, size_t size) {
  for (size_t at = 0; at + sizeof(VS_FIXEDFILEINFO) <= size; at += 4) {
    uint32_t signature;
    std::memcpy(&signature, block + at, sizeof signature);
    if (signature == 0xFEEF04BDu) return reinterpret_cast<const VS_FIXEDFILEINFO*>(block + at);
  }
  return nullptr;
}

}  // namespace

std::wstring ProgramVersion() {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));  // RT_VERSION
  HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
  const void* block = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (block == nullptr) return {};
  const VS_FIXEDFILEINFO* info = FixedInfo(static_cast<const uint8_t*>(block), SizeofResource(module, found));
  if (info == nullptr) return {};
  return std::to_wstring(HIWORD(info->dwFileVersionMS)) + L"." + std::to_wstring(LOWORD(info->dwFileVersionMS)) +
         L"." + std::to_wstring(HIWORD(info->dwFileVersionLS));
}

void ShowAboutBox(HWND owner, UINT icon_id) {
  const std::wstring name = LoadText(IDS_PROGRAM_NAME);
  std::wstring version = ProgramVersion();
  if (version.empty()) version = L"-";
  const std::wstring text = FormatText(IDS_ABOUT_TEXT, {name, version});
  const std::wstring caption = FormatText(IDS_ABOUT_CAPTION, {name});
  MSGBOXPARAMSW box{};
  box.cbSize = sizeof box;
  box.hwndOwner = owner;
  box.hInstance = GetModuleHandleW(nullptr);
  box.lpszText = text.c_str();
  box.lpszCaption = caption.c_str();
  box.dwStyle = MB_OK | MB_USERICON;
  box.lpszIcon = MAKEINTRESOURCEW(icon_id);
  MessageBoxIndirectW(&box);
}
