// Colours as the charts name them: 0x00BBGGRR values built by RGB or taken from QBColor.
#pragma once

#include <cstdint>
#include <string>

/// A colour 0x00BBGGRR: red in the low byte, blue in the third.
using Colour = std::uint32_t;

/// The colour with red `r`, green `g` and blue `b` (0 to 255 each).
constexpr Colour RGB(int r, int g, int b) {
  return static_cast<Colour>(r) + 256u * static_cast<Colour>(g) + 65536u * static_cast<Colour>(b);
}

/// Entry `n` (0 to 15, asserted) of the classic 16-colour palette: 10 is light green, 12
/// light red, 15 bright white.
Colour QBColor(int n);

constexpr int red_of(Colour c) { return static_cast<int>(c & 0xFF); }
constexpr int green_of(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blue_of(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

/// The colour as SVG and CSS write it: "#rrggbb".
std::string hex_colour(Colour c);
