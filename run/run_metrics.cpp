// The metrics of a run or an archive redraw, told from its outcome and written after it.
#include "run/run_metrics.h"

RunMetrics run_metrics(const RunOutcome& outcome, const std::string& folder,
                       double timestamp_seconds, double duration_seconds) {
  RunMetrics metrics;
  metrics.folder = folder;
  metrics.timestamp_seconds = timestamp_seconds;
  metrics.duration_seconds = duration_seconds;
  metrics.success = outcome.all_written();
  metrics.pictures_written = outcome.pictures_written();
  metrics.pictures_failed = outcome.pictures_planned() - outcome.pictures_written();
  metrics.station_recognised = outcome.station_recognised();
  metrics.charts = outcome.chart_counts();
  if (const std::optional<std::chrono::sys_seconds> newest = outcome.newest_measurement()) {
    metrics.newest_measurement_seconds = newest->time_since_epoch().count();
  }
  return metrics;
}

bool write_metrics(const Platform& platform, const std::string& file, const RunMetrics& metrics,
                   std::ostream& standard_output) {
  const std::string text = metrics_text(metrics);
  if (file == kStandardOutput) {
    standard_output << text;
    return true;
  }
  std::string err;
  if (!platform.files.WriteNamedFile(file, text.data(), text.size(), &err)) {
    platform.diagnostics.Error("cannot write metrics file " + file + ": " + err);
    return false;
  }
  return true;
}
