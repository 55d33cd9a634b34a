// Colours as the charts name them: 0x00BBGGRR values built by RGB or taken from QBColor.
#include "chart/colours.h"

#include <array>
#include <cassert>
#include <cstdio>

Colour QBColor(int n) {
  static constexpr std::array<Colour, 16> kPalette = {
      RGB(0, 0, 0),        // 0 black
      RGB(0, 0, 128),      // 1 blue
      RGB(0, 128, 0),      // 2 green
      RGB(0, 128, 128),    // 3 cyan
      RGB(128, 0, 0),      // 4 red
      RGB(128, 0, 128),    // 5 magenta
      RGB(128, 128, 0),    // 6 yellow
      RGB(192, 192, 192),  // 7 white
      RGB(128, 128, 128),  // 8 gray
      RGB(0, 0, 255),      // 9 light blue
      RGB(0, 255, 0),      // 10 light green
      RGB(0, 255, 255),    // 11 light cyan
      RGB(255, 0, 0),      // 12 light red
      RGB(255, 0, 255),    // 13 light magenta
      RGB(255, 255, 0),    // 14 light yellow
      RGB(255, 255, 255),  // 15 bright white
  };
  assert(n >= 0 && n < static_cast<int>(kPalette.size()));
  return kPalette[static_cast<std::size_t>(n)];
}

std::string hex_colour(Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", red_of(c), green_of(c), blue_of(c));
  return text;
}
