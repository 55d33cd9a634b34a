// One whole chart of a day: frame, forecast curve, measurements and the date above them.
#pragma once

#include "chart/day_data.h"
#include "chart/surface.h"

/// Draws the chart of `dati` on `surface`, whose scale is the chart units: the frame, the
/// forecast curve, the measured values, and "Date: " with the date label above the frame.
void draw_chart(Surface& surface, const DayData& dati);
