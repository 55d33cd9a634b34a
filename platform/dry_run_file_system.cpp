// The file system of the check: real reads, writes checked and kept in memory.
#include "platform/dry_run_file_system.h"

#include <filesystem>
#include <set>

// A name both on disk and written here is given once.
bool DryRunFileSystem::List(const std::string& folder, const NameVisitor& each, std::string* err) {
  std::set<std::string, std::less<>> written_here;
  for (const auto& [path, content] : written_) {
    const std::string name = path.substr(folder_of(path).size());
    if (folder_of(path) == folder && name.front() != '.') written_here.insert(name);
  }
  const auto on_disk = [&](std::string_view name) {
    if (!written_here.contains(name)) each(name);
  };
  if (!real_.List(folder, on_disk, err)) return false;
  for (const std::string& name : written_here) each(name);
  return true;
}

bool DryRunFileSystem::ReadFile(const std::string& path, std::size_t limit, std::string* contents,
                                std::string* err) {
  const auto found = written_.find(path);
  if (found == written_.end()) return real_.ReadFile(path, limit, contents, err);
  *contents = found->second;
  return true;
}

// The reasons are worded for a reader who wants to know what to fix, naming the folder.
bool DryRunFileSystem::WriteFile(const std::string& path, const void* data, std::size_t size,
                                 Durability, std::string* err) {
  const std::filesystem::path target(path);
  const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
  switch (real_.Kind(folder)) {
    case PathKind::missing:
      *err = "folder " + folder + " missing";
      return false;
    case PathKind::file:
      *err = folder + " is not a folder";
      return false;
    case PathKind::folder:
      *err = "folder " + folder + " not writable";
      return false;
    case PathKind::writable_folder:
      break;
  }
  const PathKind in_place = real_.Kind(path);
  if (in_place == PathKind::folder || in_place == PathKind::writable_folder) {
    *err = "a folder is in its place";
    return false;
  }
  written_[path].assign(static_cast<const char*>(data), size);
  return true;
}

bool DryRunFileSystem::Kill(const std::string& path, std::string* err) {
  if (written_.erase(path) > 0) return true;
  if (real_.Kind(path) == PathKind::file) return true;
  *err = "No such file or directory";
  return false;
}
