// The input reads of the update commands.
#include "win32/command_frame.h"

bool ReadTextInput(HWND dialog, int control, size_t limit, UINT empty_warning, UINT caption_id, std::string& text) {
  if (!ReadControlText(dialog, control, text)) {
    WarnNotStorable(dialog, caption_id);
    return false;
  }
  text.resize(FitText(text, limit).size());
  if (text.empty()) {
    ShowWarning(dialog, empty_warning, caption_id);
    return false;
  }
  return true;
}

int32_t ReadChoice(HWND dialog, int combo) {
  return static_cast<int32_t>(SendDlgItemMessageW(dialog, combo, CB_GETCURSEL, 0, 0));
}
