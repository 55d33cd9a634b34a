// Where the window's logical points land on its raster: the raster's size and the scale.
#include "chart/pixel_grid.h"

#include <algorithm>
#include <cmath>

namespace {

// The window's border and caption take this much of its outer size.
constexpr int kBorderWidth = 6;
constexpr int kBorderHeight = 25;
constexpr int kStoredOuterWidth = 292;
constexpr int kStoredOuterHeight = 256;

constexpr double kFarOff = 100000.0;

}  // namespace

int nearest_pixel(double position) {
  if (std::isnan(position)) return static_cast<int>(kFarOff);
  return static_cast<int>(std::clamp(std::floor(position + 0.5), -kFarOff, kFarOff));
}

PixelGrid::PixelGrid()
    : width_(kStoredOuterWidth - kBorderWidth),
      height_(kStoredOuterHeight - kBorderHeight),
      x2_(static_cast<float>(width_)),
      y2_(static_cast<float>(height_)) {}

void PixelGrid::OuterWidth(int pixels) { width_ = pixels - kBorderWidth; }

void PixelGrid::OuterHeight(int pixels) { height_ = pixels - kBorderHeight; }

void PixelGrid::Scale(float x1, float y1, float x2, float y2) {
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
}

Pixel PixelGrid::to_pixel(float x, float y) const {
  const double column = (static_cast<double>(x) - x1_) * width_ / (x2_ - x1_);
  const double row = (static_cast<double>(y) - y1_) * height_ / (y2_ - y1_);
  return {nearest_pixel(column), nearest_pixel(row)};
}

int PixelGrid::pixels_across(float units) const {
  const double pixels_per_unit = width_ / std::fabs(x2_ - x1_);
  return nearest_pixel(std::fabs(units) * pixels_per_unit);
}
