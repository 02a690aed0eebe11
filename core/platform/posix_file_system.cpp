// The file system of a POSIX host: the native build of the core, its tests and tools.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "formats/file_system.h"

namespace {

// Why the last failed call failed, from errno.
FileFailure g_last_failure = FileFailure::Other;

void RecordFailure() {
  switch (errno) {
    case ENOENT:
    case ENOTDIR: g_last_failure = FileFailure::NotFound; break;
    case EACCES:
    case EPERM:
    case EROFS: g_last_failure = FileFailure::AccessDenied; break;
    case EBUSY:
    case ETXTBSY: g_last_failure = FileFailure::InUse; break;
    case ENOSPC:
    case EDQUOT: g_last_failure = FileFailure::DiskFull; break;
    case ENAMETOOLONG: g_last_failure = FileFailure::PathTooLong; break;
    default: g_last_failure = FileFailure::Other; break;
  }
}

bool Recorded(bool ok) {
  if (!ok) RecordFailure();
  return ok;
}

class PosixInputFile final : public InputFile {
 public:
  explicit PosixInputFile(std::FILE* file) : file_(file) {}
  ~PosixInputFile() override { std::fclose(file_); }
  size_t Read(uint8_t* bytes, size_t count) override { return std::fread(bytes, 1, count, file_); }
  uint64_t Size() override {
    struct stat info;
    return fstat(fileno(file_), &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0;
  }

 private:
  std::FILE* file_;
};

class PosixOutputFile final : public OutputFile {
 public:
  explicit PosixOutputFile(std::FILE* file) : file_(file) {}
  ~PosixOutputFile() override {
    if (file_ != nullptr) std::fclose(file_);
  }
  bool Write(const uint8_t* bytes, size_t count) override {
    return Recorded(std::fwrite(bytes, 1, count, file_) == count);
  }
  bool Commit() override {
    bool ok = Recorded(std::fflush(file_) == 0 && fsync(fileno(file_)) == 0);
    ok = Recorded(std::fclose(file_) == 0) && ok;
    file_ = nullptr;
    return ok;
  }

 private:
  std::FILE* file_;
};

class PosixFileSystem final : public FileSystem {
 public:
  std::unique_ptr<InputFile> OpenForReading(const char* path) override {
    std::FILE* file = std::fopen(path, "rb");
    Recorded(file != nullptr);
    return file != nullptr ? std::make_unique<PosixInputFile>(file) : nullptr;
  }
  // The counterpart of the read-only attribute: a regular file its owner may not write.
  FileStamp Stat(const char* path) override {
    struct stat info;
    FileStamp stamp;
    if (stat(path, &info) != 0) return stamp;
    stamp.exists = true;
    stamp.directory = S_ISDIR(info.st_mode);
    stamp.read_only = S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0;
    stamp.size = static_cast<uint64_t>(info.st_size);
    stamp.write_time = static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return stamp;
  }
  std::unique_ptr<OutputFile> CreateNew(const char* path, bool& exists) override {
    exists = false;
    const int descriptor = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) {
      RecordFailure();
      exists = errno == EEXIST;
      return nullptr;
    }
    std::FILE* file = fdopen(descriptor, "wb");
    if (file == nullptr) {
      close(descriptor);
      std::remove(path);
      return nullptr;
    }
    return std::make_unique<PosixOutputFile>(file);
  }
  bool Replace(const char* from, const char* to) override { return Recorded(std::rename(from, to) == 0); }
  FileFailure LastFailure() override { return g_last_failure; }
  void Remove(const char* path) override { std::remove(path); }
};

PosixFileSystem g_platform_file_system;

}  // namespace

FileSystem& PlatformFileSystem() { return g_platform_file_system; }
