#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <memory>
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

// A file is read to its budget and no further, in memory and on a descriptor alike; a line
// the budget cuts is its last line, and a CR LF split by it ends that line at the CR.
TEST(TextFile, ReadingEndsAtTheBudget) {
  const std::size_t budget = TextFile::kReadBudget;
  struct Case {
    std::string content;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {std::string(budget + 5000, 'x') + "\nnext", {std::string(budget, 'x')}},
      {"a\n" + std::string(budget, 'x') + "\nnext", {"a", std::string(budget - 2, 'x')}},
      {std::string(budget - 1, 'x') + "\r\nnext", {std::string(budget - 1, 'x')}},
      {std::string(budget - 1, 'x') + "\n", {std::string(budget - 1, 'x')}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(read_all(c.content), c.expected);

    const int fd = ::memfd_create("text_file_test", 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, c.content.data(), c.content.size()),
              static_cast<ssize_t>(c.content.size()));
    ASSERT_EQ(::lseek(fd, 0, SEEK_SET), 0);
    std::string err;
    const std::unique_ptr<TextFile> file = TextFile::FromDescriptor(fd, &err);
    ASSERT_NE(file, nullptr) << err;
    std::vector<std::string> lines;
    for (std::string line; file->ReadLine(&line);) lines.push_back(line);
    EXPECT_EQ(lines, c.expected);
  }
}

}  // namespace
