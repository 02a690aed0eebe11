// Reading and writing data file images whole.
#include "data_image.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "sjis.h"

bool SetImagePath(DataFileImage& image, const PathChar* path) {
  const size_t length = std::char_traits<PathChar>::length(path);
  if (length >= PATH_CAPACITY) return false;
  std::char_traits<PathChar>::copy(image.path, path, length + 1);
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

namespace {

// The width of the character at `text`: a Shift-JIS character of one or two bytes, or a UTF-16
// code unit (a surrogate pair counts as one character of two units).
size_t CharacterWidth(const char* text) { return IsSjisLeadByte(static_cast<uint8_t>(*text)) ? 2 : 1; }
size_t CharacterWidth(const wchar_t* text) { return (*text >= 0xD800 && *text < 0xDC00) ? 2 : 1; }

// The temporary file lies in the target's folder, so that replacing the target is a rename within
// one volume. Its name is the target's name with "~" put in front and the last character dropped:
// as long as the target's path, so it always fits where the target's path fits.
bool TemporaryPathFor(const PathChar* path, PathChar (&out)[PATH_CAPACITY]) {
  using Traits = std::char_traits<PathChar>;
  const size_t length = Traits::length(path);
  size_t name = 0;  // where the file name starts: after the last separator
  size_t last = 0;  // where the last character starts
  for (size_t i = 0; i < length;) {
    const PathChar unit = path[i];
    last = i;
    i += CharacterWidth(path + i);
    if (unit == '\\' || unit == '/') name = i;
  }
  if (name >= length) return false;  // no file name
  Traits::copy(out, path, name);
  out[name] = '~';
  const size_t keep = last - name;  // the name without its last character
  Traits::copy(out + name + 1, path + name, keep);
  out[name + 1 + keep] = '\0';
  if (Traits::compare(out, path, length + 1) == 0) out[name] = '_';  // a name made of "~" only
  return true;
}

}  // namespace

StoreResult WriteImageFile(DataFileImage& image, FileSystem& fs) {
  if (fs.IsReadOnly(image.path)) return StoreResult::ReadOnly;
  PathChar temporary[PATH_CAPACITY];
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
