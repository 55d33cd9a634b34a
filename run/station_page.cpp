// The station page of a run, built from its six charts' outcomes after the last of them.
#include "run/station_page.h"

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

// When the newest measurement with a value of the charts was taken.
std::optional<std::chrono::sys_seconds> newest_measurement(
    const std::vector<ChartOutcome>& charts) {
  std::optional<std::chrono::sys_seconds> newest;
  for (const ChartOutcome& chart : charts) {
    const std::optional<std::chrono::sys_seconds> taken = count_day(chart.day).newest_value_time;
    if (taken && (!newest || *taken > *newest)) newest = taken;
  }
  return newest;
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
  PageChart shown{format_date(chart.day.date), std::nullopt, std::nullopt, summary(chart.day)};
  if (!written(chart, gif)) return shown;
  shown.picture = in_publication_folder(outputs.svg && written(chart, svg) ? svg : gif, settings);
  if (outputs.json && written(chart, json)) shown.json = in_publication_folder(json, settings);
  return shown;
}

}  // namespace

bool write_station_page(const Platform& platform, const Settings& settings,
                        const std::vector<ChartOutcome>& charts, BesideOutputs outputs,
                        std::chrono::sys_seconds run_time) {
  PageContent content;
  content.station = station_title(charts.back().day);
  content.run_time = run_time;
  for (std::size_t n = 0; n < charts.size(); ++n) {
    content.charts[n] = page_chart(charts[n], outputs, settings);
  }
  content.newest_measurement = newest_measurement(charts);

  const std::string page = station_page(content);
  const std::string path = station_page_file(settings.cartella_gif);
  std::string err;
  if (!platform.files.WriteFile(path, page.data(), page.size(), Durability::kFlushed, &err)) {
    platform.diagnostics.Error("cannot write " + path + ": " + err);
    return false;
  }
  return true;
}
