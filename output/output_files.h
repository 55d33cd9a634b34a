// The names of every file a run writes, in one place: the export, the files beside each
// picture, the station page, the check and the sweep of a killed run's leftovers all take
// them from here.
#pragma once

#include <string>
#include <vector>

#include "chart/day_data.h"
#include "output/export_report.h"

/// The files the export of chart `numero` (1 to 6) of the day `day` writes: the temporary
/// bitmap "grafico<n>.bmp" in the forecast folder, the publication picture "plotM<n>.gif" and
/// the day's archive picture.
ChartFiles run_chart_files(const std::string& cartella_previsioni, const std::string& cartella_gif,
                           int numero, const DayTexts& day);

/// The files an archive redraw writes for the day `day`: a temporary bitmap of its own,
/// "grafico0.bmp", so that it never shares one with a chart of a run, and the archive
/// picture; no publication picture ("").
ChartFiles archive_chart_files(const std::string& cartella_previsioni, const DayTexts& day);

/// The file of another kind beside a picture: "…/plotM3.gif" with ".json" is "…/plotM3.json".
std::string beside(const std::string& picture, const char* extension);

/// The station page in the publication folder.
std::string station_page_file(const std::string& cartella_gif);

/// A folder value of the settings, and the fnmatch(3) pattern of the names a run writes after
/// it.
struct WrittenFiles {
  std::string folder;
  std::string names;
};

/// Every name a run writes in the publication, forecast and archive folders. A run killed
/// while it writes one leaves a temporary file that the next run recognises from this table
/// alone.
std::vector<WrittenFiles> files_a_run_writes(const std::string& cartella_previsioni,
                                             const std::string& cartella_gif);
