// Runs a fuzz target over saved inputs without libFuzzer: every file named on the command line and
// every file directly inside each directory named there, in name order. Linked with any target,
// it lets the targets build with any compiler and replays their corpora as tests. A failing input
// ends the run (a check aborts, a sanitizer reports); its file is named on the way out.
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Present only when a sanitizer runtime is linked in.
extern "C" void __sanitizer_set_death_callback(void (*callback)(void)) __attribute__((weak));

// A UBSan report ends the run through abort(), so that the handler below names the input (UBSan's
// own exit would bypass it), and shows its stack.
extern "C" __attribute__((visibility("default"), used)) const char* __ubsan_default_options() {
  return "abort_on_error=1:print_stacktrace=1";
}

namespace {

// What to print should the current input fail, written before the input runs so that a signal
// handler has nothing to format.
std::string failure_report;

void ReportFailure() {
  std::fflush(stdout);
  (void)!write(STDOUT_FILENO, failure_report.data(), failure_report.size());
}

void OnFatalSignal(int signal_number) {
  ReportFailure();
  std::signal(signal_number, SIG_DFL);
  std::raise(signal_number);
}

bool CollectInputs(const char* argument, std::vector<std::filesystem::path>& inputs) {
  const std::filesystem::path path(argument);
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(path, error)) {
      if (entry.is_regular_file()) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    inputs.insert(inputs.end(), files.begin(), files.end());
    return !error;
  }
  if (std::filesystem::is_regular_file(path, error)) {
    inputs.push_back(path);
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> inputs;
  for (int k = 1; k < argc; ++k) {
    if (!CollectInputs(argv[k], inputs)) {
      std::fprintf(stderr, "no such input file or directory: %s\n", argv[k]);
      return 2;
    }
  }
  if (inputs.empty()) {
    std::fprintf(stderr, "usage: %s <input file or directory>...: no inputs given\n", argv[0]);
    return 2;
  }
  if (__sanitizer_set_death_callback != nullptr) __sanitizer_set_death_callback(ReportFailure);
  for (int signal_number : {SIGABRT, SIGILL, SIGSEGV, SIGBUS, SIGFPE, SIGTRAP}) {
    std::signal(signal_number, OnFatalSignal);
  }
  size_t passed = 0;
  for (const auto& input : inputs) {
    std::ifstream file(input, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    if (file.bad()) {
      std::fprintf(stderr, "cannot read %s\n", input.c_str());
      return 2;
    }
    failure_report = "failed: " + input.string() + "\n" + std::to_string(passed) + " passed, 1 failed\n";
    // libFuzzer never passes a null pointer, not even for an empty input.
    std::vector<uint8_t> data(bytes.begin(), bytes.end());
    data.reserve(1);
    LLVMFuzzerTestOneInput(data.data(), bytes.size());
    ++passed;
  }
  std::printf("%zu inputs ran\n%zu passed, 0 failed\n", passed, passed);
  return 0;
}
