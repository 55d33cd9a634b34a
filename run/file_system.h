// The file system as the program sees it: current directory, text input, deletion, and
// writing a whole file so that readers never see it half-written.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "run/text_file.h"

/// The program forms every path by plain concatenation with "\" as the separator;
/// on this system each "\" becomes "/" when the path reaches the file system.
std::string native_path(const std::string& path);

/// True when `path` ends with a path separator ("\" or "/").
bool ends_with_separator(const std::string& path);

/// Writes `size` bytes to the file `path` (a program path, "\" allowed) through a temporary file in
/// the same folder that is then renamed over it: a reader sees the old file or the new one, never a
/// torn one. On failure the old file stays, no temporary file is left, and `*err` says why.
bool write_file_replacing(const std::string& path, const void* data, std::size_t size,
                          std::string* err);

/// The platform services of the batch run that touch files.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  /// The process's current directory; nullopt when it cannot be determined.
  virtual std::optional<std::string> CurDir() = 0;

  /// Opens a text file for sequential input; nullptr, with the reason in `*err`, when the
  /// file cannot be opened (missing, a folder, not readable).
  virtual std::unique_ptr<TextFile> Open(const std::string& path, std::string* err) = 0;

  /// The first entry of the listing of `folder` ("" lists the current directory): the
  /// smallest name, in byte order, among its regular files whose names do not begin with
  /// "."; "" when there is none or the folder cannot be listed.
  virtual std::string Dir(const std::string& folder) = 0;

  /// Deletes a file; false, with the reason in `*err`, when it cannot.
  virtual bool Kill(const std::string& path, std::string* err) = 0;
};

/// The real file system.
class PosixFileSystem : public FileSystem {
 public:
  std::optional<std::string> CurDir() override;
  std::unique_ptr<TextFile> Open(const std::string& path, std::string* err) override;
  std::string Dir(const std::string& folder) override;
  bool Kill(const std::string& path, std::string* err) override;
};
