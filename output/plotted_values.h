// The day's data as the chart plots it, for the outputs that give it as data or text:
// measurements in time order, values in M(3000)F2 units, times as HH:MM (UT).
#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "chart/day_data.h"

/// The minute of the day of a measurement, 0 (00:00) to 1439 (23:59).
int minute_of_day(const Measurement& misura);

/// The time of a measurement as "HH:MM".
std::string time_text(const Measurement& misura);

/// The indices of `misure` in time of day order; the trace meets minute 00 of each hour
/// last, after 59.
std::vector<std::size_t> time_order(const std::vector<Measurement>& misure);

/// `misure` in time of day order.
std::vector<Measurement> in_time_order(const std::vector<Measurement>& misure);

/// A day counted once, for the check, the metrics, the page, the data file and the summary.
struct DayCount {
  int files = 0;          // measurement files of the day, with a fifth line or without
  int values = 0;         // measurements holding a value
  int not_available = 0;  // measurements marked "N/A"
  int no_value = 0;       // measurements marked "NO"
  int skipped = 0;        // files without a fifth line
  /// The latest measurement of any kind, and the latest holding a value; nullopt for none.
  std::optional<Measurement> latest;
  std::optional<Measurement> newest_value;
  /// When the newest value was taken (UT); nullopt when none was.
  std::optional<std::chrono::sys_seconds> newest_value_time;
  /// How many of the forecast's 24 hourly values the curve has (those not zero); 0 when the
  /// month's forecast file cannot be read.
  int forecast_values = 0;
};

/// Counts the day.
DayCount count_day(const DayData& day);

/// The English name of `month`, 1 (January) to 12.
const char* month_name(unsigned month);

/// The day as "30 June 2026", which a screen reader speaks as a date.
std::string spoken_date(std::chrono::year_month_day date);

/// A duration of `minutes` in words: "4 hours 15 minutes", "1 hour", "20 minutes"; from a
/// day on, days and hours ("2 days 3 hours"), the minutes left out.
std::string duration_text(int minutes);

/// A value in chart units (M(3000)F2 times 100) as M(3000)F2: the decimal that the value
/// reads as, with its point moved two places, so that 295 gives 2.95 and not a neighbour
/// that prints as 2.9500000000000002.
double in_units(float chart_units);
