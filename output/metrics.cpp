// The health of a run for monitoring: a text file in the Prometheus text exposition format.
#include "output/metrics.h"

#include <charconv>

#include "platform/utf8.h"

namespace {

constexpr const char* kPrefix = "kurvo_m3000f2_";

// Shortest text that reads back as the same double: "6", "0.039", "1782345600".
std::string number(double value) {
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, value);
  return std::string(text, written.ptr);
}

// Writes one gauge family: its HELP and TYPE lines, then its series.
class Exposition {
 public:
  explicit Exposition(const std::string& folder)
      : folder_label_("folder=\"" + label_value(folder) + "\"") {}

  void Gauge(const std::string& name, const std::string& help) {
    name_ = kPrefix + name;
    text_ += "# HELP " + name_ + " " + help + "\n# TYPE " + name_ + " gauge\n";
  }

  void Series(double value, const std::string& labels = "") {
    text_ += name_ + "{" + folder_label_ + labels + "} " + number(value) + "\n";
  }

  const std::string& text() const { return text_; }

 private:
  std::string folder_label_;
  std::string name_;
  std::string text_;
};

std::string chart_label(std::size_t index) {
  return ",chart=\"" + std::to_string(index + 1) + "\"";
}

void write_charts(const RunMetrics& metrics, Exposition* out) {
  if (metrics.charts.empty()) return;
  out->Gauge("measurements", "Measurements of the chart's day, by what their value field held.");
  for (std::size_t i = 0; i < metrics.charts.size(); ++i) {
    const DayCount& chart = metrics.charts[i];
    out->Series(chart.values, chart_label(i) + ",kind=\"value\"");
    out->Series(chart.not_available, chart_label(i) + ",kind=\"na\"");
    out->Series(chart.no_value, chart_label(i) + ",kind=\"no\"");
  }
  out->Gauge("forecast_values",
             "Hourly forecast values the chart's curve has (not zero), 0 to 24.");
  for (std::size_t i = 0; i < metrics.charts.size(); ++i) {
    out->Series(metrics.charts[i].forecast_values, chart_label(i));
  }
}

}  // namespace

std::string label_value(const std::string& value) {
  std::string escaped;
  for (char c : valid_utf8(value)) {
    if (c == '\\') {
      escaped += "\\\\";
    } else if (c == '"') {
      escaped += "\\\"";
    } else if (c == '\n') {
      escaped += "\\n";
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string metrics_text(const RunMetrics& metrics) {
  Exposition out(metrics.folder);
  out.Gauge("run_timestamp_seconds", "When the last run ended, in seconds since the epoch.");
  out.Series(metrics.timestamp_seconds);
  out.Gauge("run_duration_seconds", "How long the last run took, in seconds.");
  out.Series(metrics.duration_seconds);
  out.Gauge("run_success", "1 when the last run wrote everything it had to, 0 when it did not.");
  out.Series(metrics.success ? 1 : 0);
  out.Gauge("pictures_written", "Pictures the last run wrote.");
  out.Series(metrics.pictures_written);
  out.Gauge("pictures_failed", "Pictures the last run could not write.");
  out.Series(metrics.pictures_failed);
  out.Gauge("station_recognised", "1 when the station was recognised from its first file.");
  out.Series(metrics.station_recognised ? 1 : 0);
  write_charts(metrics, &out);
  if (metrics.newest_measurement_seconds) {
    out.Gauge("newest_measurement_timestamp_seconds",
              "UT time of the latest measurement with a value in the run's days, in seconds "
              "since the epoch.");
    out.Series(static_cast<double>(*metrics.newest_measurement_seconds));
  }
  return out.text();
}
