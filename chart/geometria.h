// Window size and logical scale: the chart units, with room for labels around the plot.
#pragma once

#include "chart/surface.h"

/// Sizes the window to 292 x 256 pixels and sets the chart units as the surface's scale.
void impostazioni_dimensioni_e_scala_del_form(Surface& surface);
