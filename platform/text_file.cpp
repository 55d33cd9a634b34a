// Sequential text input: one line at a time, as the settings and data files are read.
#include "platform/text_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>

TextFile::TextFile(std::string contents)
    : contents_(std::move(contents)),
      data_(contents_.data()),
      size_(std::min(contents_.size(), kReadBudget)) {}

// The block is left uninitialised: a run opens thousands of small files, and each read
// fills only what it needs.
TextFile::TextFile(int fd) : fd_(fd), block_(std::make_unique_for_overwrite<char[]>(kBlockSize)) {
  data_ = block_.get();
}

namespace {

bool is_regular_file(int fd) {
  struct stat info {};
  return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::unique_ptr<TextFile> TextFile::FromDescriptor(int fd, std::string* err) {
  std::unique_ptr<TextFile> file(new TextFile(fd));
  errno = 0;
  if (!file->Refill() && errno != 0) {
    *err = std::strerror(errno);
    return nullptr;
  }
  // A pipe opened without waiting reads as empty, and a device such as /dev/zero fills every
  // block without ever ending its line, which would keep the run from ending; so a file that
  // is empty or fills its first block is kept only when it is a regular file. The run's
  // thousands of small files are neither and cost no further look.
  if ((file->size_ == 0 || file->size_ == kBlockSize) && !is_regular_file(fd)) {
    *err = "not a regular file";
    return nullptr;
  }
  return file;
}

TextFile::~TextFile() {
  if (fd_ >= 0) ::close(fd_);
}

bool TextFile::Refill() {
  if (fd_ < 0 || budget_left_ == 0) return false;
  for (;;) {
    const ssize_t got = ::read(fd_, block_.get(), std::min(kBlockSize, budget_left_));
    if (got < 0 && errno == EINTR) continue;
    size_ = got > 0 ? static_cast<std::size_t>(got) : 0;
    position_ = 0;
    budget_left_ -= size_;
    return got > 0;
  }
}

bool TextFile::Available() { return position_ < size_ || Refill(); }

bool TextFile::ReadLine(std::string* line) {
  if (!Available()) return false;

  std::string read;
  while (Available()) {
    const char* start = data_ + position_;
    const char* end = data_ + size_;
    const char* stop = std::find_if(start, end, [](char c) { return c == '\n' || c == '\r'; });
    read.append(start, stop);
    position_ += static_cast<std::size_t>(stop - start);
    if (stop == end) continue;

    ++position_;
    if (*stop == '\r' && Available() && data_[position_] == '\n') ++position_;
    break;
  }
  *line = std::move(read);
  return true;
}
