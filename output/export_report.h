// What the export of one chart wrote and left undone.
#pragma once

#include <string>
#include <vector>

/// A file that an export did not write, and why.
struct UnwrittenFile {
  std::string path;
  std::string reason;
};

/// The outcome of exporting one chart.
struct ExportReport {
  /// The pictures not written; empty when both were written.
  std::vector<UnwrittenFile> unwritten;
  /// The data files and SVGs beside the pictures that were not written.
  std::vector<UnwrittenFile> unwritten_beside;
  /// "path: reason" when the temporary bitmap was written but could not be deleted; empty
  /// otherwise.
  std::string bitmap_left;

  /// Why `file` was left unwritten; "" when it was written or was not to be.
  std::string reason_unwritten(const std::string& file) const;
  /// Whether every picture, data file and SVG was written.
  bool all_written() const { return unwritten.empty() && unwritten_beside.empty(); }
};

/// The files the export of one chart writes: the temporary bitmap, then the publication
/// and the archive picture made from it.
struct ChartFiles {
  std::string bitmap;
  std::string publication;  // "" when the chart is not published
  std::string archive;
};
