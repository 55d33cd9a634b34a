// The face, size and colour of the chart's labels, shared by the raster and the vector surface.
#pragma once

#include "chart/colours.h"

/// The surface's text colour, light yellow.
inline constexpr Colour kLabelColour = RGB(255, 255, 128);

/// Liberation Sans: metric-compatible with the classic proportional GUI sans the label
/// positions were laid out for, and with Arimo, Arial and Helvetica, which stand in for it
/// where it is not installed.
inline constexpr const char* kLabelFontFamily = "Liberation Sans";
/// Where Debian's fonts-liberation puts that family's regular face.
inline constexpr const char* kLabelFontFile =
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
/// The families a vector picture names for its labels, the label font's first.
inline constexpr const char* kLabelFontFamilies =
    "'Liberation Sans', Arimo, Arial, Helvetica, sans-serif";

/// 8 points on a screen of 96 dots per inch.
inline constexpr double kLabelFontPoints = 8.0;
inline constexpr int kDotsPerInch = 96;
inline constexpr double kLabelFontPixels = kLabelFontPoints * kDotsPerInch / 72.0;

/// The face's ascent, 1854 of its 2048 units per em, in whole pixels at the label size (9.66
/// rounded up, as FreeType rounds it): the baseline lies this far below a text's top.
inline constexpr int kLabelFontAscentPixels = 10;
