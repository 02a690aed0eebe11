// The Win32 side of data file images: the message boxes around loading and storing, the save
// prompt, and the common file dialogs (save files, and the CSV files of the tables). Both
// programs' wordings live here.
#pragma once

#include <windows.h>

#include <string>

#include "formats/data_image.h"

// How a program words its image messages (string ids of its string table). Every box names the
// image's full path on its first line; a failure's box then says why and what to do. `save_as`
// says whether the image can be stored elsewhere (名前を付けて保存), which a read-only file's box
// then suggests.
struct ImageMessages {
  UINT load_failed;
  UINT store_failed;
  UINT unsaved_changes;
  bool save_as;
};

// Why a load or a store failed and what the user can do, from its result; empty when there is
// nothing more to say. `length` is the size the image needs.
std::wstring LoadFailureReason(LoadResult result, int32_t length);
std::wstring StoreFailureReason(StoreResult result, bool save_as);

// A warning box (MB_ICONWARNING, OK) owned by `owner`; the caption is "警告" unless another
// string id is given.
void ShowWarning(HWND owner, UINT text_id, UINT caption_id = 0);
void ShowWarningText(HWND owner, const std::wstring& text, UINT caption_id = 0);
// A question box (MB_YESNO, MB_ICONQUESTION); true when answered Yes.
bool AskYesNo(HWND owner, const std::wstring& text, UINT caption_id);

// The message of a failed load of the image's file, chosen by `result`.
// `note`, when there is one, ends the box after an empty line.
void ShowLoadFailure(HWND owner, const DataFileImage& image, const ImageMessages& messages, LoadResult result,
                     const std::wstring& note = {});

// What storing an image came to: the store's own result, or no store at all when the user
// declined to overwrite a file that changed on disk.
struct StoreOutcome {
  bool attempted;
  StoreResult result;
  bool Stored() const {
    return attempted && (result == StoreResult::Stored || result == StoreResult::StoredWithoutBackup);
  }
};
// Stores the whole image; a failure has been shown (dirty unchanged), by ShowStoreFailure. Before an
// overwrite of a file that changed on disk since it was opened or last stored, asks whether to
// overwrite it; No writes nothing. A backup that could not be written is told, and the store goes on.
StoreOutcome StoreImageReporting(HWND owner, DataFileImage& image, const ImageMessages& messages,
                                 StoreKind kind = StoreKind::Overwrite);
// The message of a store that ended in `result` (StoredWithoutBackup: the backup's).
void ShowStoreFailure(HWND owner, const DataFileImage& image, const ImageMessages& messages, StoreResult result);

// The question about unsaved changes (はい, いいえ, キャンセル) and what came of it. Cancelled and
// NotStored stop the command that asked (Stops).
enum class SaveAnswer {
  NothingToSave,  // no file open, or no changes: nothing was asked
  ChangesDropped, // answered No
  Stored,         // answered Yes, and the store succeeded
  NotStored,      // answered Yes, and the store failed or was declined
  Cancelled,      // answered Cancel (or Esc, or the box closed): nothing happens
};
inline bool Stops(SaveAnswer answer) { return answer == SaveAnswer::NotStored || answer == SaveAnswer::Cancelled; }
SaveAnswer AskSaveChangesReporting(HWND owner, DataFileImage& image, const ImageMessages& messages);

// What a file dialog offers: the string ids of its filter (parts separated by "|") and of the
// extension it adds to a name typed without one.
struct FileDialogKind {
  UINT filter;
  UINT extension;
};
extern const FileDialogKind SAVE_FILES;  // "*.sav"
extern const FileDialogKind CSV_FILES;   // "*.csv", the tables written and read as CSV

// The open and save dialogs, for "*.sav" files unless told otherwise. 1 with the chosen full path
// in `path`; 0 when the dialog was cancelled or failed, or when the chosen path is longer than a
// path may be (259 characters), which has been shown.
int ChooseOpenFile(HWND owner, PathChar (&path)[PATH_CAPACITY], const FileDialogKind& kind = SAVE_FILES);
int ChooseSaveFile(HWND owner, PathChar (&path)[PATH_CAPACITY], const FileDialogKind& kind = SAVE_FILES);
