// Driving the real programs from outside: their processes, windows and file dialogs.
#include "program_driver.h"

#include "ui_driver.h"

namespace {

// One search over the top-level windows: the first visible one of `process` that is a "#32770"
// other than `except` (when `caption` is null) or has the caption: the program's name alone, or
// after the name of its open file ("<file> - <program>", "*" in front while it has changes).
struct WindowSearch {
  DWORD process;
  HWND except;
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK SearchStep(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search->process || window == search->except || !IsWindowVisible(window)) return TRUE;
  wchar_t text[300] = L"";
  if (search->caption != nullptr) {
    GetWindowTextW(window, text, 300);
    const std::wstring title(text), suffix = L" - " + *search->caption;
    const bool names_file = title.size() > suffix.size() && title.ends_with(suffix);
    if (*search->caption != title && !names_file) return TRUE;
  } else {
    GetClassNameW(window, text, 64);
    if (std::wstring(text) != L"#32770") return TRUE;
  }
  search->found = window;
  return FALSE;
}

HWND Search(WindowSearch search, int tries, DWORD pause) {
  for (int k = 0; k < tries; ++k) {
    EnumWindows(SearchStep, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr || k + 1 == tries) break;
    Sleep(pause);
  }
  return search.found;
}

}  // namespace

std::string ProgramPath(const char* exe) {
  // EDITORS_PROGRAM_DIR names the folder of the programs under test (an unpacked release).
  wchar_t named[MAX_PATH] = L"";
  const DWORD length = GetEnvironmentVariableW(L"EDITORS_PROGRAM_DIR", named, MAX_PATH);
  if (length > 0 && length < MAX_PATH) return Utf8OfWide(std::wstring(named) + L"\\" + WideOfUtf8(exe));
  wchar_t module[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, module, MAX_PATH);
  std::wstring folder(module);
  folder.resize(folder.rfind(L'\\'));
  const std::wstring name = WideOfUtf8(exe);
  if (GetFileAttributesW((folder + L"\\" + name).c_str()) == INVALID_FILE_ATTRIBUTES) {
    folder.resize(folder.rfind(L'\\'));
  }
  return Utf8OfWide(folder + L"\\" + name);
}

bool StartProgram(const std::string& exe, const std::string& folder, PROCESS_INFORMATION& process,
                  const std::string& argument) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring command_line = L"\"" + WideOfUtf8(exe) + L"\"";
  if (!argument.empty()) command_line += L" \"" + WideOfUtf8(argument) + L"\"";
  return CreateProcessW(WideOfUtf8(exe).c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        WideOfUtf8(folder).c_str(), &startup, &process) != 0;
}

DWORD WaitForExit(PROCESS_INFORMATION& process, DWORD milliseconds) {
  DWORD status = STILL_ACTIVE;
  if (WaitForSingleObject(process.hProcess, milliseconds) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &status);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return status;
}

HWND FindBox(DWORD process_id, HWND except) { return Search({process_id, except, nullptr, nullptr}, 1, 0); }

HWND WaitForBox(DWORD process_id, HWND except, int tries) {
  return Search({process_id, except, nullptr, nullptr}, tries, 50);
}

HWND WaitForWindow(DWORD process_id, const std::wstring& caption, int tries) {
  return Search({process_id, nullptr, &caption, nullptr}, tries, 100);
}

bool SendToProgram(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT milliseconds) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, milliseconds, &result) != 0;
}

void ChooseFileInBox(HWND box, const std::wstring& path) {
  SendMessageW(GetDlgItem(box, FILE_NAME_BOX), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}
