// Writes the synthetic seed corpus of the fuzz targets: a few small inputs per target, laid out as
// fuzz_layouts.h says, that reach the cases worth starting from (a full roster, officers whose
// attribute fields would lie in the name table, fields without a NUL, half characters, cut images,
// owners outside the roster, combo boxes without an entry, paths at their limit), and the inputs
// of earlier findings, named regression_*.
//
//   make_fuzz_seeds <corpus directory>
// writes <corpus directory>/<target>/<seed name>; other files there stay.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "formats/csv.h"
#include "formats/data_image.h"
#include "formats/item_csv.h"
#include "formats/officer_csv.h"
#include "fuzz_layouts.h"
#include "model/item_table.h"
#include "model/roster.h"
#include "platform/iconv_cp932_codec.h"
#include "sample_data.h"
#include "sjis_text.h"

namespace {

class Seed {
 public:
  explicit Seed(size_t header_size) : bytes_(header_size, 0) {}
  Seed& U8(size_t at, uint8_t value) {
    bytes_[at] = value;
    return *this;
  }
  Seed& U16(size_t at, uint32_t value) { return U8(at, value & 0xFF).U8(at + 1, (value >> 8) & 0xFF); }
  Seed& I32(size_t at, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    return U16(at, bits & 0xFFFF).U16(at + 2, bits >> 16);
  }
  Seed& Text(size_t at, const std::string& text) {
    for (size_t k = 0; k < text.size(); ++k) bytes_[at + k] = static_cast<uint8_t>(text[k]);
    return *this;
  }
  Seed& Append(const std::string& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
  }
  // A patch of the image targets: `bytes` at `offset` from the start of `region`, in pieces of at
  // most 255 bytes.
  Seed& Patch(uint8_t region, uint32_t offset, const std::string& bytes) {
    for (size_t done = 0; done < bytes.size(); done += 255) {
      const std::string piece = bytes.substr(done, 255);
      PatchHeader(region, offset + static_cast<uint32_t>(done), piece.size()).Append(piece);
    }
    return *this;
  }
  // `width` bytes of `value` at `offset` from the start of `region`, in pieces of at most 255.
  Seed& FillPatch(uint8_t region, uint32_t offset, size_t width, uint8_t value) {
    for (size_t done = 0; done < width; done += 255) {
      PatchHeader(region | patch_input::PATCH_FILL, offset + static_cast<uint32_t>(done), std::min<size_t>(255, width - done))
          .Append(std::string(1, static_cast<char>(value)));
    }
    return *this;
  }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
  Seed& PatchHeader(uint8_t kind, uint32_t offset, size_t width) {
    const char header[] = {static_cast<char>(kind), static_cast<char>(offset & 0xFF),
                           static_cast<char>((offset >> 8) & 0xFF), static_cast<char>((offset >> 16) & 0xFF),
                           static_cast<char>(width)};
    return Append(std::string(header, sizeof header));
  }

