#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

std::vector<std::string> read_all(const std::string& content) {
  TextFile file(content);
  std::vector<std::string> lines;
  std::string line;
  while (file.ReadLine(&line)) lines.push_back(line);
  return lines;
}

TEST(TextFile, LinesEndAtCarriageReturnLineFeedOrBoth) {
  struct Case {
    std::string content;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"a\rb\r\nc\nd", {"a", "b", "c", "d"}},
      {"last line without end", {"last line without end"}},
      {"a\n", {"a"}},
      {"a\n\n", {"a", ""}},
      {"\r\n", {""}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"\n\rx", {"", "", "x"}},
      {"  trailing blanks  \r\n", {"  trailing blanks  "}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(read_all(c.content), c.expected) << c.content;
}

TEST(TextFile, ReadPastTheEndFailsAndKeepsTheTarget) {
  TextFile file("only\n");
  std::string line = "before";
  ASSERT_TRUE(file.ReadLine(&line));
  EXPECT_EQ(line, "only");
  EXPECT_FALSE(file.ReadLine(&line));
  EXPECT_FALSE(file.ReadLine(&line));
  EXPECT_EQ(line, "only");
}

TEST(TextFile, AnOverlongLineIsCutAndItsRestDiscarded) {
  const std::string content = std::string(TextFile::kMaxLineLength + 5000, 'x') + "\nnext";
  const auto lines = read_all(content);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], std::string(TextFile::kMaxLineLength, 'x'));
  EXPECT_EQ(lines[1], "next");
}

}  // namespace
