// Timings of the officer list sort and of batch edits over a full roster of 1000 officers.
//
// The sort makes one selection pass, quadratic in the range, per byte position that a range of
// keys still shares. Its worst case is therefore every key sharing the longest prefix: readings
// of 10 identical bytes make 11 passes over all 1000 keys.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "data_image.h"
#include "display_order.h"
#include "officer_edits.h"
#include "roster.h"
#include "sample_data.h"
#include "sjis_text.h"

namespace {

struct FullRoster {
  std::vector<uint8_t> save;
  OfficerRoster roster{};
  DisplayOrder order{};
};

// A save image whose roster is full (1000 officers), each given the reading `reading_of(row)`.
template <typename ReadingOf>
FullRoster MakeFullRoster(ReadingOf reading_of) {
  FullRoster full{MakeSampleSave(), {}, {}};
  for (OfficerId id = RUN_FIRST_ID; id < ROSTER_ID_LIMIT; ++id) full.save[NameRecordOffset(id)] = 0x88;
  for (OfficerId id = OPTIONAL_IDS_FIRST; id <= OPTIONAL_IDS_LAST; ++id) full.save[NameRecordOffset(id)] = 0x88;
  BuildOfficerRoster(full.save, full.roster);
  CopyRosterOrder(full.roster, full.order);
  for (int32_t r = 0; r < full.roster.count; ++r) {
    std::string reading = reading_of(r);
    uint8_t* field = full.save.data() + NameFieldOffset(full.order[r], READING_FIELD);
    std::memset(field, 0x20, READING_WIDTH);
    std::memcpy(field, reading.data(), reading.size());
    field[reading.size()] = 0;
  }
  return full;
}

void SortEachIteration(benchmark::State& state, const FullRoster& full) {
  for (auto _ : state) {
    DisplayOrder order = full.order;
    bool sorted = SortByReading(full.save, order, full.roster.count);
    benchmark::DoNotOptimize(sorted);
    benchmark::DoNotOptimize(order.data());
  }
  state.counters["rows"] = full.roster.count;
}

void BM_SortIdenticalReadings(benchmark::State& state) {
  static const FullRoster full = MakeFullRoster([](int32_t) { return Sjis("ｱｱｱｱｱｱｱｱｱｱ"); });
  SortEachIteration(state, full);
}
BENCHMARK(BM_SortIdenticalReadings)->Unit(benchmark::kMillisecond);

// A shared 9-byte prefix, then a last byte that falls row after row: ten full passes, each
// exchange-heavy on the last byte.
void BM_SortSharedPrefixReversed(benchmark::State& state) {
  static const FullRoster full = MakeFullRoster([](int32_t r) {
    return Sjis("ｱｱｱｱｱｱｱｱｱ") + std::string(1, static_cast<char>(0xFF - r % 0xFE));
  });
  SortEachIteration(state, full);
}
BENCHMARK(BM_SortSharedPrefixReversed)->Unit(benchmark::kMillisecond);

void BM_SortSampleReadings(benchmark::State& state) {
  static const FullRoster full = [] {
    FullRoster sample{MakeSampleSave(), {}, {}};
    BuildOfficerRoster(sample.save, sample.roster);
    CopyRosterOrder(sample.roster, sample.order);
    return sample;
  }();
  SortEachIteration(state, full);
}
BENCHMARK(BM_SortSampleReadings)->Unit(benchmark::kMillisecond);

FullRoster& EditTarget() {
  static FullRoster full = MakeFullRoster([](int32_t) { return Sjis("ｱ"); });
  return full;
}

void BM_WriteFamilyName(benchmark::State& state) {
  FullRoster& full = EditTarget();
  std::span<const OfficerId> ids(full.order.data(), static_cast<size_t>(full.roster.count));
  const std::string name = Sjis("諸葛");
  for (auto _ : state) {
    WriteFamilyName(full.save, ids, name);
    benchmark::ClobberMemory();
  }
  state.counters["officers"] = full.roster.count;
}
BENCHMARK(BM_WriteFamilyName)->Unit(benchmark::kMicrosecond);

void BM_WriteLoyalty(benchmark::State& state) {
  FullRoster& full = EditTarget();
  std::span<const OfficerId> ids(full.order.data(), static_cast<size_t>(full.roster.count));
  for (auto _ : state) {
    WriteLoyalty(full.save, ids, 80);
    benchmark::ClobberMemory();
  }
  state.counters["officers"] = full.roster.count;
}
BENCHMARK(BM_WriteLoyalty)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
