// What an export of one chart left undone.
#pragma once

#include <string>
#include <vector>

/// A picture that an export did not write, and why.
struct UnwrittenPicture {
  std::string path;
  std::string reason;
};

/// The outcome of exporting one chart.
struct ExportReport {
  /// The pictures not written; empty when both were written.
  std::vector<UnwrittenPicture> unwritten;
  /// "path: reason" when the temporary bitmap was written but could not be deleted; empty
  /// otherwise.
  std::string bitmap_left;
};

/// The files the export of one chart writes: the temporary bitmap, then the publication
/// and the archive picture made from it. Program paths, "\\" allowed.
struct ChartFiles {
  std::string bitmap;
  std::string publication;
  std::string archive;
};
