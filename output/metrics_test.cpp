#include "output/metrics.h"

#include <gtest/gtest.h>

#include "testsupport/promtool.h"

namespace {

RunMetrics failed_run() {
  RunMetrics metrics;
  metrics.folder = "/srv/m3000f2/rome";
  metrics.timestamp_seconds = 1782345600;
  metrics.duration_seconds = 0.039;
  metrics.success = false;
  metrics.pictures_written = 10;
  metrics.pictures_failed = 2;
  metrics.station_recognised = true;
  const auto chart = [](int values, int not_available, int no_value, int forecast_values) {
    DayCount count;
    count.values = values;
    count.not_available = not_available;
    count.no_value = no_value;
    count.forecast_values = forecast_values;
    return count;
  };
  metrics.charts = {chart(94, 1, 1, 24), chart(93, 1, 2, 24), chart(75, 3, 2, 24),
                    chart(95, 0, 1, 0),  chart(94, 2, 0, 0),  chart(90, 4, 2, 0)};
  metrics.newest_measurement_seconds = 1782344700;
  return metrics;
}

// A label value must be UTF-8, or the collector drops the whole file.
TEST(LabelValue, EscapesBackslashQuoteAndLineFeedAndMakesTheTextUtf8) {
  EXPECT_EQ(label_value("/srv/a\\b \"c\"\nd\te"), "/srv/a\\\\b \\\"c\\\"\\nd\te");
  EXPECT_EQ(label_value("/srv/r\xE9me/\xC0\xBC/\xC3\xA9"),
            "/srv/r\xEF\xBF\xBDme/\xEF\xBF\xBD\xEF\xBF\xBD/\xC3\xA9");
}

TEST(MetricsText, GivesEverySeriesWithTheFolder) {
  const std::string text = metrics_text(failed_run());
  for (const char* line : {
           "# TYPE kurvo_m3000f2_run_success gauge\n",
           "kurvo_m3000f2_run_timestamp_seconds{folder=\"/srv/m3000f2/rome\"} 1782345600\n",
           "kurvo_m3000f2_run_duration_seconds{folder=\"/srv/m3000f2/rome\"} 0.039\n",
           "kurvo_m3000f2_run_success{folder=\"/srv/m3000f2/rome\"} 0\n",
           "kurvo_m3000f2_pictures_written{folder=\"/srv/m3000f2/rome\"} 10\n",
           "kurvo_m3000f2_pictures_failed{folder=\"/srv/m3000f2/rome\"} 2\n",
           "kurvo_m3000f2_station_recognised{folder=\"/srv/m3000f2/rome\"} 1\n",
           "kurvo_m3000f2_measurements{folder=\"/srv/m3000f2/rome\",chart=\"3\",kind=\"value\"} "
           "75\n",
           "kurvo_m3000f2_measurements{folder=\"/srv/m3000f2/rome\",chart=\"6\",kind=\"na\"} 4\n",
           "kurvo_m3000f2_measurements{folder=\"/srv/m3000f2/rome\",chart=\"2\",kind=\"no\"} 2\n",
           "kurvo_m3000f2_forecast_values{folder=\"/srv/m3000f2/rome\",chart=\"4\"} 0\n",
           "kurvo_m3000f2_newest_measurement_timestamp_seconds{folder=\"/srv/m3000f2/rome\"} "
           "1782344700\n",
       }) {
    EXPECT_NE(text.find(line), std::string::npos) << line << "in\n" << text;
  }
  const PromtoolVerdict verdict = promtool_check(text);
  EXPECT_EQ(verdict.status, 0) << verdict.output << text;
}

TEST(MetricsText, LeavesOutWhatTheRunDidNotHave) {
  RunMetrics metrics = failed_run();
  metrics.folder = "/srv/odd \"folder\"\\\nname";
  metrics.charts.clear();
  metrics.newest_measurement_seconds.reset();
  const std::string text = metrics_text(metrics);
  EXPECT_EQ(text.find("kurvo_m3000f2_measurements"), std::string::npos) << text;
  EXPECT_EQ(text.find("kurvo_m3000f2_newest"), std::string::npos) << text;
  EXPECT_NE(text.find("{folder=\"/srv/odd \\\"folder\\\"\\\\\\nname\"} 0\n"), std::string::npos)
      << text;
  const PromtoolVerdict verdict = promtool_check(text);
  EXPECT_EQ(verdict.status, 0) << verdict.output << text;
}

}  // namespace
