// The file system as the program sees it: current directory, text input, deletion, and
// writing a whole file so that readers never see it half-written.
#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "platform/termination.h"

std::string folder_of(const std::string& path) {
  const std::size_t last = path.rfind('/');
  return last == std::string::npos ? "" : path.substr(0, last + 1);
}

std::string folder_named(const std::string& folder) {
  std::string named = folder;
  while (named.size() > 1 && named.back() == '/') named.pop_back();
  return named.empty() ? "." : named;
}

namespace {

std::string error_text(int error) { return std::strerror(error); }

// The temporary file of a file `name` is ".<name>.XXXXXX" in the same folder, the X made
// unique by mkstemp, which puts letters and digits there; the leftovers of killed runs are
// recognised by this pattern alone.
constexpr std::string_view kTemporaryStart = ".";
constexpr std::string_view kTemporaryEnd = ".XXXXXX";
constexpr std::string_view kTemporaryEndPattern =
    ".[A-Za-z0-9][A-Za-z0-9][A-Za-z0-9][A-Za-z0-9][A-Za-z0-9][A-Za-z0-9]";

// A new file gets the mode a plain create would give (mkstemp alone would make it private to
// the owner), so that a web server can read the published picture.
mode_t mode_for_new_files() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// The file that replaces `path` keeps its permission bits, and its group where the process
// may set it, so that whoever could read the old picture reads the new one whatever the
// run's umask. The group cannot be kept where the run's user is not in it; the file then has
// the run's group, as a new file would.
bool take_attributes_of(const std::string& path, int fd) {
  struct stat replaced {};
  if (::stat(path.c_str(), &replaced) != 0 || !S_ISREG(replaced.st_mode)) {
    return ::fchmod(fd, mode_for_new_files()) == 0;
  }
  if (::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid) != 0 && errno != EPERM) return false;
  return ::fchmod(fd, replaced.st_mode & 0777) == 0;
}

