#include "platform/text_ops.h"

#include <gtest/gtest.h>

namespace {

TEST(TextOps, MidTakesCharactersCountedFromOne) {
  struct Case {
    std::string text;
    int start, length;
    std::string expected;
  };
  const Case cases[] = {
      {"abcdef", 2, 3, "bcd"}, {"abc", 2, 10, "bc"}, {"abc", 3, 1, "c"},
      {"abc", 4, 1, ""},       {"abc", 9, 2, ""},    {"", 1, 5, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Mid(c.text, c.start, c.length), c.expected) << c.text << ", " << c.start;
  }
}

TEST(TextOps, TrimRemovesOnlyOuterBlanks) {
  EXPECT_EQ(Trim("  N/A "), "N/A");
  EXPECT_EQ(Trim(" a b "), "a b");
  EXPECT_EQ(Trim("    "), "");
  EXPECT_EQ(Trim("\t3\t"), "\t3\t");
  EXPECT_EQ(Len(" 2.95"), 5);
}

TEST(TextOps, ValReadsTheLeadingNumber) {
  struct Case {
    std::string text;
    double expected;
  };
  const Case cases[] = {
      {"312", 312}, {" 295", 295},  {"3.12", 3.12}, {"-2.5", -2.5}, {"+7", 7},
      {".5", 0.5},  {"1.2.3", 1.2}, {"31x", 31},    {"3 1x", 31},   {"\t2\n95", 295},
      {"- 4", -4},  {"12-3", 12},   {"N/A", 0},     {"n/a", 0},     {"", 0},
      {"-", 0},     {".", 0},       {"   ", 0},     {"0295", 295},  {"2.", 2},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
}

TEST(TextOps, IntegerConversionRoundsHalvesToEvenAndRefusesOverflow) {
  struct Case {
    double value;
    std::optional<std::int16_t> expected;
  };
  const Case cases[] = {
      {0.5, 0},
      {1.5, 2},
      {2.5, 2},
      {-2.5, -2},
      {295.0, 295},
      {294.6, 295},
      {32767.4, 32767},
      {32767.5, std::nullopt},
      {-32768.5, -32768},
      {-32769, std::nullopt},
      {1e10, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(to_integer(c.value), c.expected) << c.value;
}

}  // namespace
