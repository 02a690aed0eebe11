// Fuzz target: a save image described by the input (the sample save in the shape the input gives
// it, with the input's patches over it), one command on a selection of its officers, and the check
// of what the core promises for it: the roster and its list texts, the sort by reading, the kana
// jump, the owner choices and owner edit, or one of the officer edits. After any command the image
// must hold exactly the bytes its model expects, everywhere. See fuzz_layouts.h.
#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "formats/data_image.h"
#include "fuzz_image.h"
#include "fuzz_input.h"
#include "fuzz_layouts.h"
#include "model/display_order.h"
#include "model/item_table.h"
#include "model/kana_jump.h"
#include "model/officer_edits.h"
#include "model/roster.h"
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

bool IsEditable(OfficerId id) { return id >= 0 && id < ROSTER_ID_LIMIT; }

// The field's bytes up to its first NUL; empty when it is not wholly inside the image.
std::string_view FieldTextOf(ConstBytes image, int32_t offset, int32_t width) {
  if (!FieldInside(image, offset, width)) return {};
  return UpToNul(std::string_view(reinterpret_cast<const char*>(image.data() + offset), static_cast<size_t>(width)));
}

// A text field as the editors store it (text, NUL, spaces) into the expected image; nothing when it
// is not wholly inside the image.
void ExpectField(FuzzImage& image, int32_t offset, std::string_view text, int32_t width) {
  if (!FieldInside(image.Expected(), offset, width)) return;
  uint8_t* field = image.Expect(static_cast<size_t>(offset), static_cast<size_t>(width));
  std::fill_n(field, width, uint8_t{0x20});
  std::copy(text.begin(), text.end(), field);
  field[text.size()] = 0;
}

// The bits of `mask` of one byte replaced with those of `bits` in the expected image, when the byte
// lies inside the image.
void ExpectBits(FuzzImage& image, int32_t offset, uint8_t mask, uint8_t bits) {
  if (!FieldInside(image.Expected(), offset, 1)) return;
  uint8_t* byte = image.Expect(static_cast<size_t>(offset), 1);
  *byte = static_cast<uint8_t>((*byte & ~mask) | (bits & mask));
}

FuzzImage& SaveImage() {
  static FuzzImage image(MakeSampleSave());
  return image;
}

// The input's shape of the roster (optional officers, the run from 800 on), its patches, its cut.
void DescribeImage(FuzzImage& image, const FuzzInput& in) {
  const uint8_t flags = in.U8(FLAGS);
  constexpr OfficerId templates = SAMPLE_RUN_LAST - SAMPLE_RUN_FIRST + 1;
  auto copy_record = [&](OfficerId from, OfficerId to) {
    image.CopyFromBase(NameRecordOffset(from), NameRecordOffset(to), NAME_RECORD_SIZE);
  };
  for (OfficerId id = OPTIONAL_IDS_FIRST; id <= OPTIONAL_IDS_LAST; ++id) {
    if (flags & FLAG_CLEAR_OPTIONAL) image.Fill(NameRecordOffset(id), 1, 0);
    if (flags & FLAG_FILL_OPTIONAL) copy_record(SAMPLE_RUN_FIRST + id % templates, id);
  }
  const int32_t run = in.U16(RUN) % RUN_EXTENSION_LIMIT;
  for (int32_t k = 0; k < run; ++k) copy_record(SAMPLE_RUN_FIRST + k % templates, RUN_EXTENSION_FIRST_ID + k);
  image.ApplyPatches(in, PATCHES, {0, NAME_TABLE_OFFSET, LOYALTY_OFFSET, OWNER_TABLE_OFFSET});
  if (flags & FLAG_TRUNCATE) image.Cut(static_cast<size_t>(NameRecordOffset(CUT_FIRST_ID)) + in.U16(CUT));
}

