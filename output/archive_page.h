// The archive page: index.html in the archive folder, every archived day in a calendar per
// month, linking its picture, its SVG and its data.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

/// The name by which the publication folder reaches the archive folder, when it does: a
/// link `archive` beside the station page, say, to the archive folder. Then the two pages
/// link each other by these addresses.
inline constexpr const char* kArchiveInPublication = "archive";
inline constexpr const char* kArchivePageFromStationPage = "archive/index.html";
inline constexpr const char* kStationPageFromArchivePage = "../index.html";

/// Which files of one day the archive holds.
struct ArchivedDay {
  std::chrono::sys_days day;
  bool gif = false;
  bool svg = false;
  bool json = false;
};

/// The archived days, gathered from the names in the archive folder as a listing gives them:
/// "YYYYDDD.gif", ".svg" and ".json" of a real day from 1900 on, named by year and day of
/// year; any other name is left out.
class ArchivedDays {
 public:
  void Add(std::string_view name);
  /// Every day with a file, oldest first.
  std::vector<ArchivedDay> Days() const;

 private:
  std::vector<std::uint32_t> files_;  // each file as its day since 1900 above its kind's bit
};

/// What the archive page shows.
struct ArchivePageContent {
  std::string station;
  std::vector<ArchivedDay> days;  // oldest first, as `ArchivedDays` gives them
  /// The station page's address relative to the archive page, when it can be reached from
  /// it.
  std::optional<std::string> station_page;
};

/// The page as an HTML document: the station, the span of archived days, and the months
/// that hold an archived day, newest first and grouped by year, each as a calendar of weeks
/// from Monday; each day from the oldest to the newest links its GIF, SVG and data where
/// the archive holds them, and one without a GIF says "no picture"; the other days of those
/// months show their numbers alone. It looks as the station page does, in dark and light
/// mode and on narrow screens, and refers to no file but the archive's own and the station
/// page. Its head names the program and a digest of `content`.
std::string archive_page(const ArchivePageContent& content);

/// Whether the file `path` is the archive page of `content` as this program writes it, as
/// far as the digest in its head tells: then it need not be written again. Reads the head
/// alone.
bool archive_page_current(FileSystem& files, const std::string& path,
                          const ArchivePageContent& content);

/// Brings the archive page of the forecast folder `cartella_previsioni` (a settings value)
/// up to date from one listing of the archive folder: writes it, replacing the old one as a
/// picture is replaced, unless the page there already shows the same
/// (`archive_page_current`). It links the station page when `linked`: when the publication
/// folder reaches the archive folder as `kArchiveInPublication`. False, with the reason in
/// `*err`, when the folder cannot be listed or the page cannot be written.
bool update_archive_page(FileSystem& files, const std::string& cartella_previsioni,
                         const std::string& station, bool linked, std::string* err);
