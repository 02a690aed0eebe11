// The File commands of both programs over one data file image.
#include "file_commands.h"

int LoadDocument(HWND dialog, const ImageDocument& document) {
  return LoadImageReporting(dialog, *document.image, *document.messages);
}

int StoreDocument(HWND dialog, const ImageDocument& document, StoreKind kind) {
  return StoreImageReporting(dialog, *document.image, *document.messages, kind);
}

int AskToSaveDocument(HWND dialog, const ImageDocument& document) {
  return AskSaveChangesReporting(dialog, *document.image, *document.messages);
}

void OpenDocument(HWND dialog, const ImageDocument& document) {
  if (AskToSaveDocument(dialog, document) == 0) return;
  PathChar path[PATH_CAPACITY];
  if (!ChooseOpenFile(dialog, path)) return;
  DataFileImage& image = *document.image;
  SetImagePath(image, path);
  document.clear_view(dialog);
  if (!LoadDocument(dialog, document)) {
    ClearImagePath(image);
    image.dirty = 0;
    return;
  }
  document.show_loaded(dialog);
}

void SaveDocumentAs(HWND dialog, const ImageDocument& document) {
  DataFileImage& image = *document.image;
  if (!IsImageOpen(image)) return;
  PathChar path[PATH_CAPACITY];
  if (!ChooseSaveFile(dialog, path)) return;
  SetImagePath(image, path);
  StoreDocument(dialog, document, StoreKind::SaveAs);
}

void OverwriteDocument(HWND dialog, const ImageDocument& document) {
  if (!IsImageOpen(*document.image)) return;
  StoreDocument(dialog, document);
}

void CloseDocument(HWND dialog, const ImageDocument& document) {
  DataFileImage& image = *document.image;
  if (!IsImageOpen(image)) return;
  if (AskToSaveDocument(dialog, document) == 0) return;
  document.clear_view(dialog);
  image.dirty = 0;
  ClearImagePath(image);
}

void CloseProgram(HWND dialog, std::span<const ImageDocument* const> documents) {
  for (const ImageDocument* document : documents) {
    if (AskToSaveDocument(dialog, *document) == 0) return;
  }
  PostQuitMessage(0);
}
