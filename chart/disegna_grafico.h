// One whole chart of a day: frame, forecast curve, measurements and the date above them.
#pragma once

#include "chart/dati_giorno.h"
#include "chart/surface.h"

/// Draws the chart of `dati` on `surface`, whose scale is the chart units: the frame, the
/// forecast curve, the measured values, and "Date: " with the date label above the frame.
void disegna_grafico(Surface& surface, const DatiGiorno& dati);