bool write_all(int fd, const void* data, std::size_t size) {
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written = ::write(fd, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// Creates the temporary file of `path` and records it for deletion should a termination
// signal end the process; -1 with errno set when it cannot be created.
int create_temporary(const std::string& path, std::string* temporary) {
  const std::filesystem::path target(path);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string name(kTemporaryStart);
  name += target.filename().string();
  name += kTemporaryEnd;
  *temporary = (folder / name).string();

  const TerminationSignalsHeld held;
  const int fd = ::mkstemp(temporary->data());
  if (fd >= 0) record_temporary_file(*temporary);
  return fd;
}

// Renames the temporary file over `path`, or deletes it when `path` is null, and forgets
// it in the same step; false with errno set when the rename fails, the file then deleted. A
// file that is itself temporary stays recorded under its new name until it is deleted.
bool finish_temporary(const std::string& temporary, const std::string* path,
                      Durability durability) {
  const TerminationSignalsHeld held;
  if (path != nullptr && durability == Durability::kTemporary) record_temporary_file(*path);
  const bool renamed = path != nullptr && ::rename(temporary.c_str(), path->c_str()) == 0;
  const int rename_error = errno;
  if (!renamed) {
    ::unlink(temporary.c_str());
    if (path != nullptr && durability == Durability::kTemporary) forget_temporary_file(*path);
  }
  forget_temporary_file(temporary);
  errno = rename_error;
  return renamed;
}

}  // namespace

// The temporary file reaches the disk before it replaces the old one, so that a crash
// leaves the old file or the new one, never an empty file under the name.
bool PosixFileSystem::WriteFile(const std::string& path, const void* data, std::size_t size,
                                Durability durability, std::string* err) {
  std::string temporary;
  const int fd = create_temporary(path, &temporary);
  if (fd < 0) {
    *err = error_text(errno);
    return false;
  }
  const bool written = take_attributes_of(path, fd) && write_all(fd, data, size) &&
                       (durability == Durability::kTemporary || Flush(fd));
  const int write_error = errno;
  const bool closed = ::close(fd) == 0;
  const int close_error = errno;
  if (!written || !closed) {
    finish_temporary(temporary, nullptr, durability);
    *err = error_text(written ? close_error : write_error);
    return false;
  }
  if (!finish_temporary(temporary, &path, durability)) {
    *err = error_text(errno);
    return false;
  }
  return true;
}

namespace {

// Whether a listed entry is a regular file, following a symbolic link as opening it would;
// the entry's type is asked of the file system only where the listing does not carry it.
bool is_regular_file(DIR* listing, const dirent& entry) {
  if (entry.d_type == DT_REG) return true;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
  struct stat info {};
  return ::fstatat(::dirfd(listing), entry.d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
}

// Whether a listed entry is a regular file itself: a link, or anything else of the name of
// a temporary file, is none of this program's.
bool is_plain_file(DIR* listing, const dirent& entry) {
  if (entry.d_type != DT_UNKNOWN) return entry.d_type == DT_REG;
  struct stat info {};
  return ::fstatat(::dirfd(listing), entry.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
         S_ISREG(info.st_mode);
}

}  // namespace

namespace {

bool matches_any(const std::vector<std::string>& patterns, const std::string& name,
                 std::string_view ending) {
  for (const std::string& pattern : patterns) {
    if (::fnmatch((pattern + std::string(ending)).c_str(), name.c_str(), 0) == 0) return true;
  }
  return false;
}

// Whether `name` (what follows the prefix's own part of a name in its folder) is a leftover:
// the temporary file of any name written, or a temporary name itself.
bool is_leftover(const WrittenNames& written, const std::string& start, std::string_view name) {
  const std::string_view after_start = name.substr(std::min(name.size(), kTemporaryStart.size()));
  if (name.starts_with(kTemporaryStart) && after_start.starts_with(start)) {
    const std::string rest(after_start.substr(start.size()));
    if (matches_any(written.kept, rest, kTemporaryEndPattern) ||
        matches_any(written.temporary, rest, kTemporaryEndPattern)) {
      return true;
    }
  }
  return name.starts_with(start) &&
         matches_any(written.temporary, std::string(name.substr(start.size())), "");
}

}  // namespace

std::vector<std::string> remove_leftovers(const WrittenNames& written) {
  const std::string folder = folder_of(written.prefix);
  const std::string start = written.prefix.substr(folder.size());

  std::vector<std::string> failures;
  DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
  if (listing == nullptr) return failures;
  while (const dirent* entry = ::readdir(listing)) {
    if (!is_leftover(written, start, entry->d_name)) continue;
    if (!is_plain_file(listing, *entry)) continue;
    if (::unlinkat(::dirfd(listing), entry->d_name, 0) != 0 && errno != ENOENT) {
      failures.push_back(folder + entry->d_name + ": " + error_text(errno));
    }
  }
  ::closedir(listing);
  return failures;
}

bool current_directory(std::string* path, std::string* err) {
  std::error_code error;
  const std::filesystem::path directory = std::filesystem::current_path(error);
  if (error) {
    *err = error.message();
    return false;
  }
  *path = directory.string();
  return true;
}

// Files are opened without waiting, so that a pipe does not hold the run until something
// writes to it; a regular file reads the same either way.
std::unique_ptr<TextFile> PosixFileSystem::Open(const std::string& path, std::string* err) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    *err = error_text(errno);
    return nullptr;
  }
  return TextFile::FromDescriptor(fd, err);
}

namespace {

// Opens names relative to a handle on the folder, so that the folder's path is resolved once
// rather than at each of the day's 1,440 tries. Where the folder cannot be opened the names
// are tried by their full paths, which then fail as they would have anyway.
class PosixFolder : public Folder {
 public:
  explicit PosixFolder(const std::string& folder)
      : prefix_(folder),
        fd_(::open(prefix_.empty() ? "." : prefix_.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)) {}
  ~PosixFolder() override {
    if (fd_ >= 0) ::close(fd_);
  }
  PosixFolder(const PosixFolder&) = delete;
  PosixFolder& operator=(const PosixFolder&) = delete;

  std::unique_ptr<TextFile> Open(const std::string& name) override {
    constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;  // as in PosixFileSystem::Open
    const int fd =
        fd_ >= 0 ? ::openat(fd_, name.c_str(), kFlags) : ::open((prefix_ + name).c_str(), kFlags);
    if (fd < 0) return nullptr;
    std::string unused;
    return TextFile::FromDescriptor(fd, &unused);
  }

 private:
  std::string prefix_;
  int fd_;
};

// Opens names by their full paths through the file system's own `Open`.
class PrefixFolder : public Folder {
 public:
  PrefixFolder(FileSystem& files, std::string folder) : files_(files), folder_(std::move(folder)) {}

  std::unique_ptr<TextFile> Open(const std::string& name) override {
    std::string unused;
    return files_.Open(folder_ + name, &unused);
  }

 private:
  FileSystem& files_;
  std::string folder_;
};

}  // namespace

std::unique_ptr<Folder> FileSystem::OpenFolder(const std::string& folder) {
  return std::make_unique<PrefixFolder>(*this, folder);
}

bool FileSystem::WriteNamedFile(const std::string& path, const void* data, std::size_t size,
                                std::string* err) {
  return WriteFile(path, data, size, Durability::kFlushed, err);
}

std::unique_ptr<Folder> PosixFileSystem::OpenFolder(const std::string& folder) {
  return std::make_unique<PosixFolder>(folder);
}

namespace {

// Gives `visit` the listing and each entry of `folder` other than those whose names begin
// with "."; false, with the reason, when the folder cannot be opened or read.
template <typename Visit>
bool read_folder(const std::string& folder, Visit visit, std::string* err) {
  DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
  if (listing == nullptr) {
    *err = error_text(errno);
    return false;
  }
  errno = 0;
  while (const dirent* entry = ::readdir(listing)) {
    if (entry->d_name[0] != '.') visit(listing, *entry);
    errno = 0;
  }
  const int listing_error = errno;
  ::closedir(listing);
  if (listing_error != 0) {
    *err = error_text(listing_error);
    return false;
  }
  return true;
}

}  // namespace

// The listing order of a folder is arbitrary on this system; the smallest name makes the
// choice of the station file the same on every run.
// Only the smallest name is kept, so a folder of years of files costs no memory.
bool PosixFileSystem::Dir(const std::string& folder, std::string* first, std::string* err) {
  first->clear();
  return read_folder(
      folder,
      [first](DIR* listing, const dirent& entry) {
        const char* name = entry.d_name;
        if ((first->empty() || name < *first) && is_regular_file(listing, entry)) *first = name;
      },
      err);
}

// The file types come with the listing on the usual file systems, so a folder of years of
// archive costs one pass and no look-up per name; and no name is kept, since the memory for
// tens of thousands would cost more than reading them.
bool PosixFileSystem::List(const std::string& folder, const NameVisitor& each, std::string* err) {
  return read_folder(
      folder,
      [&each](DIR* listing, const dirent& entry) {
        if (is_plain_file(listing, entry)) each(entry.d_name);
      },
      err);
}

bool PosixFileSystem::SameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool PosixFileSystem::ReadFile(const std::string& path, std::size_t limit, std::string* contents,
                               std::string* err) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    *err = error_text(errno);
    return false;
  }
  // The buffer grows a block at a time rather than to the limit at once, which would fill
  // megabytes with zeros for every small file; one byte past the limit is asked for, to
  // tell a file of exactly `limit` bytes from a longer one.
  constexpr std::size_t kBlock = 64 * 1024;
  std::size_t filled = 0;
  int read_error = 0;
  while (filled <= limit) {
    if (filled == contents->size()) contents->resize(std::min(filled + kBlock, limit + 1));
    const ssize_t got = ::read(fd, contents->data() + filled, contents->size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      read_error = got < 0 ? errno : 0;
      break;
    }
    filled += static_cast<std::size_t>(got);
  }
  ::close(fd);
  contents->resize(filled);
  if (read_error != 0) {
    *err = error_text(read_error);
    return false;
  }
  if (filled > limit) {
    *err = "larger than " + std::to_string(limit) + " bytes";
    return false;
  }
  return true;
}

