// Where the window's logical points land on its raster: the raster's size and the scale.
#pragma once

/// A pixel of the raster, counted from its top-left corner.
struct Pixel {
  int column;
  int row;
};

/// The whole pixel nearest `position`, a half going to the next higher one. Positions are
/// held to a band far wider than the raster, so that a wild value neither overflows an int
/// nor sends a line on a walk of billions of pixels; clipping does the rest.
int nearest_pixel(double position);

/// The raster inside the window's border and caption and the logical scale on it, shared by
/// the surfaces so that each puts a logical point on the same pixel.
///
/// Logical points map to pixels by the scale: column (x - x1) * W / (x2 - x1) and row
/// (y - y1) * H / (y2 - y1), each rounded to the nearest pixel.
class PixelGrid {
 public:
  /// The window's stored outer size, 292 x 256 pixels, so a raster of 286 x 231; the scale
  /// counts pixels from the top-left corner.
  PixelGrid();

  int Width() const { return width_; }
  int Height() const { return height_; }

  /// Sets the window's outer width or height in pixels; the raster is what the border (6
  /// pixels across) and the border and caption (25 down) leave of it.
  void OuterWidth(int pixels);
  void OuterHeight(int pixels);

  void Scale(float x1, float y1, float x2, float y2);

  /// The pixel the logical point (x, y) falls on.
  Pixel to_pixel(float x, float y) const;
  /// A length of `units` along x as whole pixels: a circle's radius.
  int pixels_across(float units) const;

 private:
  int width_;
  int height_;
  float x1_ = 0.0F;
  float y1_ = 0.0F;
  float x2_;
  float y2_;
};
