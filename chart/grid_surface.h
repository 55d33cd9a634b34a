// The window's state for the surfaces that put a chart on pixels, kept once: its size, its
// scale, the current point and the fill, so that the raster and the SVG cannot disagree.
#pragma once

#include <optional>
#include <string>

#include "chart/pixel_grid.h"
#include "chart/surface.h"

/// A Surface whose drawing lands on the pixels of one PixelGrid. It keeps the window's state
/// and turns each drawing operation into pixels before its back end draws them, so every
/// back end puts a logical point on the same pixel and starts each chart alike.
class GridSurface : public Surface {
 public:
  float TwipsPerPixelX() const final { return twips_per_pixel_; }
  float TwipsPerPixelY() const final { return twips_per_pixel_; }
  void Width(float twips) final;
  void Height(float twips) final;
  void Scale(float x1, float y1, float x2, float y2) final { grid_.Scale(x1, y1, x2, y2); }
  void CurrentX(float x) final { current_x_ = x; }
  void CurrentY(float y) final { current_y_ = y; }
  void Print(const std::string& text) final;
  void Line(float x1, float y1, float x2, float y2, Colour colour) final;
  void FillStyle(int style) final { fill_style_ = style; }
  void FillColor(Colour colour) final { fill_colour_ = colour; }
  void Circle(float x, float y, float radius, Colour colour) final;
  void Cls() final;

 protected:
  explicit GridSurface(float twips_per_pixel) : twips_per_pixel_(twips_per_pixel) {}

  const PixelGrid& grid() const { return grid_; }

  /// The raster took a new size, grid().Width() x grid().Height().
  virtual void Resized() {}
  /// `text` in the label font and colour with its top-left corner at `top_left`.
  virtual void DrawText(Pixel top_left, const std::string& text) = 0;
  /// A line from `from` towards `to`, whose own pixel is not set.
  virtual void DrawLine(Pixel from, Pixel to, Colour colour) = 0;
  /// A round dot of `radius` pixels around `centre`: outlined in `outline`, and filled with
  /// `fill` when one is given.
  virtual void DrawDot(Pixel centre, int radius, Colour outline, std::optional<Colour> fill) = 0;
  /// Restores the background everywhere.
  virtual void Clear() = 0;

 private:
  float twips_per_pixel_;
  PixelGrid grid_;
  float current_x_ = 0.0F;
  float current_y_ = 0.0F;
  int fill_style_ = 1;
  Colour fill_colour_ = RGB(0, 0, 0);
};
