#include <gtest/gtest.h>

#include <algorithm>

#include <sstream>

#include "chart/disegno_dello_stage.h"
#include "chart/gd_surface.h"
#include "testsupport/captured_diagnostics.h"
#include "testsupport/recording_surface.h"

namespace {

TEST(Frame, DrawsItsFortySevenStepsInOrder) {
  RecordingSurface surface;
  disegno_dello_stage(surface);
  const std::vector<std::string> expected = {
      "Line 0 250 242 250 yellow",
      "Line 0 451 0 250 yellow",
      "Line 0 451 242 451 yellow",
      "Line 241 451 241 250 yellow",
      "Line 50 449 50 250 gray",
      "CurrentX 46",
      "CurrentY 248",
      "Print 5",
      "Line 100 449 100 250 gray",
      "CurrentX 93",
      "CurrentY 248",
      "Print 10",
      "Line 150 449 150 250 gray",
      "CurrentX 143",
      "CurrentY 248",
      "Print 15",
      "Line 200 449 200 250 gray",
      "CurrentX 193",
      "CurrentY 248",
      "Print 20",
      "CurrentX 100",
      "CurrentY 230",
      "Print Time(UT)",
      "CurrentX -18",
      "CurrentY 255",
      "Print 2.5",
      "Line 1 300 241 300 gray",
      "CurrentX -18",
      "CurrentY 305",
      "Print 3.0",
      "Line 1 350 241 350 gray",
      "CurrentX -18",
      "CurrentY 355",
      "Print 3.5",
      "Line 1 400 241 400 gray",
      "CurrentX -18",
      "CurrentY 405",
      "Print 4.0",
      "CurrentX -18",
      "CurrentY 455",
      "Print 4.5",
      "CurrentX -22",
      "CurrentY 438",
      "Print M",
      "CurrentX -31",
      "CurrentY 425",
      "Print factor",
  };
  EXPECT_EQ(surface.operations, expected);
}

// The pixels a set of drawing operations inks on the real surface: its bounding box.
struct Box {
  int left = 1000, top = 1000, right = -1, bottom = -1;
  bool touches(const Box& other) const {  // overlaps or lies next to it
    return left <= other.right + 1 && other.left <= right + 1 && top <= other.bottom + 1 &&
           other.top <= bottom + 1;
  }
};

std::vector<Box> inked_boxes(const std::vector<std::string>& operations, bool labels) {
  std::vector<Box> boxes;
  float x = 0, y = 0;
  for (const std::string& operation : operations) {
    std::istringstream words(operation);
    std::string kind;
    words >> kind;
    if (kind == "CurrentX") words >> x;
    if (kind == "CurrentY") words >> y;
    const bool label = kind == "Print";
    if (!(label ? labels : kind == "Line" && !labels)) continue;
    CapturedDiagnostics ignored;
    GdSurface raster(ignored);
    raster.Scale(-35, 475, 251, 204);
    if (label) {
      raster.CurrentX(x);
      raster.CurrentY(y);
      raster.Print(operation.substr(6));
    } else {
      float x1, y1, x2, y2;
      words >> x1 >> y1 >> x2 >> y2;
      raster.Line(x1, y1, x2, y2, RGB(255, 255, 0));
    }
    Box box;
    for (int row = 0; row < 231; ++row) {
      for (int column = 0; column < 286; ++column) {
        if (raster.PixelAt(column, row) == RGB(0, 0, 0)) continue;
        box = {std::min(box.left, column), std::min(box.top, row), std::max(box.right, column),
               std::max(box.bottom, row)};
      }
    }
    boxes.push_back(box);
  }
  return boxes;
}

TEST(Frame, NoLabelTouchesTheFrameTheGridOrAnotherLabel) {
  RecordingSurface surface;
  disegno_dello_stage(surface);
  const std::vector<Box> labels = inked_boxes(surface.operations, true);
  const std::vector<Box> lines = inked_boxes(surface.operations, false);
  ASSERT_EQ(labels.size(), 12u);
  ASSERT_EQ(lines.size(), 11u);
  for (std::size_t k = 0; k < labels.size(); ++k) {
    for (const Box& line : lines) EXPECT_FALSE(labels[k].touches(line)) << "label " << k;
    for (std::size_t other = k + 1; other < labels.size(); ++other) {
      EXPECT_FALSE(labels[k].touches(labels[other])) << "labels " << k << ", " << other;
    }
  }
  // "factor", the widest label on the left, ends short of the left edge at column 35.
  EXPECT_LE(labels.back().right, 33);
}

}  // namespace
