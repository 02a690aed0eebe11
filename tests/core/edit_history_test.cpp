// The undo history: steps recorded around commands, undone and redone byte for byte, its bounds,
// and the changed marks of one or two images.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>
#include <vector>

#include "data_image.h"
#include "edit_history.h"
#include "image_over.h"
#include "sample_data.h"

namespace {

constexpr int32_t RECORD = 88;

// One random command over `bytes`: one byte in each of some records (sometimes the byte already
// there), or a long block that may touch either end of the image.
void RandomCommand(std::mt19937& random, std::vector<uint8_t>& bytes) {
  const auto below = [&](size_t n) { return static_cast<size_t>(random() % n); };
  const size_t kind = below(4);
  if (kind == 3) {
    const size_t length = 1 + below(20000);
    const size_t where = below(3);
    const size_t at = where == 0 ? 0 : where == 1 ? bytes.size() - length : below(bytes.size() - length);
    for (size_t i = at; i < at + length; ++i) bytes[i] = static_cast<uint8_t>(random());
    return;
  }
  const size_t records = 1 + below(60);
  for (size_t r = 0; r < records; ++r) {
    const size_t at = below(bytes.size() / RECORD) * RECORD + below(RECORD);
    if (kind != 0) bytes[at] = static_cast<uint8_t>(random());  // kind 0 writes what is there
  }
}

// Random commands, undos, redos and stores over a save image, against a model that keeps the image
// whole after every step: the bytes, what can be undone and redone, the step handed back, and the
// changed mark must match it after every action.
TEST(EditHistory, FollowsAModelOfWholeImages) {
  for (uint32_t seed : {1u, 2u, 3u, 4u, 5u}) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::vector<uint8_t> bytes = MakeSampleSave(seed);
    DataFileImage image = ImageOver(bytes);
    const std::span<DataFileImage> images(&image, 1);
    EditHistory history;
    history.MarkStored(0);

    std::vector<std::vector<uint8_t>> states{bytes};  // states[i]: the image after i steps
    std::vector<int32_t> commands{-1};                // commands[i]: the command of step i
    size_t place = 0;
    int64_t stored = 0;  // the state last stored; -1 once it cannot come back
    for (int32_t action = 0; action < 160; ++action) {
      const uint32_t kind = random() % 8;
      if (kind == 0) {
        const EditStep* step = history.Undo(images);
        ASSERT_EQ(step != nullptr, place > 0);
        if (step) {
          EXPECT_EQ(step->command, commands[place]);
          EXPECT_EQ(step->view, (std::vector<int32_t>{commands[place], 7}));
          --place;
        }
      } else if (kind == 1) {
        const EditStep* step = history.Redo(images);
        ASSERT_EQ(step != nullptr, place + 1 < states.size());
        if (step) {
          ++place;
          EXPECT_EQ(step->command, commands[place]);
        }
      } else if (kind == 2) {
        history.MarkStored(0);
        image.dirty = 0;
        stored = static_cast<int64_t>(place);
      } else {
        const std::vector<uint8_t> before = bytes;
        history.Begin(images);
        RandomCommand(random, bytes);
        const int32_t view[] = {action, 7};
        const bool recorded = history.End(images, action, 1, view);
        ASSERT_EQ(recorded, bytes != before);
        if (recorded) {
          states.resize(place + 1);
          commands.resize(place + 1);
          states.push_back(bytes);
          commands.push_back(action);
          if (stored > static_cast<int64_t>(place)) stored = -1;  // the steps to it were dropped
          ++place;
        }
      }
      ASSERT_TRUE(bytes == states[place]) << "action " << action << ", place " << place;
      EXPECT_EQ(history.CanUndo(), place > 0);
      EXPECT_EQ(history.CanRedo(), place + 1 < states.size());
      EXPECT_EQ(history.IsClean(0), stored == static_cast<int64_t>(place));
      EXPECT_EQ(image.dirty, history.IsClean(0) ? 0 : 1);
    }
    ASSERT_LE(states.size(), static_cast<size_t>(HISTORY_STEP_LIMIT));

    while (history.Undo(images)) {}
    EXPECT_TRUE(bytes == states.front());
    EXPECT_EQ(history.IsClean(0), stored == 0);
    while (history.Redo(images)) {}
    EXPECT_TRUE(bytes == states.back());
  }
}

