// An exclusive lock on a folder, so that processes working in it take turns.
#pragma once

#include <chrono>
#include <string>
#include <utility>

/// An exclusive flock(2) on a folder, taken on a descriptor of the folder itself so that no
/// lock file is made, and held until the object ends. It keeps out only processes that lock
/// the same folder.
class FolderLock {
 public:
  enum class Outcome {
    held,            // the lock is this process's
    timed_out,       // another process held it for the whole wait
    folder_missing,  // nothing to lock: the folder is missing or not a folder
    failed,          // the folder cannot be opened to lock it (not readable, say), or flock
                     // fails otherwise than for want of locks: `reason()`
    unavailable,     // the folder's file system cannot lock at all: `reason()`
  };

  /// Locks the folder `folder` (a native path), waiting up to `wait` for another holder to
  /// let it go.
  FolderLock(const std::string& folder, std::chrono::milliseconds wait);
  /// A lock with `outcome`, and `reason`, that holds nothing on disk: for file systems without
  /// folders there.
  explicit FolderLock(Outcome outcome, std::string reason = "")
      : outcome_(outcome), reason_(std::move(reason)) {}
  ~FolderLock();

  /// Whether the folder `folder` can be opened as a lock of it opens it.
  static bool Opens(const std::string& folder);
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

  Outcome outcome() const { return outcome_; }
  /// Why the lock failed or is unavailable; "" otherwise.
  const std::string& reason() const { return reason_; }

 private:
  Outcome Wait(std::chrono::milliseconds wait);

  int fd_ = -1;
  Outcome outcome_;
  std::string reason_;
};
