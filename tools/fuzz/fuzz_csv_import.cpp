// Fuzz target: the input's bytes as a CSV file read into the officer table of the long-run sample
// save (its roster runs past 899, the officers without attribute fields of their own) or the item
// table of the sample scenario (with or without the save beside it): any encoding, quoting, cell
// count, header and cell text. A refused file leaves every byte of both images as it was; an
// accepted one changes only the bits the editing commands write, says which images it changed,
// and read again changes nothing more. See fuzz_layouts.h for the input.
#include <algorithm>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

#include "formats/csv.h"
#include "formats/item_csv.h"
#include "formats/officer_csv.h"
#include "fuzz_input.h"
#include "fuzz_layouts.h"
#include "model/item_table.h"
#include "model/officer_edits.h"
#include "model/roster.h"
#include "platform/iconv_cp932_codec.h"
#include "sample_data.h"

namespace {

using namespace csv_input;
using Image = std::vector<uint8_t>;

// The sample images up to the end of the last table an import reads (the item owner table of the
// save, the item table of the scenario), so that comparing them after each run costs little; a
// working copy of each; and for each byte the bits an import may change.
Image Start(Image image, size_t length) {
  image.resize(length);
  return image;
}

struct Images {
  Image save_base = Start(MakeLongRunSave(), OwnerEntryOffset(ITEM_COUNT));
  Image scenario_base = Start(MakeSampleScenario(), ItemRecordOffset(ITEM_COUNT));
  Image save = save_base;
  Image scenario = scenario_base;
  OfficerRoster roster{};
  RosterPositionMap positions{};
  Image officer_bits = Image(save_base.size(), 0);   // officer columns, in the save image
  Image owner_bits = Image(save_base.size(), 0);     // owner column, in the save image
  Image item_bits = Image(scenario_base.size(), 0);  // item columns, in the scenario image
  IconvCp932Codec codec;

  Images() {
    BuildOfficerRoster(save, roster, &positions);
    auto mark = [](Image& bits, int32_t offset, int32_t count, uint8_t mask) {
      std::fill_n(bits.begin() + offset, count, mask);
    };
    for (int32_t k = 0; k < roster.count; ++k) {
      const OfficerId id = roster.ids[k];
      mark(officer_bits, NameFieldOffset(id, FAMILY_NAME_FIELD), FULL_NAME_FIELD + FULL_NAME_WIDTH, 0xFF);
      mark(officer_bits, NameFieldOffset(id, BIRTH_YEAR_FIELD), 1 + ABILITY_COUNT, 0xFF);
      mark(officer_bits, NameFieldOffset(id, FACE_NUMBER_FIELD), 2, 0xFF);
      if (!HasAttributeFields(id)) continue;  // those bytes are other officers' names
      mark(officer_bits, AttributeOffset(LOYALTY_OFFSET, id), 1, 0xFF);
      mark(officer_bits, AttributeOffset(LIFE_SPAN_OFFSET, id), 1, 0xE0);
      mark(officer_bits, AttributeOffset(SKILL_FLAGS_OFFSET, id), 1, 0xC0);  // bits 0-5: no skills
      mark(officer_bits, AttributeOffset(SKILL_FLAGS_OFFSET, id) + 1, 3, 0xFF);
      mark(officer_bits, AttributeOffset(TACTIC_RANKS_OFFSET, id), 7, 0xFF);
      mark(officer_bits, AttributeOffset(TACTIC_RANKS_OFFSET, id) + 7, 1, 0x0F);  // position 14: no tactic
    }
    for (int32_t item = 0; item < ITEM_COUNT; ++item) {
      mark(item_bits, ItemRecordOffset(item), ITEM_SKILL_FIELD + 1, 0xFF);
      mark(owner_bits, OwnerEntryOffset(item), 2, 0xFF);
    }
  }

  static Images& Get() {
    static Images images;
    return images;
  }

