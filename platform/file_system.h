// The file system as the program sees it: current directory, text input, deletion, and
// writing a whole file so that readers never see it half-written.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/folder_lock.h"
#include "platform/text_file.h"

/// Paths reach the file system as they are given: a "\" in one is a character of a name. Only
/// the folder values of the settings file read "\" as "/" (see run/settings).

/// The process's current directory into `*path`; false, with the reason in `*err`, when it
/// cannot be named (it was deleted, say).
bool current_directory(std::string* path, std::string* err);

/// Whether a written file must reach the disk before it replaces the old one: a published
/// picture must, so that a crash leaves the old picture or the new one; a temporary file that
/// is read back and deleted at once need not, and is deleted, should a termination signal end
/// the process, until it is deleted with `Kill`.
enum class Durability { kFlushed, kTemporary };

/// The names a process writes after one prefix (taken literally, such as a folder of the
/// settings), as fnmatch(3) patterns: `kept` for files it leaves in place, `temporary` for files
/// it deletes again itself.
struct WrittenNames {
  std::string prefix;
  std::vector<std::string> kept;
  std::vector<std::string> temporary;
};

/// Deletes what a process that ended while writing the files of `written` left behind: the
/// temporary files that `PosixFileSystem::WriteFile` makes for every one of its names, and the
/// files named by `written.temporary` themselves. Only regular files named exactly so are
/// deleted, found in one listing of the folder. Returns each one that could not be, as "<path>:
/// <reason>"; a folder that cannot be listed gives none.
std::vector<std::string> remove_leftovers(const WrittenNames& written);

/// The folder part of a path: everything up to and including its last "/"; "" when it has
/// none.
std::string folder_of(const std::string& path);

/// The folder a folder of the settings names, as the file system sees it: "" is the current
/// directory, and a final "/" is dropped so that a file in its place is not taken for a
/// missing folder.
std::string folder_named(const std::string& folder);

/// A folder whose files are opened by name without looking the folder up again: for trying
/// many names in one folder, as the measured-value trace does for every minute of a day.
class Folder {
 public:
  virtual ~Folder() = default;

  /// Opens the file `name` of the folder for sequential input; nullptr when it cannot be
  /// opened (missing, a folder, not readable). The reason is not kept: callers trying
  /// names one after the other only need to know which exist.
  virtual std::unique_ptr<TextFile> Open(const std::string& name) = 0;
};

/// What a path names, as far as writing files into it or over it goes.
enum class PathKind {
  missing,          // nothing, or a path through something that is no folder
  file,             // anything that is not a folder
  folder,           // a folder the process cannot create files in
  writable_folder,  // a folder the process can create and rename files in
};

/// Takes the names of a listing one at a time; a name lives only for the call.
using NameVisitor = std::function<void(std::string_view)>;

