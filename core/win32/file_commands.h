// The File commands both programs share: open, save as, overwrite and close a data file image,
// and closing the program with the question about unsaved changes. A program describes each of
// its images once; its own handlers are one call each.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <span>
#include <string>

#include "formats/data_image.h"
#include "win32/edit_steps.h"
#include "win32/image_dialogs.h"

// One data file image of a program and what the program shows of it.
struct ImageDocument {
  DataFileImage* image;
  const ImageMessages* messages;
  // Empties the rows that show the image's contents; with `refill_follows`, show_loaded comes next
  // and turns drawing back on (ClearRows).
  void (*clear_view)(HWND dialog, bool refill_follows);
  void (*show_loaded)(HWND dialog);  // after a successful load: builds and shows those rows
  EditSteps* steps;                  // the program's undo history, in which the image is
  int32_t step_image;                // image `step_image`
};

// The image operations with their messages, over the document's image (image_dialogs.h). A
// failed load's box ends with `note` after an empty line, when there is one.
LoadResult LoadDocument(HWND dialog, const ImageDocument& document, const std::wstring& note = {});
StoreOutcome StoreDocument(HWND dialog, const ImageDocument& document, StoreKind kind = StoreKind::Overwrite);
SaveAnswer AskToSaveDocument(HWND dialog, const ImageDocument& document);

// Asks about unsaved changes (キャンセル stops here), lets the user choose a save file, and loads it
// in place of whatever was open. A failed load leaves no file open and the view empty; the changes of the file open
// before were already declined at the question, so nothing is left to ask about.
void OpenDocument(HWND dialog, const ImageDocument& document);
// Opens a file named from outside the File menu, exactly as the File menu's open does after its
// dialog: the question about unsaved changes first, then the same checks, messages and view.
void OpenDocumentFile(HWND dialog, const ImageDocument& document, const std::wstring& path);
// WM_DROPFILES: the first file dropped on the window; releases the drop. False when none.
bool OpenDroppedFile(HWND dialog, const ImageDocument& document, HDROP drop);
// The program's first command-line argument, if any ("Open with", shortcuts).
void OpenCommandLineFile(HWND dialog, const ImageDocument& document);

// The window's title: "<file name> - <program>" while `named` is open, with "*" before the name
// while `changed`; the program's name alone otherwise. Set only when it differs.
void ShowDocumentTitle(HWND dialog, const DataFileImage* named, bool changed);
// The title of a window over several files: the name of each open one, with "*" after the name of
// each that holds unsaved changes ("D_SCE.S8* / work3.sav - Varnholt").
void ShowDocumentsTitle(HWND dialog, std::span<const DataFileImage* const> images);

// Puts the program's own icon (the icon resource `icon_id`) into the window's caption and task bar
// button.
void ShowProgramIcon(HWND dialog, UINT icon_id);

// Stores the open image to a file the user chooses. The new path stays even when the store
// fails, so the next overwrite tries it again.
void SaveDocumentAs(HWND dialog, const ImageDocument& document);
// Its part after the file dialog: the image now belongs to `path` and is stored there.
void SaveDocumentTo(HWND dialog, const ImageDocument& document, const PathChar* path);
void OverwriteDocument(HWND dialog, const ImageDocument& document);
// Answering No drops the unsaved changes; a failed store keeps the file open and changed. The
// image's bytes stay in its buffer.
void CloseDocument(HWND dialog, const ImageDocument& document);

// WM_CLOSE: asks about each image in turn and ends the program only when no store failed. The
// dialog is not destroyed before the message loop ends.
void CloseProgram(HWND dialog, std::span<const ImageDocument* const> documents);
