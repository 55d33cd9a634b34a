// The drawing surface as a vector picture: what is drawn becomes the elements of an SVG
// document, on the same pixels as the raster's.
#include "chart/svg_surface.h"

#include <charconv>

#include "chart/label_font.h"
#include "platform/xml_writer.h"

namespace {

// A pixel's centre: a line one unit wide drawn through pixel centres covers whole pixels.
std::string centre(int pixel) {
  char text[16];
  const auto result = std::to_chars(text, text + sizeof text, pixel + 0.5);
  return {text, result.ptr};
}

std::string hundredths(double value) {
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2);
  return {text, result.ptr};
}

}  // namespace

void SvgSurface::Width(float twips) { grid_.OuterWidth(nearest_pixel(twips / twips_per_pixel_)); }

void SvgSurface::Height(float twips) { grid_.OuterHeight(nearest_pixel(twips / twips_per_pixel_)); }

void SvgSurface::Print(const std::string& text) {
  drawing_.push_back(TextElement{grid_.to_pixel(current_x_, current_y_), text});
}

// A line whose ends fall on one pixel sets no pixel on the raster, and is left out here too.
void SvgSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  const Pixel from = grid_.to_pixel(x1, y1);
  const Pixel to = grid_.to_pixel(x2, y2);
  if (from.column == to.column && from.row == to.row) return;
  drawing_.push_back(LineElement{from, to, colour});
}

void SvgSurface::Circle(float x, float y, float radius, Colour colour) {
  drawing_.push_back(CircleElement{grid_.to_pixel(x, y), grid_.pixels_across(radius), colour,
                                   fill_style_ == 0, fill_colour_});
}

void SvgSurface::Cls() {
  drawing_.clear();
  current_x_ = 0.0F;
  current_y_ = 0.0F;
}

bool SvgSurface::SavePicture(FileSystem&, const std::string&, std::string* err) {
  *err = "a vector drawing has no bitmap";
  return false;
}

std::string SvgSurface::Document(const std::string& title, const std::string& description) const {
  XmlWriter xml("");
  xml.Declaration();
  xml.Start("svg");
  xml.Attribute("xmlns", "http://www.w3.org/2000/svg");
  xml.Attribute("width", std::to_string(grid_.Width()));
  xml.Attribute("height", std::to_string(grid_.Height()));
  xml.Attribute("viewBox",
                "0 0 " + std::to_string(grid_.Width()) + " " + std::to_string(grid_.Height()));
  xml.Start("title");
  xml.Text(title);
  xml.End();
  xml.Start("desc");
  xml.Text(description);
  xml.End();
  // The window's background, black, beneath the drawing.
  xml.Start("rect");
  xml.Attribute("width", "100%");
  xml.Attribute("height", "100%");
  xml.Attribute("fill", "#000000");
  xml.End();
  // Lines one pixel wide, and square ends so that the pixels at both ends are covered and
  // the frame's corners close, as on the raster.
  xml.Start("g");
  xml.Attribute("stroke-width", "1");
  xml.Attribute("stroke-linecap", "square");
  xml.Attribute("font-family", kLabelFontFamilies);
  xml.Attribute("font-size", hundredths(kLabelFontPixels));
  for (const Element& element : drawing_) {
    std::visit([&xml](const auto& e) { write(xml, e); }, element);
  }
  return xml.Finish();
}

void SvgSurface::write(XmlWriter& xml, const LineElement& line) {
  xml.Start("line");
  xml.Attribute("x1", centre(line.from.column));
  xml.Attribute("y1", centre(line.from.row));
  xml.Attribute("x2", centre(line.to.column));
  xml.Attribute("y2", centre(line.to.row));
  xml.Attribute("stroke", hex_colour(line.colour));
  xml.End();
}

// The raster's dot is the pixels within about r + 1/2 of its centre, the outermost ring in
// the outline colour: a circle of radius r stroked one pixel wide covers the same.
void SvgSurface::write(XmlWriter& xml, const CircleElement& circle) {
  xml.Start("circle");
  xml.Attribute("cx", centre(circle.centre.column));
  xml.Attribute("cy", centre(circle.centre.row));
  xml.Attribute("r", std::to_string(circle.radius));
  xml.Attribute("stroke", hex_colour(circle.outline));
  xml.Attribute("fill", circle.filled ? hex_colour(circle.fill) : "none");
  xml.End();
}

// The raster's text stands on a baseline one ascent below its top-left pixel corner.
void SvgSurface::write(XmlWriter& xml, const TextElement& text) {
  xml.Start("text");
  xml.Attribute("x", std::to_string(text.top_left.column));
  xml.Attribute("y", std::to_string(text.top_left.row + kLabelFontAscentPixels));
  xml.Attribute("fill", hex_colour(kLabelColour));
  xml.Text(text.text);
  xml.End();
}
