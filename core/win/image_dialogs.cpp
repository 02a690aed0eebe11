// Message boxes and file dialogs around the data file images.
#include "image_dialogs.h"

#include <commdlg.h>

#include <cstddef>
#include <cstdio>

const char WARNING_CAPTION[] = "警告";

const ImageMessages OFFICER_EDITOR_MESSAGES = {
    "ファイルの読み取りに失敗しました。",
    "ファイルの保存に失敗しました。",
    "データが変更されています。保存しますか?",
    false,
};

const ImageMessages ITEM_EDITOR_MESSAGES = {
    "ファイルの読み取りに失敗しました。",
    "ファイルの書き込みに失敗しました。",
    "データが変更されています。保存しますか?",
    true,
};

namespace {

// The text of a box: the fixed text, or the image's path, a line feed and the fixed text. Room for
// the longest path (259 bytes) and every fixed text.
struct BoxText {
  char text[PATH_CAPACITY + 128];
};

BoxText Compose(const DataFileImage& image, const ImageMessages& messages, const char* fixed) {
  BoxText box;
  if (messages.name_path) {
    std::snprintf(box.text, sizeof box.text, "%s\n%s", image.path, fixed);
  } else {
    std::snprintf(box.text, sizeof box.text, "%s", fixed);
  }
  return box;
}

// The one filter of both dialogs: "セーブデータ(*.sav)", "*.sav", and the empty string that ends the list.
const char SAVE_FILE_FILTER[] = "セーブデータ(*.sav)\0*.sav\0";

// The members are those of the layout without the Windows 2000 additions: 76 bytes in the 32-bit
// programs.
OPENFILENAMEA DialogRecord(HWND owner, char (&path)[PATH_CAPACITY], char (&title)[PATH_CAPACITY]) {
  OPENFILENAMEA record{};
  record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  record.hwndOwner = owner;
  record.lpstrFilter = SAVE_FILE_FILTER;
  record.lpstrFile = path;
  record.nMaxFile = PATH_CAPACITY;
  record.lpstrFileTitle = title;
  record.nMaxFileTitle = PATH_CAPACITY;
  record.lpstrDefExt = "sav";
  return record;
}

}  // namespace

#ifndef _WIN64
static_assert(offsetof(OPENFILENAMEA, pvReserved) == 76, "the 32-bit record without the Windows 2000 members");
#endif

void ShowWarning(HWND owner, const char* text, const char* caption) {
  MessageBoxA(owner, text, caption, MB_OK | MB_ICONWARNING);
}

int LoadImageReporting(HWND owner, DataFileImage& image, const ImageMessages& messages) {
  BoxText failure = Compose(image, messages, messages.load_failed);
  if (ReadImageFile(image) == LoadResult::Loaded) return 1;
  ShowWarning(owner, failure.text);
  return 0;
}

int StoreImageReporting(HWND owner, DataFileImage& image, const ImageMessages& messages) {
  BoxText failure = Compose(image, messages, messages.store_failed);
  if (WriteImageFile(image) == StoreResult::Stored) return 1;
  ShowWarning(owner, failure.text);
  return 0;
}

int AskSaveChangesReporting(HWND owner, DataFileImage& image, const ImageMessages& messages) {
  if (!image.dirty || !IsImageOpen(image)) return 3;
  BoxText question = Compose(image, messages, messages.unsaved_changes);
  if (MessageBoxA(owner, question.text, "データの保存", MB_YESNO | MB_ICONQUESTION) != IDYES) return 2;
  return StoreImageReporting(owner, image, messages);
}

int ChooseOpenFile(HWND owner, char (&path)[PATH_CAPACITY]) {
  char title[PATH_CAPACITY] = "";
  path[0] = '\0';
  OPENFILENAMEA record = DialogRecord(owner, path, title);
  record.nFilterIndex = 0;
  record.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST;
  return GetOpenFileNameA(&record) ? 1 : 0;
}

int ChooseSaveFile(HWND owner, char (&path)[PATH_CAPACITY]) {
  char title[PATH_CAPACITY] = "";
  path[0] = '\0';
  OPENFILENAMEA record = DialogRecord(owner, path, title);
  record.nFilterIndex = 1;
  record.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
  return GetSaveFileNameA(&record) ? 1 : 0;
}
