// Decodes GIF files for tests with giflib, a decoder independent of the one that wrote them.
#pragma once

#include <string>
#include <vector>

#include "chart/colours.h"

/// The first frame of a GIF file as colours.
struct DecodedGif {
  int width = 0;
  int height = 0;
  std::vector<Colour> pixels;

  Colour at(int column, int row) const {
    return pixels[static_cast<std::size_t>(row * width + column)];
  }
};

/// Decodes `path`; throws std::runtime_error when it is not a readable GIF.
DecodedGif read_gif(const std::string& path);

struct GifSize {
  int width = 0;
  int height = 0;
};

/// Decodes `path` whole, as read_gif does, but returns only its size: a check that is cheap
/// enough to repeat many times a second. Throws std::runtime_error when it is not a readable GIF.
GifSize read_gif_size(const std::string& path);
