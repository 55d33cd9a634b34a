// The month's forecast curve: the day's 24 hourly forecast values drawn as white dots joined
// in hour order.
#pragma once

#include "chart/day_data.h"
#include "chart/surface.h"

/// Draws the day's forecast as 24 white dots joined in hour order; nothing when the
/// forecast could not be read.
void grafico_previsione(Surface& surface, const DayData& dati);
