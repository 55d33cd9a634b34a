// The drawing surface as a vector picture: what is drawn becomes the elements of an SVG
// document, on the same pixels as the raster's.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "chart/grid_surface.h"

class XmlWriter;

/// A Surface that records each Line, Circle and Print, in order, as an SVG element on the
/// raster's pixel grid: every point stands at the centre of the pixel the raster sets for it,
/// and a text's top-left at the raster's, so that the picture rendered at the raster's size
/// matches the raster's and scales up crisply.
class SvgSurface : public GridSurface {
 public:
  explicit SvgSurface(float twips_per_pixel = 15.0F) : GridSurface(twips_per_pixel) {}

  /// A vector drawing has no bitmap: always false, with the reason in `*err`.
  bool SavePicture(FileSystem& files, const std::string& path, std::string* err) override;

  /// The drawing so far as a standalone SVG document of the raster's size, black beneath,
  /// with `title` and `description` as its title and description. Refers to no other file.
  std::string Document(const std::string& title, const std::string& description) const;

 private:
  void DrawText(Pixel top_left, const std::string& text) override;
  void DrawLine(Pixel from, Pixel to, Colour colour) override;
  void DrawDot(Pixel centre, int radius, Colour outline, std::optional<Colour> fill) override;
  void Clear() override { drawing_.clear(); }

  struct LineElement {
    Pixel from;
    Pixel to;
    Colour colour;
  };
  struct CircleElement {
    Pixel centre;
    int radius;
    Colour outline;
    std::optional<Colour> fill;
  };
  struct TextElement {
    Pixel top_left;
    std::string text;
  };
  using Element = std::variant<LineElement, CircleElement, TextElement>;

  static void write(XmlWriter& xml, const LineElement& line);
  static void write(XmlWriter& xml, const CircleElement& circle);
  static void write(XmlWriter& xml, const TextElement& text);

  std::vector<Element> drawing_;
};
