// The window's state for the surfaces that put a chart on pixels, kept once.
#include "chart/grid_surface.h"

void GridSurface::Width(float twips) {
  grid_.OuterWidth(nearest_pixel(twips / twips_per_pixel_));
  Resized();
}

void GridSurface::Height(float twips) {
  grid_.OuterHeight(nearest_pixel(twips / twips_per_pixel_));
  Resized();
}

void GridSurface::Print(const std::string& text) {
  DrawText(grid_.to_pixel(current_x_, current_y_), text);
}

void GridSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  DrawLine(grid_.to_pixel(x1, y1), grid_.to_pixel(x2, y2), colour);
}

// Fill style 0 is solid; any other leaves the dot hollow.
void GridSurface::Circle(float x, float y, float radius, Colour colour) {
  const std::optional<Colour> fill =
      fill_style_ == 0 ? std::optional<Colour>(fill_colour_) : std::nullopt;
  DrawDot(grid_.to_pixel(x, y), grid_.pixels_across(radius), colour, fill);
}

void GridSurface::Cls() {
  Clear();
  current_x_ = 0.0F;
  current_y_ = 0.0F;
}
