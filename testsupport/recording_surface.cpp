// A drawing surface that records what is drawn on it, in chart units, for tests.
#include "testsupport/recording_surface.h"

#include <sstream>

namespace {

std::string colour_name(Colour colour) {
  switch (colour) {
    case RGB(255, 255, 0):
      return "yellow";
    case RGB(100, 100, 100):
      return "gray";
    case RGB(255, 255, 255):
      return "white";
    case RGB(255, 0, 0):
      return "red";
    case RGB(0, 255, 0):
      return "green";
    default: {
      std::ostringstream hex;
      hex << "0x" << std::hex << colour;
      return hex.str();
    }
  }
}

}  // namespace

std::vector<std::string> RecordingSurface::only(const std::string& kind) const {
  std::vector<std::string> found;
  for (const std::string& operation : operations) {
    if (operation.rfind(kind + " ", 0) == 0) found.push_back(operation);
  }
  return found;
}

void RecordingSurface::record(const std::string& kind, std::initializer_list<float> numbers,
                              const std::string& tail) {
  std::ostringstream text;
  text << kind;
  for (float number : numbers) text << ' ' << number;
  if (!tail.empty()) text << ' ' << tail;
  operations.push_back(text.str());
}

void RecordingSurface::Width(float twips) { record("Width", {twips}); }
void RecordingSurface::Height(float twips) { record("Height", {twips}); }
void RecordingSurface::Scale(float x1, float y1, float x2, float y2) {
  record("Scale", {x1, y1, x2, y2});
}
void RecordingSurface::CurrentX(float x) { record("CurrentX", {x}); }
void RecordingSurface::CurrentY(float y) { record("CurrentY", {y}); }
void RecordingSurface::Print(const std::string& text) { record("Print", {}, text); }
void RecordingSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  record("Line", {x1, y1, x2, y2}, colour_name(colour));
}
void RecordingSurface::FillStyle(int style) { record("FillStyle", {static_cast<float>(style)}); }
void RecordingSurface::FillColor(Colour colour) { record("FillColor", {}, colour_name(colour)); }
void RecordingSurface::Circle(float x, float y, float radius, Colour colour) {
  record("Circle", {x, y, radius}, colour_name(colour));
}
void RecordingSurface::Cls() { record("Cls", {}); }
bool RecordingSurface::SavePicture(FileSystem&, const std::string& path, std::string*) {
  record("SavePicture", {}, path);
  return true;
}
