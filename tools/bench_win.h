// The frame of the command benchmarks under Wine: each command of a program, run in-process on its
// real dialog as a click or menu pick sends it, timed beside a baseline, the cheapest sequence of
// messages to bare controls of the same kinds that leaves the same state.
//
// A figure is the command (or the baseline) followed by every paint it left waiting, so what the
// user waits for until the window shows the result. Set-up steps are not timed, and messages are
// pumped between runs. Each row's command and baseline alternate, run after run, so that both see
// the same load of the machine.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ui_driver.h"

// One line of the table. `set_up` and `baseline_set_up` may be empty.
struct BenchRow {
  std::string command;  // UTF-8
  HWND window;          // painted after each run of the command
  std::function<void()> set_up, run;
  std::string baseline;  // UTF-8
  HWND baseline_window;
  std::function<void()> baseline_set_up, baseline_run;
  double ratio_limit = 1.2;  // the target: at most this times the baseline (2 ms and more)
};

// Runs every row `runs` times and prints the table in Markdown: medians, their ratio, and whether
// the row meets its target (under 2 ms, or within its limit of the baseline; and under 16 ms
// wherever the baseline takes 10 ms or less). Returns the number of rows that miss.
int RunBenchTable(std::vector<BenchRow>& rows, int runs);

// A visible plain window holding copies of a dialog's controls: the same class, styles, size and
// font, and for list and combo boxes the same rows.
class BareWindow {
 public:
  explicit BareWindow(HWND model_dialog);
  ~BareWindow();
  BareWindow(const BareWindow&) = delete;
  BareWindow& operator=(const BareWindow&) = delete;
  HWND Copy(int control_id);
  HWND frame() const { return frame_; }

 private:
  HWND model_;
  HWND frame_;
};

// The bare ways to put a list box into a state: only its selection (any selected row cleared, the
// selected runs by LB_SELITEMRANGE, then the anchor, the caret and the top row set where they
// differ), with drawing off or not; or, with drawing off, its rows refilled first (LB_RESETCONTENT,
// every row inserted).
void BareRefill(HWND list, const ListState& state);
void BareSelect(HWND list, const ListState& state, bool drawing_off);

// The row of a command that changes `list`: `set_up` makes its start, one run of `run` shows its
// end; the baseline takes `bare_list` from the same start to the same end, refilling its rows when
// `rows_change`, else changing only its selection, with drawing off or on, whichever costs less.
BenchRow ListCommandRow(const std::string& name, HWND list, const std::function<void()>& set_up,
                        const std::function<void()>& run, bool rows_change, HWND bare_list);

// The row of a store: `mark_changed` gives the image changes and the title its "*", `store` stores
// and takes the "*" away again. The baseline stores `bytes` at `bare_path` by StoreByRename, first
// at `bare_path` + ".bak" too when the store keeps a backup, and changes `bare_frame`'s title the
// same way.
BenchRow StoreRow(const std::string& name, HWND dialog, const std::function<void()>& mark_changed,
                  const std::function<void()>& store, HWND bare_frame, const std::wstring& bare_path,
                  const std::vector<uint8_t>& bytes, bool with_backup);

// The plainest read of a whole file, into `buffer` as large as the file.
void ReadByHandle(const std::wstring& path, std::vector<uint8_t>& buffer);

// The plainest safe store of `bytes` at `path`: a new temporary beside it written, flushed, and
// renamed over it.
void StoreByRename(const std::wstring& path, const std::vector<uint8_t>& bytes);

// A save image whose roster is full (1000 officers): the sample save with every record from 760 to
// the last id a roster can hold in use, named after sample officers.
std::vector<uint8_t> MakeFullRosterSave();

// The program's remembered places (HKCU\Software\<program>) forgotten while it lives, so that the
// benchmarks' temporary files never reach the File menu of the programs run from the same prefix.
struct ForgottenPlaces {
  ForgottenPlaces();
  ~ForgottenPlaces();
};

// For a screenshot: the dialog in front with the menu of access key `key` open (its menu loop runs
// until the process is ended from outside, as wine-run.sh's SCREENSHOT does).
void ShowMenuForScreenshot(HWND dialog, char key);
