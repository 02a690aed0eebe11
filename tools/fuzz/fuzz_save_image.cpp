// Fuzz target: a save image whose officer records from 650 on, item owners and roster shape come
// from the input, read as the editors read it (roster, list texts, sort by reading, kana jump,
// owner choices), then written by an owner choice and a name edit. Every result is checked
// against what the core promises; see fuzz_layouts.h for the input.
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "display_order.h"
#include "fuzz_input.h"
#include "fuzz_layouts.h"
#include "item_table.h"
#include "kana_jump.h"
#include "officer_edits.h"
#include "roster.h"
#include "sample_data.h"

namespace {

using namespace save_input;
using ConstBytes = std::span<const uint8_t>;

bool FieldInside(ConstBytes image, int32_t offset, int32_t width) {
  return offset >= 0 && static_cast<size_t>(offset) + static_cast<size_t>(width) <= image.size();
}

bool RecordInside(ConstBytes save, OfficerId id) {
  return id >= 0 && FieldInside(save, NameRecordOffset(id), NAME_RECORD_SIZE);
}

bool InUse(ConstBytes save, OfficerId id) { return RecordInside(save, id) && save[NameRecordOffset(id)] != 0; }

// The field's bytes up to its first NUL; empty when it is not wholly inside the image.
std::string_view FieldTextOf(ConstBytes image, int32_t offset, int32_t width) {
  if (!FieldInside(image, offset, width)) return {};
  return UpToNul(std::string_view(reinterpret_cast<const char*>(image.data() + offset), static_cast<size_t>(width)));
}

// A text field as the editors store it: text, NUL, spaces; nothing when it is outside the image.
void PutField(std::vector<uint8_t>& image, int32_t offset, std::string_view text, int32_t width) {
  if (!FieldInside(image, offset, width)) return;
  std::fill_n(image.begin() + offset, width, uint8_t{0x20});
  std::copy(text.begin(), text.end(), image.begin() + offset);
  image[static_cast<size_t>(offset) + text.size()] = 0;
}

// The sample save with the input's roster shape, owners and records, cut where the input says.
// A whole image lives in one buffer of exactly its length reused by every run (a fresh 366 KB
// buffer per run costs more than all the checks); a cut one gets a buffer of exactly its own
// length, so that the sanitizers see any access past the end of either.
std::span<uint8_t> MakeImage(const FuzzInput& in) {
  static const std::vector<uint8_t> base = MakeSampleSave();
  static std::vector<uint8_t> save(base.size());
  static std::vector<uint8_t> cut;
  std::copy(base.begin(), base.end(), save.begin());
  auto copy_record = [](OfficerId from, OfficerId to) {
    std::memcpy(save.data() + NameRecordOffset(to), base.data() + NameRecordOffset(from), NAME_RECORD_SIZE);
  };
  const uint8_t flags = in.U8(FLAGS);
  constexpr OfficerId templates = SAMPLE_RUN_LAST - SAMPLE_RUN_FIRST + 1;
  for (OfficerId id = OPTIONAL_IDS_FIRST; id <= OPTIONAL_IDS_LAST; ++id) {
    if (flags & FLAG_CLEAR_OPTIONAL) save[NameRecordOffset(id)] = 0;
    if (flags & FLAG_FILL_OPTIONAL) copy_record(SAMPLE_RUN_FIRST + id % templates, id);
  }
  const int32_t run = in.U16(RUN) % RUN_EXTENSION_LIMIT;
  for (int32_t k = 0; k < run; ++k) copy_record(SAMPLE_RUN_FIRST + k % templates, RUN_EXTENSION_FIRST_ID + k);
  const int32_t patches = in.U8(OWNER_PATCH_COUNT) % (OWNER_PATCH_CAPACITY + 1);
  for (int32_t k = 0; k < patches; ++k) {
    const size_t at = OWNER_PATCHES + 3 * static_cast<size_t>(k);
    const uint8_t item = in.U8(at);
    if (item >= ITEM_COUNT) continue;
    save[OwnerEntryOffset(item)] = in.U8(at + 1);
    save[OwnerEntryOffset(item) + 1] = in.U8(at + 2);
  }
  const size_t overlay_at = static_cast<size_t>(NameRecordOffset(OVERLAY_FIRST_ID));
  const ConstBytes overlay = in.Tail(OVERLAY);
  if (!overlay.empty()) {
    std::memcpy(save.data() + overlay_at, overlay.data(), std::min(overlay.size(), save.size() - overlay_at));
  }
  if (flags & FLAG_TRUNCATE) {
    const size_t length = std::min(save.size(), overlay_at + in.U16(CUT));
    cut = std::vector<uint8_t>(save.begin(), save.begin() + static_cast<std::ptrdiff_t>(length));
    return cut;
  }
  return save;
}

// A scratch copy of the image for the expected bytes of an edit, its buffer reused by every run.
std::vector<uint8_t>& CopyOf(std::span<const uint8_t> image) {
  static std::vector<uint8_t> copy;
  copy.assign(image.begin(), image.end());
  return copy;
}

// The roster holds 0 to 657, then the optional officers in use, then the run in use from 760,
// which ends at the first officer not in use or at the roster's capacity.
void CheckRoster(ConstBytes save, const OfficerRoster& roster, const RosterPositionMap& positions) {
  const int32_t count = roster.count;
  FUZZ_CHECK(count >= ALWAYS_LISTED_IDS && count <= ROSTER_CAPACITY);
  std::vector<bool> listed(ROSTER_ID_LIMIT, false);
  int32_t run = 0;
  for (int32_t k = 0; k < count; ++k) {
    const OfficerId id = roster.ids[k];
    FUZZ_CHECK(id >= 0 && id < ROSTER_ID_LIMIT);
    FUZZ_CHECK(k == 0 || id > roster.ids[k - 1]);
    FUZZ_CHECK(k < ALWAYS_LISTED_IDS ? id == k : id >= OPTIONAL_IDS_FIRST && InUse(save, id));
    FUZZ_CHECK(positions[id] == k);
    listed[id] = true;
    if (id >= RUN_FIRST_ID) FUZZ_CHECK(id == RUN_FIRST_ID + run++);
  }
  for (OfficerId id = OPTIONAL_IDS_FIRST; id <= OPTIONAL_IDS_LAST; ++id) FUZZ_CHECK(listed[id] == InUse(save, id));
  FUZZ_CHECK(count == ROSTER_CAPACITY || !InUse(save, RUN_FIRST_ID + run));
  for (OfficerId id = -2; id < ROSTER_ID_LIMIT + 2; ++id) {
    const bool member = id >= 0 && id < ROSTER_ID_LIMIT && listed[id];
    FUZZ_CHECK(IsRosterOfficer(roster, positions, id) == member);
  }
  FUZZ_CHECK(!IsRosterOfficer(roster, positions, NO_OWNER) && !IsRosterOfficer(roster, positions, 0xFFFF));
}

// The list rows show each text up to its NUL, cut to whole characters within the field.
void CheckListTexts(ConstBytes save, const OfficerRoster& roster) {
  for (int32_t k = 0; k < roster.count; ++k) {
    const OfficerId id = roster.ids[k];
    FUZZ_CHECK(OfficerFullName(save, id) ==
               WholePrefix(FieldTextOf(save, NameFieldOffset(id, FULL_NAME_FIELD), FULL_NAME_WIDTH), FULL_NAME_WIDTH));
    FUZZ_CHECK(OfficerReading(save, id) ==
               WholePrefix(FieldTextOf(save, NameFieldOffset(id, READING_FIELD), READING_WIDTH), READING_WIDTH));
  }
}

// A sort key as the reading sort builds it: the reading's first 10 bytes up to its NUL, then zeros.
using SortKey = std::array<uint8_t, READING_WIDTH>;

SortKey SortKeyOf(ConstBytes save, OfficerId id) {
  SortKey key{};
  const std::string_view text = FieldTextOf(save, NameFieldOffset(id, READING_FIELD), READING_WIDTH);
  std::copy_n(text.begin(), std::min<size_t>(text.size(), READING_WIDTH - 1), key.begin());
  return key;
}

struct KeyedRow {
  SortKey key;
  OfficerId id;
};

// The reading sort in its plainest form: a selection pass per byte position that exchanges the
// first smallest byte into place, then each run of equal bytes not yet ended sorted one byte on.
void PlainSelectionSort(std::vector<KeyedRow>& rows, int32_t d, int32_t lo, int32_t hi) {
  if (lo >= hi || d >= READING_WIDTH) return;
  for (int32_t i = lo; i < hi; ++i) {
    int32_t m = i;
    for (int32_t j = i + 1; j <= hi; ++j) {
      if (rows[j].key[d] < rows[m].key[d]) m = j;
    }
    std::swap(rows[i], rows[m]);
  }
  for (int32_t s = lo; s <= hi;) {
    int32_t e = s;
    while (e < hi && rows[e + 1].key[d] == rows[s].key[d]) ++e;
    if (rows[s].key[d] != 0) PlainSelectionSort(rows, d + 1, s, e);
    s = e + 1;
  }
}

// Sorts the roster's order by reading and returns it. The result is a permutation in key order
// that a second sort leaves alone; `subset` rows of the order sorted on their own end exactly as
// the plain selection sort leaves them, ties included.
DisplayOrder CheckSort(ConstBytes save, const OfficerRoster& roster, bool reverse, int32_t subset) {
  const int32_t count = roster.count;
  DisplayOrder order;
  order.fill(-5);
  CopyRosterOrder(roster, order);
  FUZZ_CHECK(std::equal(order.begin(), order.begin() + count, roster.ids.begin()));
  if (reverse) ReverseOrder(order, count);

  DisplayOrder sorted = order;
  FUZZ_CHECK(SortByReading(save, sorted, count));
  FUZZ_CHECK(std::equal(sorted.begin() + count, sorted.end(), order.begin() + count));
  std::vector<OfficerId> ids(sorted.begin(), sorted.begin() + count);
  std::sort(ids.begin(), ids.end());
  FUZZ_CHECK(std::equal(ids.begin(), ids.end(), roster.ids.begin()));
  for (int32_t r = 1; r < count; ++r) FUZZ_CHECK(SortKeyOf(save, sorted[r - 1]) <= SortKeyOf(save, sorted[r]));
  DisplayOrder again = sorted;
  FUZZ_CHECK(SortByReading(save, again, count));
  FUZZ_CHECK(again == sorted);

  // The rows of the officers from the input: the end of the ascending order, the start of the reversed.
  const int32_t n = std::min(subset, count);
  const int32_t first = reverse ? 0 : count - n;
  DisplayOrder part;
  part.fill(-5);
  std::copy_n(order.begin() + first, n, part.begin());
  std::vector<KeyedRow> rows;
  for (int32_t k = 0; k < n; ++k) rows.push_back({SortKeyOf(save, part[k]), part[k]});
  PlainSelectionSort(rows, 0, 0, n - 1);
  FUZZ_CHECK(SortByReading(save, part, n));
  for (int32_t k = 0; k < n; ++k) FUZZ_CHECK(part[k] == rows[k].id);
  FUZZ_CHECK(std::all_of(part.begin() + n, part.end(), [](OfficerId id) { return id == -5; }));
  return sorted;
}

// A list control whose top row stops at its last full page, as a list box's does.
class PagedKanaList final : public OfficerKanaJumpList {
 public:
  PagedKanaList(const DataFileImage& save, std::span<const OfficerId> rows, int32_t page)
      : OfficerKanaJumpList(save, rows), last_top_(std::max(0, static_cast<int32_t>(rows.size()) - page)) {}
  int32_t TopRow() override { return top_; }
  void SetTopRow(int32_t row) override { top_ = Clamp(row); }
  void AfterJump(int32_t row) override {
    ++jumps;
    jumped_to = row;
  }
  int32_t Clamp(int32_t row) const { return std::clamp(row, 0, last_top_); }

