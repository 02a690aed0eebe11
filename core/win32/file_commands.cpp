// The File commands of both programs over one data file image.
#include "win32/file_commands.h"

#include <shellapi.h>

#include <utility>

#include "platform/win_text_boundary.h"
#include "win32/remembered_places.h"
#include "win32/shared_strings.h"
#include "win32/status_line.h"
#include "win32/string_table.h"

namespace {

// The name of the file at `path`: what follows its last separator.
const wchar_t* FileName(const wchar_t* path) {
  const wchar_t* name = path;
  for (const wchar_t* c = path; *c != L'\0'; ++c) {
    if (*c == L'\\' || *c == L'/') name = c + 1;
  }
  return name;
}

// The image was read or closed: the steps that changed it are of another file.
void ForgetSteps(const ImageDocument& document) { document.steps->history.Clear(document.step_image); }

}  // namespace

LoadResult LoadDocument(HWND dialog, const ImageDocument& document, const std::wstring& note) {
  const LoadResult result = ReadImageFile(*document.image);
  if (result != LoadResult::Loaded) ShowLoadFailure(dialog, *document.image, *document.messages, result, note);
  ForgetSteps(document);
  return result;
}

// A stored image is clean at this place of the history: undoing past it marks it changed again.
StoreOutcome StoreDocument(HWND dialog, const ImageDocument& document, StoreKind kind) {
  const StoreOutcome outcome = StoreImageReporting(dialog, *document.image, *document.messages, kind);
  if (outcome.Stored()) {
    document.steps->history.MarkStored(document.step_image);
    ShowStatusText(dialog, FormatText(IDS_STATUS_STORED, {FileName(document.image->path)}));
  }
  return outcome;
}

SaveAnswer AskToSaveDocument(HWND dialog, const ImageDocument& document) {
  const SaveAnswer answer = AskSaveChangesReporting(dialog, *document.image, *document.messages);
  if (answer == SaveAnswer::Stored) {
    document.steps->history.MarkStored(document.step_image);
    ShowStatusText(dialog, FormatText(IDS_STATUS_STORED, {FileName(document.image->path)}));
  }
  return answer;
}

namespace {

// Loads `path` into the image after the question about unsaved changes has been asked. The view is
// emptied before a failure is shown, and refilled after a load.
void LoadChosenFile(HWND dialog, const ImageDocument& document, const PathChar* path) {
  DataFileImage& image = *document.image;
  SetImagePath(image, path);
  const LoadResult result = ReadImageFile(image);
  ForgetSteps(document);
  const bool loaded = result == LoadResult::Loaded;
  document.clear_view(dialog, loaded);
  if (!loaded) {
    ShowLoadFailure(dialog, image, *document.messages, result);
    ClearImagePath(image);
    image.dirty = 0;
    return;
  }
  document.show_loaded(dialog);
  ShowStatusText(dialog, FormatText(IDS_STATUS_OPENED, {FileName(path)}));
  RememberOpenedFile(dialog, path);
}

}  // namespace

void OpenDocument(HWND dialog, const ImageDocument& document) {
  if (Stops(AskToSaveDocument(dialog, document))) return;
  PathChar path[PATH_CAPACITY];
  if (!ChooseOpenFile(dialog, path)) return;
  LoadChosenFile(dialog, document, path);
}

void OpenDocumentFile(HWND dialog, const ImageDocument& document, const std::wstring& path) {
  if (Stops(AskToSaveDocument(dialog, document))) return;
  if (path.size() >= PATH_CAPACITY) {
    ShowWarning(dialog, IDS_PATH_TOO_LONG);
    return;
  }
  LoadChosenFile(dialog, document, path.c_str());
}

bool OpenDroppedFile(HWND dialog, const ImageDocument& document, HDROP drop) {
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring path(length + 1, L'\0');
  path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
  DragFinish(drop);
  if (path.empty()) return false;
  OpenDocumentFile(dialog, document, path);
  return true;
}

void OpenCommandLineFile(HWND dialog, const ImageDocument& document) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) return;
  if (count >= 2 && arguments[1][0] != L'\0') OpenDocumentFile(dialog, document, arguments[1]);
  LocalFree(arguments);
}

namespace {

void SetTitle(HWND dialog, const std::wstring& title) {
  wchar_t shown[2 * PATH_CAPACITY + 64] = L"";
  GetWindowTextW(dialog, shown, 2 * PATH_CAPACITY + 64);
  if (title != shown) SetWindowTextW(dialog, title.c_str());
}

}  // namespace

void ShowDocumentTitle(HWND dialog, const DataFileImage* named, bool changed) {
  std::wstring title = LoadText(IDS_PROGRAM_NAME);
  if (named != nullptr && IsImageOpen(*named)) {
    title = (changed ? L"*" : L"") + std::wstring(FileName(named->path)) + L" - " + title;
  }
  SetTitle(dialog, title);
}

void ShowDocumentsTitle(HWND dialog, std::span<const DataFileImage* const> images) {
  std::wstring names;
  for (const DataFileImage* image : images) {
    if (!IsImageOpen(*image)) continue;
    if (!names.empty()) names += L" / ";
    names += FileName(image->path);
    if (image->dirty) names += L"*";
  }
  const std::wstring program = LoadText(IDS_PROGRAM_NAME);
  SetTitle(dialog, names.empty() ? program : names + L" - " + program);
}

void SaveDocumentAs(HWND dialog, const ImageDocument& document) {
  DataFileImage& image = *document.image;
  if (!IsImageOpen(image)) return;
  PathChar path[PATH_CAPACITY];
  if (!ChooseSaveFile(dialog, path)) return;
  SaveDocumentTo(dialog, document, path);
}

void SaveDocumentTo(HWND dialog, const ImageDocument& document, const PathChar* path) {
  SetImagePath(*document.image, path);
  if (StoreDocument(dialog, document, StoreKind::SaveAs).Stored()) RememberStoredFile(dialog, path);
}

void OverwriteDocument(HWND dialog, const ImageDocument& document) {
  if (!IsImageOpen(*document.image)) return;
  StoreDocument(dialog, document);
}

void CloseDocument(HWND dialog, const ImageDocument& document) {
  DataFileImage& image = *document.image;
  if (!IsImageOpen(image)) return;
  if (Stops(AskToSaveDocument(dialog, document))) return;
  document.clear_view(dialog, false);
  image.dirty = 0;
  ClearImagePath(image);
  ForgetSteps(document);
}

void CloseProgram(HWND dialog, std::span<const ImageDocument* const> documents) {
  for (const ImageDocument* document : documents) {
    if (Stops(AskToSaveDocument(dialog, *document))) return;
  }
  StorePlaces(dialog);
  PostQuitMessage(0);
}

void ShowProgramIcon(HWND dialog, UINT icon_id) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  for (auto [which, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}}) {
    const int size = GetSystemMetrics(metric);
    HANDLE icon = LoadImageW(instance, MAKEINTRESOURCEW(icon_id), IMAGE_ICON, size, size, LR_SHARED);
    if (icon != nullptr) SendMessageW(dialog, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
  }
}