  CsvImportResult Import(std::string_view file, bool items, bool owners) {
    if (!items) return ImportOfficerCsv(save, roster, file, codec);
    const ItemOwnerImage beside{save, roster, positions};
    return ImportItemCsv(scenario, owners ? &beside : nullptr, file, codec);
  }
};

// True when `now` differs from `base` only in the bits of `bits`. Blocks that compare equal are
// passed over whole: an import changes a few bytes at most.
bool OnlyBitsChanged(const Image& base, const Image& now, const Image& bits) {
  constexpr size_t BLOCK = 4096;
  for (size_t start = 0; start < base.size(); start += BLOCK) {
    const size_t end = std::min(start + BLOCK, base.size());
    if (std::memcmp(base.data() + start, now.data() + start, end - start) == 0) continue;
    for (size_t i = start; i < end; ++i) {
      if (((base[i] ^ now[i]) & ~bits[i]) != 0) return false;
    }
  }
  return true;
}

void CheckProblems(const CsvImportResult& result, std::string_view file) {
  // CR and LF are never the second byte of a code page 932 character: both encodings count alike.
  const auto breaks = std::count_if(file.begin(), file.end(), [](char c) { return c == '\n' || c == '\r'; });
  FUZZ_CHECK(result.problem_count >= 1);
  FUZZ_CHECK(result.problems.size() == std::min<size_t>(result.problem_count, CSV_PROBLEM_LIMIT));
  for (const CsvProblem& problem : result.problems) {
    FUZZ_CHECK(problem.line >= 0 && problem.line <= breaks + 1);
    FUZZ_CHECK(IsUtf8(problem.column));
    // The messages take a reason's words by its number.
    FUZZ_CHECK(problem.reason >= CsvProblemReason::UnknownEncoding && problem.reason <= CsvProblemReason::ShownOnly);
    for (const std::string& header : problem.instead) FUZZ_CHECK(IsUtf8(header));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in(data, size);
  const bool items = (in.U8(FLAGS) & FLAG_ITEMS) != 0;
  const bool owners = items && (in.U8(FLAGS) & FLAG_OWNERS) != 0;
  const std::span<const uint8_t> tail = in.Tail(FILE_BYTES);
  // A copy of exactly the file's length, so that a read past its end is caught.
  const std::vector<char> bytes(tail.begin(), tail.end());
  const std::string_view file(bytes.data(), bytes.size());

  Images& images = Images::Get();
  const CsvImportResult result = images.Import(file, items, owners);
  const bool save_changed = images.save != images.save_base;
  const bool scenario_changed = images.scenario != images.scenario_base;
  if (!result.ok) {
    CheckProblems(result, file);
    FUZZ_CHECK(!save_changed && !scenario_changed);
    return 0;
  }
  FUZZ_CHECK(result.problems.empty() && result.problem_count == 0);
  FUZZ_CHECK(result.records_changed <= result.fields_changed);
  FUZZ_CHECK(result.records_changed <= (items ? ITEM_COUNT : images.roster.count));
  FUZZ_CHECK((result.fields_changed > 0) == (result.table_image_changed || result.owner_image_changed));
  FUZZ_CHECK(std::accumulate(result.column_fields_changed.begin(), result.column_fields_changed.end(), 0) ==
             result.fields_changed);
  if (items) {
    FUZZ_CHECK(result.table_image_changed == scenario_changed);
    FUZZ_CHECK(result.owner_image_changed == save_changed);
    FUZZ_CHECK(owners || !save_changed);
    FUZZ_CHECK(!scenario_changed || OnlyBitsChanged(images.scenario_base, images.scenario, images.item_bits));
    FUZZ_CHECK(!save_changed || OnlyBitsChanged(images.save_base, images.save, images.owner_bits));
  } else {
    FUZZ_CHECK(result.table_image_changed == save_changed && !result.owner_image_changed && !scenario_changed);
    FUZZ_CHECK(!save_changed || OnlyBitsChanged(images.save_base, images.save, images.officer_bits));
  }

  if (save_changed || scenario_changed) {
    // Every cell now equals what the export writes, or stands for the same value (007 for 7), but
    // for a shown name whose parts the file changed: the row no longer changes them, so a name
    // left as it was is now refused, and nothing is written.
    static Image save, scenario;  // buffers kept from run to run
    save.assign(images.save.begin(), images.save.end());
    scenario.assign(images.scenario.begin(), images.scenario.end());
    const CsvImportResult again = images.Import(file, items, owners);
    FUZZ_CHECK(again.ok ? again.fields_changed == 0
                        : std::all_of(again.problems.begin(), again.problems.end(), [](const CsvProblem& problem) {
                            return problem.reason == CsvProblemReason::ShownOnly;
                          }));
    FUZZ_CHECK(images.save == save && images.scenario == scenario);
    std::copy(images.save_base.begin(), images.save_base.end(), images.save.begin());
    std::copy(images.scenario_base.begin(), images.scenario_base.end(), images.scenario.begin());
  }
  return 0;
}