bool PosixFileSystem::Flush(int fd) { return ::fsync(fd) == 0; }

namespace {

// The file a chain of symbolic links starting at `path` ends in, which need not exist: a link
// relative to its folder is read from there. False, with the reason in `*err`, when a link
// cannot be read or the chain is longer than the system follows.
bool end_of_links(const std::string& path, std::string* end, std::string* err) {
  constexpr int kMostLinks = 40;  // as the system follows when it resolves a path
  std::filesystem::path current(path);
  for (int links = 0; links <= kMostLinks; ++links) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) {
      *end = current.string();
      return true;
    }
    const std::filesystem::path next = std::filesystem::read_symlink(current, error);
    if (error) {
      *err = error.message();
      return false;
    }
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  *err = error_text(ELOOP);
  return false;
}

// A FIFO or a character device has no name to replace: the text is written into it. It is
// opened and written without waiting, so that a FIFO that no process reads, or one that is
// full, fails the write at once instead of holding the run.
bool write_into(const std::string& path, bool fifo, const void* data, std::size_t size,
                std::string* err) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    *err = fifo && errno == ENXIO ? "no process reads the FIFO" : error_text(errno);
    return false;
  }
  const bool written = write_all(fd, data, size);
  const int write_error = errno;
  ::close(fd);
  if (!written) {
    *err = fifo && write_error == EAGAIN ? "the FIFO is full" : error_text(write_error);
    return false;
  }
  return true;
}

}  // namespace

