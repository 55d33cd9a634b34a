// Whether a stream of the process is the one systemd connected to its journal.
#include "platform/journal_stream.h"

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Reads the whole of `text` as an unsigned decimal number.
bool read_number(std::string_view text, std::uintmax_t* number) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, *number);
  return !text.empty() && error == std::errc() && stop == end;
}

}  // namespace

bool is_journal_stream(int fd, const char* journal_stream) {
  if (journal_stream == nullptr) return false;
  const std::string_view value(journal_stream);
  const std::size_t colon = value.find(':');
  std::uintmax_t device = 0;
  std::uintmax_t inode = 0;
  if (colon == std::string_view::npos || !read_number(value.substr(0, colon), &device) ||
      !read_number(value.substr(colon + 1), &inode)) {
    return false;
  }
  struct stat stream {};
  if (::fstat(fd, &stream) != 0) return false;
  return static_cast<std::uintmax_t>(stream.st_dev) == device &&
         static_cast<std::uintmax_t>(stream.st_ino) == inode;
}

bool standard_error_is_journal() {
  return is_journal_stream(STDERR_FILENO, std::getenv("JOURNAL_STREAM"));
}
