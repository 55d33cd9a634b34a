// Stand-ins for the platform in tests: a file system in memory and a clock that counts its
// readings.
#pragma once

#include <chrono>
#include <cstddef>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/file_system.h"

/// Text files held in memory under their file-system paths ("/" separated). A folder is
/// there when a file lies in it or `folders` names it (with whether it is writable); "." is
/// a writable folder unless `folders` says otherwise. `links` maps a path to the path it is
/// a symbolic link to, for `SameFile` alone.
class MemoryFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::map<std::string, bool> folders;
  std::map<std::string, std::string> links;
  /// Folders that cannot be opened to lock them, as one the process may not read.
  std::set<std::string> unreadable;
  /// What each write asked for, by path: the last write's.
  std::map<std::string, Durability> durability;
  std::vector<std::string> opened;
  int listings = 0;

  std::unique_ptr<TextFile> Open(const std::string& path, std::string* err) override;
  bool Dir(const std::string& folder, std::string* first, std::string* err) override;
  bool List(const std::string& folder, const NameVisitor& each, std::string* err) override;
  bool SameFile(const std::string& a, const std::string& b) override;
  bool ReadFile(const std::string& path, std::size_t limit, std::string* contents,
                std::string* err) override;
  bool WriteFile(const std::string& path, const void* data, std::size_t size, Durability durability,
                 std::string* err) override;
  bool Kill(const std::string& path, std::string* err) override;
  PathKind Kind(const std::string& path) override;
  bool Lockable(const std::string& folder) override {
    return !unreadable.contains(folder_named(folder));
  }
  /// Always held: one test runs one run at a time.
  std::unique_ptr<FolderLock> LockFolder(const std::string&, std::chrono::milliseconds) override {
    return std::make_unique<FolderLock>(FolderLock::Outcome::held);
  }
  /// No process is ever killed in memory, so there is nothing left over.
  std::vector<std::string> RemoveLeftovers(const WrittenNames&) override { return {}; }
};

/// A clock that returns the days from `first` on, one more at every reading.
class AdvancingClock : public Clock {
 public:
  explicit AdvancingClock(std::chrono::year_month_day first) : next_(first) {}
  std::chrono::year_month_day Date() override;
  int readings = 0;

 private:
  std::chrono::sys_days next_;
};
