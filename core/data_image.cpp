// Reading and writing data file images whole.
#include "data_image.h"

#include <cstdio>
#include <cstring>

#include "sjis.h"

bool SetImagePath(DataFileImage& image, const char* path) {
  size_t length = std::strlen(path);
  if (length >= sizeof image.path) return false;
  std::memcpy(image.path, path, length + 1);
  return true;
}

LoadResult ReadImageFile(DataFileImage& image, FileSystem& fs) {
  std::FILE* file = fs.OpenForReading(image.path);
  if (file == nullptr) return LoadResult::CannotOpen;
  // The image counts as the file's from here on, whatever the read yields.
  image.dirty = 0;
  size_t stored = std::fread(image.data, 1, static_cast<size_t>(image.length), file);
  std::fclose(file);
  return stored == static_cast<size_t>(image.length) ? LoadResult::Loaded : LoadResult::TooShort;
}

// The temporary file lies in the target's folder, so that replacing the target is a rename within
// one volume. Its name is the target's name with "~" put in front and the last character dropped:
// as long as the target's path, so it always fits where the target's path fits.
static bool TemporaryPathFor(const char* path, char (&out)[PATH_CAPACITY]) {
  size_t length = std::strlen(path);
  size_t name = 0;  // where the file name starts: after the last separator
  for (size_t i = 0; i < length;) {
    uint8_t byte = static_cast<uint8_t>(path[i]);
    i += IsSjisLeadByte(byte) ? 2 : 1;
    if (byte == '\\' || byte == '/') name = i;
  }
  if (name >= length) return false;  // no file name
  std::memcpy(out, path, name);
  out[name] = '~';
  // The name without its last character (both bytes of a double-byte one).
  size_t keep = length > name ? LastCharacterStart(path + name, length - name) : 0;
  std::memcpy(out + name + 1, path + name, keep);
  out[name + 1 + keep] = '\0';
  if (std::strcmp(out, path) == 0) out[name] = '_';  // a name made of "~" only
  return true;
}

StoreResult WriteImageFile(DataFileImage& image, FileSystem& fs) {
  if (fs.IsReadOnly(image.path)) return StoreResult::ReadOnly;
  char temporary[PATH_CAPACITY];
  if (!TemporaryPathFor(image.path, temporary)) return StoreResult::WriteFailed;
  std::unique_ptr<OutputFile> out = fs.Create(temporary);
  if (!out) return StoreResult::WriteFailed;
  bool written = out->Write(image.data, static_cast<size_t>(image.length));
  bool committed = out->Commit();
  out.reset();
  if (!written || !committed || !fs.Replace(temporary, image.path)) {
    fs.Remove(temporary);
    return StoreResult::WriteFailed;
  }
  image.dirty = 0;
  return StoreResult::Stored;
}
