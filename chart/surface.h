// The window's drawing surface: a raster that keeps what is drawn on it until Cls, addressed
// in the logical units that Scale sets.
#pragma once

#include <string>

#include "chart/colours.h"
#include "platform/file_system.h"

/// The drawing surface the charts are drawn on. Coordinates are logical units; drawing
/// beyond the raster is clipped, never an error.
class Surface {
 public:
  virtual ~Surface() = default;

  /// Twips in one screen pixel, across and down.
  virtual float TwipsPerPixelX() const = 0;
  virtual float TwipsPerPixelY() const = 0;

  /// Set the window's outer width or height in twips; the raster takes the inner size.
  virtual void Width(float twips) = 0;
  virtual void Height(float twips) = 0;

  /// Gives the raster's top-left corner the logical point (x1, y1) and its bottom-right
  /// corner (x2, y2); y grows upward when y1 > y2.
  virtual void Scale(float x1, float y1, float x2, float y2) = 0;

  /// Set the place of the next text.
  virtual void CurrentX(float x) = 0;
  virtual void CurrentY(float y) = 0;

  /// Writes `text` in the text colour with its top-left at the current point.
  virtual void Print(const std::string& text) = 0;

  /// A straight line from (x1, y1) towards (x2, y2); the end point's own pixel is not set.
  virtual void Line(float x1, float y1, float x2, float y2, Colour colour) = 0;

  /// 0 fills circles with the fill colour; 1, the start value, leaves them hollow.
  virtual void FillStyle(int style) = 0;
  virtual void FillColor(Colour colour) = 0;

  /// A circle around (x, y) outlined in `colour`, filled as FillStyle and FillColor say;
  /// the radius is in x units.
  virtual void Circle(float x, float y, float radius, Colour colour) = 0;

  /// Restores the background and puts the current point at (0, 0); size, scale and fill
  /// settings stay.
  virtual void Cls() = 0;

  /// Writes the raster as a bitmap (BMP) file through `files`, replacing one of that name.
  /// False, with the reason in `*err`, when the file cannot be written.
  virtual bool SavePicture(FileSystem& files, const std::string& path, std::string* err) = 0;
};
