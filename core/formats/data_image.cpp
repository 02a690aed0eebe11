// Reading and writing data file images whole.
#include "formats/data_image.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "model/sjis.h"

bool SetImagePath(DataFileImage& image, const PathChar* path) {
  const size_t length = std::char_traits<PathChar>::length(path);
  if (length >= PATH_CAPACITY) return false;
  std::char_traits<PathChar>::copy(image.path, path, length + 1);
  return true;
}

namespace {

// What a failed call of `fs` comes to for a load.
LoadResult LoadFailure(FileSystem& fs, const PathChar* path) {
  const FileFailure failure = fs.LastFailure();
  if (fs.Stat(path).directory) return LoadResult::NotAFile;
  switch (failure) {
    case FileFailure::NotFound: return LoadResult::NotFound;
    case FileFailure::AccessDenied: return LoadResult::AccessDenied;
    case FileFailure::InUse: return LoadResult::InUse;
    default: return LoadResult::CannotOpen;
  }
}

// What a failed write of `fs` comes to for a store.
StoreResult StoreFailure(FileSystem& fs) {
  switch (fs.LastFailure()) {
    case FileFailure::NotFound: return StoreResult::NoFolder;
    case FileFailure::AccessDenied: return StoreResult::AccessDenied;
    case FileFailure::InUse: return StoreResult::InUse;
    case FileFailure::DiskFull: return StoreResult::DiskFull;
    case FileFailure::PathTooLong: return StoreResult::PathTooLong;
    default: return StoreResult::WriteFailed;
  }
}

// The most of a file kept for its backup: far more than any data file of the game.
constexpr size_t OPENED_BYTES_LIMIT = size_t{64} << 20;

// Reads a whole file, up to `limit` bytes, into a vector of bytes or a string; false when it cannot
// be opened. The file comes in one read of its present size, into the buffer `bytes` already has
// when that is large enough: under Wine a fresh buffer of this size costs more than reading the file.
template <typename Bytes>
bool ReadUpTo(FileSystem& fs, const PathChar* path, size_t limit, Bytes& bytes) {
  const std::unique_ptr<InputFile> file = fs.OpenForReading(path);
  if (!file) return false;
  const size_t expected = static_cast<size_t>(std::min<uint64_t>(file->Size(), limit));
  bytes.resize(expected);
  bytes.resize(file->Read(reinterpret_cast<uint8_t*>(bytes.data()), expected));
  // A file that grew since is read on to its end.
  uint8_t chunk[65536];
  size_t got;
  while (bytes.size() < limit && (got = file->Read(chunk, sizeof chunk)) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + std::min(got, limit - bytes.size()));
  }
  return true;
}

// True when the file at `path` holds exactly `bytes`; read in pieces, so that no buffer of the
// file's size is needed.
bool FileHolds(FileSystem& fs, const PathChar* path, const std::vector<uint8_t>& bytes) {
  const std::unique_ptr<InputFile> file = fs.OpenForReading(path);
  if (!file) return false;
  uint8_t chunk[65536];
  size_t at = 0, got;
  bool same = true;
  while (same && (got = file->Read(chunk, sizeof chunk)) > 0) {
    same = got <= bytes.size() - at && std::memcmp(chunk, bytes.data() + at, got) == 0;
    at += got;
  }
  return same && at == bytes.size();
}

}  // namespace

LoadResult ReadImageFile(DataFileImage& image, FileSystem& fs) {
  // One byte past the limit tells a file too large to keep whole.
  std::vector<uint8_t> bytes = std::move(image.disk.bytes);
  if (!ReadUpTo(fs, image.path, OPENED_BYTES_LIMIT + 1, bytes)) {
    image.disk.bytes = std::move(bytes);
    return LoadFailure(fs, image.path);
  }
  // The image counts as the file's from here on, whatever the read yields.
  image.dirty = 0;
  const size_t stored = std::min(bytes.size(), static_cast<size_t>(image.length));
  std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(stored), image.data);
  DiskState& disk = image.disk;
  disk.stamp = fs.Stat(image.path);
  // A file too large to keep whole gets no backup.
  disk.backed_up = bytes.size() > OPENED_BYTES_LIMIT;
  disk.bytes = disk.backed_up ? std::vector<uint8_t>() : std::move(bytes);
  return stored == static_cast<size_t>(image.length) ? LoadResult::Loaded : LoadResult::TooShort;
}

