// Starts the real programs as processes under Wine and drives them from outside with the W
// messages: finding their windows, answering their file dialogs and boxes, sending commands.
#pragma once

#include <windows.h>

#include <string>
#include <thread>

constexpr int FILE_NAME_BOX = 0x47C;  // the file name box of the explorer-style file dialogs

// The program `exe` beside this one, or else one folder up (where the programs lie for the test
// programs in tests/); a UTF-8 path.
std::string ProgramPath(const char* exe);
// Starts the program at `exe` with `folder` (UTF-8 paths) as its current directory.
bool StartProgram(const std::string& exe, const std::string& folder, PROCESS_INFORMATION& process,
                  const std::string& argument = "");

// Waits up to `milliseconds` for the program to end and closes its handles; its exit status, or
// STILL_ACTIVE (259) when it did not end.
DWORD WaitForExit(PROCESS_INFORMATION& process, DWORD milliseconds = 20000);
// A visible top-level "#32770" window of the process other than `except`, or nullptr.
HWND FindBox(DWORD process_id, HWND except);
// FindBox, looking `tries` times 50 ms apart.
HWND WaitForBox(DWORD process_id, HWND except, int tries = 200);
// The first visible top-level window of the process with the given caption, looking `tries` times
// 0.1 s apart.
HWND WaitForWindow(DWORD process_id, const std::wstring& caption, int tries = 200);

// Sends a message and waits up to `milliseconds` for it to be handled; false when the program did
// not answer in that time or has ended.
bool SendToProgram(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT milliseconds = 30000);

// Types `path` into a file dialog's name box and presses OK.
void ChooseFileInBox(HWND box, const std::wstring& path);

// Sends a message from a second thread (it returns when the handler has finished) while this
// thread answers what the handler shows through `answer`.
template <typename Answer>
void CommandFromOutside(HWND dialog, UINT message, WPARAM wparam, Answer answer) {
  std::thread sender([&] { SendMessageW(dialog, message, wparam, 0); });
  answer();
  sender.join();
}