/// The platform services of the batch run that touch files.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  /// Opens a text file for sequential input; nullptr, with the reason in `*err`, when the
  /// file cannot be opened (missing, a folder or other non-regular file, not readable).
  virtual std::unique_ptr<TextFile> Open(const std::string& path, std::string* err) = 0;

  /// The folder `folder` (a path ending with "/", or "" for the current directory), for opening
  /// many of its files. Opening a file through it gives the same result as `Open` with the folder
  /// prefixed.
  virtual std::unique_ptr<Folder> OpenFolder(const std::string& folder);

  /// The first entry of the listing of `folder` ("" lists the current directory) into
  /// `*first`: the smallest name, in byte order, among its regular files whose names do not
  /// begin with "."; "" when there is none. False, with the reason in `*err`, when the folder
  /// cannot be listed (missing, not a folder, not readable).
  virtual bool Dir(const std::string& folder, std::string* first, std::string* err) = 0;

  /// Gives `each` the name of every regular file in `folder` (as for `Dir`), in no
  /// particular order, during one pass over the folder, keeping none: names that begin with
  /// "." and anything that is not itself a regular file (a symbolic link, a folder) are left
  /// out. False, with the reason in `*err`, when the folder cannot be listed.
  virtual bool List(const std::string& folder, const NameVisitor& each, std::string* err) = 0;

  /// Whether the paths `a` and `b` name one and the same existing file or folder, symbolic
  /// links followed; a query only, false when either cannot be looked up.
  virtual bool SameFile(const std::string& a, const std::string& b) = 0;

  /// Reads the whole file `path` into `*contents`; false, with the reason in `*err`, when it
  /// cannot be read or holds more than `limit` bytes.
  virtual bool ReadFile(const std::string& path, std::size_t limit, std::string* contents,
                        std::string* err) = 0;

  /// Writes `size` bytes as the file `path`, replacing a file of that name: a reader sees the
  /// old file or the new one, never a torn one. False, with the reason in `*err`, when it
  /// cannot; the old file then stays.
  virtual bool WriteFile(const std::string& path, const void* data, std::size_t size,
                         Durability durability, std::string* err) = 0;

  /// Writes `size` bytes as the file `path` that the command line names, where the operator
  /// and not the program decides what is there: a regular file, or nothing, is written as
  /// `WriteFile` writes one, flushed; a symbolic link is followed, never replaced, and the file
  /// it leads to written so; a FIFO or a character device is written into, a FIFO that no
  /// process reads being an error at once, never a wait; anything else is refused. False,
  /// with the reason in `*err`, when it cannot. Here: as `WriteFile`.
  virtual bool WriteNamedFile(const std::string& path, const void* data, std::size_t size,
                              std::string* err);

  /// Deletes a file; false, with the reason in `*err`, when it cannot.
  virtual bool Kill(const std::string& path, std::string* err) = 0;

  /// What `path` names; a query only, for reporting what a run would find.
  virtual PathKind Kind(const std::string& path) = 0;

  /// Whether the folder `folder` can be opened to lock it (see `LockFolder`): false for one
  /// the process may not read, or that is not there; a query only, for the check.
  virtual bool Lockable(const std::string& folder) = 0;

  /// Locks the folder `folder` against every process that locks it too,
  /// waiting up to `wait` for one that holds it; the lock lasts as long as the object.
  virtual std::unique_ptr<FolderLock> LockFolder(const std::string& folder,
                                                 std::chrono::milliseconds wait) = 0;

  /// Deletes the leftovers of killed processes, as `remove_leftovers` says; returns each one
  /// that could not be deleted.
  virtual std::vector<std::string> RemoveLeftovers(const WrittenNames& written) = 0;
};

/// The real file system.
class PosixFileSystem : public FileSystem {
 public:
  std::unique_ptr<TextFile> Open(const std::string& path, std::string* err) override;
  std::unique_ptr<Folder> OpenFolder(const std::string& folder) override;
  bool Dir(const std::string& folder, std::string* first, std::string* err) override;
  bool List(const std::string& folder, const NameVisitor& each, std::string* err) override;
  bool SameFile(const std::string& a, const std::string& b) override;
  bool ReadFile(const std::string& path, std::size_t limit, std::string* contents,
                std::string* err) override;
  /// Writes the file through a temporary file in the same folder, ".<name>.XXXXXX", that is
  /// renamed over it; a flushed one reaches the disk first. A replaced file's permission bits
  /// and group are kept. On failure no temporary file is left.
  bool WriteFile(const std::string& path, const void* data, std::size_t size, Durability durability,
                 std::string* err) override;
  bool WriteNamedFile(const std::string& path, const void* data, std::size_t size,
                      std::string* err) override;
  bool Kill(const std::string& path, std::string* err) override;
  PathKind Kind(const std::string& path) override;
  bool Lockable(const std::string& folder) override;
  std::unique_ptr<FolderLock> LockFolder(const std::string& folder,
                                         std::chrono::milliseconds wait) override;
  std::vector<std::string> RemoveLeftovers(const WrittenNames& written) override;

 protected:
  /// Makes what was written to the descriptor `fd` reach the disk (fsync(2)); false, with
  /// errno set, when it cannot. A flushed write calls it on its temporary file before the
  /// rename.
  virtual bool Flush(int fd);
};
