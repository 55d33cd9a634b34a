// What a run writes besides its pictures: the data file and the SVG beside each picture, the
// station page and the metrics.
#include <chrono>
#include <string_view>

#include "output/chart_svg.h"
#include "output/page.h"
#include "output/plotted_values.h"
#include "output/salva_figura.h"
#include "output/summary.h"
#include "platform/text_ops.h"
#include "run/form1.h"

namespace {

// "…/plotM3.gif" as "…/plotM3.json", say: the file of another kind beside a GIF.
std::string beside(const std::string& gif, const char* extension) {
  return gif.substr(0, gif.size() - std::string_view(".gif").size()) + extension;
}

ChartMetrics chart_metrics(const DayData& dati) {
  const MeasurementKinds kinds = count_kinds(dati.measurements);
  return {kinds.values, kinds.not_available, kinds.no_value, forecast_values(dati)};
}

// When the newest measurement with a value of the days was taken, as the page says it.
std::optional<std::chrono::sys_seconds> newest_measurement(const std::array<DayData, 6>& giorni) {
  std::optional<std::chrono::sys_seconds> newest;
  for (const DayData& giorno : giorni) {
    const std::optional<std::chrono::sys_seconds> taken = newest_value_time(giorno);
    if (taken && (!newest || *taken > *newest)) newest = taken;
  }
  return newest;
}

// The name of `path` in the publication folder.
std::string in_publication_folder(const std::string& path, const std::string& cartella_gif) {
  return path.substr(cartella_gif.size());
}

}  // namespace

// A data file or SVG follows its picture: written only where the picture was, and through
// the same replacing write, flushed, so that a reader finds both old or both new.
bool Form1::write_beside_pictures(const std::string& document, const char* extension,
                                  const ChartFiles& percorsi, const ExportReport& export_report) {
  bool all_written = true;
  for (const std::string& picture : {percorsi.publication, percorsi.archive}) {
    if (picture.empty() || !reason_unwritten(export_report, picture).empty()) continue;
    std::string err;
    const std::string path = beside(picture, extension);
    if (!files_.WriteFile(path, document.data(), document.size(), Durability::kFlushed, &err)) {
      diagnostics_.Error("cannot write " + native_path(path) + ": " + err);
      all_written = false;
    }
  }
  return all_written;
}

bool Form1::write_page(const std::array<DayData, 6>& giorni) {
  PageContent content;
  content.station = station_title(giorni[5]);
  content.run_time = clock_.Now();
  for (int n = 1; n <= 6; ++n) {
    const DayData& giorno = giorni[n - 1];
    const std::string gif =
        run_chart_files(cartella_previsioni, cartella_gif, n, chiave_mese(n), giorno_anno(n))
            .publication;
    const std::string picture = svg_output ? beside(gif, ".svg") : gif;
    std::optional<std::string> json;
    if (json_output) json = in_publication_folder(beside(gif, ".json"), cartella_gif);
    content.charts[n - 1] = {giorno.iso_date, in_publication_folder(picture, cartella_gif), json,
                             summary(giorno)};
  }
  content.newest_measurement = newest_measurement(giorni);

  const std::string page = station_page(content);
  const std::string path = cartella_gif + "index.html";
  std::string err;
  if (!files_.WriteFile(path, page.data(), page.size(), Durability::kFlushed, &err)) {
    diagnostics_.Error("cannot write " + native_path(path) + ": " + err);
    return false;
  }
  return true;
}

void Form1::count_in_metrics(const DayData& dati, const ChartFiles& percorsi,
                             const ExportReport& export_report, bool chart) {
  const int pictures = percorsi.publication.empty() ? 1 : 2;
  const int failed = static_cast<int>(export_report.unwritten.size());
  metrics_.pictures_written += pictures - failed;
  metrics_.pictures_failed += failed;
  if (chart) metrics_.charts.push_back(chart_metrics(dati));
  if (const std::optional<std::chrono::sys_seconds> taken = newest_value_time(dati)) {
    const std::int64_t seconds = taken->time_since_epoch().count();
    if (!metrics_.newest_measurement_seconds || seconds > *metrics_.newest_measurement_seconds) {
      metrics_.newest_measurement_seconds = seconds;
    }
  }
}

bool Form1::write_metrics(const std::string& file, bool success, double duration_seconds) {
  using namespace std::chrono;
  metrics_.folder = files_.CurDir().value_or("");
  metrics_.timestamp_seconds =
      duration_cast<duration<double>>(system_clock::now().time_since_epoch()).count();
  metrics_.duration_seconds = duration_seconds;
  metrics_.success = success;
  const std::string text = metrics_text(metrics_);
  std::string err;
  if (!files_.WriteFile(file, text.data(), text.size(), Durability::kFlushed, &err)) {
    diagnostics_.Error("cannot write metrics file " + native_path(file) + ": " + err);
    return false;
  }
  return true;
}