namespace {

// The width of the character at `text`: a Shift-JIS character of one or two bytes, or a UTF-16
// code unit (a surrogate pair counts as one character of two units).
[[maybe_unused]] size_t CharacterWidth(const char* text) { return IsSjisLeadByte(static_cast<uint8_t>(*text)) ? 2 : 1; }
[[maybe_unused]] size_t CharacterWidth(const wchar_t* text) { return (*text >= 0xD800 && *text < 0xDC00) ? 2 : 1; }

// The temporaries lie in the target's folder, so that replacing the target is a rename within one
// volume, and their names are as long as the target's name, so they fit wherever the target's path
// fits. The first is the name with "~" put in front and the last character dropped; on a clash
// the name's end is replaced by a number ("~" and the name's start, then 1, 2, ...).
bool TemporaryPathFor(const PathChar* path, int attempt, PathChar (&out)[PATH_CAPACITY]) {
  using Traits = std::char_traits<PathChar>;
  const size_t length = Traits::length(path);
  size_t name = 0;  // where the file name starts: after the last separator
  std::vector<size_t> starts;  // where each character of the name starts
  for (size_t i = 0; i < length;) {
    const PathChar unit = path[i];
    starts.push_back(i);
    i += CharacterWidth(path + i);
    if (unit == '\\' || unit == '/') {
      name = i;
      starts.clear();
    }
  }
  if (name >= length || starts.empty()) return false;  // no file name
  const size_t characters = starts.size();
  // The number of the attempt, in decimal; the first attempt has none.
  char number[16] = "";
  size_t digits = 0;
  for (int n = attempt; n > 0; n /= 10) number[digits++] = static_cast<char>('0' + n % 10);
  // "~" (if it fits beside the number), the name's first characters, the number: `characters`
  // characters in all.
  const size_t tilde = attempt == 0 || digits < characters ? 1 : 0;
  if (digits + tilde > characters) return false;
  const size_t keep_characters = characters - digits - tilde;
  const size_t keep = (keep_characters < characters ? starts[keep_characters] : length) - name;
  size_t at = 0;
  Traits::copy(out, path, name);
  at = name;
  if (tilde != 0) out[at++] = '~';
  Traits::copy(out + at, path + name, keep);
  at += keep;
  for (size_t d = digits; d > 0; --d) out[at++] = static_cast<PathChar>(number[d - 1]);
  out[at] = '\0';
  return Traits::compare(out, path, length + 1) != 0;
}

constexpr int TEMPORARY_ATTEMPTS = 100;

// Writes `bytes` to a new temporary beside `target` and renames it over `target`. False, with no
// temporary left and `target` as it was, when any step fails.
bool WriteWholeFile(FileSystem& fs, const PathChar* target, const uint8_t* bytes, size_t count) {
  PathChar temporary[PATH_CAPACITY];
  std::unique_ptr<OutputFile> out;
  for (int attempt = 0; attempt < TEMPORARY_ATTEMPTS && !out; ++attempt) {
    if (!TemporaryPathFor(target, attempt, temporary)) continue;
    bool exists = false;
    out = fs.CreateNew(temporary, exists);
    if (!out && !exists) return false;
  }
  if (!out) return false;
  const bool written = out->Write(bytes, count);
  const bool committed = out->Commit();
  out.reset();
  if (!written || !committed || !fs.Replace(temporary, target)) {
    fs.Remove(temporary);
    return false;
  }
  return true;
}

}  // namespace

bool BackupPathFor(const PathChar* path, PathChar (&out)[PATH_CAPACITY]) {
  using Traits = std::char_traits<PathChar>;
  const PathChar extension[] = PATH_TEXT(".bak");
  const size_t length = Traits::length(path);
  if (length + 4 >= PATH_CAPACITY) return false;
  Traits::copy(out, path, length);
  Traits::copy(out + length, extension, 5);
  return true;
}

bool FileChangedOnDisk(const DataFileImage& image, FileSystem& fs) {
  const DiskState& disk = image.disk;
  if (!disk.stamp.exists) return false;
  // Attributes such as read-only say nothing about the contents.
  const FileStamp now = fs.Stat(image.path);
  if (!now.exists || now.directory || now.size != disk.stamp.size || now.write_time != disk.stamp.write_time) {
    return true;
  }
  // Same size and last write, but a last write kept by a copy, or one within the same tick of a
  // coarse clock, can still hide new contents. A file too large to keep is judged by its stamp.
  if (disk.bytes.size() != now.size) return false;
  return !FileHolds(fs, image.path, disk.bytes);
}

StoreResult WriteImageFile(DataFileImage& image, StoreKind kind, FileSystem& fs) {
  DiskState& disk = image.disk;
  if (kind == StoreKind::SaveAs) {
    // The image now belongs to a file the user has just chosen: nothing of it was read here, and
    // it is this program's own to write, with no backup.
    disk.stamp = FileStamp{};
    disk.backed_up = true;
  }
  const FileStamp target = fs.Stat(image.path);
  if (target.directory) return StoreResult::NotAFile;
  if (target.read_only) return StoreResult::ReadOnly;
  bool backup_failed = false;
  if (kind == StoreKind::Overwrite && !disk.backed_up && target.exists && disk.stamp.exists) {
    PathChar backup[PATH_CAPACITY];
    backup_failed = !BackupPathFor(image.path, backup) ||
                    !WriteWholeFile(fs, backup, disk.bytes.data(), disk.bytes.size());
    disk.backed_up = true;
  }
  const size_t count = static_cast<size_t>(image.length);
  if (!WriteWholeFile(fs, image.path, image.data, count)) return StoreFailure(fs);
  image.dirty = 0;
  disk.stamp = fs.Stat(image.path);
  disk.bytes.assign(image.data, image.data + count);
  return backup_failed ? StoreResult::StoredWithoutBackup : StoreResult::Stored;
}

StoreResult StoreWholeFile(const PathChar* path, std::span<const uint8_t> bytes, FileSystem& fs) {
  const FileStamp target = fs.Stat(path);
  if (target.directory) return StoreResult::NotAFile;
  if (target.read_only) return StoreResult::ReadOnly;
  return WriteWholeFile(fs, path, bytes.data(), bytes.size()) ? StoreResult::Stored : StoreFailure(fs);
}

WholeReadResult ReadWholeFile(const PathChar* path, size_t limit, std::string& bytes, FileSystem& fs) {
  // One byte past the limit tells a file that is too large.
  if (!ReadUpTo(fs, path, limit + 1, bytes)) return WholeReadResult::CannotOpen;
  return bytes.size() > limit ? WholeReadResult::TooLarge : WholeReadResult::Read;
}
