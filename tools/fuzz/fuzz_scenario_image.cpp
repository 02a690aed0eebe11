// Fuzz target: a scenario image described by the input (the sample scenario with the input's patches
// over it, maybe cut), one command on a selection of its items, and the check of what the core
// promises for it: what the dialog shows of each item, each item edit and "全て更新" with values and
// texts from the input, the reset to the initial item table. The bytes after a command must be
// exactly those its model expects, everywhere in the image. See fuzz_layouts.h for the input.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_image.h"
#include "fuzz_input.h"
#include "fuzz_layouts.h"
#include "model/initial_items.h"
#include "model/item_table.h"
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

// The choice a field byte selects: the byte when it indexes the list, otherwise none.
int32_t ExpectedChoice(uint8_t byte, int32_t count) { return byte < count ? byte : -1; }

// What the dialog shows of one item: the name up to its NUL in whole characters, each choice within
// its list or none, the price and the signed increase in decimal; an item whose record is not
// wholly inside the image shows nothing.
void CheckItemView(ConstBytes scenario, int32_t item) {
  const ItemView view = ReadItemView(scenario, item);
  FUZZ_CHECK(std::memchr(view.name.text, 0, sizeof view.name.text) != nullptr);
  FUZZ_CHECK(std::memchr(view.price, 0, sizeof view.price) != nullptr);
  FUZZ_CHECK(std::memchr(view.increase, 0, sizeof view.increase) != nullptr);
  const std::string_view name(view.name.text);
  FUZZ_CHECK(name == ReadItemName(scenario, item).text);
  if (!RecordInside(scenario, item)) {
    FUZZ_CHECK(name.empty() && view.type_choice == -1 && view.image_choice == -1 && view.skill_choice == -1);
    FUZZ_CHECK(std::string_view(view.price) == "0" && std::string_view(view.increase) == "0");
    return;
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

// The view of every item whose record differs from the base's, of the items at the image's end,
// and of the items outside the table. A record equal to the base's shows what the base's did,
// which was checked once, when the base was made.
void CheckItemViews(ConstBytes scenario, ConstBytes base) {
  int32_t outside_seen = 0;
  for (int32_t item = -1; item <= ITEM_COUNT; ++item) {
    if (RecordInside(scenario, item)) {
      const size_t record = static_cast<size_t>(ItemRecordOffset(item));
      const bool last_inside = !RecordInside(scenario, item + 1);
      if (!last_inside && std::memcmp(scenario.data() + record, base.data() + record, ITEM_RECORD_SIZE) == 0) continue;
    } else if (item >= 0 && item < ITEM_COUNT && outside_seen++ >= 2) {
      continue;  // the first two items past the end stand for the rest
    }
    CheckItemView(scenario, item);
  }
}

FuzzImage& ScenarioImage() {
  static FuzzImage image = [] {
    FuzzImage made(MakeSampleScenario());
    for (int32_t item = -1; item <= ITEM_COUNT; ++item) CheckItemView(made.Base(), item);
    return made;
  }();
  return image;
}

void DescribeImage(FuzzImage& image, const FuzzInput& in) {
  image.ApplyPatches(in, PATCHES, {0, ITEM_TABLE_OFFSET, 0, ITEM_TABLE_OFFSET});
  if (in.U8(FLAGS) & FLAG_TRUNCATE) image.Cut(CUT_BASE + in.U16(CUT) % CUT_RANGE);
}

// The selected list rows (item numbers), or listed numbers, which may be any number at all.
const std::vector<int32_t>& SelectedItems(const FuzzInput& in) {
  static std::vector<int32_t> items;
  if (in.U8(SELECT_MODE) % selection_input::MODE_COUNT == selection_input::SELECT_LISTED) {
    items.resize(in.U8(ITEM_LIST_COUNT) % (ITEM_LIST_CAPACITY + 1));
    for (size_t k = 0; k < items.size(); ++k) items[k] = in.I16(ITEMS + 2 * k);
  } else {
    SelectedRows(in, SELECT_MODE, SELECT_FIRST, SELECT_COUNT, ITEM_COUNT, items);
  }
  return items;
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

// One field byte of every listed item inside the image, in the expected image.
void ExpectItemByte(FuzzImage& image, std::span<const int32_t> items, int32_t field, uint8_t value) {
  for (int32_t item : items) {
    if (RecordInside(image.Expected(), item)) *image.Expect(ItemFieldOffset(item, field), 1) = value;
  }
}

// Each edit writes its one field of every listed item inside the image and nothing else; a combo
// box without an entry of its list (any choice outside it, -1 above all) writes nothing and says so;
// "全て更新" runs every edit, each as if its own button had been pressed. (What the dialog then
// shows of a written item, the round trip, is checked by CheckItemViews after the command.)
void CheckEdits(FuzzImage& image, std::span<const int32_t> items, Command command, const FuzzInput& in) {
  const int32_t type = in.I16(TYPE_CHOICE), picture = in.I16(IMAGE_CHOICE), skill = in.I16(SKILL_CHOICE);
  const std::string name = in.Text(NAME_LENGTH, NAME, NAME_CAPACITY);
  const std::string price_text = Bytes(in, PRICE_TEXT, PRICE_TEXT_SIZE);
  const std::string increase_text = Bytes(in, INCREASE_TEXT, INCREASE_TEXT_SIZE);

  const int32_t price = ParseItemPrice(price_text);
  const int32_t typed_price = ExpectedNumber(price_text, PRICE_DIGITS, PRICE_MAX);
  FUZZ_CHECK(price == (typed_price % PRICE_UNIT == 0 ? typed_price : -1));
  const int32_t increase = ParseItemIncrease(increase_text);
  FUZZ_CHECK(increase == ExpectedNumber(increase_text, INCREASE_DIGITS, INCREASE_MAX));

  const bool all = command == ALL_FIELDS;
  const std::string_view stored_name = WholePrefix(UpToNul(name), ITEM_NAME_WIDTH - 1);
  const bool type_listed = type >= 0 && type < ITEM_TYPE_COUNT;
  const bool picture_listed = picture >= 0 && picture < ITEM_IMAGE_COUNT;
  const bool skill_listed = skill >= 0 && skill < ITEM_SKILL_COUNT;
  if (all || command == NAME_EDIT) {
    for (int32_t item : items) {
      if (!RecordInside(image.Expected(), item)) continue;
      uint8_t* field = image.Expect(ItemFieldOffset(item, ITEM_NAME_FIELD), ITEM_NAME_WIDTH);
      std::fill_n(field, ITEM_NAME_WIDTH, uint8_t{0x20});
      std::copy(stored_name.begin(), stored_name.end(), field);
      field[stored_name.size()] = 0;
    }
    WriteItemName(image.Working(), items, name);
  }
  if (all || command == TYPE) {
    if (type_listed) ExpectItemByte(image, items, ITEM_TYPE_FIELD, static_cast<uint8_t>(type));
    FUZZ_CHECK(WriteItemType(image.Working(), items, type) == type_listed);
  }
  if (all || command == IMAGE) {
    if (picture_listed) ExpectItemByte(image, items, ITEM_IMAGE_FIELD, static_cast<uint8_t>(picture));
    FUZZ_CHECK(WriteItemImage(image.Working(), items, picture) == picture_listed);
  }
  if ((all || command == PRICE) && price >= 0) {
    ExpectItemByte(image, items, ITEM_PRICE_FIELD, static_cast<uint8_t>(price / PRICE_UNIT));
    WriteItemPrice(image.Working(), items, price);
  }
  if ((all || command == INCREASE) && increase >= 0) {
    ExpectItemByte(image, items, ITEM_INCREASE_FIELD, static_cast<uint8_t>(increase));
    WriteItemIncrease(image.Working(), items, increase);
  }
  if (all || command == SKILL_EDIT) {
    if (skill_listed) {
      ExpectItemByte(image, items, ITEM_SKILL_FIELD, skill == NO_SKILL_INDEX ? NO_SKILL : static_cast<uint8_t>(skill));
    }
    FUZZ_CHECK(WriteItemSkill(image.Working(), items, skill) == skill_listed);
  }
}

// The reset rewrites name and bytes 13 to 17 of every record wholly inside the image from the
// initial table; bytes 18 to 20, partial records and everything outside the table stay.
void CheckInitialItems(FuzzImage& image) {
  int32_t item = 0;
  for (const InitialItem& kind : INITIAL_ITEM_TABLE) {
    for (int32_t k = 0; k < kind.count; ++k, ++item) {
      if (!RecordInside(image.Expected(), item)) continue;
      uint8_t* record = image.Expect(ItemRecordOffset(item), ITEM_RECORD_SIZE);
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
  ApplyInitialItemTable(image.Working());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in(data, size);
  FuzzImage& image = ScenarioImage();
  DescribeImage(image, in);
  CheckItemViews(image.Working(), image.Base());
  const auto command = static_cast<Command>(in.U8(COMMAND) % COMMAND_COUNT);
  if (command == RESET) {
    CheckInitialItems(image);
  } else if (command != VIEW) {
    CheckEdits(image, SelectedItems(in), command, in);
  }
  FUZZ_CHECK(image.MatchesExpected());
  CheckItemViews(image.Working(), image.Base());
  image.Reset();
  return 0;
}
