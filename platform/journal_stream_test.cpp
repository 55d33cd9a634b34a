// Tests of the recognition of the journal's stream by the device and inode systemd names.
#include "platform/journal_stream.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "testsupport/temp_dir.h"

namespace {

// An open file and the JOURNAL_STREAM value that names it.
struct OpenFile {
  explicit OpenFile(const std::string& path) : fd(::open(path.c_str(), O_RDWR | O_CREAT, 0600)) {
    struct stat status {};
    EXPECT_EQ(::fstat(fd, &status), 0);
    named = std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino);
  }
  ~OpenFile() { ::close(fd); }
  int fd;
  std::string named;
};

TEST(JournalStream, IsTheStreamWhoseDeviceAndInodeTheValueNames) {
  const TempDir folder;
  const OpenFile journal(folder / "journal");
  const OpenFile redirected(folder / "redirected");
  const std::string device = journal.named.substr(0, journal.named.find(':'));
  const std::string inode = journal.named.substr(journal.named.find(':') + 1);

  EXPECT_TRUE(is_journal_stream(journal.fd, journal.named.c_str()));
  EXPECT_FALSE(is_journal_stream(redirected.fd, journal.named.c_str()));
  EXPECT_FALSE(is_journal_stream(journal.fd, nullptr));
  const std::string malformed[] = {
      "",
      ":",
      device,
      device + ":",
      ":" + inode,
      device + ":" + inode + "x",
      device + ":" + inode + ":1",
      " " + journal.named,
      device + ":-" + inode,
      "99999999999999999999999:" + inode,
  };
  for (const std::string& value : malformed) {
    EXPECT_FALSE(is_journal_stream(journal.fd, value.c_str())) << '"' << value << '"';
  }
  EXPECT_FALSE(is_journal_stream(-1, journal.named.c_str()));
}

}  // namespace