// Past 100 steps or 64 MB the oldest steps go: a stored place after them moves with the steps, one
// before them cannot come back. A command that changes nothing is no step and keeps what can be
// redone; changes a few bytes apart are kept as one range.
TEST(EditHistory, KeepsTheNewestStepsWithinItsBounds) {
  std::vector<uint8_t> bytes(4096, 0);
  DataFileImage image = ImageOver(bytes);
  const std::span<DataFileImage> images(&image, 1);
  EditHistory history;
  for (int32_t i = 0; i < HISTORY_STEP_LIMIT + 5; ++i) {
    history.Begin(images);
    bytes[static_cast<size_t>(i) * 30] = 1;
    ASSERT_TRUE(history.End(images, i, 1, {}));
    if (i == 49) history.MarkStored(0);
  }
  EXPECT_EQ(history.StepCount(), HISTORY_STEP_LIMIT);
  std::vector<int32_t> clean_after_undos;
  int32_t undone = 0;
  for (;;) {
    if (history.IsClean(0)) clean_after_undos.push_back(undone);
    if (!history.Undo(images)) break;
    ++undone;
  }
  EXPECT_EQ(undone, HISTORY_STEP_LIMIT);
  EXPECT_EQ(clean_after_undos, std::vector<int32_t>{55});
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 1), 5);  // the five oldest steps are gone

  history.Begin(images);
  EXPECT_FALSE(history.End(images, 999, 0, {}));
  ASSERT_TRUE(history.CanRedo());
  EXPECT_EQ(history.NextRedo()->command, 5);

  history.Begin(images);
  for (size_t i = 0; i < 1000; i += 4) bytes[i] ^= 0xFF;
  ASSERT_TRUE(history.End(images, 1000, 1, {}));
  EXPECT_LE(history.StepMemory(), 2 * 1000 + 256);  // one range, not 250

  // Steps of 20 MB each (every byte of a 10 MB image): three fit, the fourth pushes out the first.
  std::vector<uint8_t> large(size_t{10} << 20, 0);
  DataFileImage large_image = ImageOver(large);
  const std::span<DataFileImage> large_images(&large_image, 1);
  EditHistory large_history;
  large_history.MarkStored(0);
  for (uint8_t value = 1; value <= 4; ++value) {
    large_history.Begin(large_images);
    std::fill(large.begin(), large.end(), value);
    ASSERT_TRUE(large_history.End(large_images, value, 0, {}));
  }
  EXPECT_EQ(large_history.StepCount(), 3);
  EXPECT_GE(large_history.StepMemory(), 3 * 2 * large.size());
  EXPECT_LE(large_history.StepMemory(), HISTORY_BYTE_LIMIT);
  while (large_history.Undo(large_images)) {}
  EXPECT_EQ(std::count(large.begin(), large.end(), 1), static_cast<ptrdiff_t>(large.size()));
  EXPECT_FALSE(large_history.IsClean(0));
  EXPECT_EQ(large_image.dirty, 1);
  large_history.Clear(0);  // the file opened anew
  EXPECT_TRUE(large_history.IsClean(0));
  EXPECT_EQ(large_history.StepCount(), 0);
  EXPECT_EQ(large_history.StepMemory(), 0u);
}

// Varnholt's two images: a step over both is undone and redone whole, each image is clean by its
// own steps, and a file opened anew takes its changes out of the history and leaves the other's.
TEST(EditHistory, KeepsEachImagesChangesAndMarkApart) {
  std::vector<uint8_t> scenario(SCENARIO_FILE_LENGTH, 0x11), save(SAVE_FILE_LENGTH, 0x22);
  DataFileImage images[2] = {ImageOver(scenario), ImageOver(save)};
  EditHistory history;
  const auto command = [&](int32_t id, auto change) {
    history.Begin(images);
    change();
    ASSERT_TRUE(history.End(images, id, 1, {}));
  };
  // The command of the step taken, or -1.
  const auto undo = [&] { const EditStep* step = history.Undo(images); return step ? step->command : -1; };
  const auto redo = [&] { const EditStep* step = history.Redo(images); return step ? step->command : -1; };
  history.MarkStored(0);
  history.MarkStored(1);
  command(1, [&] { scenario[100] = 1; });
  command(2, [&] {  // an import into both
    scenario[200] = 2;
    save[300] = 2;
  });
  history.MarkStored(0);
  images[0].dirty = 0;
  command(3, [&] { save[400] = 3; });
  EXPECT_TRUE(history.IsClean(0));
  EXPECT_FALSE(history.IsClean(1));

  EXPECT_EQ(undo(), 3);
  EXPECT_EQ(images[0].dirty, 0);
  EXPECT_EQ(undo(), 2);
  EXPECT_EQ(scenario[200], 0x11);
  EXPECT_EQ(save[300], 0x22);
  EXPECT_EQ(images[0].dirty, 1);
  EXPECT_EQ(images[1].dirty, 0);  // step 1 left the save image alone
  EXPECT_EQ(redo(), 2);
  EXPECT_EQ(images[0].dirty, 0);
  EXPECT_EQ(images[1].dirty, 1);

  save[300] = 0x77;
  history.Clear(1);
  EXPECT_TRUE(history.IsClean(1));
  EXPECT_EQ(history.StepCount(), 2);  // step 3 is gone, step 2 keeps the scenario's change
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(undo(), 2);
  EXPECT_EQ(scenario[200], 0x11);
  EXPECT_EQ(save[300], 0x77);
  EXPECT_EQ(undo(), 1);
  EXPECT_EQ(undo(), -1);
  EXPECT_EQ(std::count(scenario.begin(), scenario.end(), 0x11), static_cast<ptrdiff_t>(scenario.size()));
  EXPECT_FALSE(history.IsClean(0));
  EXPECT_TRUE(history.IsClean(1));

  command(4, [&] {
    scenario[10] = 4;
    save[20] = 4;
  });
  history.Clear(0);
  EXPECT_EQ(undo(), 4);
  EXPECT_EQ(scenario[10], 4);
  EXPECT_EQ(save[20], 0x22);
}

}  // namespace
