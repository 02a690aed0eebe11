// The few file operations that storing an image needs, behind an interface so that the store can
// be made to fail at any point in tests, and so that the portable core needs no platform header.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

// A path as the platform's file functions take it: UTF-16 on Windows, so that any file name opens
// whatever the system's code page; bytes elsewhere.
#ifdef _WIN32
using PathChar = wchar_t;
#define PATH_TEXT(text) L##text
#else
using PathChar = char;
#define PATH_TEXT(text) text
#endif

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
  virtual std::FILE* OpenForReading(const PathChar* path) = 0;
  // True when the file exists and is marked read-only (the platform's read-only attribute).
  virtual bool IsReadOnly(const PathChar* path) = 0;
  // Creates or truncates a file for writing; nullptr when that is not possible.
  virtual std::unique_ptr<OutputFile> Create(const PathChar* path) = 0;
  // Puts the file `from` in the place of `to`, replacing it; false when it could not.
  virtual bool Replace(const PathChar* from, const PathChar* to) = 0;
  virtual void Remove(const PathChar* path) = 0;
};

// The file system of the platform the program runs on.
FileSystem& PlatformFileSystem();
