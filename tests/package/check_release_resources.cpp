// Checks what Windows reads from the shipped programs, as Windows reads it (run under Wine):
// the version information (GetFileVersionInfo), the application manifest (an activation
// context made from it, and its settings), and the icon group with its 16, 32, 48 and 256 px
// images, each turned into an icon. The programs are loaded as data files, so a 64-bit checker
// reads 32-bit programs too.
// Usage: check_release_resources VERSION PROGRAM.exe...   Exit status 0 when every check held.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "release_resources.h"

namespace {

int g_failures = 0;

void Check(bool ok, const std::wstring& program, const char* what) {
  std::printf("%s %ls: %s\n", ok ? "ok  " : "FAIL", program.c_str(), what);
  if (!ok) ++g_failures;
}

std::wstring Wide(const char* text) {
  std::wstring wide(MAX_PATH * 4, L'\0');
  wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), MAX_PATH * 4) - 1));
  return wide;
}

std::wstring VersionString(const std::vector<BYTE>& block, const wchar_t* name) {
  std::wstring key = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
  void* value = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), key.c_str(), &value, &length) || length == 0) return L"";
  return static_cast<const wchar_t*>(value);
}

void CheckVersion(const std::wstring& path, const std::wstring& file, const std::wstring& version) {
  DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
  std::vector<BYTE> block(size);
  Check(size > 0 && GetFileVersionInfoW(path.c_str(), 0, size, block.data()), file, "has version information");
  if (size == 0) return;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  wchar_t numbers[64];
  if (VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed != nullptr) {
    swprintf(numbers, 64, L"%u.%u.%u", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
             HIWORD(fixed->dwFileVersionLS));
  }
  Check(fixed != nullptr && numbers == version && fixed->dwProductVersionMS == fixed->dwFileVersionMS &&
            fixed->dwProductVersionLS == fixed->dwFileVersionLS && fixed->dwFileType == VFT_APP,
        file, "file and product version numbers are the release's");
  Check(VersionString(block, L"FileVersion") == version && VersionString(block, L"ProductVersion") == version,
        file, "FileVersion and ProductVersion texts are the release's");
  Check(VersionString(block, L"OriginalFilename") == file, file, "OriginalFilename is the file's name");
  std::wstring name = file.substr(0, file.size() - 4);
  Check(VersionString(block, L"FileDescription").rfind(name + L" ", 0) == 0, file, "FileDescription names the program");
  Check(!VersionString(block, L"ProductName").empty(), file, "has a ProductName");
  Check(VersionString(block, L"LegalCopyright").rfind(L"Copyright ", 0) == 0, file, "has a LegalCopyright");
}

void CheckManifest(HMODULE module, const std::wstring& path, const std::wstring& file) {
  HRSRC found = FindResourceA(module, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
  Check(found != nullptr, file, "has a manifest (RT_MANIFEST 1)");
  if (found == nullptr) return;
  const char* text = static_cast<const char*>(LockResource(LoadResource(module, found)));
  std::string manifest(text, SizeofResource(module, found));
  const char* expected[] = {
      "level=\"asInvoker\"",
      "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
      "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
      "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
      "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
      "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
      ">PerMonitorV2</dpiAwareness>",
      ">true/pm</dpiAware>",
  };
  for (const char* part : expected) {
    std::string collapsed;  // the manifest with runs of white space as one space
    for (char c : manifest) {
      bool space = c == ' ' || c == '\n' || c == '\r' || c == '\t';
      if (!space || (!collapsed.empty() && collapsed.back() != ' ')) collapsed += space ? ' ' : c;
    }
    Check(collapsed.find(part) != std::string::npos, file, ("manifest has " + std::string(part)).c_str());
  }
  ACTCTXW context{};
  context.cbSize = sizeof context;
  context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.lpSource = path.c_str();
  context.lpResourceName = reinterpret_cast<LPCWSTR>(CREATEPROCESS_MANIFEST_RESOURCE_ID);
  HANDLE activation = CreateActCtxW(&context);
  Check(activation != INVALID_HANDLE_VALUE, file, "manifest makes an activation context");
  if (activation != INVALID_HANDLE_VALUE) ReleaseActCtx(activation);
}

#pragma pack(push, 2)
struct GroupEntry {
  BYTE width, height, colors, reserved;
  WORD planes, bit_count;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

void CheckIcon(HMODULE module, const std::wstring& file) {
  HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDI_PROGRAM), RT_GROUP_ICON);
  Check(found != nullptr, file, "has its icon group");
  if (found == nullptr) return;
  const BYTE* group = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
  WORD count = *reinterpret_cast<const WORD*>(group + 4);
  const auto* entries = reinterpret_cast<const GroupEntry*>(group + 6);
  for (int size : {16, 32, 48, 256}) {
    bool loaded = false;
    for (WORD i = 0; i < count && !loaded; ++i) {
      int width = entries[i].width == 0 ? 256 : entries[i].width;
      if (width != size) continue;
      HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(entries[i].id), RT_ICON);
      if (image == nullptr) continue;
      HICON icon = CreateIconFromResourceEx(static_cast<PBYTE>(LockResource(LoadResource(module, image))),
                                            SizeofResource(module, image), TRUE, 0x00030000, size, size, 0);
      loaded = icon != nullptr;
      if (icon != nullptr) DestroyIcon(icon);
    }
    Check(loaded, file, ("icon has a " + std::to_string(size) + " px image that loads").c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: check_release_resources VERSION PROGRAM.exe...\n");
    return 2;
  }
  std::wstring version = Wide(argv[1]);
  for (int i = 2; i < argc; ++i) {
    std::wstring path = Wide(argv[i]);
    std::wstring file = path.substr(path.find_last_of(L"\\/") + 1);
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    Check(module != nullptr, file, "loads as a data file");
    if (module == nullptr) continue;
    CheckVersion(path, file, version);
    CheckManifest(module, path, file);
    CheckIcon(module, file);
    FreeLibrary(module);
  }
  return g_failures == 0 ? 0 : 1;
}
