// The health of a run for monitoring: a text file in the Prometheus text exposition format,
// for node_exporter's textfile collector.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "output/plotted_values.h"

/// What a run did, as the metrics file reports it.
struct RunMetrics {
  std::string folder;  // the station folder, absolute
  /// When the run ended and how long it took, in seconds (the end since 1970-01-01 UT).
  double timestamp_seconds = 0;
  double duration_seconds = 0;
  /// Whether the run did all it had to: every picture written, nothing stopping it early.
  bool success = false;
  int pictures_written = 0;
  int pictures_failed = 0;
  bool station_recognised = false;
  /// The charts in order: the first is labelled chart="1".
  std::vector<DayCount> charts;
  /// The UT time of the latest measurement with a value in the run's days, in seconds since
  /// 1970-01-01; nullopt when there is none.
  std::optional<std::int64_t> newest_measurement_seconds;
};

/// `metrics` in the text exposition format: every metric a gauge with HELP and TYPE lines,
/// every series labelled with the folder. The chart metrics are left out when there are no
/// charts, the newest measurement when there is none.
std::string metrics_text(const RunMetrics& metrics);

/// `value` as a label value of the exposition format, which must be UTF-8: bytes that are
/// not become U+FFFD (`valid_utf8`), then backslash, double quote and line feed are escaped.
std::string label_value(const std::string& value);
