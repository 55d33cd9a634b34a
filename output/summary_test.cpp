#include "output/summary.h"

#include <gtest/gtest.h>

#include <vector>

#include "testsupport/day_builder.h"

namespace {

// A day in the order the trace meets it: minute 00 of an hour after the hour's other
// minutes, so that times out of order would show in the first and last time and the gaps.
std::vector<Measurement> trace_ordered_day() {
  return {value_at(0, 15, 268), value_at(0, 0, 270),      no_value_at(5, 0),
          value_at(8, 45, 295), not_available_at(12, 15), value_at(13, 30, 310),
          value_at(13, 0, 305), value_at(23, 45, 261)};
}

TEST(Summary, SaysWhatTheChartShows) {
  struct Case {
    const char* label;
    std::vector<Measurement> measurements;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"a day with a long gap", trace_ordered_day(),
       "M(3000)F2 on 30 June 2026: 6 measurements from 00:00 to 23:45 UT, ranging from 2.61 "
       "to 3.10, and 1 not available; the forecast ranges from 2.84 to 3.24; the longest gap "
       "between measurements is 10 hours 15 minutes, from 13:30 to 23:45 UT."},
      {"gaps of an hour at most",
       {value_at(10, 15, 290), value_at(11, 15, 291), value_at(11, 0, 290)},
       "M(3000)F2 on 30 June 2026: 3 measurements from 10:15 to 11:15 UT, ranging from 2.90 "
       "to 2.91; the forecast ranges from 2.84 to 3.24; no gap between measurements is longer "
       "than an hour."},
      {"a gap of exactly an hour is none",
       {value_at(10, 0, 290), value_at(11, 0, 291)},
       "M(3000)F2 on 30 June 2026: 2 measurements from 10:00 to 11:00 UT, ranging from 2.90 "
       "to 2.91; the forecast ranges from 2.84 to 3.24; no gap between measurements is longer "
       "than an hour."},
      {"a gap of an hour and a minute",
       {value_at(10, 0, 290), value_at(11, 1, 291)},
       "M(3000)F2 on 30 June 2026: 2 measurements from 10:00 to 11:01 UT, ranging from 2.90 "
       "to 2.91; the forecast ranges from 2.84 to 3.24; the longest gap between measurements "
       "is 1 hour 1 minute, from 10:00 to 11:01 UT."},
      {"of equal gaps the first",
       {value_at(1, 0, 290), value_at(3, 1, 290), value_at(5, 2, 290)},
       "M(3000)F2 on 30 June 2026: 3 measurements from 01:00 to 05:02 UT, ranging from 2.90 "
       "to 2.90; the forecast ranges from 2.84 to 3.24; the longest gap between measurements "
       "is 2 hours 1 minute, from 01:00 to 03:01 UT."},
      {"one measurement",
       {not_available_at(2, 0), value_at(12, 0, 295)},
       "M(3000)F2 on 30 June 2026: 1 measurement, 2.95 at 12:00 UT, and 1 not available; the "
       "forecast ranges from 2.84 to 3.24."},
      {"nothing but N/A and NO",
       {not_available_at(2, 0), not_available_at(3, 0), no_value_at(4, 0)},
       "M(3000)F2 on 30 June 2026: no measurements, and 2 not available; the forecast ranges "
       "from 2.84 to 3.24."},
      {"values off the chart",
       {value_at(1, 0, 0), value_at(1, 15, -12), value_at(1, 30, 2.5f)},
       "M(3000)F2 on 30 June 2026: 3 measurements from 01:00 to 01:30 UT, ranging from -0.12 "
       "to 0.03; the forecast ranges from 2.84 to 3.24; no gap between measurements is longer "
       "than an hour."},
  };
  for (const Case& c : cases) {
    DayData giorno = sample_day();
    giorno.measurements = c.measurements;
    EXPECT_EQ(summary(giorno), c.expected) << c.label;
  }
}

TEST(Summary, SaysWhenThereIsNoStationOrForecast) {
  DayData giorno = sample_day();
  giorno.date = std::chrono::year{2026} / std::chrono::January / 5;
  giorno.famiglia_stazione = 0;
  giorno.valori_previsione.reset();
  EXPECT_EQ(summary(giorno),
            "M(3000)F2 on 5 January 2026: no station recognised, so no measurements; no "
            "forecast for the month.");
}

}  // namespace
