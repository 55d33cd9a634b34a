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

void SvgSurface::DrawText(Pixel top_left, const std::string& text) {
  drawing_.push_back(TextElement{top_left, text});
}

// A line whose ends fall on one pixel sets no pixel on the raster, and is left out here too.
void SvgSurface::DrawLine(Pixel from, Pixel to, Colour colour) {
  if (from.column == to.column && from.row == to.row) return;
  drawing_.push_back(LineElement{from, to, colour});
}

void SvgSurface::DrawDot(Pixel centre, int radius, Colour outline, std::optional<Colour> fill) {
  drawing_.push_back(CircleElement{centre, radius, outline, fill});
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
  xml.Attribute("width", std::to_string(grid().Width()));
  xml.Attribute("height", std::to_string(grid().Height()));
  xml.Attribute("viewBox",
                "0 0 " + std::to_string(grid().Width()) + " " + std::to_string(grid().Height()));
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
  xml.Attribute("fill", circle.fill ? hex_colour(*circle.fill) : "none");
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
