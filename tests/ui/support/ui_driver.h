// Drives a program's dialog in-process under Wine: answers the message boxes and common file
// dialogs it opens (through a thread-local WH_CBT hook), and keeps what each box said.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <deque>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One box or dialog that appeared while answers were being given.
struct SeenWindow {
  bool file_dialog;
  std::string caption;  // Shift-JIS, as the program passed it
  std::string text;     // message boxes: the text of static control 0xFFFF
  UINT icon;            // MB_ICONWARNING / MB_ICONQUESTION as seen from the box's style, or 0
  std::vector<int> buttons;  // ids of the push buttons the box has (IDOK, IDYES, IDNO ...)
  // File dialogs: the folder it shows (UTF-8), and whether it offers the box that opens a file
  // read-only; both as it takes the answer.
  std::string folder;
  bool read_only_box = false;
};

class WindowAnswers {
 public:
  WindowAnswers();
  ~WindowAnswers();
  WindowAnswers(const WindowAnswers&) = delete;
  WindowAnswers& operator=(const WindowAnswers&) = delete;

  // Queue answers, used in the order the windows appear.
  void PressButton(int id);                    // a message box: IDOK, IDYES, IDNO
  void ChooseFile(const std::string& path);    // a file dialog: type the path (UTF-8), press OK
  void CancelFileDialog();
  void DropAnswers() { answers_.clear(); }  // answers not used are forgotten

  // Windows seen since the last call, oldest first; clears the record.
  std::vector<SeenWindow> TakeSeen();
  bool AllAnswersUsed() const { return answers_.empty(); }

 private:
  struct Answer {
    bool file_dialog;
    int button;
    std::string path;
  };
  static LRESULT CALLBACK CbtHook(int code, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK GetMessageHook(int code, WPARAM wparam, LPARAM lparam);
  void OnActivate(HWND window);
  void OnAnswerTaken(HWND window);

  HHOOK hook_;
  HHOOK message_hook_;
  std::deque<Answer> answers_;
  std::vector<SeenWindow> seen_;
  std::vector<HWND> handled_;
  std::vector<std::pair<HWND, size_t>> open_file_dialogs_;  // a file dialog and its entry in seen_
};

// Sends a WM_COMMAND with `id` (and notification `code`) to the dialog, as a click or menu pick does.
LRESULT Command(HWND dialog, int id, int code = BN_CLICKED);

// Text of a control or window, in Shift-JIS (code page 932 named, whatever the system's code page)
// or as it is.
std::string WindowText(HWND window);
std::wstring WindowTextW(HWND window);
// Sets a window's text from Shift-JIS bytes, as typing them does.
void SetWindowSjis(HWND window, const std::string& sjis);
// A menu item's text in Shift-JIS (GetMenuStringW with `flags`).
std::string MenuText(HMENU menu, UINT item, UINT flags);
// Part `part` of the status line (0: the selection, 1: what the last command did), in UTF-8.
std::string StatusText(HWND dialog, int part);
// The same without the access key ("(&O)") and the shortcut's hint after a tab: the entry's own words.
std::string MenuLabel(HMENU menu, UINT item, UINT flags);
// Row `row` of a list or combo box in Shift-JIS (LB_GETTEXTLEN/LB_GETTEXT or the CB_ pair).
std::string ListText(HWND control, UINT length_message, UINT text_message, int row);

// What a list box shows: its rows and their selection, caret, anchor and top row.
struct ListState {
  std::vector<std::wstring> texts;
  std::vector<int32_t> selected;
  int32_t caret, anchor, top;
  bool operator==(const ListState&) const = default;
};
ListState ReadListState(HWND list);
// For gtest: the number of rows, the selection as runs of rows, caret, anchor, top row, then the
// rows' texts.
void PrintTo(const ListState& state, std::ostream* out);

// A drop of one file (UTF-8 path) as Explorer hands it over with WM_DROPFILES; the receiver frees it.
HDROP MakeDrop(const std::string& path);

// Conversions for tests: paths are UTF-8 strings in the tests, texts of the data files Shift-JIS.
std::wstring WideOfUtf8(const std::string& utf8);
std::string Utf8OfWide(std::wstring_view text);
std::wstring WideOfSjis(const std::string& sjis);
std::string SjisOfWide(std::wstring_view text);

// A key pressed and released on `target` as the programs' message loop takes it (its accelerators,
// then the dialog's keys), with Ctrl (and Shift) held while it is down.
void PressKeyThroughLoop(HWND dialog, HWND target, WPARAM key, bool ctrl, bool shift = false);

// Processes pending messages of this thread (paints, posted answers) without blocking.
void PumpMessages();
// True (and removed) when a WM_QUIT is waiting in this thread's queue.
bool TakeQuitMessage();

// A fresh folder under the Windows temp folder, removed with its files at destruction. Its paths,
// and those the file helpers below take, are UTF-8.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;
};

std::vector<uint8_t> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);
bool FileExists(const std::string& path);

// The path of a program (`exe`, such as "Varnholt.exe"): in the folder EDITORS_PROGRAM_DIR names
// when it is set (an unpacked release), otherwise in the folder above the running test program.

