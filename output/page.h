// The station page: index.html in the publication folder, showing the six charts of a run.
#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>

/// One chart as the page shows it.
struct PageChart {
  std::string date;  // the chart's day, YYYY-MM-DD: its heading
  /// The picture's file name in the publication folder; nullopt when the run could not write
  /// it, and the card then says that the chart could not be updated.
  std::optional<std::string> picture;
  std::optional<std::string> json;  // the file name of its data, when the run wrote them
  std::string summary;              // the day in one sentence: the picture's text alternative
};

/// What the page shows.
struct PageContent {
  std::string station;
  std::chrono::sys_seconds run_time;
  std::array<PageChart, 6> charts;  // chart 1 (five days ago) to chart 6 (today)
  /// When the newest measurement of the six days was taken; nullopt when there is none.
  std::optional<std::chrono::sys_seconds> newest_measurement;
};

/// The page as an HTML document: the station, when the run drew it, when the newest
/// measurement was taken, and the six charts newest first, each under its date with its
/// summary as text alternative and a link to its data, or a line saying that it could not be
/// updated. It reloads itself every five minutes,
/// suits narrow screens and dark and light mode, and refers to no file but the charts' own.
std::string station_page(const PageContent& content);
