#include "platform/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kFffd = "\xEF\xBF\xBD";

// Every byte that begins no valid sequence is one U+FFFD; what follows it is read afresh.
TEST(ValidUtf8, ReplacesEachByteThatBeginsNoValidSequence) {
  const struct {
    const char* label;
    std::string text;
    std::string valid;
  } cases[] = {
      {"ascii and controls", std::string("Rome\t\x01\0.", 8), std::string("Rome\t\x01\0.", 8)},
      {"two to four bytes", "M\xC3\xA1laga \xE2\x82\xAC \xF0\x9F\x93\x88",
       "M\xC3\xA1laga \xE2\x82\xAC \xF0\x9F\x93\x88"},
      {"a Latin-1 byte", "R\xE9me", "R" + kFffd + "me"},
      {"overlong <", "\xC0\xBC", kFffd + kFffd},
      {"overlong / in three bytes", "\xE0\x80\xAF", kFffd + kFffd + kFffd},
      {"a surrogate", "\xED\xA0\x80", kFffd + kFffd + kFffd},
      {"above U+10FFFF", "\xF4\x90\x80\x80", kFffd + kFffd + kFffd + kFffd},
      {"a lead byte never used", "\xF5\x80", kFffd + kFffd},
      {"a stray continuation", "a\x80z", "a" + kFffd + "z"},
      {"a sequence cut short by the end", "cut \xE2\x82", "cut " + kFffd + kFffd},
      {"a sequence cut short by a new one", "\xE2\x82\xC3\xA9", kFffd + kFffd + "\xC3\xA9"},
      {"the largest and the smallest of each length", "\xF4\x8F\xBF\xBF\xC2\x80\xE0\xA0\x80",
       "\xF4\x8F\xBF\xBF\xC2\x80\xE0\xA0\x80"},
  };
  for (const auto& c : cases) EXPECT_EQ(valid_utf8(c.text), c.valid) << c.label;
}

TEST(DecodeUtf8, GivesTheCodePointAndTheLengthOfTheSequence) {
  std::uint32_t code_point = 0;
  EXPECT_EQ(decode_utf8("x\xF0\x9F\x93\x88", 1, &code_point), 4u);
  EXPECT_EQ(code_point, 0x1F4C8u);
  EXPECT_EQ(decode_utf8("\xC2\x9B", 0, &code_point), 2u);
  EXPECT_EQ(code_point, 0x9Bu);
  EXPECT_EQ(decode_utf8("\xC0\xBC", 0, &code_point), 0u);
}

}  // namespace
