// The chart's frame: yellow edges, gray grid, hour and value labels, axis titles.
#pragma once

#include "chart/surface.h"

/// Draws the frame of a chart in chart units.
void disegno_dello_stage(Surface& surface);
