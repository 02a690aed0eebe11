// Data file images: a data file of the game held whole in memory as a fixed-size byte image,
// read whole from its file and written whole back. Nothing in an image is parsed here.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "formats/file_system.h"

constexpr int32_t SAVE_FILE_LENGTH = 374534;      // a save file "*.sav"
constexpr int32_t SCENARIO_FILE_LENGTH = 134024;  // the scenario file "D_SCE.S8"
constexpr int PATH_CAPACITY = 260;                // 259 characters and the NUL

// What the file on disk held when it was opened or last stored: a store over it first checks that
// nobody else has written it since, and the first store after opening keeps a backup of it.
struct DiskState {
  FileStamp stamp;             // its size and last write
  std::vector<uint8_t> bytes;  // its whole contents; none for a file too large to keep
  bool backed_up = false;      // the backup of this opening is written (or was tried)
};

struct DataFileImage {
  PathChar path[PATH_CAPACITY];  // empty: no file is open for this image
  int32_t length;            // fixed at start-up
  uint8_t* data;             // exactly `length` bytes of static storage
  int32_t dirty;             // 1 while the image holds changes not written to its file
  DiskState disk;            // the file at `path` as this program last saw it
};

// A data file is open exactly while its image's path is not empty.
inline bool IsImageOpen(const DataFileImage& image) { return image.path[0] != '\0'; }

// Copies `path` into the image; false (and the path unchanged) when it has 260 characters or more.
bool SetImagePath(DataFileImage& image, const PathChar* path);
inline void ClearImagePath(DataFileImage& image) { image.path[0] = '\0'; }

// The image's bytes, all `length` of them, whether or not a file is open.
inline std::span<uint8_t> ImageBytes(DataFileImage& image) { return {image.data, static_cast<size_t>(image.length)}; }
inline std::span<const uint8_t> ImageBytes(const DataFileImage& image) {
  return {image.data, static_cast<size_t>(image.length)};
}
// The bytes of the image while a file is open; none otherwise.
inline std::span<const uint8_t> OpenImageBytes(const DataFileImage& image) {
  return IsImageOpen(image) ? ImageBytes(image) : std::span<const uint8_t>();
}

// The image holds changes its file does not have yet.
inline void MarkChanged(DataFileImage& image) { image.dirty = 1; }

enum class LoadResult {
  Loaded,      // `length` bytes read; dirty is 0
  CannotOpen,  // nothing changed, dirty included; this and the next four say why
  NotFound,
  AccessDenied,
  InUse,
  NotAFile,    // the path names a folder
  TooShort,    // the file's bytes overwrote the start of the buffer; dirty is 0
};
// A load that changed nothing: the file could not be opened, for whatever reason.
inline bool LoadChangedNothing(LoadResult result) {
  return result != LoadResult::Loaded && result != LoadResult::TooShort;
}

// Reads the first `length` bytes of the file at the image's path into its buffer. A longer file
// is accepted; the bytes past `length` are ignored.
LoadResult ReadImageFile(DataFileImage& image, FileSystem& fs = PlatformFileSystem());

enum class StoreResult {
  Stored,              // the file now holds exactly the image's bytes; dirty is 0
  StoredWithoutBackup, // stored, but the backup of the file as opened could not be written
  ReadOnly,            // the file is marked read-only: nothing was written
  NotAFile,            // the path names a folder: nothing was written
  WriteFailed,         // the file could not be written; the file on disk is unchanged
  // As WriteFailed, and why:
  NoFolder,            // the folder named is not there
  AccessDenied,        // the folder or the file may not be written
  InUse,               // another program holds the file open or locked
  DiskFull,
  PathTooLong,         // the temporary file beside the target does not fit a path
};

// How a store is meant: over the file that is open (its backup and the check for changes on disk
// apply), or to a file the user has just chosen in its place.
enum class StoreKind { Overwrite, SaveAs };

// Writes all `length` bytes, whether or not the image is dirty. The bytes go to a new temporary
// file beside the target (never a file that exists: another name is taken on a clash), which
// replaces the target with one rename once every byte has reached the disk, so a failure or a
// crash at any point leaves the old file whole and, but for a crash, no temporary file behind.
// The first overwrite after the file was opened first keeps the file as opened in "<path>.bak",
// written the same way; whether or not that succeeds, later stores leave the backup alone.
StoreResult WriteImageFile(DataFileImage& image, StoreKind kind = StoreKind::Overwrite,
                           FileSystem& fs = PlatformFileSystem());

// True when the file at the image's path no longer is what the image last read or wrote there:
// missing, or another size, last write or content. An image whose file was never read or
// written here counts as unchanged.
bool FileChangedOnDisk(const DataFileImage& image, FileSystem& fs = PlatformFileSystem());

// The backup's path: the image's path and ".bak"; false when that does not fit.
bool BackupPathFor(const PathChar* path, PathChar (&out)[PATH_CAPACITY]);

// Files that are not data files (the CSV files of the tables), written and read whole.

// Writes `bytes` to `path` as a store writes an image (a new temporary beside it, one rename), with
// no backup and no check for changes on disk. Stored, or ReadOnly, NotAFile or WriteFailed with
// the file on disk as it was.
StoreResult StoreWholeFile(const PathChar* path, std::span<const uint8_t> bytes, FileSystem& fs = PlatformFileSystem());

enum class WholeReadResult {
  Read,        // `bytes` holds the whole file
  CannotOpen,
  TooLarge,    // the file holds more than the limit; `bytes` holds its first bytes, more than `limit`
};

// Reads the whole file at `path` into `bytes` when it holds at most `limit` bytes.
WholeReadResult ReadWholeFile(const PathChar* path, size_t limit, std::string& bytes,
                              FileSystem& fs = PlatformFileSystem());
