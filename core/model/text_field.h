// Fixed-width text fields and numeric entries: how a text typed into the dialogs reaches a data
// image, and how a number typed into an edit control is judged.
//
// A text field of `width` bytes holds its text, one NUL and spaces (0x20) up to its end, so its
// text is at most width - 1 bytes. Texts are Shift-JIS and are only ever cut between characters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

// The longest prefix of `text` made of whole characters and at most `limit` bytes long. A lead
// byte whose second byte is missing or lies past the limit is left out.
std::string_view FitText(std::string_view text, size_t limit);

// The text WriteTextField stores into a field of `width` bytes: `text` up to its first NUL, cut to
// the whole characters that fit in width - 1 bytes (empty when width < 1).
std::string_view StoredText(std::string_view text, int32_t width);

// Fills the `width` bytes from `offset` with spaces, then copies StoredText(text, width) and a NUL
// over their start. A field that does not lie wholly inside the image is left alone: nothing
// outside a field, or outside the image, is ever written.
void WriteTextField(std::span<uint8_t> image, int32_t offset, std::string_view text, int32_t width);

// The text of the field: its bytes up to the first NUL, all `width` bytes when it holds none.
// Empty for a field that does not lie wholly inside the image.
std::string_view FieldText(std::span<const uint8_t> image, int32_t offset, int32_t width);

// The judgement of a numeric entry, as read from its edit control: only the first `max_digits`
// bytes count (the control takes no more), and the text ends at a NUL. Empty, any byte other than
// the digits 0 to 9 (signs, spaces, full-width digits), or a value outside [min, max] gives -1.
// Leading zeros are allowed. Any number of digits is safe: the value is not built past `max`.
int32_t ParseNumberField(std::string_view text, int32_t max_digits, int32_t min, int32_t max);

// One numeric entry: the characters its edit control accepts, and the values it accepts.
struct NumberField {
  int32_t max_digits;
  int32_t min;
  int32_t max;
};

inline int32_t ParseNumberField(std::string_view text, const NumberField& field) {
  return ParseNumberField(text, field.max_digits, field.min, field.max);
}
