// Data file images: a data file of the game held whole in memory as a fixed-size byte image,
// read whole from its file and written whole back. Nothing in an image is parsed here.
#pragma once

#include <cstdint>

#include "file_system.h"

constexpr int32_t SAVE_FILE_LENGTH = 374534;      // a save file "*.sav"
constexpr int32_t SCENARIO_FILE_LENGTH = 134024;  // the scenario file "D_SCE.S8"
constexpr int PATH_CAPACITY = 260;                // 259 characters and the NUL

struct DataFileImage {
  PathChar path[PATH_CAPACITY];  // empty: no file is open for this image
  int32_t length;            // fixed at start-up
  uint8_t* data;             // exactly `length` bytes of static storage
  int32_t dirty;             // 1 while the image holds changes not written to its file
};

// A data file is open exactly while its image's path is not empty.
inline bool IsImageOpen(const DataFileImage& image) { return image.path[0] != '\0'; }

// Copies `path` into the image; false (and the path unchanged) when it has 260 characters or more.
bool SetImagePath(DataFileImage& image, const PathChar* path);
inline void ClearImagePath(DataFileImage& image) { image.path[0] = '\0'; }

enum class LoadResult {
  Loaded,      // `length` bytes read; dirty is 0
  CannotOpen,  // nothing changed, dirty included
  TooShort,    // the file's bytes overwrote the start of the buffer; dirty is 0
};

// Reads the first `length` bytes of the file at the image's path into its buffer. A longer file
// is accepted; the bytes past `length` are ignored.
LoadResult ReadImageFile(DataFileImage& image, FileSystem& fs = PlatformFileSystem());

enum class StoreResult {
  Stored,      // the file now holds exactly the image's bytes; dirty is 0
  ReadOnly,    // the file is marked read-only: nothing was written
  WriteFailed, // the file could not be written; the file on disk is unchanged
};

// Writes all `length` bytes, whether or not the image is dirty. The bytes go to a temporary file
// beside the target first, which replaces the target only once every byte has reached the disk,
// so a failure at any point leaves the old file whole and no temporary file behind.
StoreResult WriteImageFile(DataFileImage& image, FileSystem& fs = PlatformFileSystem());
