// The measured-value trace: the day's measurements drawn as light-red dots joined where two
// follow closely, with light-green ticks where the station had no value.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "chart/day_data.h"
#include "chart/surface.h"

/// The last plotted point before a dot, which the trace joins the dot to: its x and its value
/// rounded, in chart units.
struct JoinedPoint {
  int x = 0;
  std::int16_t value = 0;
};

/// Where the trace puts one measurement: its x in chart units and, for a value whose dot is
/// joined, the point the line goes back to.
struct TracePlacement {
  int x = 0;
  std::optional<JoinedPoint> joined_to;
};

/// The placement of each of `misure`, which must be in the trace's order (hour by hour,
/// minutes 01 to 59 and then 00): a value is joined to the last value before it when its x
/// is 2 or 3 more than that value's and that value rounds to something other than 0; "N/A"
/// and "NO" are never joined and leave the last value as it is. The drawing and every output
/// that says which dots are joined take the joins from here.
std::vector<TracePlacement> trace_placements(const std::vector<Measurement>& misure);

/// Draws the day's measurements: a dot per value, joined to the dot before it where it lies
/// two or three x units later, and a tick at the bottom for "N/A".
void grafico_valori_autoscalati(Surface& surface, const DayData& dati);
