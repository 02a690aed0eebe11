// Writes the synthetic seed corpus of the fuzz targets: a few small inputs per target, laid out as
// fuzz_layouts.h says, that reach the cases worth starting from (a full roster, fields without a
// NUL, half characters, cut images, owners outside the roster, paths at their limit).
//
//   make_fuzz_seeds <corpus directory>
// writes <corpus directory>/<target>/<seed name>; other files there (regression inputs) stay.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_layouts.h"
#include "csv.h"
#include "data_image.h"
#include "iconv_cp932_codec.h"
#include "item_csv.h"
#include "item_table.h"
#include "officer_csv.h"
#include "roster.h"
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
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

 private:
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

std::vector<NamedSeed> SaveSeeds() {
  using namespace save_input;
  const std::string lead_only = "\x83";  // a lead byte whose second byte is missing
  // Records 650 to 669: fields filled to the last byte, half characters, an empty record.
  std::string records;
  for (OfficerId id = OVERLAY_FIRST_ID; id < OVERLAY_FIRST_ID + 20; ++id) {
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
  std::vector<NamedSeed> seeds;
  seeds.push_back({"sample", Seed(OVERLAY).U16(KEY, 0x33).U8(PAGE, 14).U8(SUBSET, 40)});
  seeds.push_back({"full_roster", Seed(OVERLAY).U8(FLAGS, FLAG_CLEAR_OPTIONAL).U16(RUN, 302).U16(KEY, 0x45)
                                      .U16(TOP, 900).U8(PAGE, 14).U8(SUBSET, 200)});
  seeds.push_back({"past_capacity", Seed(OVERLAY).U8(FLAGS, FLAG_FILL_OPTIONAL | FLAG_REVERSE).U16(RUN, 374)
                                        .U16(KEY, 0x1BA).U16(TOP, 990).U8(SUBSET, 255)});
  seeds.push_back({"fields_without_nul", Seed(OVERLAY).U8(FLAGS, FLAG_GIVEN_NAME).U16(KEY, 0x33).U16(TOP, 690)
                                             .U8(SUBSET, 120).U16(EDIT_IDS, 650).U16(EDIT_IDS + 2, 652)
                                             .U16(EDIT_IDS + 4, 655).U8(TEXT_LENGTH, 4)
                                             .Text(TEXT, Sjis("雲") + "X" + lead_only).Append(records)});
  seeds.push_back({"family_edit", Seed(OVERLAY).U16(EDIT_IDS, 0).U16(EDIT_IDS + 2, 5).U16(EDIT_IDS + 4, 1101)
                                      .U8(TEXT_LENGTH, 16).Text(TEXT, Sjis("白鷺") + std::string(1, '\0') + "tail")
                                      .Append(records)});
  seeds.push_back({"cut_in_run", Seed(OVERLAY).U8(FLAGS, FLAG_TRUNCATE).U16(CUT, (780 - OVERLAY_FIRST_ID) * NAME_RECORD_SIZE + 30)
                                     .U16(KEY, 0x33).U8(SUBSET, 30).U16(EDIT_IDS, 779).U16(EDIT_IDS + 2, 780)
                                     .U8(TEXT_LENGTH, 2).Text(TEXT, Sjis("林"))});
  seeds.push_back({"cut_before_run", Seed(OVERLAY).U8(FLAGS, FLAG_TRUNCATE).U16(CUT, 7).U16(RUN, 100)
                                         .U16(OWNER_CHOICE, 659).U8(OWNER_ITEM, 3)});
  // Owners: nobody, never listed, beyond the run, the largest id, no officer at all, run officers.
  Seed owners(OVERLAY);
  const uint32_t owner_ids[] = {NO_OWNER, 658, 801, 1101, 0xFFFF, 760, 799, 800, 0, 1102};
  owners.U8(OWNER_PATCH_COUNT, static_cast<uint8_t>(std::size(owner_ids)));
  for (size_t k = 0; k < std::size(owner_ids); ++k) {
    owners.U8(OWNER_PATCHES + 3 * k, static_cast<uint8_t>(k)).U16(OWNER_PATCHES + 3 * k + 1, owner_ids[k]);
  }
  owners.U16(OWNER_CHOICE, 703).U8(OWNER_ITEM, 9);  // choice 702: "none" in the sample's roster of 702
  seeds.push_back({"owners", owners});
  seeds.push_back({"file_closed", Seed(OVERLAY).U8(FLAGS, FLAG_FILE_CLOSED).U16(KEY, 0x33).U16(TOP, 5)});
  // A list of ten rows in roster order (650 to 657, 660, 661), pages of 5, the view at its end: the
  // match after the top row cannot become the top row, so the jump goes up to row 0, the one match above.
  std::string kana_records;
  for (OfficerId id = OVERLAY_FIRST_ID; id <= 661; ++id) {
    const std::string reading = id == 650 || id == 656 ? "\xB1\xB2" : "\xB6";  // ｱｲ or ｶ
    kana_records += NameRecord(WithNul("A"), WithNul("B"), WithNul(reading), WithNul("AB"));
  }
  seeds.push_back({"kana_at_list_end", Seed(OVERLAY).U8(FLAGS, FLAG_KANA_ID_ORDER).U16(KANA_FIRST, 650)
                                           .U16(KANA_ROWS, 10).U8(PAGE, 4).U16(TOP, 9).U16(KEY, 0x33)
                                           .Append(kana_records)});
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
  std::vector<NamedSeed> seeds;
  seeds.push_back({"sample", Seed(OVERLAY)});
  seeds.push_back({"edits", Seed(OVERLAY).U16(TYPE_CHOICE, 11).U16(IMAGE_CHOICE, 79).U16(SKILL_CHOICE, 26)
                                .Text(PRICE_TEXT, "12750").Text(INCREASE_TEXT, "99").U8(NAME_LENGTH, 12)
                                .Text(NAME, Sjis("白雲の鞍") + "AB" + lead_only).U8(ITEM_LIST_COUNT, 6)
                                .U16(ITEMS, 0).U16(ITEMS + 2, 3).U16(ITEMS + 4, 254).U16(ITEMS + 6, 0xFFFF)
                                .U16(ITEMS + 8, 255).U16(ITEMS + 10, 3)});
  seeds.push_back({"refused_values", Seed(OVERLAY).U16(TYPE_CHOICE, 0xFFFF).U16(IMAGE_CHOICE, 256)
                                         .U16(SKILL_CHOICE, 27).Text(PRICE_TEXT, "12800").Text(INCREASE_TEXT, "-1")
                                         .U8(NAME_LENGTH, 16).Text(NAME, std::string(1, '\0') + "hidden")
                                         .U8(ITEM_LIST_COUNT, 2).U16(ITEMS, 1).U16(ITEMS + 2, 2).Append(table)});
  seeds.push_back({"odd_records", Seed(OVERLAY).Text(PRICE_TEXT, "00050").Text(INCREASE_TEXT, "07")
                                      .U8(ITEM_LIST_COUNT, 1).U16(ITEMS, 4).Append(table)});
  seeds.push_back({"reset", Seed(OVERLAY).U8(FLAGS, FLAG_APPLY_INITIAL).Append(table)});
  // Cut 4 bytes into item 100's record: items 0 to 99 whole, the rest outside.
  seeds.push_back({"cut_reset", Seed(OVERLAY).U8(FLAGS, FLAG_TRUNCATE | FLAG_APPLY_INITIAL)
                                    .U16(CUT, ItemRecordOffset(100) + 4 - (ITEM_TABLE_OFFSET - 64))
                                    .Text(PRICE_TEXT, "50").U8(ITEM_LIST_COUNT, 3).U16(ITEMS, 99).U16(ITEMS + 2, 100)
                                    .U16(ITEMS + 4, 101).Append(table)});
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
