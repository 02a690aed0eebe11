// Timings of the officer list sort and of batch edits over a full roster of 1000 officers.
//
// The sort makes one selection pass per byte position that a range of keys still shares, so the
// inputs below are the ones that make many passes over large ranges or many exchanges in them:
// identical readings (11 passes over all 1000 keys), a long shared prefix, readings in reverse
// order, and many distinct bytes in one pass. Each pass over a large range counts its bytes
// instead of rescanning the range for every minimum; a range already in order is passed over once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "formats/data_image.h"
#include "model/display_order.h"
#include "model/officer_edits.h"
#include "model/roster.h"
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

// Every reading distinct and the rows in descending reading order: 250 first bytes, each shared by
// four rows, falling from 0xFF; every selection pass exchanges, and its minimum always lies last.
void BM_SortReverseOrder(benchmark::State& state) {
  static const FullRoster full = MakeFullRoster([](int32_t r) {
    std::string reading(1, static_cast<char>(0xFF - r / 4));
    return reading + std::string(1, static_cast<char>(0xDD - r % 4)) + Sjis("ｱ");
  });
  SortEachIteration(state, full);
}
BENCHMARK(BM_SortReverseOrder)->Unit(benchmark::kMillisecond);

// First bytes spread over every value from 0x20 to 0xFF in a seeded shuffle, then a shared tail:
// the first pass meets 224 distinct bytes, the runs below it each about four keys.
void BM_SortManyDistinctFirstBytes(benchmark::State& state) {
  static const FullRoster full = [] {
    std::vector<uint8_t> first(ROSTER_CAPACITY);
    for (size_t r = 0; r < first.size(); ++r) first[r] = static_cast<uint8_t>(0x20 + r % 0xE0);
    std::shuffle(first.begin(), first.end(), std::mt19937(7));
    return MakeFullRoster([&first](int32_t r) {
      return std::string(1, static_cast<char>(first[static_cast<size_t>(r)])) + Sjis("ｶﾞｶﾞｶﾞｶﾞｶ");
    });
  }();
  SortEachIteration(state, full);
}
BENCHMARK(BM_SortManyDistinctFirstBytes)->Unit(benchmark::kMillisecond);

// Runs of 32 rows sharing a first byte, each run's rows identical past it: many small ranges that
// share every byte down to the end.
void BM_SortSmallIdenticalRuns(benchmark::State& state) {
  static const FullRoster full = MakeFullRoster([](int32_t r) {
    return std::string(1, static_cast<char>(0xDF - r / 32)) + Sjis("ｱｱｱｱｱｱｱｱｱ");
  });
  SortEachIteration(state, full);
}
BENCHMARK(BM_SortSmallIdenticalRuns)->Unit(benchmark::kMillisecond);

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
