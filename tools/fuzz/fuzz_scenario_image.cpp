// Fuzz target: a scenario image whose item table comes from the input, read as the item editor
// shows it, written by every item edit with values and texts from the input, and reset to the
// initial item table. Every result is checked against what the core promises; see
// fuzz_layouts.h for the input.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "fuzz_layouts.h"
#include "initial_items.h"
#include "item_table.h"
#include "sample_data.h"

namespace {

using namespace scenario_input;
using ConstBytes = std::span<const uint8_t>;

constexpr int32_t TABLE_END = ITEM_TABLE_OFFSET + ITEM_COUNT * ITEM_RECORD_SIZE;
// A cut falls anywhere from a little before the table to a little after it.
constexpr int32_t CUT_BASE = ITEM_TABLE_OFFSET - 64;
constexpr int32_t CUT_RANGE = TABLE_END + 64 - CUT_BASE;

bool RecordInside(ConstBytes scenario, int32_t item) {
  return item >= 0 && item < ITEM_COUNT &&
         static_cast<size_t>(ItemRecordOffset(item) + ITEM_RECORD_SIZE) <= scenario.size();
}

std::string_view RawName(ConstBytes scenario, int32_t item) {
  return UpToNul(std::string_view(reinterpret_cast<const char*>(scenario.data() + ItemRecordOffset(item)),
                                  ITEM_NAME_WIDTH));
}

// The sample scenario with the input laid over its item table, cut where the input says. As in
// fuzz_save_image, a whole image reuses one buffer of exactly its length and a cut one gets a
// buffer of exactly its own.
std::span<uint8_t> MakeImage(const FuzzInput& in) {
  static const std::vector<uint8_t> base = MakeSampleScenario();
  static std::vector<uint8_t> scenario(base.size());
  static std::vector<uint8_t> cut;
  std::copy(base.begin(), base.end(), scenario.begin());
  const ConstBytes overlay = in.Tail(OVERLAY);
  if (!overlay.empty()) {
    std::memcpy(scenario.data() + ITEM_TABLE_OFFSET, overlay.data(),
                std::min<size_t>(overlay.size(), TABLE_END - ITEM_TABLE_OFFSET));
  }
  if (in.U8(FLAGS) & FLAG_TRUNCATE) {
    const size_t length = CUT_BASE + in.U16(CUT) % CUT_RANGE;
    cut = std::vector<uint8_t>(scenario.begin(), scenario.begin() + static_cast<std::ptrdiff_t>(length));
    return cut;
  }
  return scenario;
}

// A scratch copy of the image for the expected bytes of an edit, its buffer reused by every run.
std::vector<uint8_t>& CopyOf(std::span<const uint8_t> image) {
  static std::vector<uint8_t> copy;
  copy.assign(image.begin(), image.end());
  return copy;
}

bool SameBytes(std::span<const uint8_t> image, const std::vector<uint8_t>& expected) {
  return std::equal(image.begin(), image.end(), expected.begin(), expected.end());
}

// The choice a field byte selects: the byte when it indexes the list, otherwise none.
int32_t ExpectedChoice(uint8_t byte, int32_t count) { return byte < count ? byte : -1; }

// What the dialog shows of every item: the name up to its NUL in whole characters, each choice
// within its list or none, the price and the signed increase in decimal; an item whose record
// is not wholly inside the image shows nothing.
void CheckItemViews(ConstBytes scenario) {
  for (int32_t item = -1; item <= ITEM_COUNT; ++item) {
    const ItemView view = ReadItemView(scenario, item);
    FUZZ_CHECK(std::memchr(view.name.text, 0, sizeof view.name.text) != nullptr);
    FUZZ_CHECK(std::memchr(view.price, 0, sizeof view.price) != nullptr);
    FUZZ_CHECK(std::memchr(view.increase, 0, sizeof view.increase) != nullptr);
    const std::string_view name(view.name.text);
    FUZZ_CHECK(name == ReadItemName(scenario, item).text);
    if (!RecordInside(scenario, item)) {
      FUZZ_CHECK(name.empty() && view.type_choice == -1 && view.image_choice == -1 && view.skill_choice == -1);
      FUZZ_CHECK(std::string_view(view.price) == "0" && std::string_view(view.increase) == "0");
      continue;
    }
    const uint8_t* record = scenario.data() + ItemRecordOffset(item);
    FUZZ_CHECK(name == WholePrefix(RawName(scenario, item), ITEM_NAME_WIDTH));
    FUZZ_CHECK(view.type_choice == ExpectedChoice(record[ITEM_TYPE_FIELD], ITEM_TYPE_COUNT));
    FUZZ_CHECK(view.image_choice == ExpectedChoice(record[ITEM_IMAGE_FIELD], ITEM_IMAGE_COUNT));
    const uint8_t skill = record[ITEM_SKILL_FIELD];
    FUZZ_CHECK(view.skill_choice == (skill == NO_SKILL ? NO_SKILL_INDEX : ExpectedChoice(skill, ITEM_SKILL_COUNT)));
    FUZZ_CHECK(view.price == std::to_string(record[ITEM_PRICE_FIELD] * PRICE_UNIT));
    FUZZ_CHECK(view.increase == std::to_string(static_cast<int8_t>(record[ITEM_INCREASE_FIELD])));
  }
}

// The value of a number entry that holds only digits (up to `digits` bytes, ending at a NUL) and
// lies within [0, max]; -1 otherwise.
int32_t ExpectedNumber(std::string_view text, size_t digits, int32_t max) {
  text = UpToNul(text.substr(0, digits));
  if (text.empty()) return -1;
  int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return value <= max ? static_cast<int32_t>(value) : -1;
}

std::string Bytes(const FuzzInput& in, size_t at, size_t size) {
  std::string text(size, '\0');
  for (size_t k = 0; k < size; ++k) text[k] = static_cast<char>(in.U8(at + k));
  return text;
}

// Each edit writes its one field of every listed item inside the image and nothing else (what
// the dialog then shows is checked by CheckItemViews).
void CheckEdits(std::span<uint8_t> scenario, const FuzzInput& in) {
  std::vector<int32_t> items(in.U8(ITEM_LIST_COUNT) % (ITEM_LIST_CAPACITY + 1));
  for (size_t k = 0; k < items.size(); ++k) items[k] = in.I16(ITEMS + 2 * k);
  const int32_t type = in.I16(TYPE_CHOICE), image = in.I16(IMAGE_CHOICE), skill = in.I16(SKILL_CHOICE);
  const std::string name = in.Text(NAME_LENGTH, NAME, NAME_CAPACITY);
  const std::string price_text = Bytes(in, PRICE_TEXT, PRICE_TEXT_SIZE);
  const std::string increase_text = Bytes(in, INCREASE_TEXT, INCREASE_TEXT_SIZE);

  const int32_t price = ParseItemPrice(price_text);
  const int32_t typed_price = ExpectedNumber(price_text, PRICE_DIGITS, PRICE_MAX);
  FUZZ_CHECK(price == (typed_price % PRICE_UNIT == 0 ? typed_price : -1));
  const int32_t increase = ParseItemIncrease(increase_text);
  FUZZ_CHECK(increase == ExpectedNumber(increase_text, INCREASE_DIGITS, INCREASE_MAX));

  const std::string_view stored_name = WholePrefix(UpToNul(name), ITEM_NAME_WIDTH - 1);
  std::vector<uint8_t>& expected = CopyOf(scenario);
  for (int32_t item : items) {
    if (!RecordInside(scenario, item)) continue;
    uint8_t* record = expected.data() + ItemRecordOffset(item);
    std::fill_n(record + ITEM_NAME_FIELD, ITEM_NAME_WIDTH, uint8_t{0x20});
    std::copy(stored_name.begin(), stored_name.end(), record + ITEM_NAME_FIELD);
    record[ITEM_NAME_FIELD + stored_name.size()] = 0;
    if (type >= 0 && type < ITEM_TYPE_COUNT) record[ITEM_TYPE_FIELD] = static_cast<uint8_t>(type);
    if (image >= 0 && image < ITEM_IMAGE_COUNT) record[ITEM_IMAGE_FIELD] = static_cast<uint8_t>(image);
    if (skill >= 0 && skill < ITEM_SKILL_COUNT) record[ITEM_SKILL_FIELD] = skill == NO_SKILL_INDEX ? NO_SKILL : static_cast<uint8_t>(skill);
    if (price >= 0) record[ITEM_PRICE_FIELD] = static_cast<uint8_t>(price / PRICE_UNIT);
    if (increase >= 0) record[ITEM_INCREASE_FIELD] = static_cast<uint8_t>(increase);
  }
  WriteItemName(scenario, items, name);
  WriteItemType(scenario, items, type);
  WriteItemImage(scenario, items, image);
  WriteItemSkill(scenario, items, skill);
  if (price >= 0) WriteItemPrice(scenario, items, price);
  if (increase >= 0) WriteItemIncrease(scenario, items, increase);
  FUZZ_CHECK(SameBytes(scenario, expected));
}

// The reset rewrites name and bytes 13 to 17 of every record wholly inside the image from the
// initial table; bytes 18 to 20, partial records and everything outside the table stay.
void CheckInitialItems(std::span<uint8_t> scenario) {
  std::vector<uint8_t>& expected = CopyOf(scenario);
  int32_t item = 0;
  for (const InitialItem& kind : INITIAL_ITEM_TABLE) {
    for (int32_t k = 0; k < kind.count; ++k, ++item) {
      if (!RecordInside(scenario, item)) continue;
      uint8_t* record = expected.data() + ItemRecordOffset(item);
      const std::string_view kind_name = WholePrefix(kind.name, ITEM_NAME_WIDTH - 1);
      std::fill_n(record + ITEM_NAME_FIELD, ITEM_NAME_WIDTH, uint8_t{0x20});
      std::copy(kind_name.begin(), kind_name.end(), record + ITEM_NAME_FIELD);
      record[ITEM_NAME_FIELD + kind_name.size()] = 0;
      record[ITEM_TYPE_FIELD] = kind.type;
      record[ITEM_IMAGE_FIELD] = kind.image;
      record[ITEM_PRICE_FIELD] = kind.price_code;
      record[ITEM_INCREASE_FIELD] = kind.increase;
      record[ITEM_SKILL_FIELD] = kind.skill;
    }
  }
  FUZZ_CHECK(item == ITEM_COUNT);
  ApplyInitialItemTable(scenario);
  FUZZ_CHECK(SameBytes(scenario, expected));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in(data, size);
  const std::span<uint8_t> scenario = MakeImage(in);
  CheckItemViews(scenario);
  CheckEdits(scenario, in);
  CheckItemViews(scenario);
  if (in.U8(FLAGS) & FLAG_APPLY_INITIAL) {
    CheckInitialItems(scenario);
    CheckItemViews(scenario);
  }
  return 0;
}
