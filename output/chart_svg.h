// The chart of a day as SVG files beside its GIFs: the same drawing, scaling crisply.
#pragma once

#include <string>

#include "chart/day_data.h"

/// The station as a chart's title names it: the station file's first line, or "station not
/// recognised".
std::string station_title(const DayData& dati);

/// The chart of `dati` as an SVG document titled "M(3000)F2, <station>, <date>" and described
/// by the day's summary.
std::string chart_svg(const DayData& dati);
