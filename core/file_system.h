// The few file operations that storing an image needs, behind an interface so that the store can
// be made to fail at any point in tests, and so that the portable core needs no platform header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // False when not every byte could be written.
  virtual bool Write(const uint8_t* bytes, size_t count) = 0;
  // Flushes everything to the disk and closes the file; false when that failed.
  virtual bool Commit() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual std::FILE* OpenForReading(const char* path) = 0;
  // True when the file exists and is marked read-only (the platform's read-only attribute).
  virtual bool IsReadOnly(const char* path) = 0;
  // Creates or truncates a file for writing; nullptr when that is not possible.
  virtual std::unique_ptr<OutputFile> Create(const char* path) = 0;
  // Puts the file `from` in the place of `to`, replacing it; false when it could not.
  virtual bool Replace(const char* from, const char* to) = 0;
  virtual void Remove(const char* path) = 0;
};

// The file system of the platform the program runs on.
FileSystem& PlatformFileSystem();
