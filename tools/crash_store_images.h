// The files the crash test stores over: which program stores it, how the program is brought to
// store it again and again with other bytes, and the bytes each of those stores writes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// The names of the files in each trial's folder (the ini names the folder for Varnholt).
inline constexpr char SAVE_NAME[] = "SAMPLE1.sav";
inline constexpr char SCENARIO_NAME[] = "D_SCE.S8";
inline constexpr char INI_NAME[] = "Kelpwood.ini";

struct CrashImage {
  const char* name;         // as named on the command line
  const char* program;      // "Quillmere.exe" or "Varnholt.exe"
  const wchar_t* caption;   // its dialog's caption
  const char* target;       // the file stored over: SAVE_NAME or SCENARIO_NAME
  UINT open_command;        // the File command that opens the save file, or 0 when none is needed
  UINT store_command;       // the File command that overwrites the target
  // Selects every row of the list; false when the program did not answer.
  bool (*prepare)(HWND dialog);
  // Changes the open image so that the next store writes version `step` (1, 2, ...); false when
  // the program did not answer.
  bool (*edit)(HWND dialog, int32_t step);
  // The bytes version `step` of the target holds, made by the core from the original bytes;
  // version 0 is the original itself.
  std::vector<uint8_t> (*version)(std::vector<uint8_t> original, int32_t step);
};

extern const CrashImage QUILLMERE_SAVE;
extern const CrashImage VARNHOLT_SCENARIO;
extern const CrashImage VARNHOLT_SAVE;
