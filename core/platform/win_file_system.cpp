// The file system of Windows, with UTF-16 paths: a handle for the bytes of a new file, the file's
// attributes, and one MoveFileExW to put a finished temporary file in the place of the target.
// ReplaceFileW is not used: Wine's moves the target aside, deletes it and then moves the new file
// in, so a crash between those steps leaves no target at all.
#include <windows.h>


#include "formats/file_system.h"

namespace {

// Why the last failed call failed, from the system's error code.
FileFailure g_last_failure = FileFailure::Other;

void RecordFailure() {
  switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH: g_last_failure = FileFailure::NotFound; break;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: g_last_failure = FileFailure::AccessDenied; break;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_USER_MAPPED_FILE: g_last_failure = FileFailure::InUse; break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BUFFER_OVERFLOW: g_last_failure = FileFailure::PathTooLong; break;
    default: g_last_failure = FileFailure::Other; break;
  }
}

// `ok`, having recorded why when it is false.
bool Recorded(bool ok) {
  if (!ok) RecordFailure();
  return ok;
}

class WinInputFile final : public InputFile {
 public:
  explicit WinInputFile(HANDLE file) : file_(file) {}
  ~WinInputFile() override { CloseHandle(file_); }
  size_t Read(uint8_t* bytes, size_t count) override {
    size_t total = 0;
    while (total < count) {
      const DWORD chunk = count - total > (1u << 20) ? (1u << 20) : static_cast<DWORD>(count - total);
      DWORD got = 0;
      if (!ReadFile(file_, bytes + total, chunk, &got, nullptr) || got == 0) break;
      total += got;
    }
    return total;
  }
  uint64_t Size() override {
    LARGE_INTEGER size;
    return GetFileSizeEx(file_, &size) ? static_cast<uint64_t>(size.QuadPart) : 0;
  }

 private:
  HANDLE file_;
};

class WinOutputFile final : public OutputFile {
 public:
  explicit WinOutputFile(HANDLE file) : file_(file) {}
  ~WinOutputFile() override {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
  }
  bool Write(const uint8_t* bytes, size_t count) override {
    while (count > 0) {
      const DWORD chunk = count > (1u << 20) ? (1u << 20) : static_cast<DWORD>(count);
      DWORD written = 0;
      if (!WriteFile(file_, bytes, chunk, &written, nullptr) || written == 0) {
        if (written == 0) SetLastError(ERROR_DISK_FULL);  // a write that takes nothing: no room
        RecordFailure();
        return false;
      }
      bytes += written;
      count -= written;
    }
    return true;
  }
  bool Commit() override {
    bool ok = Recorded(FlushFileBuffers(file_) != 0);
    ok = Recorded(CloseHandle(file_) != 0) && ok;
    file_ = INVALID_HANDLE_VALUE;
    return ok;
  }

 private:
  HANDLE file_;
};

class WinFileSystem final : public FileSystem {
 public:
  // Others may go on reading and writing the file, as with the C library's fopen.
  std::unique_ptr<InputFile> OpenForReading(const PathChar* path) override {
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    Recorded(file != INVALID_HANDLE_VALUE);
    return file != INVALID_HANDLE_VALUE ? std::make_unique<WinInputFile>(file) : nullptr;
  }
  // The read-only attribute is checked by the program itself: under Wine as root a file whose
  // read-only attribute is set can still be written, where Windows refuses it.
  FileStamp Stat(const PathChar* path) override {
    WIN32_FILE_ATTRIBUTE_DATA data;
    FileStamp stamp;
    if (!GetFileAttributesExW(path, GetFileExInfoStandard, &data)) return stamp;
    stamp.exists = true;
    stamp.directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    stamp.read_only = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    stamp.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.write_time = static_cast<int64_t>((static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                            data.ftLastWriteTime.dwLowDateTime);
    return stamp;
  }
  std::unique_ptr<OutputFile> CreateNew(const PathChar* path, bool& exists) override {
    exists = false;
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      RecordFailure();
      exists = GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
      return nullptr;
    }
    return std::make_unique<WinOutputFile>(file);
  }
  bool Replace(const PathChar* from, const PathChar* to) override {
    return Recorded(MoveFileExW(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0);
  }
  FileFailure LastFailure() override { return g_last_failure; }
  void Remove(const PathChar* path) override { DeleteFileW(path); }
};

WinFileSystem g_platform_file_system;

}  // namespace

FileSystem& PlatformFileSystem() { return g_platform_file_system; }
