// A drawing surface that records what is drawn on it, in chart units, for tests.
#pragma once

#include <string>
#include <vector>

#include "chart/surface.h"

/// Records each drawing operation as one text, e.g. "Line 0 250 242 250 yellow",
/// "Circle 0 312 2 white", "Print 5", "CurrentX 46". Colours of the charts are named
/// (yellow, gray, white, red, green), others written as hexadecimal 0x00BBGGRR.
class RecordingSurface : public Surface {
 public:
  std::vector<std::string> operations;

  /// The recorded operations that begin with `kind` ("Line", "Circle", ...).
  std::vector<std::string> only(const std::string& kind) const;

  float TwipsPerPixelX() const override { return 15.0F; }
  float TwipsPerPixelY() const override { return 15.0F; }
  void Width(float twips) override;
  void Height(float twips) override;
  void Scale(float x1, float y1, float x2, float y2) override;
  void CurrentX(float x) override;
  void CurrentY(float y) override;
  void Print(const std::string& text) override;
  void Line(float x1, float y1, float x2, float y2, Colour colour) override;
  void FillStyle(int style) override;
  void FillColor(Colour colour) override;
  void Circle(float x, float y, float radius, Colour colour) override;
  void Cls() override;
  bool SavePicture(FileSystem& files, const std::string& path, std::string* err) override;

 private:
  void record(const std::string& kind, std::initializer_list<float> numbers,
              const std::string& tail = "");
};
