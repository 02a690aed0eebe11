// The image the image targets work on, without copying a whole image per input: a working image
// (what the core writes into) and an expected image (what the checks' model writes into), both
// equal to a synthetic base image before every input. An input's patches go into both; the command
// goes into the working image and its model into the expected one; then the two must be equal in
// every byte, so a write outside the expected bytes shows wherever it lands. Afterwards only the
// pages that were touched are copied back from the base.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "fuzz_input.h"
#include "fuzz_layouts.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FUZZ_IMAGE_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define FUZZ_IMAGE_ASAN 1
#endif
#ifdef FUZZ_IMAGE_ASAN
#include <sanitizer/asan_interface.h>
#endif

class FuzzImage {
 public:
  explicit FuzzImage(std::vector<uint8_t> base)
      : base_(std::move(base)), working_(base_), expected_(base_), touched_((base_.size() >> PAGE_BITS) + 1) {}

  size_t BaseSize() const { return base_.size(); }
  const std::vector<uint8_t>& Base() const { return base_; }

  // The working image: the whole image, or its first `length` bytes after Cut. Under AddressSanitizer
  // the bytes past a cut are poisoned, so that the core reading or writing them stops the run.
  std::span<uint8_t> Working() { return std::span<uint8_t>(working_.data(), length_); }
  // The expected image, as long as the working image: the model reads it and writes through Expect.
  std::span<const uint8_t> Expected() const { return std::span<const uint8_t>(expected_.data(), length_); }
  uint8_t* Expect(size_t offset, size_t width) {
    Touch(offset, width);
    return expected_.data() + offset;
  }

  // The same bytes into both images (the input's data, before the command).
  void Put(size_t offset, std::span<const uint8_t> bytes) {
    Touch(offset, bytes.size());
    std::copy(bytes.begin(), bytes.end(), working_.begin() + static_cast<std::ptrdiff_t>(offset));
    std::copy(bytes.begin(), bytes.end(), expected_.begin() + static_cast<std::ptrdiff_t>(offset));
  }
  void Fill(size_t offset, size_t width, uint8_t value) {
    Touch(offset, width);
    std::fill_n(working_.begin() + static_cast<std::ptrdiff_t>(offset), width, value);
    std::fill_n(expected_.begin() + static_cast<std::ptrdiff_t>(offset), width, value);
  }
  void CopyFromBase(size_t from, size_t to, size_t width) { Put(to, std::span<const uint8_t>(base_).subspan(from, width)); }

  // Applies the input's patches from `at` on; `region_bases` gives the offset each region counts from.
  void ApplyPatches(const FuzzInput& in, size_t at, const std::array<size_t, 4>& region_bases) {
    using namespace patch_input;
    while (in.Has(at + PATCH_HEADER)) {
      const uint8_t kind = in.U8(at);
      const size_t offset = (region_bases[kind & REGION_MASK] + in.U24(at + 1)) % base_.size();
      const size_t width = std::min<size_t>(in.U8(at + 4), base_.size() - offset);
      at += PATCH_HEADER;
      if (kind & PATCH_FILL) {
        Fill(offset, width, in.U8(at));
        at += 1;
      } else {
        const std::span<const uint8_t> bytes = in.Bytes(at, width);
        Put(offset, bytes);
        at += width;
      }
    }
  }

  // Ends the image `length` bytes in (at most the base's length).
  void Cut(size_t length) {
    length_ = std::min(length, base_.size());
#ifdef FUZZ_IMAGE_ASAN
    ASAN_POISON_MEMORY_REGION(working_.data() + length_, base_.size() - length_);
#endif
  }

  // True when the working image holds exactly the expected bytes, in the whole buffer (past a cut
  // too). A cut stays.
  bool MatchesExpected() {
    const size_t length = length_;
    Uncut();
    const bool same = std::memcmp(working_.data(), expected_.data(), base_.size()) == 0;
    Cut(length);
    return same;
  }

  // Both images back to the base, for the next input.
  void Reset() {
    Uncut();
    for (size_t page = 0; page < touched_.size(); ++page) {
      if (!touched_[page]) continue;
      const size_t from = page << PAGE_BITS;
      const size_t to = std::min(base_.size(), from + (size_t{1} << PAGE_BITS));
      std::memcpy(working_.data() + from, base_.data() + from, to - from);
      std::memcpy(expected_.data() + from, base_.data() + from, to - from);
      touched_[page] = 0;
    }
  }

 private:
  static constexpr size_t PAGE_BITS = 12;

  void Touch(size_t offset, size_t width) {
    if (width == 0) return;
    FUZZ_CHECK(offset + width <= base_.size());
    for (size_t page = offset >> PAGE_BITS; page <= (offset + width - 1) >> PAGE_BITS; ++page) touched_[page] = 1;
  }

  void Uncut() {
#ifdef FUZZ_IMAGE_ASAN
    ASAN_UNPOISON_MEMORY_REGION(working_.data() + length_, base_.size() - length_);
#endif
    length_ = base_.size();
  }

  const std::vector<uint8_t> base_;
  std::vector<uint8_t> working_;
  std::vector<uint8_t> expected_;
  std::vector<uint8_t> touched_;  // per page: 1 when either image may differ from the base there
  size_t length_ = base_.size();
};

// The rows a selection input names, in ascending order: a run of the `count` rows, all but a run,
// or all of them. (Listed values, mode 0, are read by each target, since they need not be rows.)
inline void SelectedRows(const FuzzInput& in, size_t mode_at, size_t first_at, size_t count_at, int32_t count,
                         std::vector<int32_t>& rows) {
  using namespace selection_input;
  rows.clear();
  if (count <= 0) return;
  const uint8_t mode = in.U8(mode_at) % MODE_COUNT;
  const int32_t first = in.U16(first_at) % count;
  const int32_t run = in.U16(count_at) % (count - first + 1);
  for (int32_t row = 0; row < count; ++row) {
    const bool in_run = row >= first && row < first + run;
    if (mode == SELECT_ALL || (mode == SELECT_RUN && in_run) || (mode == SELECT_ALL_BUT_RUN && !in_run)) {
      rows.push_back(row);
    }
  }
}
