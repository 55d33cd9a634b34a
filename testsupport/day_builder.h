// Days made by hand for the tests of the outputs that read a day's data.
#pragma once

#include <array>
#include <cstdint>

#include "chart/dati_giorno.h"

/// A measurement holding `chart_units` (M(3000)F2 times 100) at `ora`:`minuto`.
Misura value_at(int ora, int minuto, float chart_units);
/// A measurement marked "N/A" at `ora`:`minuto`.
Misura not_available_at(int ora, int minuto);
/// A measurement marked "NO" at `ora`:`minuto`.
Misura no_value_at(int ora, int minuto);

/// A forecast of 300 (3.00) every hour but hour 3, 284, and hour 14, 324.
std::array<std::int16_t, 24> sample_forecast();

/// 30 June 2026 at a family 4 station named "Rome  test station", with `sample_forecast`
/// and no measurements.
DatiGiorno sample_day();
