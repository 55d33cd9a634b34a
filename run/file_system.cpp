// The file system as the program sees it: current directory, text input, deletion, and
// writing a whole file so that readers never see it half-written.
#include "run/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

std::string native_path(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

bool ends_with_separator(const std::string& path) {
  return !path.empty() && (path.back() == '\\' || path.back() == '/');
}

namespace {

std::string error_text(int error) { return std::strerror(error); }

// The temporary file's mode is the one a plain create would give, so that a web server can
// read the published picture (mkstemp alone would make it private to the owner).
mode_t mode_for_new_files() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
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

}  // namespace

bool write_file_replacing(const std::string& path, const void* data, std::size_t size,
                          std::string* err) {
  const std::string native = native_path(path);
  const std::filesystem::path target(native);
  const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
  std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();

  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    *err = error_text(errno);
    return false;
  }
  const bool written =
      ::fchmod(fd, mode_for_new_files()) == 0 && write_all(fd, data, size) && ::fsync(fd) == 0;
  const int write_error = errno;
  const bool closed = ::close(fd) == 0;
  const int close_error = errno;
  if (!written || !closed) {
    ::unlink(temporary.c_str());
    *err = error_text(written ? close_error : write_error);
    return false;
  }
  if (::rename(temporary.c_str(), native.c_str()) != 0) {
    *err = error_text(errno);
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

std::optional<std::string> PosixFileSystem::CurDir() {
  std::error_code error;
  const auto directory = std::filesystem::current_path(error);
  if (error) return std::nullopt;
  return directory.string();
}

std::unique_ptr<TextFile> PosixFileSystem::Open(const std::string& path, std::string* err) {
  const std::string native = native_path(path);
  struct stat info {};
  if (::stat(native.c_str(), &info) != 0) {
    *err = error_text(errno);
    return nullptr;
  }
  if (S_ISDIR(info.st_mode)) {
    *err = error_text(EISDIR);
    return nullptr;
  }
  auto input = std::make_unique<std::ifstream>(native, std::ios::binary);
  if (!*input) {
    *err = error_text(errno ? errno : EIO);
    return nullptr;
  }
  return std::make_unique<TextFile>(std::move(input));
}

// The listing order of a folder is arbitrary on this system; the smallest name makes the
// choice of the station file the same on every run.
std::string PosixFileSystem::Dir(const std::string& folder) {
  const std::string native = folder.empty() ? "." : native_path(folder);
  std::error_code error;
  std::string first;
  std::filesystem::directory_iterator entry(native, error);
  for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
    const std::string name = entry->path().filename().string();
    std::error_code not_regular;
    if (name.front() == '.' || !entry->is_regular_file(not_regular)) continue;
    if (first.empty() || name < first) first = name;
  }
  return first;
}

bool PosixFileSystem::Kill(const std::string& path, std::string* err) {
  if (::unlink(native_path(path).c_str()) != 0) {
    *err = error_text(errno);
    return false;
  }
  return true;
}
