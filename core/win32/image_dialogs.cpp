// Message boxes and file dialogs around the data file images.
#include "win32/image_dialogs.h"

#include <commdlg.h>

#include <cstddef>
#include <cwchar>

#include "platform/win_text_boundary.h"
#include "win32/remembered_places.h"
#include "win32/shared_strings.h"
#include "win32/string_table.h"

const FileDialogKind SAVE_FILES = {IDS_SAVE_FILE_FILTER, IDS_SAVE_FILE_EXTENSION};
const FileDialogKind CSV_FILES = {IDS_CSV_FILE_FILTER, IDS_CSV_FILE_EXTENSION};

namespace {

// The text of a box: the image's path, a line feed, the fixed text and, when there is one, the
// reason on a line of its own.
std::wstring Compose(const DataFileImage& image, UINT fixed, const std::wstring& reason = {}) {
  std::wstring text = std::wstring(image.path) + L"\n" + LoadText(fixed);
  if (!reason.empty()) text += L"\n" + reason;
  return text;
}

// The members are those of the layout without the Windows 2000 additions: 76 bytes in the 32-bit
// programs. `filter` holds the filter with its parts separated by NULs.
OPENFILENAMEW DialogRecord(HWND owner, PathChar* path, PathChar (&title)[PATH_CAPACITY],
                           const std::wstring& filter, const std::wstring& extension) {
  OPENFILENAMEW record{};
  record.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
  record.hwndOwner = owner;
  record.lpstrFilter = filter.c_str();
  record.lpstrFile = path;
  record.nMaxFile = PATH_CAPACITY;
  record.lpstrFileTitle = title;
  record.nMaxFileTitle = PATH_CAPACITY;
  record.lpstrDefExt = extension.c_str();
  return record;
}

// The one filter of a dialog, such as "セーブデータ(*.sav)", "*.sav", and the empty string that
// ends the list. A string table cannot hold NULs, so its parts are separated by "|" there.
std::wstring FileFilter(UINT id) {
  std::wstring filter = LoadText(id);
  for (wchar_t& c : filter) {
    if (c == L'|') c = L'\0';
  }
  return filter;
}

// The dialog gets more room than a path may take, so that the program, not the dialog, decides
// about a path that is too long.
constexpr DWORD DIALOG_PATH_CAPACITY = 1024;

int RunFileDialog(HWND owner, PathChar (&path)[PATH_CAPACITY], bool save, const FileDialogKind& kind) {
  PathChar chosen[DIALOG_PATH_CAPACITY] = L"";
  PathChar title[PATH_CAPACITY] = L"";
  path[0] = L'\0';
  const std::wstring filter = FileFilter(kind.filter);
  const std::wstring extension = LoadText(kind.extension);
  OPENFILENAMEW record = DialogRecord(owner, chosen, title, filter, extension);
  record.nMaxFile = DIALOG_PATH_CAPACITY;
  const std::wstring start_folder = StartFolder();
  if (!start_folder.empty()) record.lpstrInitialDir = start_folder.c_str();
  if (save) {
    record.nFilterIndex = 1;
    record.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameW(&record)) return 0;
  } else {
    record.nFilterIndex = 0;
    // No read-only box: a file opened is one the overwrite command may write.
    record.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&record)) return 0;
  }
  if (wcslen(chosen) >= PATH_CAPACITY) {
    ShowWarning(owner, IDS_PATH_TOO_LONG);
    return 0;
  }
  wcscpy(path, chosen);
  RememberChosenFolder(path);
  return 1;
}

}  // namespace

#ifndef _WIN64
static_assert(offsetof(OPENFILENAMEW, pvReserved) == 76, "the 32-bit record without the Windows 2000 members");
#endif

void ShowWarningText(HWND owner, const std::wstring& text, UINT caption_id) {
  MessageBoxW(owner, text.c_str(), LoadText(caption_id != 0 ? caption_id : IDS_WARNING_CAPTION).c_str(),
              MB_OK | MB_ICONWARNING);
}

void ShowWarning(HWND owner, UINT text_id, UINT caption_id) { ShowWarningText(owner, LoadText(text_id), caption_id); }

bool AskYesNo(HWND owner, const std::wstring& text, UINT caption_id) {
  return MessageBoxW(owner, text.c_str(), LoadText(caption_id).c_str(), MB_YESNO | MB_ICONQUESTION) == IDYES;
}

