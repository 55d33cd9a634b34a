// The archive page: index.html in the archive folder, every archived day in a calendar per
// month, linking its picture, its SVG and its data.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

/// The name by which the publication folder reaches the archive folder, when it does: a
/// link `archive` beside the station page, say, to the archive folder.
inline constexpr const char* kArchiveInPublication = "archive";

/// Which files of one day the archive holds.
struct ArchivedDay {
  std::chrono::sys_days day;
  bool gif = false;
  bool svg = false;
  bool json = false;
};

/// The days whose files `names` (the names in the archive folder) hold: "YYYYDDD.gif",
/// ".svg" and ".json" of a real day from 1900 on, named by year and day of year; any other
/// name is left out. Oldest first.
std::vector<ArchivedDay> archived_days(const std::vector<std::string>& names);

/// What the archive page shows.
struct ArchivePageContent {
  std::string station;
  std::chrono::sys_seconds run_time;  // when the run that drew it was made
  std::vector<ArchivedDay> days;      // oldest first, as `archived_days` gives them
  /// The station page's address relative to the archive page, when it can be reached from
  /// it.
  std::optional<std::string> station_page;
};

/// The page as an HTML document: the station, when the run drew it, and the months from
/// that of the newest archived day back to that of the oldest, grouped by year, each as a
/// calendar of weeks from Monday; each day from the oldest to the newest links its GIF,
/// SVG and data where the archive holds them, and one without a GIF says "no picture"; the
/// other days of those months show their numbers alone.
/// It looks as the station page does, in dark and light mode and on narrow screens, and
/// refers to no file but the archive's own and the station page.
std::string archive_page(const ArchivePageContent& content);
