// The names of every file a run writes, in one place: the export, the files beside each
// picture, the station page, the check and the sweep of a killed run's leftovers all take
// them from here.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "chart/day_data.h"
#include "output/export_report.h"
#include "platform/file_system.h"

/// The files the export of chart `numero` (1 to 6) of the day `day` writes: the temporary
/// bitmap "grafico<n>.bmp" in the forecast folder, the publication picture "plotM<n>.gif" and
/// the day's archive picture.
ChartFiles run_chart_files(const std::string& cartella_previsioni, const std::string& cartella_gif,
                           int numero, const DayTexts& day);

/// The most charts drawn at once: each drawer of an archive redraw has a bitmap of its own.
inline constexpr int kMostDrawers = 64;

/// The files drawer `drawer` (1 to kMostDrawers) of an archive redraw writes for the day
/// `day`: a temporary bitmap of its own, "grafico0.bmp" for the first and "grafico0-<n>.bmp"
/// for drawer n of the others, so that it never shares one with a chart of a run or another
/// drawer, and the archive picture; no publication picture ("").
ChartFiles archive_chart_files(const std::string& cartella_previsioni, const DayTexts& day,
                               int drawer);

/// The file of another kind beside a picture: "…/plotM3.gif" with ".json" is "…/plotM3.json".
std::string beside(const std::string& picture, const char* extension);

/// The station page in the publication folder.
std::string station_page_file(const std::string& cartella_gif);

/// The archive folder, "previous_M3000F2_plots" in the forecast folder, with its separator.
std::string archive_folder(const std::string& cartella_previsioni);

/// The name of a day's files in the archive folder without their extension: the four-digit
/// year and the three-digit day of year, "2026184".
std::string archive_day_name(std::chrono::sys_days day);

/// The archive page in the archive folder.
std::string archive_page_file(const std::string& cartella_previsioni);

/// Every name a run or a redraw writes in the publication, forecast and archive folders. A
/// process killed while it writes one leaves a temporary file, or a bitmap, that the next run
/// recognises from this table alone.
std::vector<WrittenNames> files_a_run_writes(const std::string& cartella_previsioni,
                                             const std::string& cartella_gif);