std::wstring LoadFailureReason(LoadResult result, int32_t length) {
  switch (result) {
    case LoadResult::NotFound: return LoadText(IDS_WHY_NOT_FOUND);
    case LoadResult::AccessDenied: return LoadText(IDS_WHY_NOT_READABLE);
    case LoadResult::InUse: return LoadText(IDS_WHY_IN_USE_LOAD);
    case LoadResult::NotAFile: return LoadText(IDS_WHY_FOLDER_LOAD);
    case LoadResult::TooShort: return FormatText(IDS_WHY_TOO_SHORT, length);
    case LoadResult::Loaded:
    case LoadResult::CannotOpen: break;
  }
  return {};
}

std::wstring StoreFailureReason(StoreResult result, bool save_as) {
  switch (result) {
    case StoreResult::ReadOnly: return LoadText(save_as ? IDS_WHY_READ_ONLY : IDS_WHY_READ_ONLY_IN_PLACE);
    case StoreResult::NotAFile: return LoadText(IDS_WHY_FOLDER_STORE);
    case StoreResult::NoFolder: return LoadText(IDS_WHY_NO_FOLDER);
    case StoreResult::AccessDenied: return LoadText(IDS_WHY_NOT_WRITABLE);
    case StoreResult::InUse: return LoadText(IDS_WHY_IN_USE_STORE);
    case StoreResult::DiskFull: return LoadText(IDS_WHY_DISK_FULL);
    case StoreResult::PathTooLong: return LoadText(IDS_WHY_PATH_TOO_LONG);
    case StoreResult::WriteFailed: return LoadText(IDS_WHY_WRITE_FAILED);
    case StoreResult::Stored:
    case StoreResult::StoredWithoutBackup: break;
  }
  return {};
}

void ShowLoadFailure(HWND owner, const DataFileImage& image, const ImageMessages& messages, LoadResult result,
                     const std::wstring& note) {
  std::wstring text = Compose(image, messages.load_failed, LoadFailureReason(result, image.length));
  if (!note.empty()) text += L"\n\n" + note;
  ShowWarningText(owner, text);
}

StoreOutcome StoreImageReporting(HWND owner, DataFileImage& image, const ImageMessages& messages, StoreKind kind) {
  if (kind == StoreKind::Overwrite && FileChangedOnDisk(image)) {
    const std::wstring question = Compose(image, IDS_CHANGED_ON_DISK);
    if (MessageBoxW(owner, question.c_str(), LoadText(IDS_WARNING_CAPTION).c_str(), MB_YESNO | MB_ICONWARNING) != IDYES) {
      return {false, StoreResult::WriteFailed};
    }
  }
  const StoreResult result = WriteImageFile(image, kind);
  if (result != StoreResult::Stored) ShowStoreFailure(owner, image, messages, result);
  return {true, result};
}

void ShowStoreFailure(HWND owner, const DataFileImage& image, const ImageMessages& messages, StoreResult result) {
  switch (result) {
    case StoreResult::Stored: return;
    case StoreResult::StoredWithoutBackup: ShowWarningText(owner, Compose(image, IDS_BACKUP_FAILED)); return;
    default:
      ShowWarningText(owner, Compose(image, messages.store_failed, StoreFailureReason(result, messages.save_as)));
      return;
  }
}

SaveAnswer AskSaveChangesReporting(HWND owner, DataFileImage& image, const ImageMessages& messages) {
  if (!image.dirty || !IsImageOpen(image)) return SaveAnswer::NothingToSave;
  const std::wstring question = Compose(image, messages.unsaved_changes);
  switch (MessageBoxW(owner, question.c_str(), LoadText(IDS_SAVE_QUESTION_CAPTION).c_str(),
                      MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: break;
    case IDNO: return SaveAnswer::ChangesDropped;
    default: return SaveAnswer::Cancelled;
  }
  return StoreImageReporting(owner, image, messages).Stored() ? SaveAnswer::Stored : SaveAnswer::NotStored;
}

int ChooseOpenFile(HWND owner, PathChar (&path)[PATH_CAPACITY], const FileDialogKind& kind) {
  return RunFileDialog(owner, path, false, kind);
}

int ChooseSaveFile(HWND owner, PathChar (&path)[PATH_CAPACITY], const FileDialogKind& kind) {
  return RunFileDialog(owner, path, true, kind);
}
