// The drawing surface as a vector picture: what is drawn becomes the elements of an SVG
// document, on the same pixels as the raster's.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "chart/pixel_grid.h"
#include "chart/surface.h"

class XmlWriter;

/// A Surface that records each Line, Circle and Print, in order, as an SVG element on the
/// raster's pixel grid: every point stands at the centre of the pixel the raster sets for it,
/// and a text's top-left at the raster's, so that the picture rendered at the raster's size
/// matches the raster's and scales up crisply.
class SvgSurface : public Surface {
 public:
  explicit SvgSurface(float twips_per_pixel = 15.0F) : twips_per_pixel_(twips_per_pixel) {}

  float TwipsPerPixelX() const override { return twips_per_pixel_; }
  float TwipsPerPixelY() const override { return twips_per_pixel_; }
  void Width(float twips) override;
  void Height(float twips) override;
  void Scale(float x1, float y1, float x2, float y2) override { grid_.Scale(x1, y1, x2, y2); }
  void CurrentX(float x) override { current_x_ = x; }
  void CurrentY(float y) override { current_y_ = y; }
  void Print(const std::string& text) override;
  void Line(float x1, float y1, float x2, float y2, Colour colour) override;
  void FillStyle(int style) override { fill_style_ = style; }
  void FillColor(Colour colour) override { fill_colour_ = colour; }
  void Circle(float x, float y, float radius, Colour colour) override;
  void Cls() override;
  /// A vector drawing has no bitmap: always false, with the reason in `*err`.
  bool SavePicture(FileSystem& files, const std::string& path, std::string* err) override;

  /// The drawing so far as a standalone SVG document of the raster's size, black beneath,
  /// with `title` and `description` as its title and description. Refers to no other file.
  std::string Document(const std::string& title, const std::string& description) const;

 private:
  struct LineElement {
    Pixel from;
    Pixel to;
    Colour colour;
  };
  struct CircleElement {
    Pixel centre;
    int radius;
    Colour outline;
    bool filled;
    Colour fill;
  };
  struct TextElement {
    Pixel top_left;
    std::string text;
  };
  using Element = std::variant<LineElement, CircleElement, TextElement>;

  static void write(XmlWriter& xml, const LineElement& line);
  static void write(XmlWriter& xml, const CircleElement& circle);
  static void write(XmlWriter& xml, const TextElement& text);

  float twips_per_pixel_;
  PixelGrid grid_;
  std::vector<Element> drawing_;
  float current_x_ = 0.0F;
  float current_y_ = 0.0F;
  int fill_style_ = 1;
  Colour fill_colour_ = RGB(0, 0, 0);
};
