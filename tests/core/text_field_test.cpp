// Fixed-width text fields and the judgement of numeric entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/text_field.h"
#include "sjis_text.h"

namespace {

using namespace std::string_literals;

TEST(TextField, WritesTextNulAndSpacesCuttingBetweenCharacters) {
  struct Row {
    const char* name;
    std::string text;
    int32_t width;
    std::string field;  // the whole field afterwards
  };
  const Row rows[] = {
      {"2-byte text over 0xFF fill", Sjis("姓"), 5, Sjis("姓") + "\0  "s},
      {"4-byte text: NUL is the last byte", Sjis("諸葛"), 5, Sjis("諸葛") + "\0"s},
      {"empty text", "", 5, "\0    "s},
      {"too long ASCII is cut to width - 1", "abcdef", 5, "abcd\0"s},
      {"too long kanji is cut to whole characters", Sjis("あいう"), 5, Sjis("あい") + "\0"s},
      {"a character straddling the limit is left out", Sjis("aあい"), 5, Sjis("aあ") + "\0 "s},
      {"the text ends at its NUL", "ab\0cd"s, 5, "ab\0  "s},
      {"a lead byte without its second byte is dropped", "a\x88"s, 5, "a\0   "s},
      {"user-defined character survives", "\xF0\x9A"s + Sjis("剣"), 13, "\xF0\x9A"s + Sjis("剣") + "\0        "s},
      {"10-byte reading", Sjis("ｱｲｳｴｵｶｷｸｹｺｻ"), 11, Sjis("ｱｲｳｴｵｶｷｸｹｺ") + "\0"s},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<uint8_t> image(row.width + 8, 0xFF);
    WriteTextField(image, 4, row.text, row.width);
    std::vector<uint8_t> expected(4, 0xFF);
    expected.insert(expected.end(), row.field.begin(), row.field.end());
    expected.resize(image.size(), 0xFF);
    EXPECT_EQ(image, expected);
  }
}

TEST(TextField, FieldNotWhollyInsideTheImageIsLeftAlone) {
  struct Row {
    const char* name;
    int32_t offset, width;
  };
  const Row rows[] = {{"runs past the end", 8, 5}, {"negative offset", -1, 5}, {"zero width", 2, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<uint8_t> image(12, 0xFF);
    WriteTextField(image, row.offset, "ab", row.width);
    EXPECT_EQ(image, std::vector<uint8_t>(12, 0xFF));
    EXPECT_EQ(FieldText(image, row.offset, row.width), "");
  }
}

TEST(TextField, ReadsTextUpToNulAndFitsWholeCharacters) {
  std::string bytes = "ab\0cd"s + Sjis("あい") + "x";  // a field of 5, then one of 5 with no NUL
  std::vector<uint8_t> image(bytes.begin(), bytes.end());
  EXPECT_EQ(FieldText(image, 0, 5), "ab");
  EXPECT_EQ(FieldText(image, 5, 5), Sjis("あい") + "x");

  struct Row {
    std::string text;
    size_t limit;
    std::string fitted;
  };
  const Row rows[] = {{Sjis("aあい"), 4, Sjis("aあ")}, {Sjis("あ"), 1, ""}, {Sjis("ｱｲｳ"), 2, Sjis("ｱｲ")}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(FitText(row.text, row.limit), row.fitted);
  }
}

TEST(NumberField, AcceptsOnlyDigitsWithinTheRange) {
  struct Row {
    std::string text;
    int32_t digits, min, max;
    int32_t expected;
  };
  const Row rows[] = {
      {"0", 3, 0, 845, 0},         {"845", 3, 0, 845, 845},       {"846", 3, 0, 845, -1},
      {"000", 3, 0, 845, 0},       {"007", 3, 0, 100, 7},         {"99", 3, 100, 355, -1},
      {"100", 3, 100, 355, 100},   {"355", 3, 100, 355, 355},     {"356", 3, 100, 355, -1},
      {"12750", 5, 0, 12750, 12750}, {"12751", 5, 0, 12750, -1},  {"8", 1, 0, 7, -1},
      {"", 3, 0, 100, -1},         {" 12", 3, 0, 100, -1},        {"-1", 3, 0, 100, -1},
      {"+12", 3, 0, 100, -1},      {"12a", 3, 0, 100, -1},        {Sjis("１２"), 3, 0, 100, -1},
      {"1.5", 3, 0, 100, -1},      {"12\0x"s, 3, 0, 100, 12},
      // Only the characters the control holds count.
      {"1234", 3, 0, 999, 123},    {"12x", 2, 0, 99, 12},
      // Many digits cannot overflow.
      {"99999999999999999999", 20, 0, 100, -1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    EXPECT_EQ(ParseNumberField(row.text, row.digits, row.min, row.max), row.expected);
  }
}

}  // namespace
