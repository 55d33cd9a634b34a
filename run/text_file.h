// Sequential text input: one line at a time, as the settings and data files are read.
#pragma once

#include <cstddef>
#include <istream>
#include <memory>
#include <string>

/// A text file open for sequential input. A line ends at a carriage return, a carriage
/// return followed by a line feed, or a line feed; the last line needs no end.
class TextFile {
 public:
  /// The longest line kept; the rest of a longer line is read past and discarded, so a
  /// huge or binary file cannot exhaust memory.
  static constexpr std::size_t kMaxLineLength = 64 * 1024;

  explicit TextFile(std::unique_ptr<std::istream> input);

  /// Reads the next line into `*line`. Returns false at the end of the file, leaving
  /// `*line` unchanged.
  bool ReadLine(std::string* line);

 private:
  std::unique_ptr<std::istream> input_;
};
