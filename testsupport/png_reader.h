// Decodes PNG files for tests with libpng: pictures rendered by other programs.
#pragma once

#include <string>
#include <vector>

#include "chart/colours.h"

/// A PNG file's pixels as colours, composed over black.
struct DecodedPng {
  int width = 0;
  int height = 0;
  std::vector<Colour> pixels;

  Colour at(int column, int row) const {
    return pixels[static_cast<std::size_t>(row * width + column)];
  }
};

/// Decodes `path`; throws std::runtime_error when it is not a readable PNG.
DecodedPng read_png(const std::string& path);
