// Stand-ins for the platform in tests: a file system in memory and a clock that counts its
// readings.
#include "testsupport/memory_file_system.h"

std::unique_ptr<TextFile> MemoryFileSystem::Open(const std::string& path, std::string* err) {
  opened.push_back(path);
  const auto found = files.find(path);
  if (found == files.end()) {
    *err = "No such file or directory";
    return nullptr;
  }
  return std::make_unique<TextFile>(found->second);
}

namespace {

// Whether `kind` is a folder that can be listed, and else why not.
bool listable(PathKind kind, std::string* err) {
  if (kind == PathKind::missing || kind == PathKind::file) {
    *err = kind == PathKind::missing ? "No such file or directory" : "Not a directory";
    return false;
  }
  return true;
}

}  // namespace

// The files directly in `folder` ("/" separated); names are compared in byte order, as the
// real listing does.
bool MemoryFileSystem::Dir(const std::string& folder, std::string* first, std::string* err) {
  first->clear();
  return List(
      folder,
      [first](std::string_view name) {
        if (first->empty()) *first = name;
      },
      err);
}

bool MemoryFileSystem::List(const std::string& folder, const NameVisitor& each, std::string* err) {
  ++listings;
  if (!listable(Kind(folder_named(folder)), err)) return false;
  const std::string& prefix = folder;
  for (const auto& [path, content] : files) {
    if (path.rfind(prefix, 0) != 0) continue;
    const std::string name = path.substr(prefix.size());
    if (!name.empty() && name.front() != '.' && name.find('/') == std::string::npos) {
      each(name);
    }
  }
  return true;
}

bool MemoryFileSystem::SameFile(const std::string& a, const std::string& b) {
  const auto resolved = [this](const std::string& path) {
    std::string named = folder_named(path);
    const auto link = links.find(named);
    return link == links.end() ? named : link->second;
  };
  return Kind(resolved(a)) != PathKind::missing && resolved(a) == resolved(b);
}

bool MemoryFileSystem::ReadFile(const std::string& path, std::size_t limit, std::string* contents,
                                std::string* err) {
  const auto found = files.find(path);
  if (found == files.end()) {
    *err = "No such file or directory";
    return false;
  }
  if (found->second.size() > limit) {
    *err = "larger than " + std::to_string(limit) + " bytes";
    return false;
  }
  *contents = found->second;
  return true;
}

bool MemoryFileSystem::WriteFile(const std::string& path, const void* data, std::size_t size,
                                 Durability asked, std::string* err) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  if (Kind(folder) != PathKind::writable_folder) {
    *err = Kind(folder) == PathKind::folder ? "Permission denied" : "No such file or directory";
    return false;
  }
  files[path].assign(static_cast<const char*>(data), size);
  durability[path] = asked;
  return true;
}

bool MemoryFileSystem::Kill(const std::string& path, std::string* err) {
  if (files.erase(path) == 0) {
    *err = "No such file or directory";
    return false;
  }
  return true;
}

PathKind MemoryFileSystem::Kind(const std::string& path) {
  if (files.contains(path)) return PathKind::file;
  if (const auto folder = folders.find(path); folder != folders.end()) {
    return folder->second ? PathKind::writable_folder : PathKind::folder;
  }
  const std::string prefix = path + "/";
  for (const auto& [file, content] : files) {
    if (file.rfind(prefix, 0) == 0) return PathKind::writable_folder;
  }
  return path == "." ? PathKind::writable_folder : PathKind::missing;
}

std::chrono::year_month_day AdvancingClock::Date() {
  ++readings;
  const std::chrono::year_month_day today{next_};
  next_ += std::chrono::days{1};
  return today;
}
