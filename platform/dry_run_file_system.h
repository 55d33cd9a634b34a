// A file system that reads through to another and writes nothing, for reporting what a run
// would write without writing it.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"

/// Reads, listings and queries go to the file system underneath. A write is checked as the
/// real write would meet it (its folder missing, not a folder or not writable, a folder in
/// the file's place) and, when it would succeed, kept in memory, so that reading or deleting
/// the same path later sees it. Deleting a file that was not written here only checks that
/// it exists.
class DryRunFileSystem : public FileSystem {
 public:
  explicit DryRunFileSystem(FileSystem& real) : real_(real) {}

  std::unique_ptr<TextFile> Open(const std::string& path, std::string* err) override {
    return real_.Open(path, err);
  }
  std::unique_ptr<Folder> OpenFolder(const std::string& folder) override {
    return real_.OpenFolder(folder);
  }
  bool Dir(const std::string& folder, std::string* first, std::string* err) override {
    return real_.Dir(folder, first, err);
  }
  PathKind Kind(const std::string& path) override { return real_.Kind(path); }
  bool SameFile(const std::string& a, const std::string& b) override {
    return real_.SameFile(a, b);
  }
  bool Lockable(const std::string& folder) override { return real_.Lockable(folder); }

  /// The real listing, with the files written here in that folder added.
  bool List(const std::string& folder, const NameVisitor& each, std::string* err) override;
  bool ReadFile(const std::string& path, std::size_t limit, std::string* contents,
                std::string* err) override;
  bool WriteFile(const std::string& path, const void* data, std::size_t size, Durability durability,
                 std::string* err) override;
  bool Kill(const std::string& path, std::string* err) override;
  /// Nothing is written, so there is nothing to keep other processes from: no lock is taken.
  std::unique_ptr<FolderLock> LockFolder(const std::string&, std::chrono::milliseconds) override {
    return std::make_unique<FolderLock>(FolderLock::Outcome::held);
  }
  /// Deletes nothing.
  std::vector<std::string> RemoveLeftovers(const WrittenNames&) override { return {}; }

 private:
  FileSystem& real_;
  std::map<std::string, std::string> written_;  // by path
};
