// Writing fixed-width text fields and judging numeric entries.
#include "model/text_field.h"

#include <algorithm>
#include <cstring>

#include "model/sjis.h"

namespace {

bool FieldInImage(size_t image_size, int32_t offset, int32_t width) {
  return offset >= 0 && width > 0 && static_cast<size_t>(offset) + static_cast<size_t>(width) <= image_size;
}

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

}  // namespace

std::string_view FitText(std::string_view text, size_t limit) {
  return text.substr(0, WholeCharacterPrefix(text.data(), text.size(), limit));
}

std::string_view StoredText(std::string_view text, int32_t width) {
  if (width < 1) return {};
  return FitText(UpToNul(text), static_cast<size_t>(width - 1));
}

void WriteTextField(std::span<uint8_t> image, int32_t offset, std::string_view text, int32_t width) {
  if (!FieldInImage(image.size(), offset, width)) return;
  std::string_view stored = StoredText(text, width);
  uint8_t* field = image.data() + offset;
  // Spaces first, so every byte behind the NUL is a space whatever the field held before.
  std::fill_n(field, width, uint8_t{0x20});
  std::copy(stored.begin(), stored.end(), field);
  field[stored.size()] = 0;
}

std::string_view FieldText(std::span<const uint8_t> image, int32_t offset, int32_t width) {
  if (!FieldInImage(image.size(), offset, width)) return {};
  std::string_view field(reinterpret_cast<const char*>(image.data() + offset), static_cast<size_t>(width));
  return UpToNul(field);
}

int32_t ParseNumberField(std::string_view text, int32_t max_digits, int32_t min, int32_t max) {
  if (max_digits < 1) return -1;
  text = UpToNul(text.substr(0, static_cast<size_t>(max_digits)));
  if (text.empty()) return -1;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
    // More digits never make the value smaller, so stop before it can grow out of range.
    if (value > max) return -1;
  }
  return value < min ? -1 : static_cast<int32_t>(value);
}
