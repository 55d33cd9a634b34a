// An exclusive lock on a folder, so that processes working in it take turns.
#include "platform/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

namespace {

// How often a waiting process tries the lock again: short beside a run, so that runs queued
// behind one another follow closely, and long enough to cost no noticeable processor time.
constexpr std::chrono::milliseconds kRetryInterval{20};

}  // namespace

namespace {

int open_folder(const std::string& folder) {
  return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

}  // namespace

bool FolderLock::Opens(const std::string& folder) {
  const int fd = open_folder(folder);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

FolderLock::FolderLock(const std::string& folder, std::chrono::milliseconds wait)
    : fd_(open_folder(folder)) {
  if (fd_ < 0) {
    const int error = errno;
    outcome_ = error == ENOENT || error == ENOTDIR ? Outcome::folder_missing : Outcome::failed;
    if (outcome_ == Outcome::failed) reason_ = std::strerror(error);
    return;
  }
  outcome_ = Wait(wait);
  if (outcome_ != Outcome::held) {
    ::close(fd_);
    fd_ = -1;
  }
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

// The lock is tried without blocking and retried until the wait is over: a blocking flock
// could not be given a deadline without a timer signal. Only the errors of a file system
// that has no locks at all make the lock unavailable; any other keeps it from being taken.
FolderLock::Outcome FolderLock::Wait(std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return Outcome::held;
    if (errno == EINTR) continue;
    const int error = errno;
    if (error != EWOULDBLOCK) {
      reason_ = std::strerror(error);
      const bool no_locks = error == ENOLCK || error == EOPNOTSUPP || error == EINVAL;
      return no_locks ? Outcome::unavailable : Outcome::failed;
    }
    if (std::chrono::steady_clock::now() >= deadline) return Outcome::timed_out;
    std::this_thread::sleep_for(kRetryInterval);
  }
}