// The officers of the selection: rows of the display order (the roster's, reversed with
// FLAG_REVERSE), or listed ids, which may be any id at all, repeated or outside every roster.
const std::vector<OfficerId>& SelectedOfficers(const FuzzInput& in, const OfficerRoster& roster) {
  static std::vector<int32_t> rows;
  static std::vector<OfficerId> ids;
  ids.clear();
  if (in.U8(SELECT_MODE) % selection_input::MODE_COUNT == selection_input::SELECT_LISTED) {
    const int32_t count = in.U8(ID_COUNT) % (ID_CAPACITY + 1);
    for (int32_t k = 0; k < count; ++k) {
      ids.push_back(in.U16(IDS + 2 * static_cast<size_t>(k)) % ID_RANGE - ID_BELOW_ZERO);
    }
    return ids;
  }
  SelectedRows(in, SELECT_MODE, SELECT_FIRST, SELECT_COUNT, roster.count, rows);
  const bool reverse = (in.U8(FLAGS) & FLAG_REVERSE) != 0;
  for (int32_t row : rows) ids.push_back(roster.ids[reverse ? roster.count - 1 - row : row]);
  return ids;
}

// The roster holds 0 to 657, then the optional officers in use, then the run in use from 760,
// which ends at the first officer not in use or at the roster's capacity.
void CheckRoster(ConstBytes save, const OfficerRoster& roster, const RosterPositionMap& positions) {
  const int32_t count = roster.count;
  FUZZ_CHECK(count >= ALWAYS_LISTED_IDS && count <= ROSTER_CAPACITY);
  std::array<bool, ROSTER_ID_LIMIT> listed{};
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

// The list rows show each text up to its NUL, cut to whole characters within the field; an id
// outside every roster shows nothing.
void CheckListTexts(ConstBytes save, std::span<const OfficerId> ids) {
  for (OfficerId id : ids) {
    const bool shown = IsEditable(id);
    FUZZ_CHECK(OfficerFullName(save, id) ==
               (shown ? WholePrefix(FieldTextOf(save, NameFieldOffset(id, FULL_NAME_FIELD), FULL_NAME_WIDTH),
                                    FULL_NAME_WIDTH)
                      : std::string_view()));
    FUZZ_CHECK(OfficerReading(save, id) ==
               (shown ? WholePrefix(FieldTextOf(save, NameFieldOffset(id, READING_FIELD), READING_WIDTH), READING_WIDTH)
                      : std::string_view()));
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

// The sort keys' memory: one block reused by every sort, of which exactly the bytes asked for are
// usable (the rest stays poisoned under AddressSanitizer). The heap would hand every sort fresh
// pages, which costs more than the sort.
class ArenaKeyMemory final : public KeyMemory {
 public:
  ArenaKeyMemory() { Poison(); }
  void* Allocate(size_t bytes) override {
    if (bytes > sizeof block_) return nullptr;
#ifdef FUZZ_IMAGE_ASAN
    ASAN_UNPOISON_MEMORY_REGION(block_, bytes);
#endif
    return block_;
  }
  void Release(void* block) override {
    FUZZ_CHECK(block == block_);
    Poison();
  }

 private:
  void Poison() {
#ifdef FUZZ_IMAGE_ASAN
    ASAN_POISON_MEMORY_REGION(block_, sizeof block_);
#endif
  }
  // Pointer, key and column byte of every row a sort can have.
  alignas(ReadingKey) uint8_t block_[ROSTER_CAPACITY * (sizeof(ReadingKey) + READING_WIDTH + 1)];
};

KeyMemory& SortKeyMemory() {
  static ArenaKeyMemory memory;
  return memory;
}

// Sorts the selected officers' rows (the first SORT_ROW_LIMIT of them) by reading. The result is a
// permutation in key order that a second sort leaves alone; up to SUBSET_LIMIT rows (all of them,
// or the last `subset`) sorted on their own end exactly as the plain selection sort leaves them,
// ties included.
void CheckSort(ConstBytes save, std::span<const OfficerId> ids, int32_t subset) {
  const int32_t count = std::min(static_cast<int32_t>(ids.size()), SORT_ROW_LIMIT);
  static DisplayOrder order, sorted, again, part;
  order.fill(-5);
  std::copy_n(ids.begin(), count, order.begin());

  sorted = order;
  FUZZ_CHECK(SortByReading(save, sorted, count, SortKeyMemory()));
  FUZZ_CHECK(std::equal(sorted.begin() + count, sorted.end(), order.begin() + count));
  static std::vector<OfficerId> before, after;
  before.assign(order.begin(), order.begin() + count);
  after.assign(sorted.begin(), sorted.begin() + count);
  std::sort(before.begin(), before.end());
  std::sort(after.begin(), after.end());
  FUZZ_CHECK(before == after);
  for (int32_t r = 1; r < count; ++r) FUZZ_CHECK(SortKeyOf(save, sorted[r - 1]) <= SortKeyOf(save, sorted[r]));
  again = sorted;
  FUZZ_CHECK(SortByReading(save, again, count, SortKeyMemory()));
  FUZZ_CHECK(again == sorted);

  const int32_t n = count <= SUBSET_LIMIT ? count : std::min(subset, count);
  part.fill(-5);
  std::copy_n(order.begin() + (count - n), n, part.begin());
  static std::vector<KeyedRow> rows;
  rows.clear();
  for (int32_t k = 0; k < n; ++k) rows.push_back({SortKeyOf(save, part[k]), part[k]});
  PlainSelectionSort(rows, 0, 0, n - 1);
  FUZZ_CHECK(SortByReading(save, part, n, SortKeyMemory()));
  for (int32_t k = 0; k < n; ++k) FUZZ_CHECK(part[k] == rows[k].id);
  FUZZ_CHECK(std::all_of(part.begin() + n, part.end(), [](OfficerId id) { return id == -5; }));
}

// A list control whose top row stops at its last full page, as a list box's does.
class PagedKanaList final : public OfficerKanaJumpList {
 public:
  PagedKanaList(std::span<const uint8_t> save, std::span<const OfficerId> rows, int32_t page)
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
void CheckKanaJump(std::span<uint8_t> save, std::span<const OfficerId> rows, const FuzzInput& in) {
  DataFileImage image{};
  const bool closed = (in.U8(FLAGS) & FLAG_FILE_CLOSED) != 0;
  std::strcpy(image.path, closed ? "" : "fuzz.sav");
  image.length = static_cast<int32_t>(save.size());
  image.data = save.data();
  const auto count = static_cast<int32_t>(rows.size());
  PagedKanaList list(OpenImageBytes(image), rows, 1 + in.U8(PAGE) % 32);
  FUZZ_CHECK(list.RowCount() == count);
  std::vector<bool> match(static_cast<size_t>(count));
  const uintptr_t key = in.U16(KEY);
  const uint8_t kana = KanaOfKey(key);
  FUZZ_CHECK(kana == KanaOfKey(key & 0xFF));
  FUZZ_CHECK(kana == NO_KANA || (kana >= 0xB1 && kana <= 0xDD));
  for (int32_t r = 0; r < count; ++r) {
    const int32_t offset = NameFieldOffset(rows[r], READING_FIELD);
    const uint8_t first = list.FirstReadingByte(r);
    if (closed) {
      FUZZ_CHECK(first == 0);  // a closed file has no bytes to read
    } else if (RecordInside(save, rows[r])) {
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
void CheckOwnerWrite(FuzzImage& image, const OfficerRoster& roster, const RosterPositionMap& positions,
                     const FuzzInput& in) {
  const std::span<uint8_t> save = image.Working();
  const int32_t choice = in.U16(OWNER_CHOICE) % (ROSTER_CAPACITY + 3) - 1;
  const int32_t item = in.U8(INDEX);
  const int32_t items[] = {item, -1, ITEM_COUNT};
  const bool valid = choice >= 0 && choice <= roster.count;
  const int32_t entry = OwnerEntryOffset(item);
  const bool written = valid && item < ITEM_COUNT && FieldInside(save, entry, OWNER_ENTRY_SIZE);
  if (written) {
    const OfficerId owner = choice == roster.count ? NO_OWNER : roster.ids[choice];
    uint8_t* expected = image.Expect(entry, 2);
    expected[0] = static_cast<uint8_t>(owner & 0xFF);
    expected[1] = static_cast<uint8_t>(owner >> 8);
  }
  FUZZ_CHECK(WriteItemOwner(save, items, choice, roster) == valid);
  if (written) FUZZ_CHECK(OwnerChoice(save, item, roster, positions) == choice);
}
// A family or given name edit stores the new name and rebuilds full_name from it and the other
// name's text, cut to whole characters beside it; no other byte changes.
void CheckNameEdit(FuzzImage& image, std::span<const OfficerId> ids, const FuzzInput& in) {
  const bool given = (in.U8(FLAGS) & FLAG_SECOND) != 0;
  const std::string text = in.Text(TEXT_LENGTH, TEXT, TEXT_CAPACITY);
  const std::string_view name = WholePrefix(UpToNul(text), NAME_TEXT_LIMIT);
  for (OfficerId id : ids) {
    if (!IsEditable(id)) continue;
    ExpectField(image, NameFieldOffset(id, given ? GIVEN_NAME_FIELD : FAMILY_NAME_FIELD), name, NAME_WIDTH);
    const std::string_view other = WholePrefix(
        FieldTextOf(image.Expected(), NameFieldOffset(id, given ? FAMILY_NAME_FIELD : GIVEN_NAME_FIELD), NAME_WIDTH),
        FULL_NAME_TEXT_LIMIT - name.size());
    const std::string_view first = given ? other : name, second = given ? name : other;
    char full[FULL_NAME_WIDTH];
    std::copy(second.begin(), second.end(), std::copy(first.begin(), first.end(), full));
    ExpectField(image, NameFieldOffset(id, FULL_NAME_FIELD), std::string_view(full, first.size() + second.size()),
                FULL_NAME_WIDTH);
  }
  const std::span<uint8_t> save = image.Working();
  if (given) {
    WriteGivenName(save, ids, text);
  } else {
    WriteFamilyName(save, ids, text);
  }
  for (OfficerId id : ids) {
    const int32_t full = NameFieldOffset(id, FULL_NAME_FIELD);
    if (!IsEditable(id) || !FieldInside(save, full, FULL_NAME_WIDTH)) continue;
    const std::string_view field(reinterpret_cast<const char*>(save.data() + full), FULL_NAME_WIDTH);
    FUZZ_CHECK(field.find('\0') != std::string_view::npos && IsWholeCharacters(UpToNul(field)));
    FUZZ_CHECK(OfficerFullName(save, id) == UpToNul(field));
  }
}

// The courtesy name or the reading alone, stored as typed up to its NUL, cut to whole characters.
void CheckTextEdit(FuzzImage& image, std::span<const OfficerId> ids, const FuzzInput& in) {
  const bool reading = (in.U8(FLAGS) & FLAG_SECOND) != 0;
  const std::string text = in.Text(TEXT_LENGTH, TEXT, TEXT_CAPACITY);
  const int32_t field = reading ? READING_FIELD : COURTESY_NAME_FIELD;
  const int32_t width = reading ? READING_WIDTH : NAME_WIDTH;
  const std::string_view stored = WholePrefix(UpToNul(text), static_cast<size_t>(width - 1));
  for (OfficerId id : ids) {
    if (IsEditable(id)) ExpectField(image, NameFieldOffset(id, field), stored, width);
  }
  if (reading) {
    WriteReading(image.Working(), ids, text);
  } else {
    WriteCourtesyName(image.Working(), ids, text);
  }
  for (OfficerId id : ids) {
    if (reading && IsEditable(id) && FieldInside(image.Working(), NameFieldOffset(id, field), width)) {
      FUZZ_CHECK(OfficerReading(image.Working(), id) == stored);
    }
  }
}

// The numbers of the name record: face number (16-bit little-endian at +48), birth year (year - 100,
// with the no-aging rule), an ability (+37 + index). A value outside its range writes nothing.
void CheckNameRecordNumber(FuzzImage& image, std::span<const OfficerId> ids, Command command, const FuzzInput& in) {
  const int32_t value = in.I16(VALUE);
  const int32_t index = static_cast<int8_t>(in.U8(INDEX));
  const bool no_aging = (in.U8(FLAGS) & FLAG_NO_AGING) != 0;
  const std::span<uint8_t> save = image.Working();
  for (OfficerId id : ids) {
    if (!IsEditable(id)) continue;
    if (command == FACE && value >= 0 && value <= 845) {
      ExpectBits(image, NameFieldOffset(id, FACE_NUMBER_FIELD), 0xFF, static_cast<uint8_t>(value & 0xFF));
      ExpectBits(image, NameFieldOffset(id, FACE_NUMBER_FIELD + 1), 0xFF, static_cast<uint8_t>(value >> 8));
    } else if (command == BIRTH_YEAR && value >= 100 && value <= 355) {
      const int32_t offset = NameFieldOffset(id, BIRTH_YEAR_FIELD);
      const auto stored = static_cast<uint8_t>(value - 100);
      if (FieldInside(image.Expected(), offset, 1) && (!no_aging || image.Expected()[offset] < stored)) {
        ExpectBits(image, offset, 0xFF, stored);
      }
    } else if (command == ABILITY && index >= 0 && index < ABILITY_COUNT && value >= 0 && value <= 100) {
      ExpectBits(image, NameFieldOffset(id, ABILITY_FIELD + index), 0xFF, static_cast<uint8_t>(value));
    }
  }
  if (command == FACE) WriteFaceNumber(save, ids, value);
  if (command == BIRTH_YEAR) WriteBirthYear(save, ids, value, no_aging);
  if (command == ABILITY) WriteAbility(save, ids, index, value);
}

// An officer's attribute fields are written only when every byte an attribute edit writes, up to
// the last tactic rank byte, lies below the name table; the others are left out and counted, and
// all of their fields lie at or past the name table.
bool AttributesBelowNameTable(OfficerId id) {
  return AttributeOffset(TACTIC_RANKS_OFFSET, id) + TACTIC_RANKS_WIDTH <= NAME_TABLE_OFFSET;
}

// The byte and bit of a skill: skills 0 and 1 are bits 7 and 6 of the first flag byte; then each
// following byte holds eight skills from its top bit down.
void SkillBit(int32_t skill, int32_t& byte, uint8_t& mask) {
  const int32_t firsts[] = {0, 2, 10, 18, 26};
  const int32_t tops[] = {7, 9, 17, 25};
  for (byte = 0; skill >= firsts[byte + 1]; ++byte) {
  }
  mask = static_cast<uint8_t>(1 << (tops[byte] - skill));
}

// Life span (bits 5 to 7), loyalty, a skill bit or a tactic rank nibble (ranks 1 to 6 stored as 8
// to 13; tactic 14 at position 15, the low nibble of the last byte).
void CheckAttributeEdit(FuzzImage& image, std::span<const OfficerId> ids, Command command, const FuzzInput& in) {
  const int32_t value = in.I16(VALUE);
  const int32_t index = static_cast<int8_t>(in.U8(INDEX));
  const int32_t rank = static_cast<int8_t>(in.U8(RANK));
  int32_t offset = 0;  // from the officer's attribute record
  uint8_t mask = 0, bits = 0;
  bool accepted = false;
  if (command == LIFE_SPAN) {
    accepted = value >= 0 && value <= 7;
    offset = LIFE_SPAN_OFFSET, mask = 0xE0, bits = static_cast<uint8_t>(value << 5);
  } else if (command == LOYALTY) {
    accepted = value >= 0 && value <= 100;
    offset = LOYALTY_OFFSET, mask = 0xFF, bits = static_cast<uint8_t>(value);
  } else if (command == SKILL) {
    accepted = index >= 0 && index < SKILL_COUNT;
    int32_t byte = 0;
    if (accepted) SkillBit(index, byte, mask);
    offset = SKILL_FLAGS_OFFSET + byte, bits = (rank & 1) ? 0xFF : 0x00;
  } else {
    accepted = index >= 0 && index < TACTIC_COUNT && rank >= 0 && rank < TACTIC_RANK_COUNT;
    const int32_t position = index == 14 ? 15 : index;
    const uint8_t nibble = rank == 0 ? 0 : static_cast<uint8_t>(rank + 7);
    offset = TACTIC_RANKS_OFFSET + position / 2;
    mask = position % 2 == 0 ? 0xF0 : 0x0F;
    bits = static_cast<uint8_t>(nibble << 4 | nibble);
  }
  int32_t left_out = 0;
  for (OfficerId id : ids) {
    if (!IsEditable(id)) continue;
    if (!AttributesBelowNameTable(id)) {
      FUZZ_CHECK(AttributeOffset(LOYALTY_OFFSET, id) >= NAME_TABLE_OFFSET);
      ++left_out;
    } else if (accepted) {
      FUZZ_CHECK(AttributeOffset(offset, id) < NAME_TABLE_OFFSET);
      ExpectBits(image, AttributeOffset(offset, id), mask, bits);
    }
  }
  FUZZ_CHECK(CountOfficersLeftOutOfAttributeEdits(ids) == left_out);
  const std::span<uint8_t> save = image.Working();
  int32_t reported = 0;
  if (command == LIFE_SPAN) reported = WriteLifeSpan(save, ids, value);
  if (command == LOYALTY) reported = WriteLoyalty(save, ids, value);
  if (command == SKILL) reported = WriteSkill(save, ids, index, (rank & 1) != 0);
  if (command == TACTIC_RANK) reported = WriteTacticRank(save, ids, index, rank);
  FUZZ_CHECK(reported == (accepted ? left_out : 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzInput in(data, size);
  FuzzImage& image = SaveImage();
  DescribeImage(image, in);
  const std::span<uint8_t> save = image.Working();

  const auto command = static_cast<Command>(in.U8(COMMAND) % COMMAND_COUNT);
  static OfficerRoster roster;
  roster.ids.fill(0x7FFF);
  roster.count = -1;
  // A map left over from an earlier file: entries of officers not in this roster hold anything.
  static RosterPositionMap positions;
  if (command == ROSTER || command == OWNER) {
    for (size_t id = 0; id < positions.size(); ++id) {
      positions[id] = static_cast<int32_t>((id * 37 + in.U8(TOP)) % (ROSTER_CAPACITY + 100)) - 50;
    }
    BuildOfficerRoster(save, roster, &positions);
  } else {
    BuildOfficerRoster(save, roster);
  }

  const std::vector<OfficerId>& ids = SelectedOfficers(in, roster);
  switch (command) {
    case ROSTER:
      CheckRoster(save, roster, positions);
      CheckListTexts(save, ids);
      break;
    case SORT:
      CheckSort(save, ids, in.U8(SUBSET) % (SUBSET_LIMIT + 1));
      break;
    case KANA_JUMP: {
      // Some rows of the roster, in roster order or sorted by reading (at most SORT_ROW_LIMIT of
      // them, as the sort command): a short list wraps and meets its ends often.
      const bool sorted = (in.U8(FLAGS) & FLAG_KANA_ID_ORDER) == 0;
      const int32_t first = in.U16(KANA_FIRST) % roster.count;
      const int32_t shown = in.U16(KANA_ROWS) % (roster.count - first + 1);
      const int32_t count = std::min(shown == 0 ? roster.count - first : shown, sorted ? SORT_ROW_LIMIT : ROSTER_CAPACITY);
      static DisplayOrder rows;
      std::copy_n(roster.ids.begin() + first, count, rows.begin());
      if (sorted) FUZZ_CHECK(SortByReading(save, rows, count, SortKeyMemory()));
      CheckKanaJump(save, std::span<const OfficerId>(rows.data(), static_cast<size_t>(count)), in);
      break;
    }
    case OWNER:
      CheckOwnerChoices(save, roster, positions);
      CheckOwnerWrite(image, roster, positions, in);
      break;
    case NAME:
      CheckNameEdit(image, ids, in);
      break;
    case TEXT_FIELD:
      CheckTextEdit(image, ids, in);
      break;
    case FACE:
    case BIRTH_YEAR:
    case ABILITY:
      CheckNameRecordNumber(image, ids, command, in);
      break;
    default:
      CheckAttributeEdit(image, ids, command, in);
      break;
  }
  FUZZ_CHECK(image.MatchesExpected());
  image.Reset();
  return 0;
}
