// The undo history: steps recorded around commands, undone and redone byte for byte, its bounds,
// and the changed marks of one or two images.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <span>
#include <tuple>
#include <vector>

#include "formats/edit_history.h"
#include "formats/step_records.h"
#include "image_over.h"
#include "model/item_table.h"
#include "model/officer_tables.h"
#include "sample_data.h"

namespace {

// Runs `change` as a command recorded in `history`; End's result.
template <typename Change>
bool Command(EditHistory& history, std::span<DataFileImage> images, int32_t id, Change change) {
  history.Begin(images);
  change();
  const int32_t view[] = {id};
  return history.End(images, id, 1, view);
}

// The command of the step undone or redone, or -1.
int32_t Taken(const EditStep* step) { return step ? step->command : -1; }

// Random commands (one byte in each of some 88-byte records, sometimes the byte already there, or a
// block at the start, the end or between), undos, redos and stores over a save image, against a
// model that keeps the image whole after every step.
TEST(EditHistory, FollowsAModelOfWholeImages) {
  for (uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    const auto below = [&](size_t n) { return static_cast<size_t>(random() % n); };
    std::vector<uint8_t> bytes = MakeSampleSave(seed);
    DataFileImage image = ImageOver(bytes);
    EditHistory history;
    history.MarkStored(0);
    std::vector<std::vector<uint8_t>> states{bytes};  // states[i]: after step i, of command i
    size_t place = 0, stored = 0;                     // stored: SIZE_MAX once it cannot come back
    for (int32_t action = 0; action < 160; ++action) {
      const size_t kind = below(8);
      if (kind <= 1) {
        const bool undo = kind == 0, possible = undo ? place > 0 : place + 1 < states.size();
        const size_t taken = undo ? place : place + 1;
        const EditStep* step = undo ? history.Undo({&image, 1}) : history.Redo({&image, 1});
        ASSERT_EQ(Taken(step), possible ? static_cast<int32_t>(taken) : -1);
        if (possible) place = undo ? place - 1 : place + 1;
      } else if (kind == 2) {
        history.MarkStored(0);
        image.dirty = 0;
        stored = place;
      } else {
        const std::vector<uint8_t> before = bytes;
        const bool recorded = Command(history, {&image, 1}, static_cast<int32_t>(place + 1), [&] {
          if (kind == 3) {
            const size_t length = 1 + below(20000), end = below(3);
            const size_t at = end == 0 ? 0 : end == 1 ? bytes.size() - length : below(bytes.size() - length);
            for (size_t i = at; i < at + length; ++i) bytes[i] = static_cast<uint8_t>(random());
          }
          for (size_t records = kind == 3 ? 0 : below(60); records > 0; --records) {
            const size_t at = below(bytes.size() / 88) * 88 + below(88);
            if (kind != 4) bytes[at] = static_cast<uint8_t>(random());  // kind 4 writes what is there
          }
        });
        ASSERT_EQ(recorded, bytes != before);
        if (recorded) {
          states.resize(++place);
          states.push_back(bytes);
          if (stored >= place) stored = SIZE_MAX;  // the steps back to it were dropped
        }
      }
      ASSERT_TRUE(bytes == states[place]) << "action " << action << ", place " << place;
      EXPECT_EQ(history.CanUndo(), place > 0);
      EXPECT_EQ(history.CanRedo(), place + 1 < states.size());
      EXPECT_EQ(history.IsClean(0), stored == place);
      EXPECT_EQ(image.dirty, stored == place ? 0 : 1);
    }
    ASSERT_LE(states.size(), static_cast<size_t>(HISTORY_STEP_LIMIT));  // nothing dropped for its bound
    while (history.Undo({&image, 1})) {}
    EXPECT_TRUE(bytes == states.front());
    while (history.Redo({&image, 1})) {}
    EXPECT_TRUE(bytes == states.back());
  }
}

// Past 100 steps or 64 MB the oldest steps go: a stored place after them moves with the steps, one
// before them cannot come back. A command that changes nothing is no step and keeps what can be
// redone; changes a few bytes apart are kept as one range.
TEST(EditHistory, KeepsTheNewestStepsWithinItsBounds) {
  std::vector<uint8_t> bytes(4096, 0);
  DataFileImage image = ImageOver(bytes);
  EditHistory history;
  for (int32_t i = 0; i < HISTORY_STEP_LIMIT + 5; ++i) {
    ASSERT_TRUE(Command(history, {&image, 1}, i, [&] { bytes[static_cast<size_t>(i) * 30] = 1; }));
    if (i == 49) history.MarkStored(0);
  }
  EXPECT_EQ(history.StepCount(), HISTORY_STEP_LIMIT);
  std::vector<int32_t> clean_after_undos;
  for (int32_t undone = 0;; ++undone) {
    if (history.IsClean(0)) clean_after_undos.push_back(undone);
    if (!history.Undo({&image, 1})) break;
  }
  EXPECT_EQ(clean_after_undos, std::vector<int32_t>{55});
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 1), 5);  // the five oldest steps are gone
  EXPECT_FALSE(Command(history, {&image, 1}, 999, [] {}));
  EXPECT_EQ(Taken(history.NextRedo()), 5);
  ASSERT_TRUE(Command(history, {&image, 1}, 1000, [&] {
    for (size_t i = 0; i < 1000; i += 4) bytes[i] ^= 0xFF;
  }));
  EXPECT_LE(history.StepMemory(), 2 * 1000 + 256);  // one range, not 250

  // Steps of 20 MB (every byte of a 10 MB image): three fit, the fourth pushes out the first.
  std::vector<uint8_t> large(size_t{10} << 20, 0);
  DataFileImage large_image = ImageOver(large);
  EditHistory large_history;
  large_history.MarkStored(0);
  for (uint8_t value = 1; value <= 4; ++value) {
    ASSERT_TRUE(Command(large_history, {&large_image, 1}, value, [&] { std::fill(large.begin(), large.end(), value); }));
  }
  EXPECT_EQ(large_history.StepCount(), 3);
  EXPECT_GE(large_history.StepMemory(), 3 * 2 * large.size());
  EXPECT_LE(large_history.StepMemory(), HISTORY_BYTE_LIMIT);
  while (large_history.Undo({&large_image, 1})) {}
  EXPECT_EQ(std::count(large.begin(), large.end(), 1), static_cast<ptrdiff_t>(large.size()));
  EXPECT_EQ(std::tuple(large_history.IsClean(0), large_image.dirty), std::tuple(false, 1));
  large_history.Clear(0);  // the file opened anew
  EXPECT_EQ(std::tuple(large_history.IsClean(0), large_history.StepCount(), large_history.StepMemory()),
            std::tuple(true, 0, size_t{0}));
}

