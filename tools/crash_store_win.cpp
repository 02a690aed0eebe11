// The crash test of storing: starts a real editor under Wine in a fresh folder of sample files,
// has it change and store one file over and over, kills it (TerminateProcess) after a random
// delay, and checks the folder:
//   - the target exists and holds, whole, the bytes of the last store that finished or of the
//     store under way (the driver sends each command and waits for it, so it knows which);
//   - a backup "*.bak", if there is one, holds the bytes the target had when it was opened;
//   - the other sample files are untouched;
//   - every other file (a temporary "~..." or another left by the store) is counted and removed.
// The delays are drawn from a seeded generator: half of them evenly over 0 to SPREAD_MS after the
// edits begin, half over its first eighth, so that kills land before the first store, during it
// (when a backup is written) and during and between later stores.
//
// Usage: crash_store_win IMAGE KILLS [SEED [SPREAD_MS]]
//   IMAGE: quillmere-save, varnholt-scenario, varnholt-save, or all (KILLS each).
// Prints one line per image; exits with 1 when a target was missing or damaged, 2 when a trial
// could not be run.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "crash_store_images.h"
#include "program_driver.h"
#include "sample_data.h"
#include "ui_driver.h"

namespace {

constexpr int MESSAGE_TEXT_ID = 0xFFFF;  // the static control holding a message box's text
constexpr DWORD BOX_CHECK_MS = 20;       // how often a running trial looks for a box

struct Tally {
  int kills = 0, missing = 0, damaged = 0, bad_backups = 0, temporaries = 0, errors = 0;
  long long stores = 0;
  int before_first_store = 0, boxes = 0;
};

// The sample files every trial starts from.
struct Originals {
  std::vector<uint8_t> save = MakeSampleSave(1);
  std::vector<uint8_t> scenario = MakeSampleScenario(1);
  std::vector<uint8_t> ini;
};

// One killed run of the program.
struct Trial {
  int number = 0;
  double delay_ms = 0;
  int32_t completed = 0;            // stores whose command returned before the kill
  std::vector<std::wstring> boxes;  // texts of the boxes the program showed
};

double Milliseconds(const LARGE_INTEGER& from) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Waits `delay_ms`, answering any box the program shows: Yes where it asks, else OK.
void WaitAnsweringBoxes(DWORD process_id, HWND dialog, double delay_ms, std::vector<std::wstring>& boxes) {
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  HWND answered = nullptr;
  double next_check = 0;
  for (double elapsed = 0; elapsed < delay_ms; elapsed = Milliseconds(start)) {
    if (elapsed >= next_check) {
      next_check = elapsed + BOX_CHECK_MS;
      HWND box = FindBox(process_id, dialog);
      if (box != nullptr && box != answered) {
        answered = box;
        boxes.push_back(WindowTextW(GetDlgItem(box, MESSAGE_TEXT_ID)));
        PostMessageW(box, WM_COMMAND, GetDlgItem(box, IDYES) != nullptr ? IDYES : IDOK, 0);
      }
    }
    const double left = delay_ms - elapsed;
    Sleep(left >= 2 ? 1 : 0);
  }
}

// Starts the program in `folder`, opens the save file when the image needs it, selects every row,
// then edits and stores from a second thread until the kill. False (with `error`) when the
// program could not be brought that far.
bool RunAndKill(const CrashImage& image, const TempFolder& folder, Trial& trial, std::string& error) {
  PROCESS_INFORMATION process{};
  if (!StartProgram(ProgramPath(image.program), folder.folder(), process)) {
    error = "cannot start " + ProgramPath(image.program);
    return false;
  }
  const DWORD pid = process.dwProcessId;
  HWND dialog = WaitForWindow(pid, image.caption);
  bool ready = dialog != nullptr;
  if (!ready) error = "no dialog";
  if (ready && image.open_command != 0) {
    CommandFromOutside(dialog, WM_COMMAND, image.open_command, [&] {
      HWND box = WaitForBox(pid, dialog);
      if (box != nullptr) {
        ChooseFileInBox(box, WideOfUtf8(folder.Path(SAVE_NAME)));
      } else {
        TerminateProcess(process.hProcess, 1);  // ends the command that waits for the dialog
      }
    });
    ready = WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT;
    if (!ready) error = "no open file dialog";
  }
  if (ready && !image.prepare(dialog)) {
    ready = false;
    error = "the program did not answer";
  }

  if (ready) {
    std::atomic<int32_t> completed{0};
    std::thread driver([&] {
      for (int32_t step = 1; image.edit(dialog, step) && SendToProgram(dialog, WM_COMMAND, image.store_command, 0);
           ++step) {
        completed = step;
      }
    });
    WaitAnsweringBoxes(pid, dialog, trial.delay_ms, trial.boxes);
    TerminateProcess(process.hProcess, 9);
    WaitForSingleObject(process.hProcess, 30000);
    driver.join();
    trial.completed = completed;
  } else {
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 30000);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return ready;
}

bool EndsWith(const std::string& name, const char* tail) {
  const size_t length = std::strlen(tail);
  return name.size() >= length && _stricmp(name.c_str() + name.size() - length, tail) == 0;
}

// The names of the files in `folder` (UTF-8).
std::vector<std::string> FileNames(const TempFolder& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(WideOfUtf8(folder.Path("*")).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(Utf8OfWide(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

// Checks the folder after the kill; adds to `tally` and prints a line for each fault.
void CheckFolder(const CrashImage& image, const Originals& originals, const TempFolder& folder,
                 const Trial& trial, Tally& tally) {
  const bool scenario_target = std::strcmp(image.target, SCENARIO_NAME) == 0;
  const std::vector<uint8_t>& original = scenario_target ? originals.scenario : originals.save;
  auto report = [&](const std::string& what) {
    std::printf("%s trial %d: killed %.1f ms after the edits began, %d stores completed: %s\n", image.name,
                trial.number, trial.delay_ms, trial.completed, what.c_str());
  };

  if (!FileExists(folder.Path(image.target))) {
    ++tally.missing;
    report("target missing");
  } else {
    // The last finished store or the one under way; after a box (a store may have failed) any
    // version up to the one under way.
    const std::vector<uint8_t> bytes = ReadFileBytes(folder.Path(image.target));
    const int32_t first = trial.boxes.empty() ? trial.completed : 0;
    bool whole = false;
    for (int32_t step = first; step <= trial.completed + 1 && !whole; ++step) {
      whole = bytes == image.version(original, step);
    }
    if (!whole) {
      ++tally.damaged;
      report("target damaged (" + std::to_string(bytes.size()) + " bytes, none of versions " + std::to_string(first) +
             " to " + std::to_string(trial.completed + 1) + ")");
    }
  }

  for (const std::string& name : FileNames(folder)) {
    if (_stricmp(name.c_str(), image.target) == 0) continue;
    const std::vector<uint8_t>* expected = nullptr;
    if (_stricmp(name.c_str(), SAVE_NAME) == 0) expected = &originals.save;
    if (_stricmp(name.c_str(), SCENARIO_NAME) == 0) expected = &originals.scenario;
    if (_stricmp(name.c_str(), INI_NAME) == 0) expected = &originals.ini;
    if (expected != nullptr) {
      if (ReadFileBytes(folder.Path(name)) != *expected) {
        ++tally.damaged;
        report(name + " changed, though it was not stored");
      }
    } else if (name[0] != '~' && EndsWith(name, ".bak")) {
      if (ReadFileBytes(folder.Path(name)) != original) {
        ++tally.bad_backups;
        report("backup " + name + " does not hold the bytes as opened");
      }
    } else {
      ++tally.temporaries;
      if (name[0] != '~') report("left " + name);
    }
  }
}

void RunImage(const CrashImage& image, int kills, std::mt19937& random, double spread_ms, Tally& tally) {
  Originals originals;
  std::uniform_real_distribution<double> delay(0.0, spread_ms), early_delay(0.0, spread_ms / 8);
  for (int number = 1; number <= kills; ++number) {
    TempFolder folder;
    const std::string ini_text = "[Init]\r\nPath=" + folder.folder() + "\\\r\n";
    originals.ini.assign(ini_text.begin(), ini_text.end());
    WriteFileBytes(folder.Path(SAVE_NAME), originals.save);
    WriteFileBytes(folder.Path(SCENARIO_NAME), originals.scenario);
    WriteFileBytes(folder.Path(INI_NAME), originals.ini);

    Trial trial;
    trial.number = number;
    trial.delay_ms = number % 2 != 0 ? delay(random) : early_delay(random);
    std::string error;
    if (!RunAndKill(image, folder, trial, error)) {
      ++tally.errors;
      std::printf("%s trial %d: %s\n", image.name, number, error.c_str());
      continue;
    }
    ++tally.kills;
    tally.stores += trial.completed;
    if (trial.completed == 0) ++tally.before_first_store;
    tally.boxes += static_cast<int>(trial.boxes.size());
    for (const std::wstring& text : trial.boxes) {
      std::printf("%s trial %d: answered a box: %s\n", image.name, number, Utf8OfWide(text).c_str());
    }
    CheckFolder(image, originals, folder, trial, tally);
    std::fflush(stdout);
  }
}

int Usage() {
  std::fprintf(stderr,
               "usage: crash_store_win IMAGE KILLS [SEED [SPREAD_MS]]\n"
               "  IMAGE: quillmere-save, varnholt-scenario, varnholt-save or all\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const CrashImage* const all[] = {&QUILLMERE_SAVE, &VARNHOLT_SCENARIO, &VARNHOLT_SAVE};
  std::vector<const CrashImage*> images;
  for (const CrashImage* image : all) {
    if (std::strcmp(argv[1], "all") == 0 || std::strcmp(argv[1], image->name) == 0) images.push_back(image);
  }
  const int kills = std::atoi(argv[2]);
  const unsigned seed = argc > 3 ? static_cast<unsigned>(std::strtoul(argv[3], nullptr, 10)) : 1;
  const double spread_ms = argc > 4 ? std::atof(argv[4]) : 300.0;
  if (images.empty() || kills <= 0 || spread_ms <= 0) return Usage();

  std::mt19937 random(seed);
  int status = 0;
  for (const CrashImage* image : images) {
    Tally tally;
    RunImage(*image, kills, random, spread_ms, tally);
    std::printf("%s: %d kills, %d missing, %d damaged, %d bad backups, %d temporaries left, %lld stores seen "
                "completed (%d kills before the first), %d boxes answered (seed %u, spread %.0f ms)\n",
                image->name, tally.kills, tally.missing, tally.damaged, tally.bad_backups, tally.temporaries,
                tally.stores, tally.before_first_store, tally.boxes, seed, spread_ms);
    std::fflush(stdout);
    if (tally.missing + tally.damaged + tally.bad_backups > 0) status = 1;
    if (tally.errors > 0 && status == 0) status = 2;
  }
  return status;
}
