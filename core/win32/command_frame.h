// The frame every update command of both programs follows: read and check the input; on a refusal
// a warning and nothing written; otherwise write the value into every selected record of the
// image and mark the image changed; then the program reports (rows rewritten, a note). The reads
// warn in the editors' style, so a handler is its reads, one write and its report.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "formats/data_image.h"
#include "model/text_field.h"
#include "win32/controls.h"
#include "win32/image_dialogs.h"

// A text entry as Shift-JIS bytes, cut to the whole characters that fit `limit` bytes: under Wine
// an edit's limit counts characters, not bytes, so 4 kanji (8 bytes) can arrive where 4 bytes are
// allowed. False after a warning captioned `caption_id` (0: "警告"): the entry holds a character
// code page 932 cannot hold, or nothing is left to write (`empty_warning`).
bool ReadTextInput(HWND dialog, int control, size_t limit, UINT empty_warning, UINT caption_id, std::string& text);

// A number entry as `parse` judges it (-1: not acceptable; a character outside code page 932 is no
// digit either). -1 after the warning `warning`, captioned `caption_id`.
template <typename Parse>
int32_t ReadNumberInput(HWND dialog, int control, Parse parse, UINT warning, UINT caption_id = 0) {
  std::string text;
  const int32_t value = ReadControlText(dialog, control, text) ? parse(std::string_view(text)) : -1;
  if (value < 0) ShowWarning(dialog, warning, caption_id);
  return value;
}
inline int32_t ReadNumberInput(HWND dialog, int control, const NumberField& field, UINT warning) {
  return ReadNumberInput(
      dialog, control, [&field](std::string_view text) { return ParseNumberField(text, field); }, warning);
}

// A choice list's current index: the value its command writes. -1 (CB_ERR) when it shows no entry
// (its record's byte lies outside the list).
int32_t ReadChoice(HWND dialog, int combo);

// The write of a command whose input has been read and checked: `write(bytes)` writes the value into
// every selected record of the image and answers whether the image holds a change to mark: false
// when it named no value and left every byte as it was.
template <typename Write>
void WriteSelectedRecords(DataFileImage& image, Write write) {
  if (write(ImageBytes(image))) MarkChanged(image);
}
