// The few file operations that storing an image needs, behind an interface so that the store can
// be made to fail at any point in tests, and so that the portable core needs no platform header.
#pragma once

#include <cstddef>
#include <cstdint>
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

class InputFile {
 public:
  virtual ~InputFile() = default;
  // Reads up to `count` bytes; how many were read, 0 at the end of the file or after a failure.
  virtual size_t Read(uint8_t* bytes, size_t count) = 0;
  // The file's size as it is now.
  virtual uint64_t Size() = 0;
};

class OutputFile {
 public:
  virtual ~OutputFile() = default;
  // False when not every byte could be written.
  virtual bool Write(const uint8_t* bytes, size_t count) = 0;
  // Flushes everything to the disk and closes the file; false when that failed.
  virtual bool Commit() = 0;
};

// What the store looks at before it writes over a path.
struct FileStamp {
  bool exists = false;
  bool directory = false;
  bool read_only = false;  // the platform's read-only attribute
  uint64_t size = 0;
  int64_t write_time = 0;  // last write, in the platform's own units
};

// Why the last call of a file system that failed did: what a message can tell the user to do.
enum class FileFailure {
  Other,
  NotFound,      // the file or its folder is not there
  AccessDenied,  // not allowed: a protected folder or file
  InUse,         // another program holds the file open or locked
  DiskFull,
  PathTooLong,
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Why the last failed call failed; kept until another call fails.
  virtual FileFailure LastFailure() { return FileFailure::Other; }
  // nullptr when the file cannot be opened.
  virtual std::unique_ptr<InputFile> OpenForReading(const PathChar* path) = 0;
  virtual FileStamp Stat(const PathChar* path) = 0;
  // Creates a new file for writing; never opens, truncates or replaces one that exists. nullptr
  // when it cannot, with `exists` set when that was because a file or folder of that name exists.
  virtual std::unique_ptr<OutputFile> CreateNew(const PathChar* path, bool& exists) = 0;
  // Puts the file `from` in the place of `to` with one rename that either happens whole or not
  // at all; false when it could not.
  virtual bool Replace(const PathChar* from, const PathChar* to) = 0;
  virtual void Remove(const PathChar* path) = 0;
};

// The file system of the platform the program runs on.
FileSystem& PlatformFileSystem();
