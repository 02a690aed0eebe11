// Timings of the undo history around a command over a save image: the copy and compare every
// command pays, a step over 1000 officers' loyalty (one byte in each of 1000 records of 88 bytes),
// and taking that step back and again.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <span>
#include <vector>

#include "formats/data_image.h"
#include "formats/edit_history.h"
#include "image_over.h"
#include "model/officer_tables.h"
#include "sample_data.h"

namespace {

constexpr OfficerId OFFICERS = 1000;

void ChangeLoyalty(std::vector<uint8_t>& save) {
  for (OfficerId id = 0; id < OFFICERS; ++id) save[AttributeOffset(LOYALTY_OFFSET, id)] ^= 0x55;
}

// Begin and End over a command that changed nothing: no step, only the copy and the compare.
void BM_RecordNothingChanged(benchmark::State& state) {
  std::vector<uint8_t> save = MakeSampleSave();
  DataFileImage image = ImageOver(save);
  const std::span<DataFileImage> images(&image, 1);
  EditHistory history;
  for (auto _ : state) {
    history.Begin(images);
    benchmark::DoNotOptimize(history.End(images, 1, 0, {}));
  }
}
BENCHMARK(BM_RecordNothingChanged)->Unit(benchmark::kMicrosecond);

// One step of 1000 changed bytes per iteration; past the first 100 each also drops the oldest.
void BM_RecordLoyaltyStep(benchmark::State& state) {
  std::vector<uint8_t> save = MakeSampleSave();
  DataFileImage image = ImageOver(save);
  const std::span<DataFileImage> images(&image, 1);
  EditHistory history;
  const int32_t view[] = {0, 999, 0, 0};
  for (auto _ : state) {
    history.Begin(images);
    ChangeLoyalty(save);
    if (!history.End(images, 1, OFFICERS, view)) state.SkipWithError("no step recorded");
  }
  state.counters["steps"] = history.StepCount();
  state.counters["step_bytes"] = static_cast<double>(history.StepMemory()) / history.StepCount();
}
BENCHMARK(BM_RecordLoyaltyStep)->Unit(benchmark::kMicrosecond);

void BM_UndoRedoLoyaltyStep(benchmark::State& state) {
  std::vector<uint8_t> save = MakeSampleSave();
  DataFileImage image = ImageOver(save);
  const std::span<DataFileImage> images(&image, 1);
  EditHistory history;
  history.Begin(images);
  ChangeLoyalty(save);
  history.End(images, 1, OFFICERS, {});
  for (auto _ : state) {
    benchmark::DoNotOptimize(history.Undo(images));
    benchmark::DoNotOptimize(history.Redo(images));
  }
}
BENCHMARK(BM_UndoRedoLoyaltyStep)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
