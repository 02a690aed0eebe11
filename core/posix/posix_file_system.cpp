// The file system of a POSIX host: the native build of the core, its tests and tools.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "file_system.h"

namespace {

class PosixOutputFile final : public OutputFile {
 public:
  explicit PosixOutputFile(std::FILE* file) : file_(file) {}
  ~PosixOutputFile() override {
    if (file_ != nullptr) std::fclose(file_);
  }
  bool Write(const uint8_t* bytes, size_t count) override {
    return std::fwrite(bytes, 1, count, file_) == count;
  }
  bool Commit() override {
    bool ok = std::fflush(file_) == 0 && fsync(fileno(file_)) == 0;
    ok = std::fclose(file_) == 0 && ok;
    file_ = nullptr;
    return ok;
  }

 private:
  std::FILE* file_;
};

class PosixFileSystem final : public FileSystem {
 public:
  std::FILE* OpenForReading(const char* path) override { return std::fopen(path, "rb"); }
  // The counterpart of the read-only attribute: a regular file its owner may not write.
  bool IsReadOnly(const char* path) override {
    struct stat info;
    return stat(path, &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0;
  }
  std::unique_ptr<OutputFile> Create(const char* path) override {
    std::FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return nullptr;
    return std::make_unique<PosixOutputFile>(file);
  }
  bool Replace(const char* from, const char* to) override { return std::rename(from, to) == 0; }
  void Remove(const char* path) override { std::remove(path); }
};

PosixFileSystem g_platform_file_system;

}  // namespace

FileSystem& PlatformFileSystem() { return g_platform_file_system; }
