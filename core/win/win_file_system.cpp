// The file system of Windows, with UTF-16 paths: stdio streams for the bytes, the read-only
// attribute, and ReplaceFileW / MoveFileExW to put a finished temporary file in the place of the
// target.
#include <windows.h>

#include <io.h>

#include <cstdio>

#include "file_system.h"

namespace {

class WinOutputFile final : public OutputFile {
 public:
  explicit WinOutputFile(std::FILE* file) : file_(file) {}
  ~WinOutputFile() override {
    if (file_ != nullptr) std::fclose(file_);
  }
  bool Write(const uint8_t* bytes, size_t count) override {
    return std::fwrite(bytes, 1, count, file_) == count;
  }
  bool Commit() override {
    bool ok = std::fflush(file_) == 0 && _commit(_fileno(file_)) == 0;
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    return ok;
  }

 private:
  std::FILE* file_;
};

class WinFileSystem final : public FileSystem {
 public:
  std::FILE* OpenForReading(const PathChar* path) override { return _wfopen(path, L"rb"); }
  // Checked by the program itself: under Wine as root, fopen(..., "wb") succeeds on a file whose
  // read-only attribute is set, where Windows refuses it.
  bool IsReadOnly(const PathChar* path) override {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  }
  std::unique_ptr<OutputFile> Create(const PathChar* path) override {
    std::FILE* file = _wfopen(path, L"wb");
    if (file == nullptr) return nullptr;
    return std::make_unique<WinOutputFile>(file);
  }
  bool Replace(const PathChar* from, const PathChar* to) override {
    if (GetFileAttributesW(to) != INVALID_FILE_ATTRIBUTES &&
        ReplaceFileW(to, from, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
      return true;
    }
    return MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  }
  void Remove(const PathChar* path) override { DeleteFileW(path); }
};

WinFileSystem g_platform_file_system;

}  // namespace

FileSystem& PlatformFileSystem() { return g_platform_file_system; }
