// Sequential text input: one line at a time, as the settings and data files are read.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

/// A text file open for sequential input. A line ends at a carriage return, a carriage
/// return followed by a line feed, or a line feed; the last line needs no end.
class TextFile {
 public:
  /// The most bytes read of any file: past them the file reads as ended, so a huge file, or
  /// a sparse one of terabytes without a line end, costs no more than a real file of its
  /// kind, every one of which ends well within it; a line is never longer.
  static constexpr std::size_t kReadBudget = 64 * 1024;

  /// The file whose whole content is `contents`.
  explicit TextFile(std::string contents);

  /// The file open on the descriptor `fd`, which the object owns and closes. Its first block
  /// is read at once, so that a descriptor that cannot be read (a folder, say) or that is no
  /// regular file (a pipe or a device) gives nullptr, with the reason in `*err`, and closes
  /// `fd`. Open a pipe with O_NONBLOCK, or the open itself waits for a writer.
  static std::unique_ptr<TextFile> FromDescriptor(int fd, std::string* err);

  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  /// Reads the next line into `*line`. Returns false at the end of the file or of the read
  /// budget, leaving `*line` unchanged; a read error counts as the end.
  bool ReadLine(std::string* line);

 private:
  // Files are read in blocks of this size: one block holds a whole measurement file.
  static constexpr std::size_t kBlockSize = 4096;

  explicit TextFile(int fd);
  // Makes the next unread character available; false at the end of the input.
  bool Available();
  // Reads the next block of the descriptor, within what is left of the budget, into the
  // buffer; false at the end, on error (errno telling which) or with the budget spent.
  bool Refill();

  int fd_ = -1;
  std::string contents_;           // the whole file, when it is held in memory
  std::unique_ptr<char[]> block_;  // the block last read, when it is read from `fd_`
  const char* data_ = nullptr;     // the characters at hand: `contents_` or `block_`
  std::size_t size_ = 0;
  std::size_t position_ = 0;
  std::size_t budget_left_ = kReadBudget;  // of the bytes `fd_` may still give
};
