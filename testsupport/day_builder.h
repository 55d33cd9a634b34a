// Days made by hand for the tests of the outputs that read a day's data.
#pragma once

#include <array>
#include <cstdint>

#include "chart/day_data.h"

/// A measurement holding `chart_units` (M(3000)F2 times 100) at `ora`:`minuto`.
Measurement value_at(int ora, int minuto, float chart_units);
/// A measurement marked "N/A" at `ora`:`minuto`.
Measurement not_available_at(int ora, int minuto);
/// A measurement marked "NO" at `ora`:`minuto`.
Measurement no_value_at(int ora, int minuto);

/// A forecast of 300 (3.00) every hour but hour 3, 284, and hour 14, 324.
std::array<std::int16_t, 24> sample_forecast();

/// 30 June 2026 at a family 4 station named "Rome  test station", with `sample_forecast`
/// and no measurements.
DayData sample_day();
