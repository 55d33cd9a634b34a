#include <gtest/gtest.h>

#include <sstream>

#include "chart/gd_surface.h"
#include "chart/geometria.h"
#include "testsupport/captured_diagnostics.h"

namespace {

TEST(Geometry, TheRasterIs286By231AtAnyTwipsPerPixel) {
  for (float twips_per_pixel : {15.0F, 12.0F}) {
    CapturedDiagnostics diagnostics;
    GdSurface surface(diagnostics, kLabelFontFile, twips_per_pixel);
    impostazioni_dimensioni_e_scala_del_form(surface);
    EXPECT_EQ(surface.RasterWidth(), 286) << twips_per_pixel;
    EXPECT_EQ(surface.RasterHeight(), 231) << twips_per_pixel;
  }
}

TEST(Geometry, ChartPointsLandOnTheirPixels) {
  struct Case {
    float x, y;
    int column, row;
  };
  const Case cases[] = {
      {0, 250, 35, 192},    // plotting area, bottom left (row 191.8)
      {241, 451, 276, 20},  // frame, top right (row 20.46)
      {240, 450, 275, 21},  // plotting area, top right
      {0, 451, 35, 20},    {241, 250, 276, 192},
      {-35, 475, 0, 0},    {250, 205, 285, 230},  // the last pixel of the raster
      {75, 470, 110, 4},                          // top left of the date label
  };
  CapturedDiagnostics diagnostics;
  GdSurface surface(diagnostics);
  impostazioni_dimensioni_e_scala_del_form(surface);
  for (const Case& c : cases) {
    surface.Cls();
    surface.Circle(c.x, c.y, 0, RGB(255, 0, 0));  // a single pixel
    EXPECT_EQ(surface.PixelAt(c.column, c.row), RGB(255, 0, 0)) << c.x << "," << c.y;
  }
}

TEST(Geometry, TheBottomEdgeEndsOnTheRightEdgesPixel) {
  CapturedDiagnostics diagnostics;
  GdSurface surface(diagnostics);
  impostazioni_dimensioni_e_scala_del_form(surface);
  surface.Line(0, 250, 242, 250, RGB(255, 255, 0));
  for (int column = 35; column <= 276; ++column) {
    ASSERT_EQ(surface.PixelAt(column, 192), RGB(255, 255, 0)) << column;
  }
  EXPECT_EQ(surface.PixelAt(277, 192), RGB(0, 0, 0));
  EXPECT_EQ(surface.PixelAt(34, 192), RGB(0, 0, 0));
}

}  // namespace
