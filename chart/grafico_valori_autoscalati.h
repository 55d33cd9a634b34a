// The measured-value trace: the day's measurements drawn as light-red dots joined where two
// follow closely, with light-green ticks where the station had no value.
#pragma once

#include "chart/day_data.h"
#include "chart/surface.h"

/// Draws the day's measurements: a dot per value, joined to the dot before it where it lies
/// two or three x units later, and a tick at the bottom for "N/A".
void grafico_valori_autoscalati(Surface& surface, const DayData& dati);
