// The station page of a run, built from its six charts' outcomes after the last of them.
#include "run/station_page.h"

#include "output/archive_page.h"
#include "output/chart_svg.h"
#include "output/output_files.h"
#include "output/page.h"
#include "output/plotted_values.h"
#include "output/summary.h"
#include "platform/clock.h"

namespace {

// The name of `path` in the publication folder.
std::string in_publication_folder(const std::string& path, const Settings& settings) {
  return path.substr(settings.cartella_gif.size());
}

// Whether the run wrote `file`, one of the chart's files it was to write.
bool written(const ChartOutcome& chart, const std::string& file) {
  return chart.report.reason_unwritten(file).empty();
}

// The page shows only what this run wrote, so that no picture or data of an earlier day
// stands under this run's date: the SVG with --svg, else (or when the SVG was not written) the
// GIF, or nothing when the GIF was not written either; the data when they were written.
PageChart page_chart(const ChartOutcome& chart, BesideOutputs outputs, const Settings& settings) {
  const std::string& gif = chart.files.publication;
  const std::string svg = beside(gif, ".svg");
  const std::string json = beside(gif, ".json");
  PageChart shown{chart.day.date, chart.day.data_grafico, std::nullopt,
                  std::nullopt,   summary(chart.day),     count_day(chart.day).newest_value_time};
  if (!written(chart, gif)) return shown;
  shown.picture = in_publication_folder(outputs.svg && written(chart, svg) ? svg : gif, settings);
  if (outputs.json && written(chart, json)) shown.json = in_publication_folder(json, settings);
  return shown;
}

}  // namespace

// The archive page comes first, so that the station page never links to one not yet there.
bool write_station_page(const Platform& platform, const Settings& settings,
                        const std::vector<ChartOutcome>& charts, BesideOutputs outputs,
                        std::chrono::sys_seconds run_time) {
  const bool archive_reachable = platform.files.SameFile(
      settings.cartella_gif + kArchiveInPublication, archive_folder(settings.cartella_previsioni));
  PageContent content;
  content.station = station_title(charts.back().day);
  content.run_time = run_time;
  for (std::size_t n = 0; n < charts.size(); ++n) {
    content.charts[n] = page_chart(charts[n], outputs, settings);
  }
  if (archive_reachable) content.archive = kArchivePageFromStationPage;

  std::string err;
  const bool archive_written = update_archive_page(platform.files, settings.cartella_previsioni,
                                                   content.station, archive_reachable, &err);
  if (!archive_written) {
    platform.diagnostics.Error("cannot write " + archive_page_file(settings.cartella_previsioni) +
                               ": " + err);
  }
  const std::string page = station_page(content);
  const std::string path = station_page_file(settings.cartella_gif);
  if (!platform.files.WriteFile(path, page.data(), page.size(), Durability::kFlushed, &err)) {
    platform.diagnostics.Error("cannot write " + path + ": " + err);
    return false;
  }
  return archive_written;
}
