// The undo history: steps of changed byte ranges, found by comparing the images with a copy.
#include "formats/edit_history.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t COMPARE_BLOCK = 256;

// The first index from `from` on where `a` and `b` differ, or `n`. Equal blocks are passed over
// with memcmp, which compares many bytes at a time.
size_t FirstDifference(const uint8_t* a, const uint8_t* b, size_t from, size_t n) {
  size_t i = from;
  while (n - i >= COMPARE_BLOCK && std::memcmp(a + i, b + i, COMPARE_BLOCK) == 0) i += COMPARE_BLOCK;
  while (i < n && a[i] == b[i]) ++i;
  return i;
}

// Appends the ranges where `before` and `after` differ, changes fewer than HISTORY_RANGE_GAP equal
// bytes apart taken as one range; returns how many bytes they cover.
size_t FindRanges(int32_t image, const uint8_t* before, const uint8_t* after, size_t n,
                  std::vector<ChangedRange>& ranges) {
  size_t covered = 0;
  size_t i = FirstDifference(before, after, 0, n);
  while (i < n) {
    size_t last = i;  // the last differing byte of the range so far
    for (size_t j = i + 1; j < n && j - last <= static_cast<size_t>(HISTORY_RANGE_GAP); ++j) {
      if (before[j] != after[j]) last = j;
    }
    const size_t length = last + 1 - i;
    ranges.push_back({image, static_cast<int32_t>(i), static_cast<int32_t>(length)});
    covered += length;
    i = FirstDifference(before, after, last + 1, n);
  }
  return covered;
}

size_t StepSize(const EditStep& step) {
  return sizeof(EditStep) + step.view.capacity() * sizeof(int32_t) +
         step.ranges.capacity() * sizeof(ChangedRange) + step.bytes.capacity();
}

// Copies the old bytes (`old_bytes`) or the new bytes of every range of `step` into the images.
void PutBytes(std::span<DataFileImage> images, const EditStep& step, bool old_bytes) {
  const uint8_t* bytes = step.bytes.data();
  for (const ChangedRange& range : step.ranges) {
    const size_t length = static_cast<size_t>(range.length);
    std::memcpy(images[range.image].data + range.offset, old_bytes ? bytes : bytes + length, length);
    bytes += 2 * length;
  }
}

bool Changes(const EditStep& step, int32_t k) { return (step.images >> k & 1u) != 0; }

}  // namespace

void EditHistory::Begin(std::span<const DataFileImage> images) {
  begun_images_ = 0;
  if (images.size() > static_cast<size_t>(HISTORY_IMAGE_LIMIT)) return;
  for (size_t k = 0; k < images.size(); ++k) {
    const DataFileImage& image = images[k];
    if (seen_[k] == image.data && before_[k].size() == static_cast<size_t>(image.length)) continue;
    // assign keeps the buffer's memory once it is large enough: no allocation after the first.
    before_[k].assign(image.data, image.data + image.length);
    seen_[k] = image.data;
  }
  begun_images_ = static_cast<int32_t>(images.size());
}

bool EditHistory::End(std::span<DataFileImage> images, int32_t command, int32_t records,
                      std::span<const int32_t> view) {
  const int32_t count = begun_images_;
  begun_images_ = 0;
  if (count == 0 || images.size() != static_cast<size_t>(count)) return false;
  for (int32_t k = 0; k < count; ++k) {
    if (before_[k].size() != static_cast<size_t>(images[k].length)) return false;
  }

  scratch_.clear();
  size_t covered = 0;
  uint32_t changed = 0;
  for (int32_t k = 0; k < count; ++k) {
    const size_t found = FindRanges(k, before_[k].data(), images[k].data, before_[k].size(), scratch_);
    if (found > 0) changed |= 1u << k;
    covered += found;
  }
  if (changed == 0) return false;

  EditStep step{command, records, std::vector<int32_t>(view.begin(), view.end()), changed, {}, {}};
  step.ranges.reserve(scratch_.size());
  step.bytes.reserve(2 * covered);
  for (const ChangedRange& range : scratch_) {
    const uint8_t* old_bytes = before_[range.image].data() + range.offset;
    const uint8_t* new_bytes = images[range.image].data + range.offset;
    step.bytes.insert(step.bytes.end(), old_bytes, old_bytes + range.length);
    step.bytes.insert(step.bytes.end(), new_bytes, new_bytes + range.length);
    step.ranges.push_back(range);
  }

  for (const ChangedRange& range : scratch_) {  // the copy follows the image
    std::memcpy(before_[range.image].data() + range.offset, images[range.image].data + range.offset,
                static_cast<size_t>(range.length));
  }
  while (StepCount() > current_) DropStep(StepCount() - 1);  // the steps that could have been redone
  step_memory_ += StepSize(step);
  steps_.push_back(std::move(step));
  ++current_;
  while (StepCount() > HISTORY_STEP_LIMIT || (step_memory_ > HISTORY_BYTE_LIMIT && StepCount() > 1)) {
    DropStep(0);
  }
  for (int32_t k = 0; k < count; ++k) {
    if (changed >> k & 1u) images[k].dirty = 1;
  }
  return true;
}