// Varnholt's two images: a step over both is undone and redone whole, each image is clean by its
// own steps, and a file opened anew takes its changes out of the history and leaves the other's.
TEST(EditHistory, KeepsEachImagesChangesAndMarkApart) {
  std::vector<uint8_t> scenario(SCENARIO_FILE_LENGTH, 0x11), save(SAVE_FILE_LENGTH, 0x22);
  DataFileImage images[2] = {ImageOver(scenario), ImageOver(save)};
  EditHistory history;
  // The step taken, the bytes of the import and both changed marks.
  const auto after = [&](const EditStep* step) {
    return std::tuple(Taken(step), int{scenario[200]}, int{save[300]}, images[0].dirty, images[1].dirty);
  };
  history.MarkStored(0);
  history.MarkStored(1);
  ASSERT_TRUE(Command(history, images, 1, [&] { scenario[100] = 1; }));
  ASSERT_TRUE(Command(history, images, 2, [&] { scenario[200] = save[300] = 2; }));  // an import
  history.MarkStored(0);
  images[0].dirty = 0;
  ASSERT_TRUE(Command(history, images, 3, [&] { save[400] = 3; }));
  EXPECT_EQ(std::tuple(history.IsClean(0), history.IsClean(1)), std::tuple(true, false));
  EXPECT_EQ(after(history.Undo(images)), std::tuple(3, 2, 2, 0, 1));
  EXPECT_EQ(after(history.Undo(images)), std::tuple(2, 0x11, 0x22, 1, 0));  // step 1 left the save alone
  EXPECT_EQ(after(history.Redo(images)), std::tuple(2, 2, 2, 0, 1));

  save[300] = 0x77;  // the save file opened anew
  images[1].dirty = 0;
  history.Clear(1);  // step 3 goes, step 2 keeps the scenario's change
  EXPECT_EQ(std::tuple(history.IsClean(1), history.StepCount(), history.CanRedo()), std::tuple(true, 2, false));
  EXPECT_EQ(after(history.Undo(images)), std::tuple(2, 0x11, 0x77, 1, 0));
  EXPECT_EQ(Taken(history.Undo(images)), 1);
  EXPECT_EQ(std::count(scenario.begin(), scenario.end(), 0x11), static_cast<ptrdiff_t>(scenario.size()));

  ASSERT_TRUE(Command(history, images, 4, [&] { scenario[10] = save[20] = 4; }));
  EXPECT_EQ(history.NextUndo()->view, std::vector<int32_t>{4});
  history.Clear(0);
  EXPECT_EQ(Taken(history.Undo(images)), 4);
  EXPECT_EQ(std::tuple(int{scenario[10]}, int{save[20]}), std::tuple(4, 0x22));
}

}  // namespace

// The records a step touched, as the Edit menu counts them: an officer by its name record or its
// attribute fields, once; an item by its record or its owner entry, once; other images not at all.
TEST(EditHistory, StepsCountTheRecordsTheyTouched) {
  EditStep step;
  auto range = [&step](int32_t image, int32_t offset, int32_t length) { step.ranges.push_back({image, offset, length}); };
  range(0, AttributeOffset(LOYALTY_OFFSET, 5), 1);
  range(0, NameFieldOffset(5, FAMILY_NAME_FIELD), 5);
  range(0, NameFieldOffset(7, FULL_NAME_FIELD), NAME_RECORD_SIZE);  // the end of 7 and the start of 8
  range(1, NameFieldOffset(9, FAMILY_NAME_FIELD), 5);
  EXPECT_EQ(OfficersInStep(step, 0), 3);

  step.ranges.clear();
  range(0, ItemFieldOffset(0, ITEM_PRICE_FIELD), 1);
  range(1, OwnerEntryOffset(0), 2);
  range(1, OwnerEntryOffset(254), 2);
  range(1, OwnerEntryOffset(254) + OWNER_ENTRY_SIZE, 8);  // past the owner table
  EXPECT_EQ(ItemsInStep(step, 0, 1), 2);
}