// The kind is asked of what the path leads to, as opening it would find it, so that a link
// to a device, /dev/stdout among them, reaches the device.
bool PosixFileSystem::WriteNamedFile(const std::string& path, const void* data, std::size_t size,
                                     std::string* err) {
  struct stat info {};
  const bool there = ::stat(path.c_str(), &info) == 0;
  if (!there && errno != ENOENT) {
    *err = error_text(errno);
    return false;
  }
  if (there && (S_ISFIFO(info.st_mode) || S_ISCHR(info.st_mode))) {
    return write_into(path, S_ISFIFO(info.st_mode), data, size, err);
  }
  if (there && !S_ISREG(info.st_mode)) {
    *err = S_ISDIR(info.st_mode) ? error_text(EISDIR)
                                 : "neither a regular file, a FIFO nor a character device";
    return false;
  }
  std::string file;
  return end_of_links(path, &file, err) && WriteFile(file, data, size, Durability::kFlushed, err);
}

// A temporary file is forgotten in the step that deletes it, so that a signal meanwhile finds
// it recorded or gone.
bool PosixFileSystem::Kill(const std::string& path, std::string* err) {
  const TerminationSignalsHeld held;
  const bool deleted = ::unlink(path.c_str()) == 0;
  if (!deleted) *err = error_text(errno);
  forget_temporary_file(path);
  return deleted;
}

PathKind PosixFileSystem::Kind(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return PathKind::missing;
  if (!S_ISDIR(info.st_mode)) return PathKind::file;
  return ::access(path.c_str(), W_OK | X_OK) == 0 ? PathKind::writable_folder : PathKind::folder;
}

bool PosixFileSystem::Lockable(const std::string& folder) { return FolderLock::Opens(folder); }

std::unique_ptr<FolderLock> PosixFileSystem::LockFolder(const std::string& folder,
                                                        std::chrono::milliseconds wait) {
  return std::make_unique<FolderLock>(folder, wait);
}

std::vector<std::string> PosixFileSystem::RemoveLeftovers(const WrittenNames& written) {
  return remove_leftovers(written);
}