  int32_t jumps = 0;
  int32_t jumped_to = -1;

 private:
  int32_t last_top_;
  int32_t top_ = 0;
};

// A key moves the top row exactly when some row with the key's kana, outside the block of such rows
// the view starts with, can become the top row; it then becomes (as far as the list lets it) the
// top row, and AfterJump names it.
void CheckKanaJump(std::span<uint8_t> save, const OfficerRoster& roster, const DisplayOrder& sorted,
                   const FuzzInput& in) {
  DataFileImage image{};
  const bool closed = (in.U8(FLAGS) & FLAG_FILE_CLOSED) != 0;
  std::strcpy(image.path, closed ? "" : "fuzz.sav");
  image.length = static_cast<int32_t>(save.size());
  image.data = save.data();
  // Some rows of the sorted order or of the roster: a short list wraps and meets its ends often.
  const OfficerId* order = (in.U8(FLAGS) & FLAG_KANA_ID_ORDER) ? roster.ids.data() : sorted.data();
  const int32_t first = in.U16(KANA_FIRST) % roster.count;
  const int32_t shown = in.U16(KANA_ROWS) % (roster.count - first + 1);
  const int32_t count = shown == 0 ? roster.count - first : shown;
  const std::span<const OfficerId> rows(order + first, static_cast<size_t>(count));
  PagedKanaList list(image, rows, 1 + in.U8(PAGE) % 32);
  FUZZ_CHECK(list.RowCount() == count);
  std::vector<bool> match(static_cast<size_t>(count));
  const uintptr_t key = in.U16(KEY);
  const uint8_t kana = KanaOfKey(key);
  FUZZ_CHECK(kana == KanaOfKey(key & 0xFF));
  FUZZ_CHECK(kana == NO_KANA || (kana >= 0xB1 && kana <= 0xDD));
  for (int32_t r = 0; r < count; ++r) {
    const int32_t offset = NameFieldOffset(rows[r], READING_FIELD);
    const uint8_t first = list.FirstReadingByte(r);
    if (RecordInside(save, rows[r])) {
      FUZZ_CHECK(first == save[offset]);
    } else {
      FUZZ_CHECK(first == 0 || (static_cast<size_t>(offset) < save.size() && first == save[offset]));
    }
    match[r] = kana != NO_KANA && first == kana;
  }
  list.SetTopRow(static_cast<int32_t>(in.U16(TOP)));
  const int32_t top = list.TopRow();
  const bool moved = KanaJump(list, key);
  if (closed) {
    FUZZ_CHECK(!moved && list.TopRow() == top && list.jumps == 0);
    return;
  }
  std::vector<bool> in_block(static_cast<size_t>(count));
  for (int32_t k = 0; k < count && match[(top + k) % count]; ++k) in_block[(top + k) % count] = true;
  bool can_move = false;
  for (int32_t r = 0; r < count; ++r) can_move = can_move || (match[r] && !in_block[r] && list.Clamp(r) != top);
  FUZZ_CHECK(moved == can_move);
  if (moved) {
    FUZZ_CHECK(list.jumps == 1 && list.jumped_to >= 0 && list.jumped_to < count);
    FUZZ_CHECK(match[list.jumped_to] && !in_block[list.jumped_to]);
    FUZZ_CHECK(list.TopRow() == list.Clamp(list.jumped_to) && list.TopRow() != top);
  } else {
    FUZZ_CHECK(list.jumps == 0 && list.TopRow() == top);
  }
}

int32_t RosterPosition(const OfficerRoster& roster, OfficerId id) {
  const auto end = roster.ids.begin() + roster.count;
  const auto at = std::lower_bound(roster.ids.begin(), end, id);
  return at != end && *at == id ? static_cast<int32_t>(at - roster.ids.begin()) : -1;
}

// The owner combo shows "none" (the roster count) for NO_OWNER, the owner's position for a roster
// officer, and nothing (-1) for any other id, whatever the position map holds for it.
void CheckOwnerChoices(ConstBytes save, const OfficerRoster& roster, const RosterPositionMap& positions) {
  for (int32_t item = 0; item < ITEM_COUNT; ++item) {
    const int32_t entry = OwnerEntryOffset(item);
    const OfficerId owner = FieldInside(save, entry, OWNER_ENTRY_SIZE) ? save[entry] | (save[entry + 1] << 8) : -1;
    const int32_t choice = OwnerChoice(save, item, roster, positions);
    FUZZ_CHECK(choice == (owner == NO_OWNER ? roster.count : RosterPosition(roster, owner)));
  }
  FUZZ_CHECK(OwnerChoice(save, -1, roster, positions) == -1);
  FUZZ_CHECK(OwnerChoice(save, ITEM_COUNT, roster, positions) == -1);
}

// Storing an owner choice writes the two id bytes of the item's entry and nothing else, and the
// choice reads back; a choice naming nobody writes nothing.
void CheckOwnerWrite(std::span<uint8_t> save, const OfficerRoster& roster, const RosterPositionMap& positions,
                     const FuzzInput& in) {
  const int32_t choice = in.U16(OWNER_CHOICE) % (ROSTER_CAPACITY + 3) - 1;
  const int32_t item = in.U8(OWNER_ITEM);
  const int32_t items[] = {item, -1, ITEM_COUNT};
  const bool valid = choice >= 0 && choice <= roster.count;
  const int32_t entry = OwnerEntryOffset(item);
  const bool written = valid && item < ITEM_COUNT && FieldInside(save, entry, OWNER_ENTRY_SIZE);
  std::vector<uint8_t>& expected = CopyOf(save);
  if (written) {
    const OfficerId owner = choice == roster.count ? NO_OWNER : roster.ids[choice];
    expected[entry] = static_cast<uint8_t>(owner & 0xFF);
    expected[entry + 1] = static_cast<uint8_t>(owner >> 8);
  }
  FUZZ_CHECK(WriteItemOwner(save, items, choice, roster) == valid);
  FUZZ_CHECK(std::equal(save.begin(), save.end(), expected.begin()));
  if (written) FUZZ_CHECK(OwnerChoice(save, item, roster, positions) == choice);
}

// A family or given name edit stores the new name and rebuilds full_name from it and the other
// name's text, cut to whole characters beside it; no other byte changes.
void CheckNameEdit(std::span<uint8_t> save, const FuzzInput& in) {
  const bool given = (in.U8(FLAGS) & FLAG_GIVEN_NAME) != 0;
  const std::string text = in.Text(TEXT_LENGTH, TEXT, TEXT_CAPACITY);
  std::array<OfficerId, EDIT_ID_COUNT> ids;
  for (int32_t k = 0; k < EDIT_ID_COUNT; ++k) ids[k] = in.U16(EDIT_IDS + 2 * static_cast<size_t>(k)) % EDIT_ID_RANGE;

  const std::string_view name = WholePrefix(UpToNul(text), NAME_TEXT_LIMIT);
  std::vector<uint8_t>& expected = CopyOf(save);
  for (OfficerId id : ids) {
    if (id >= ROSTER_ID_LIMIT) continue;
    PutField(expected, NameFieldOffset(id, given ? GIVEN_NAME_FIELD : FAMILY_NAME_FIELD), name, NAME_WIDTH);
    const std::string_view other =
        WholePrefix(FieldTextOf(expected, NameFieldOffset(id, given ? FAMILY_NAME_FIELD : GIVEN_NAME_FIELD), NAME_WIDTH),
                    FULL_NAME_TEXT_LIMIT - name.size());
    const std::string full = given ? std::string(other) + std::string(name) : std::string(name) + std::string(other);
    PutField(expected, NameFieldOffset(id, FULL_NAME_FIELD), full, FULL_NAME_WIDTH);
  }
  if (given) {
    WriteGivenName(save, ids, text);
  } else {
    WriteFamilyName(save, ids, text);
  }
  FUZZ_CHECK(std::equal(save.begin(), save.end(), expected.begin()));
  for (OfficerId id : ids) {
    const int32_t full = NameFieldOffset(id, FULL_NAME_FIELD);
    if (id >= ROSTER_ID_LIMIT || !FieldInside(save, full, FULL_NAME_WIDTH)) continue;
    const std::string_view field(reinterpret_cast<const char*>(save.data() + full), FULL_NAME_WIDTH);
    FUZZ_CHECK(field.find('\0') != std::string_view::npos && IsWholeCharacters(UpToNul(field)));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in(data, size);
  const std::span<uint8_t> save = MakeImage(in);

  OfficerRoster roster;
  roster.ids.fill(0x7FFF);
  roster.count = -1;
  // A map left over from an earlier file: entries of officers not in this roster hold anything.
  RosterPositionMap positions;
  for (size_t id = 0; id < positions.size(); ++id) {
    positions[id] = static_cast<int32_t>((id * 37 + in.U8(TOP)) % (ROSTER_CAPACITY + 100)) - 50;
  }
  BuildOfficerRoster(save, roster, &positions);
  CheckRoster(save, roster, positions);
  CheckListTexts(save, roster);
  const DisplayOrder sorted = CheckSort(save, roster, (in.U8(FLAGS) & FLAG_REVERSE) != 0, in.U8(SUBSET));
  CheckKanaJump(save, roster, sorted, in);
  CheckOwnerChoices(save, roster, positions);
  CheckOwnerWrite(save, roster, positions, in);
  CheckNameEdit(save, in);
  return 0;
}