  std::vector<uint8_t> bytes_;
};

// A 60-byte officer name record with the given raw field bytes (not padded, not terminated).
std::string NameRecord(const std::string& family, const std::string& given, const std::string& reading,
                       const std::string& full) {
  std::string record(NAME_RECORD_SIZE, ' ');
  record.replace(FAMILY_NAME_FIELD, family.size(), family);
  record.replace(GIVEN_NAME_FIELD, given.size(), given);
  record.replace(READING_FIELD, reading.size(), reading);
  record.replace(FULL_NAME_FIELD, full.size(), full);
  return record;
}

std::string WithNul(const std::string& text) { return text + std::string(1, '\0'); }

// A 21-byte item record: name bytes as given, then type, image, price code, increase, skill, filler.
std::string ItemRecord(const std::string& name, uint8_t type, uint8_t image, uint8_t price, uint8_t increase,
                       uint8_t skill) {
  std::string record(ITEM_RECORD_SIZE, ' ');
  record.replace(0, name.size(), name);
  record[ITEM_TYPE_FIELD] = static_cast<char>(type);
  record[ITEM_IMAGE_FIELD] = static_cast<char>(image);
  record[ITEM_PRICE_FIELD] = static_cast<char>(price);
  record[ITEM_INCREASE_FIELD] = static_cast<char>(increase);
  record[ITEM_SKILL_FIELD] = static_cast<char>(skill);
  return record;
}

struct NamedSeed {
  const char* name;
  Seed seed;
};

// Officer ids of the selection input as stored: id + ID_BELOW_ZERO.
uint32_t ListedId(OfficerId id) { return static_cast<uint32_t>(id + save_input::ID_BELOW_ZERO); }

Seed Listed(Seed seed, std::initializer_list<OfficerId> ids) {
  using namespace save_input;
  seed.U8(SELECT_MODE, selection_input::SELECT_LISTED).U8(ID_COUNT, static_cast<uint8_t>(ids.size()));
  size_t k = 0;
  for (OfficerId id : ids) seed.U16(IDS + 2 * k++, ListedId(id));
  return seed;
}

std::vector<NamedSeed> SaveSeeds() {
  using namespace save_input;
  const std::string lead_only = "\x83";  // a lead byte whose second byte is missing
  // Records 650 to 669: fields filled to the last byte, half characters, an empty record.
  std::string records;
  for (OfficerId id = 650; id < 670; ++id) {
    switch (id % 5) {
      case 0: records += NameRecord(Sjis("青") + Sjis("白") + "A", Sjis("風雲") + "B", "\xB1\xB2\xB3\xB4\xB5\xB6\xB7\xB8\xB9\xBA\xBB",
                                    Sjis("青白風雲") + "C"); break;
      case 1: records += NameRecord(WithNul(Sjis("黒")), WithNul("AB" + lead_only), WithNul("\xB1\xDE\xB2"),
                                    WithNul(Sjis("黒") + "AB")); break;
      case 2: records += NameRecord(WithNul("Z" + Sjis("森")), WithNul(Sjis("光")), "\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1\xB1" + lead_only + "Q",
                                    Sjis("森光森光") + lead_only); break;
      case 3: records += NameRecord(std::string(1, '\0'), WithNul(Sjis("雪")), std::string(1, '\0'), std::string(1, '\0')); break;
      default: records += NameRecord(WithNul("\xB1"), WithNul("\xB2"), WithNul("\xB1"), WithNul("\xB1\xB2")); break;
    }
  }
  const uint32_t at_650 = 650 * NAME_RECORD_SIZE;  // offset of record 650 in the name table
  auto seed = [](Command command) { return Seed(PATCHES).U8(COMMAND, command); };
  // The roster full up to 1101: no optional officers, the run from 760 on through 1101.
  auto full_roster = [&](Command command) { return seed(command).U8(FLAGS, FLAG_CLEAR_OPTIONAL).U16(RUN, 302); };

  std::vector<NamedSeed> seeds;
  seeds.push_back({"sample", seed(ROSTER).U8(SELECT_MODE, selection_input::SELECT_ALL)});
  seeds.push_back({"sort_sample", seed(SORT).U8(SELECT_MODE, selection_input::SELECT_ALL).U8(SUBSET, 40)});
  seeds.push_back({"full_roster_sort", full_roster(SORT).U8(FLAGS, FLAG_CLEAR_OPTIONAL | FLAG_REVERSE)
                                           .U8(SELECT_MODE, selection_input::SELECT_ALL).U8(SUBSET, 64)});
  // Five records whose every byte is ｱ: readings without a NUL, identical over 10 bytes.
  seeds.push_back({"sort_identical_readings",
                   seed(SORT).U8(SELECT_MODE, selection_input::SELECT_RUN).U16(SELECT_COUNT, 40)
                       .FillPatch(REGION_NAMES, 0, 5 * NAME_RECORD_SIZE, 0xB1)});
  seeds.push_back({"full_roster_kana", full_roster(KANA_JUMP).U16(KEY, 0x45).U16(TOP, 900).U8(PAGE, 14)});
  seeds.push_back({"past_capacity_kana", seed(KANA_JUMP).U8(FLAGS, FLAG_FILL_OPTIONAL | FLAG_REVERSE).U16(RUN, 374)
                                             .U16(KEY, 0x1BA).U16(TOP, 990)});
  seeds.push_back({"fields_without_nul", Listed(seed(NAME), {650, 652, 655}).U8(FLAGS, FLAG_SECOND).U8(TEXT_LENGTH, 4)
                                             .Text(TEXT, Sjis("雲") + "X" + lead_only).Patch(REGION_NAMES, at_650, records)});
  seeds.push_back({"list_texts_without_nul", seed(ROSTER).U8(SELECT_MODE, selection_input::SELECT_RUN).U16(SELECT_FIRST, 650)
                                                 .U16(SELECT_COUNT, 20).Patch(REGION_NAMES, at_650, records)});
  seeds.push_back({"family_edit", Listed(seed(NAME), {0, 5, 1101}).U8(TEXT_LENGTH, 16)
                                      .Text(TEXT, Sjis("白鷺") + std::string(1, '\0') + "tail").Patch(REGION_NAMES, at_650, records)});
  seeds.push_back({"cut_in_run", Listed(seed(NAME), {779, 780}).U8(FLAGS, FLAG_TRUNCATE)
                                     .U16(CUT, (780 - CUT_FIRST_ID) * NAME_RECORD_SIZE + 30).U8(TEXT_LENGTH, 2)
                                     .Text(TEXT, Sjis("林"))});
  seeds.push_back({"cut_before_run", seed(OWNER).U8(FLAGS, FLAG_TRUNCATE).U16(CUT, 7).U16(RUN, 100)
                                         .U16(OWNER_CHOICE, 659).U8(INDEX, 3)});
  // Owners: nobody, never listed, beyond the run, the largest id, no officer at all, run officers.
  Seed owners = seed(OWNER);
  const uint32_t owner_ids[] = {NO_OWNER, 658, 801, 1101, 0xFFFF, 760, 799, 800, 0, 1102};
  for (size_t k = 0; k < std::size(owner_ids); ++k) {
    owners.Patch(REGION_OWNERS, static_cast<uint32_t>(k * OWNER_ENTRY_SIZE),
                 std::string{static_cast<char>(owner_ids[k] & 0xFF), static_cast<char>(owner_ids[k] >> 8)});
  }
  owners.U16(OWNER_CHOICE, 703).U8(INDEX, 9);  // choice 702: "none" in the sample's roster of 702
  seeds.push_back({"owners", owners});
  seeds.push_back({"file_closed", seed(KANA_JUMP).U8(FLAGS, FLAG_FILE_CLOSED).U16(KEY, 0x33).U16(TOP, 5)});
  // A list of ten rows in roster order (650 to 657, 660, 661), pages of 5, the view at its end: the
  // match after the top row cannot become the top row, so the jump goes up to row 0, the one match above.
  std::string kana_records;
  for (OfficerId id = 650; id <= 661; ++id) {
    const std::string reading = id == 650 || id == 656 ? "\xB1\xB2" : "\xB6";  // ｱｲ or ｶ
    kana_records += NameRecord(WithNul("A"), WithNul("B"), WithNul(reading), WithNul("AB"));
  }
  seeds.push_back({"kana_at_list_end", seed(KANA_JUMP).U8(FLAGS, FLAG_KANA_ID_ORDER).U16(KANA_FIRST, 650)
                                           .U16(KANA_ROWS, 10).U8(PAGE, 4).U16(TOP, 9).U16(KEY, 0x33)
                                           .Patch(REGION_NAMES, at_650, kana_records)});
  // Attribute edits of every officer of a full roster: those from 899 on are left out.
  seeds.push_back({"loyalty_full_roster", full_roster(LOYALTY).U8(SELECT_MODE, selection_input::SELECT_ALL).U16(VALUE, 50)});
  seeds.push_back({"life_span_full_roster", full_roster(LIFE_SPAN).U8(SELECT_MODE, selection_input::SELECT_ALL).U16(VALUE, 5)});
  seeds.push_back({"skill_full_roster", full_roster(SKILL).U8(SELECT_MODE, selection_input::SELECT_ALL_BUT_RUN)
                                            .U16(SELECT_FIRST, 10).U16(SELECT_COUNT, 500).U8(INDEX, 25).U8(RANK, 1)});
  seeds.push_back({"tactic_around_the_name_table", Listed(full_roster(TACTIC_RANK), {897, 898, 899, 900, 1101, -1})
                                                       .U8(INDEX, 14).U8(RANK, 6)});
  seeds.push_back({"face", seed(FACE).U8(SELECT_MODE, selection_input::SELECT_RUN).U16(SELECT_FIRST, 600)
                               .U16(SELECT_COUNT, 80).U16(VALUE, 845)});
  // Stored years 190 and 320 (bytes 90 and 220): no aging takes 300 for the first only.
  seeds.push_back({"birth_year_no_aging", Listed(seed(BIRTH_YEAR), {1, 2}).U8(FLAGS, FLAG_NO_AGING).U16(VALUE, 300)
                                              .Patch(REGION_NAMES, 1 * NAME_RECORD_SIZE + BIRTH_YEAR_FIELD, "\x5A")
                                              .Patch(REGION_NAMES, 2 * NAME_RECORD_SIZE + BIRTH_YEAR_FIELD, "\xDC")});
  seeds.push_back({"ability", Listed(seed(ABILITY), {0, 657, 760}).U8(INDEX, 3).U16(VALUE, 100)});
  seeds.push_back({"courtesy_name", seed(TEXT_FIELD).U8(SELECT_MODE, selection_input::SELECT_ALL).U8(TEXT_LENGTH, 4)
                                        .Text(TEXT, Sjis("孔明"))});
  seeds.push_back({"reading", Listed(seed(TEXT_FIELD), {3, 1101, 1102}).U8(FLAGS, FLAG_SECOND).U8(TEXT_LENGTH, 12)
                                  .Text(TEXT, Sjis("ｼｮｶﾂﾘｮｳｺｳﾒｲ"))});
  // A family name edit of officer 748 on an image that ends where record 650 starts (its name
  // record lies past the end): once wrote past the image's end.
  seeds.push_back({"regression_name_edit_outside_image",
                   Listed(seed(NAME), {748, 0, 0}).U8(FLAGS, FLAG_TRUNCATE).U16(CUT, 0)});
  return seeds;
}

std::vector<NamedSeed> ScenarioSeeds() {
  using namespace scenario_input;
  const std::string lead_only = "\x83";
  std::string table;
  table += ItemRecord(Sjis("白銀獅子王冠") + "X", 0, 0, 30, 0, NO_SKILL);          // no NUL in 13 bytes
  table += ItemRecord(Sjis("白銀獅子王") + "AB" + lead_only, 11, 79, 255, 0x7F, 26);  // half character last
  table += ItemRecord(WithNul(Sjis("鉄") + "\xF0\x9A"), 12, 80, 0, 0x80, 27);         // past every list
  table += ItemRecord(WithNul(""), 0x80, 0xFF, 1, 0xFF, 0xFE);                       // negative as signed
  table += ItemRecord(WithNul(Sjis("茶")), 0x7F, 0x7F, 2, 99, 0x7F);
  auto seed = [](Command command) { return Seed(PATCHES).U8(COMMAND, command); };
  auto listed = [](Seed s, std::initializer_list<int32_t> items) {
    s.U8(SELECT_MODE, selection_input::SELECT_LISTED).U8(ITEM_LIST_COUNT, static_cast<uint8_t>(items.size()));
    size_t k = 0;
    for (int32_t item : items) s.U16(ITEMS + 2 * k++, static_cast<uint32_t>(item) & 0xFFFF);
    return s;
  };
  std::vector<NamedSeed> seeds;
  seeds.push_back({"sample", seed(VIEW)});
  seeds.push_back({"edits", listed(seed(ALL_FIELDS), {0, 3, 254, -1, 255, 3}).U16(TYPE_CHOICE, 11).U16(IMAGE_CHOICE, 79)
                                .U16(SKILL_CHOICE, 26).Text(PRICE_TEXT, "12750").Text(INCREASE_TEXT, "99")
                                .U8(NAME_LENGTH, 12).Text(NAME, Sjis("白雲の鞍") + "AB" + lead_only)});
  seeds.push_back({"refused_values", listed(seed(ALL_FIELDS), {1, 2}).U16(TYPE_CHOICE, 0xFFFF).U16(IMAGE_CHOICE, 256)
                                         .U16(SKILL_CHOICE, 27).Text(PRICE_TEXT, "12800").Text(INCREASE_TEXT, "-1")
                                         .U8(NAME_LENGTH, 16).Text(NAME, std::string(1, '\0') + "hidden")
                                         .Patch(REGION_ITEMS, 0, table)});
  seeds.push_back({"odd_records", listed(seed(ALL_FIELDS), {4}).Text(PRICE_TEXT, "00050").Text(INCREASE_TEXT, "07")
                                      .Patch(REGION_ITEMS, 0, table)});
  // "全て更新" after typing only a name, on the items whose bytes lie outside every list: each combo
  // box shows no entry (-1), so type, image and skill stay as they are.
  seeds.push_back({"no_entry_all_fields", listed(seed(ALL_FIELDS), {20, 21}).U16(TYPE_CHOICE, 0xFFFF)
                                              .U16(IMAGE_CHOICE, 0xFFFF).U16(SKILL_CHOICE, 0xFFFF)
                                              .U8(NAME_LENGTH, 4).Text(NAME, Sjis("新名"))});
  seeds.push_back({"type_all", seed(TYPE).U8(SELECT_MODE, selection_input::SELECT_ALL).U16(TYPE_CHOICE, 11)});
  seeds.push_back({"image_run", seed(IMAGE).U8(SELECT_MODE, selection_input::SELECT_RUN).U16(SELECT_FIRST, 250)
                                    .U16(SELECT_COUNT, 5).U16(IMAGE_CHOICE, 79)});
  seeds.push_back({"skill_none_all_but_run", seed(SKILL_EDIT).U8(SELECT_MODE, selection_input::SELECT_ALL_BUT_RUN)
                                                 .U16(SELECT_FIRST, 1).U16(SELECT_COUNT, 253).U16(SKILL_CHOICE, 26)});
  seeds.push_back({"price_and_increase", listed(seed(PRICE), {0, 50}).Text(PRICE_TEXT, "12750").Text(INCREASE_TEXT, "99")});
  seeds.push_back({"increase", listed(seed(INCREASE), {0, 50}).Text(INCREASE_TEXT, "99")});
  seeds.push_back({"reset", seed(RESET).Patch(REGION_ITEMS, 0, table)});
  // Cut 4 bytes into item 100's record: items 0 to 99 whole, the rest outside.
  seeds.push_back({"cut_reset", seed(RESET).U8(FLAGS, FLAG_TRUNCATE)
                                    .U16(CUT, ItemRecordOffset(100) + 4 - (ITEM_TABLE_OFFSET - 64))
                                    .Patch(REGION_ITEMS, 0, table)});
  seeds.push_back({"cut_edits", listed(seed(ALL_FIELDS), {99, 100, 101}).U8(FLAGS, FLAG_TRUNCATE)
                                    .U16(CUT, ItemRecordOffset(100) + 4 - (ITEM_TABLE_OFFSET - 64))
                                    .Text(PRICE_TEXT, "50").U16(TYPE_CHOICE, 3)});
  return seeds;
}

std::vector<NamedSeed> TextSeeds() {
  using namespace text_input;
  auto params = [](uint8_t limit, int8_t width, int8_t offset, uint8_t image_size, int8_t digits, int32_t min,
                   int32_t max) {
    return Seed(TEXT).U8(LIMIT, limit).U8(WIDTH, static_cast<uint8_t>(width)).U8(OFFSET, static_cast<uint8_t>(offset))
        .U8(IMAGE_SIZE, image_size).U8(DIGITS, static_cast<uint8_t>(digits)).I32(MIN, min).I32(MAX, max);
  };
  const std::string so = Sjis("ソ");  // 0x83 0x5C: its second byte is "\"
  std::vector<NamedSeed> seeds;
  seeds.push_back({"item_name", params(12, 13, 3, 20, 3, 0, 845).Append(Sjis("白銀獅子王冠"))});
  seeds.push_back({"half_character", params(3, 4, 0, 4, 3, 100, 355).Append(Sjis("あ") + "\x83")});
  seeds.push_back({"nul_inside", params(255, 5, 10, 15, 1, 0, 7).Append(std::string("AB\0CD", 5))});
  seeds.push_back({"leading_zeros", params(2, 1, 0, 1, 3, 0, 100).Append("0100")});
  seeds.push_back({"many_digits", params(255, 0, -1, 0, 100, 0, INT32_MAX).Append(std::string(40, '9'))});
  seeds.push_back({"field_at_end", params(5, 20, 27, 47, 5, 0, PRICE_MAX).Append("12750")});
  seeds.push_back({"kanji_backslash", params(8, -1, 0, 8, 2, 0, 99).Append("C:\\" + Sjis("ゲーム") + "\\" + so)});
  seeds.push_back({"path_fits", params(255, 9, 0, 9, 3, 0, 845).Append("C:\\" + std::string(PATH_CAPACITY - 17, 'd'))});
  seeds.push_back({"path_too_long", params(255, 9, 0, 9, 3, 0, 845).Append("C:\\" + std::string(PATH_CAPACITY - 16, 'd'))});
  seeds.push_back({"path_ends_in_separator", params(255, 9, 0, 9, 3, 0, 845)
                                                 .Append("C:\\" + std::string(PATH_CAPACITY - 17, 'd') + "\\")});
  // An empty text stored into a field: once passed a null text to memcpy. (100 % 48 = 4 bytes of image.)
  seeds.push_back({"regression_empty_text", Seed(DIGITS).U8(LIMIT, 3).U8(WIDTH, 4).U8(OFFSET, 0).U8(IMAGE_SIZE, 100)});
  return seeds;
}

// The header and the first `rows` rows of an export, as cells.
std::vector<std::vector<std::string>> FirstRows(std::string_view file, size_t rows) {
  file.remove_prefix(UTF8_BOM.size());
  std::vector<std::vector<std::string>> cells;
  for (CsvRecord& record : ReadCsv(file).records) {
    if (cells.size() > rows) break;
    cells.push_back(std::move(record.cells));
  }
  return cells;
}

std::string CsvFile(const std::vector<std::vector<std::string>>& cells, bool bom = true) {
  std::string out(bom ? UTF8_BOM : "");
  for (const auto& row : cells) AppendCsvRecord(out, row);
  return out;
}

// A seed of the CSV import: its flags, then the file.
Seed CsvSeed(uint8_t flags, const std::string& file) { return Seed(csv_input::FILE_BYTES).U8(csv_input::FLAGS, flags).Append(file); }

std::vector<NamedSeed> CsvSeeds() {
  using namespace csv_input;
  IconvCp932Codec codec;
  const std::vector<uint8_t> save = MakeSampleSave(), scenario = MakeSampleScenario();
  OfficerRoster roster{};
  RosterPositionMap positions{};
  BuildOfficerRoster(save, roster, &positions);
  std::vector<uint8_t> writable_save = save;
  const ItemOwnerImage owners{writable_save, roster, positions};

  const auto officers = FirstRows(ExportOfficerCsv(save, roster, codec), 6);
  auto edited = officers;  // rows of ids 0 to 5: a name, numbers, a skill, a tactic, quotes
  edited[1][1] = "劉";
  edited[1][6] = "845";
  edited[1][7] = "161";
  if (edited[1][9].size() < 3) edited[1][9] = "0" + edited[1][9];  // a leading zero changes nothing
  edited[2][3] = "\uE059";
  edited[2][4] = "ｿｳｿｳ";
  edited[3][14] = edited[3][14] == "1" ? "0" : "1";
  edited[3][54] = "極";
  edited[4][2] = "\"a\"";
  edited[5][4] = "a,b";
  std::swap(edited[1], edited[5]);
  std::string cp932;
  codec.FromUtf8(CsvFile(edited, false), cp932);
  auto bad = officers;  // a bad cell of each kind, a duplicate row, an id not in the roster
  bad[1][9] = "101";
  bad[2][1] = "劉備玄";
  bad[3][2] = "¥";
  bad[4][3] = "a\tb";
  bad[5][40] = "X";
  bad.push_back(bad[1]);
  bad.push_back(bad[2]);
  bad.back()[0] = "658";
  auto huge = officers;
  huge.resize(2);
  huge[1][1] = std::string(4000, 'x');

  const auto items = FirstRows(ExportItemCsv(scenario, &owners, codec), 8);
  auto items_edited = items;  // rows of items 0 to 7
  items_edited[1][1] = "白銀の鞍";
  items_edited[1][3] = "鉄\uE059藜骨朶";
  items_edited[2][4] = "12750";
  items_edited[3][5] = "09";
  items_edited[4][6] = "なし";
  items_edited[5][7] = "760";
  items_edited[6][7] = "なし";
  auto items_bad = items;
  items_bad[7][7] = "801";  // not in the roster
  items_bad[2][3] = "鉄";
  auto items_no_save = FirstRows(ExportItemCsv(scenario, nullptr, codec), 8);
  items_no_save[1][2] = "宝物";
  items_no_save[2][4] = "50";

  std::vector<NamedSeed> seeds;
  seeds.push_back({"officers", CsvSeed(0, CsvFile(officers))});
  seeds.push_back({"officers_edited", CsvSeed(0, CsvFile(edited))});
  seeds.push_back({"officers_cp932", CsvSeed(0, cp932)});
  seeds.push_back({"officers_bad_cells", CsvSeed(0, CsvFile(bad))});
  seeds.push_back({"huge_cell", CsvSeed(0, CsvFile(huge))});
  seeds.push_back({"quotes", CsvSeed(0, "\"武将番号\",\"忠誠\",\"字\"\r\n\"1\",\"5\",\"a\"\"b\"\n2,\"7\",\"x\"\r3,\"8\",\"\"\"\"")});
  seeds.push_back({"unclosed_quote", CsvSeed(0, "\"武将番号\",\"忠誠\"\r\n\"1\",\"5\"\"\"\n2,\"7\r\n\"\r3,\"8")});
  seeds.push_back({"items_owners", CsvSeed(FLAG_ITEMS | FLAG_OWNERS, CsvFile(items_edited))});
  seeds.push_back({"items_bad_cells", CsvSeed(FLAG_ITEMS | FLAG_OWNERS, CsvFile(items_bad))});
  seeds.push_back({"items_without_save", CsvSeed(FLAG_ITEMS, CsvFile(items_no_save))});
  seeds.push_back({"owners_without_save", CsvSeed(FLAG_ITEMS, CsvFile(items))});
  return seeds;
}

bool WriteSeeds(const std::filesystem::path& corpus, const char* target, const std::vector<NamedSeed>& seeds) {
  const std::filesystem::path folder = corpus / target;
  std::filesystem::create_directories(folder);
  for (const NamedSeed& seed : seeds) {
    std::ofstream out(folder / seed.name, std::ios::binary | std::ios::trunc);
    const std::vector<uint8_t>& bytes = seed.seed.Bytes();
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "cannot write %s\n", (folder / seed.name).c_str());
      return false;
    }
  }
  std::printf("%s: %zu seeds\n", target, seeds.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_fuzz_seeds <corpus directory>\n");
    return 2;
  }
  const std::filesystem::path corpus(argv[1]);
  const bool written = WriteSeeds(corpus, "fuzz_save_image", SaveSeeds()) &&
                       WriteSeeds(corpus, "fuzz_scenario_image", ScenarioSeeds()) &&
                       WriteSeeds(corpus, "fuzz_text_input", TextSeeds()) &&
                       WriteSeeds(corpus, "fuzz_csv_import", CsvSeeds());
  return written ? 0 : 1;
}
