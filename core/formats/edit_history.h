// The undo history of a program's data images. Every command that changes bytes (an update over
// the selected records, a CSV import, a reset) is one step, recorded at one point around the
// command: Begin copies the images' bytes into buffers the history keeps, End compares them with
// the images and keeps only the byte ranges that differ, with their old and new bytes. Undo and
// Redo put those bytes back, and each image's changed mark follows its own place in the history.
//
// A step may hold changes of several images (Varnholt's CSV import writes the scenario and the
// save file at once); one undo takes the whole step back. The images are the program's own, passed
// to every call in one fixed order: image k is images[k] (Quillmere: the save image; Varnholt: the
// scenario and the save image by slot).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "formats/data_image.h"

constexpr int32_t HISTORY_IMAGE_LIMIT = 2;              // images one history covers
constexpr int32_t HISTORY_STEP_LIMIT = 100;             // steps kept; the oldest go first
constexpr size_t HISTORY_BYTE_LIMIT = size_t{64} << 20; // memory of the steps kept (StepMemory)
// Changed bytes closer than this are kept as one range: a range costs more than a few equal bytes.
constexpr int32_t HISTORY_RANGE_GAP = 16;

// Bytes [offset, offset + length) of image `image` changed. A step's `bytes` hold, range after
// range, the old bytes of the range and then its new bytes.
struct ChangedRange {
  int32_t image;
  int32_t offset;
  int32_t length;
};

struct EditStep {
  int32_t command;             // the program's id of the command, for the name the UI gives the step
  int32_t records;             // how many records it changed, for that name
  std::vector<int32_t> view;   // the list's state as the program gave it to End (rows, caret, top row...)
  uint32_t images;             // bit k: the step changed image k
  std::vector<ChangedRange> ranges;  // ascending by image, then offset
  std::vector<uint8_t> bytes;
};

class EditHistory {
 public:
  // Before a command: the bytes of every image as they are now. Calling it again before End starts
  // over. Every change of an image's bytes goes through Begin and End, Undo or Redo; an image read
  // anew (or changed by other means) is told with Clear.
  void Begin(std::span<const DataFileImage> images);

  // After the command: records one step of the bytes that differ from those Begin copied, marks
  // every image it changed as changed (dirty 1) and drops the steps that could have been redone.
  // False, and nothing recorded, when no byte changed or Begin was not called for these images.
  // Past HISTORY_STEP_LIMIT steps or HISTORY_BYTE_LIMIT bytes the oldest steps are dropped; the
  // newest step is always kept.
  bool End(std::span<DataFileImage> images, int32_t command, int32_t records, std::span<const int32_t> view);

  bool CanUndo() const { return current_ > 0; }
  bool CanRedo() const { return current_ < static_cast<int32_t>(steps_.size()); }
  // The step Undo or Redo would take, for the name of the menu item; nullptr when there is none.
  const EditStep* NextUndo() const;
  const EditStep* NextRedo() const;

  // Writes back the old bytes of the newest step done (Undo) or the new bytes of the oldest step
  // undone (Redo), and sets the changed mark of every image the step changed from IsClean. Returns
  // that step, valid until the history next changes, so the program restores its view and names
  // it; nullptr, with nothing changed, when there is no such step or `images` are not the images
  // it was recorded over.
  const EditStep* Undo(std::span<DataFileImage> images);
  const EditStep* Redo(std::span<DataFileImage> images);

  // Image k was opened or closed: its changes leave the history. Steps that changed only image k
  // are dropped; a step that changed other images too keeps their changes (each image's ranges
  // undo and redo only its own bytes, so the other images' histories stay whole). Image k then
  // counts as clean: it holds what was just read, or nothing. Not between Begin and End.
  void Clear(int32_t k);
  // Image k now holds what its file holds (stored, or opened): this place in the history is clean.
  void MarkStored(int32_t k);
  // True when image k holds the bytes last stored or opened: no step that changed image k lies
  // between here and the place MarkStored (or Clear) set. False for good once a step that lay
  // between was dropped (the bound, or a new step after an undo).
  bool IsClean(int32_t k) const;
  // Counts the calls of Clear and MarkStored: a view that compares images with their files as
  // opened or last stored sees by it that those bytes changed.
  int32_t StoredGeneration() const { return stored_generation_; }

  int32_t StepCount() const { return static_cast<int32_t>(steps_.size()); }
  // Memory of the steps kept, the figure HISTORY_BYTE_LIMIT bounds. The buffers Begin copies into
  // come on top: the images' lengths, allocated once.
  size_t StepMemory() const { return step_memory_; }

 private:
  int32_t stored_generation_ = 0;
  void DropStep(int32_t index);
  bool Matches(std::span<const DataFileImage> images, const EditStep& step) const;
  // After an undo or redo: the next Begin copies the images again.
  void Forget(std::span<DataFileImage> images);

  std::vector<EditStep> steps_;
  int32_t current_ = 0;  // steps [0, current_) are done; a place in the history is such a count
  int32_t clean_[HISTORY_IMAGE_LIMIT] = {0, 0};  // image k's stored place; -1: no longer reachable
  size_t step_memory_ = 0;
  // The bytes of each image as the history last saw them: copied by the first Begin after the image
  // was read (Clear) and kept equal to the image since, by End, Undo and Redo writing the ranges
  // they change into it too, so that a command costs one compare of the image and no copy.
  // `seen_` is the buffer those bytes are of; nullptr: copy at the next Begin.
  std::vector<uint8_t> before_[HISTORY_IMAGE_LIMIT];
  const uint8_t* seen_[HISTORY_IMAGE_LIMIT] = {nullptr, nullptr};
  int32_t begun_images_ = 0;                          // images copied by Begin; 0 outside a command
  std::vector<ChangedRange> scratch_;                 // the ranges End finds, reused
};
