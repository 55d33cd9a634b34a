#include "platform/folder_lock.h"

#include <gtest/gtest.h>

#include <chrono>

#include "testsupport/temp_dir.h"

namespace {

using namespace std::chrono_literals;

// Two locks of one folder exclude each other even within one process, since each is taken on
// a descriptor of its own.
TEST(FolderLock, ASecondLockWaitsForTheFirstAndTimesOut) {
  TempDir dir;
  {
    const FolderLock first(dir.path(), 0ms);
    ASSERT_EQ(first.outcome(), FolderLock::Outcome::held) << first.reason();

    const auto start = std::chrono::steady_clock::now();
    const FolderLock second(dir.path(), 200ms);
    EXPECT_EQ(second.outcome(), FolderLock::Outcome::timed_out);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 200ms);
  }
  const FolderLock after_the_first(dir.path(), 0ms);
  EXPECT_EQ(after_the_first.outcome(), FolderLock::Outcome::held);
}

TEST(FolderLock, NothingIsLockedWhereNoFolderIsAndNoFileIsMade) {
  TempDir dir;
  dir.write("file", "not a folder");
  EXPECT_EQ(FolderLock(dir / "missing", 0ms).outcome(), FolderLock::Outcome::folder_missing);
  EXPECT_EQ(FolderLock(dir / "file", 0ms).outcome(), FolderLock::Outcome::folder_missing);
  {
    const FolderLock held(dir.path(), 0ms);
    EXPECT_EQ(held.outcome(), FolderLock::Outcome::held);
    EXPECT_EQ(held.reason(), "");
  }
  EXPECT_EQ(dir.list(), std::vector<std::string>{"file"});
}

}  // namespace