const EditStep* EditHistory::NextUndo() const { return CanUndo() ? &steps_[current_ - 1] : nullptr; }
const EditStep* EditHistory::NextRedo() const { return CanRedo() ? &steps_[current_] : nullptr; }

bool EditHistory::Matches(std::span<const DataFileImage> images, const EditStep& step) const {
  for (const ChangedRange& range : step.ranges) {
    if (static_cast<size_t>(range.image) >= images.size()) return false;
    if (range.length > images[range.image].length - range.offset) return false;
  }
  return true;
}

void EditHistory::Forget(std::span<DataFileImage> images) {
  for (size_t k = 0; k < images.size() && k < static_cast<size_t>(HISTORY_IMAGE_LIMIT); ++k) seen_[k] = nullptr;
}

const EditStep* EditHistory::Undo(std::span<DataFileImage> images) {
  if (!CanUndo() || !Matches(images, steps_[current_ - 1])) return nullptr;
  const EditStep& step = steps_[--current_];
  PutBytes(images, step, true);
  Forget(images);
  for (size_t k = 0; k < images.size(); ++k) {
    if (Changes(step, static_cast<int32_t>(k))) images[k].dirty = IsClean(static_cast<int32_t>(k)) ? 0 : 1;
  }
  return &step;
}

const EditStep* EditHistory::Redo(std::span<DataFileImage> images) {
  if (!CanRedo() || !Matches(images, steps_[current_])) return nullptr;
  const EditStep& step = steps_[current_++];
  PutBytes(images, step, false);
  Forget(images);
  for (size_t k = 0; k < images.size(); ++k) {
    if (Changes(step, static_cast<int32_t>(k))) images[k].dirty = IsClean(static_cast<int32_t>(k)) ? 0 : 1;
  }
  return &step;
}

// Every image's stored place keeps meaning the same bytes of that image: it moves down with the
// steps after it, and becomes unreachable when the dropped step changed the image and lay between
// that place and the current one.
void EditHistory::DropStep(int32_t index) {
  const EditStep& step = steps_[index];
  const bool done = current_ > index;
  for (int32_t k = 0; k < HISTORY_IMAGE_LIMIT; ++k) {
    if (clean_[k] < 0) continue;
    const bool clean_after = clean_[k] > index;
    if (Changes(step, k) && clean_after != done) {
      clean_[k] = -1;
    } else if (clean_after) {
      --clean_[k];
    }
  }
  if (done) --current_;
  step_memory_ -= StepSize(step);
  steps_.erase(steps_.begin() + index);
}

void EditHistory::Clear(int32_t k) {
  if (k < 0 || k >= HISTORY_IMAGE_LIMIT) return;
  ++stored_generation_;
  const uint32_t bit = 1u << k;
  for (int32_t i = StepCount() - 1; i >= 0; --i) {
    EditStep& step = steps_[i];
    if ((step.images & bit) == 0) continue;
    if (step.images == bit) {
      DropStep(i);
      continue;
    }
    // The step keeps the ranges of the other images, packed anew.
    size_t kept_ranges = 0, kept_bytes = 0;
    for (const ChangedRange& range : step.ranges) {
      if (range.image == k) continue;
      ++kept_ranges;
      kept_bytes += 2 * static_cast<size_t>(range.length);
    }
    std::vector<ChangedRange> ranges;
    std::vector<uint8_t> bytes;
    ranges.reserve(kept_ranges);
    bytes.reserve(kept_bytes);
    const uint8_t* both = step.bytes.data();  // the old and new bytes of each range in turn
    for (const ChangedRange& range : step.ranges) {
      const size_t length = 2 * static_cast<size_t>(range.length);
      if (range.image != k) {
        bytes.insert(bytes.end(), both, both + length);
        ranges.push_back(range);
      }
      both += length;
    }
    step_memory_ -= StepSize(step);
    step.ranges = std::move(ranges);
    step.bytes = std::move(bytes);
    step.images &= ~bit;
    step_memory_ += StepSize(step);
  }
  clean_[k] = current_;
  seen_[k] = nullptr;
}

void EditHistory::MarkStored(int32_t k) {
  ++stored_generation_;
  if (k >= 0 && k < HISTORY_IMAGE_LIMIT) clean_[k] = current_;
}

bool EditHistory::IsClean(int32_t k) const {
  if (k < 0 || k >= HISTORY_IMAGE_LIMIT || clean_[k] < 0) return false;
  const int32_t from = std::min(clean_[k], current_), to = std::max(clean_[k], current_);
  for (int32_t i = from; i < to; ++i) {
    if (Changes(steps_[i], k)) return false;
  }
  return true;
}
