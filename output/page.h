// The station page: index.html in the publication folder, showing the six charts of a run.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>

/// How much older than the run today's newest measurement may be before the page says that
/// the station's data are stale.
inline constexpr std::chrono::hours kStaleAfter{2};

/// One chart as the page shows it.
struct PageChart {
  std::chrono::year_month_day day;  // the chart's day: its heading
  std::string label;                // the date the chart prints above itself, DD/MM/YYYY
  /// The picture's file name in the publication folder; nullopt when the run could not write
  /// it, and the card then says that the chart could not be updated.
  std::optional<std::string> picture;
  std::optional<std::string> json;  // the file name of its data, when the run wrote them
  std::string summary;              // the day in one sentence: the picture's text alternative
  /// When the day's latest measurement with a value was taken; nullopt when none was.
  std::optional<std::chrono::sys_seconds> newest;
};

/// What the page shows.
struct PageContent {
  std::string station;
  /// When the run was made: the time the page says it was drawn, and the time against which
  /// it judges whether the data are stale.
  std::chrono::sys_seconds run_time;
  std::array<PageChart, 6> charts;  // chart 1 (five days ago) to chart 6 (today)
  /// The archive page's address relative to the page, when the archive can be reached from
  /// it.
  std::optional<std::string> archive;
};

/// The page as an HTML document: the station; a notice, in an element of class "stale",
/// when chart 6 is the UT day of the run and its newest measurement is more than
/// `kStaleAfter` older than the run or it has none; when the run drew it; when the newest
/// measurement was taken, unless the notice says it; a link to the archive page; a legend
/// of class "legend"; and the six charts newest first, each under its date with its summary
/// as text alternative and a link to its data, or a line saying that it could not be
/// updated. It reloads itself every five minutes, suits narrow screens and dark and light
/// mode, and refers to no file but the charts' own, their data and the archive page.
std::string station_page(const PageContent& content);
