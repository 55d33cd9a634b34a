#include "chart/gd_surface.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "chart/draw_chart.h"
#include "chart/geometria.h"
#include "testsupport/captured_diagnostics.h"
#include "testsupport/day_builder.h"
#include "testsupport/memory_file_system.h"
#include "testsupport/temp_dir.h"

namespace {

constexpr Colour kBlack = RGB(0, 0, 0);
constexpr Colour kRed = RGB(255, 0, 0);
constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kLightYellow = RGB(255, 255, 128);

// One logical unit per pixel, y growing downward: logical points are pixel positions.
class PixelSurface : public ::testing::Test {
 protected:
  PixelSurface() { surface.Scale(0, 0, 286, 231); }

  std::vector<std::pair<int, int>> pixels_of(Colour colour) const {
    std::vector<std::pair<int, int>> found;
    for (int row = 0; row < surface.RasterHeight(); ++row) {
      for (int column = 0; column < surface.RasterWidth(); ++column) {
        if (surface.PixelAt(column, row) == colour) found.emplace_back(column, row);
      }
    }
    return found;
  }

  CapturedDiagnostics diagnostics;
  GdSurface surface{diagnostics};
};

TEST_F(PixelSurface, StartsAsABlackRasterOf286By231) {
  EXPECT_EQ(surface.RasterWidth(), 286);
  EXPECT_EQ(surface.RasterHeight(), 231);
  EXPECT_EQ(pixels_of(kBlack).size(), 286u * 231u);
}

TEST_F(PixelSurface, LineSetsEveryPixelButTheEndPointsOwn) {
  struct Case {
    int x1, y1, x2, y2;
    std::vector<std::pair<int, int>> expected;
  };
  const Case cases[] = {
      {10, 10, 14, 10, {{10, 10}, {11, 10}, {12, 10}, {13, 10}}},
      {14, 10, 10, 10, {{11, 10}, {12, 10}, {13, 10}, {14, 10}}},
      {5, 20, 5, 17, {{5, 18}, {5, 19}, {5, 20}}},
      {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
      {0, 0, 6, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}}},
      {7, 7, 7, 7, {}},
  };
  for (const Case& c : cases) {
    surface.Cls();
    surface.Line(c.x1, c.y1, c.x2, c.y2, kRed);
    EXPECT_EQ(pixels_of(kRed), c.expected) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
  }
}

TEST_F(PixelSurface, DotOfRadiusTwoIsTheFiveByFiveSquareWithoutCorners) {
  surface.FillStyle(0);
  surface.FillColor(kRed);
  surface.Circle(50, 40, 2, kRed);
  const auto dot = pixels_of(kRed);
  EXPECT_EQ(dot.size(), 21u);
  for (const auto& [column, row] : dot) {
    EXPECT_LE(std::abs(column - 50), 2);
    EXPECT_LE(std::abs(row - 40), 2);
    EXPECT_FALSE(std::abs(column - 50) == 2 && std::abs(row - 40) == 2) << column << "," << row;
  }
}

TEST_F(PixelSurface, CircleIsOutlinedInItsColourAndFilledOnlyUnderSolidStyle) {
  surface.Circle(50, 40, 2, kRed);  // the start style leaves circles hollow
  EXPECT_EQ(pixels_of(kRed).size(), 12u);
  EXPECT_EQ(surface.PixelAt(50, 40), kBlack);

  surface.FillStyle(0);
  surface.FillColor(kWhite);
  surface.Circle(80, 40, 2, kRed);
  EXPECT_EQ(pixels_of(kRed).size(), 24u);
  EXPECT_EQ(pixels_of(kWhite).size(), 9u);
  EXPECT_EQ(surface.PixelAt(80, 40), kWhite);
}

TEST_F(PixelSurface, DrawingOffTheRasterIsClipped) {
  surface.Line(-100, -100, 400, 400, kRed);
  surface.FillStyle(0);
  surface.FillColor(kRed);
  surface.Circle(285, 0, 2, kRed);
  surface.Circle(1000, -1000, 2, kRed);
  EXPECT_EQ(surface.PixelAt(0, 0), kRed);
  EXPECT_EQ(surface.PixelAt(230, 230), kRed);
  EXPECT_EQ(surface.PixelAt(284, 2), kRed);  // the part of the corner dot on the raster
}

TEST_F(PixelSurface, ClsRestoresTheBackgroundAndKeepsScaleAndFill) {
  surface.Scale(-35, 475, 251, 204);
  surface.FillStyle(0);
  surface.FillColor(kWhite);
  surface.Circle(0, 250, 2, kRed);
  surface.Line(0, 300, 100, 300, kRed);
  surface.Cls();
  EXPECT_EQ(pixels_of(kBlack).size(), 286u * 231u);

  surface.Circle(0, 250, 2, kRed);
  EXPECT_EQ(surface.PixelAt(35, 192), kWhite);  // same place, still filled
}

// Text pixels are light yellow or its antialiasing blends with the black beneath: equal red
// and green, blue about half of them.
bool is_text_ink(Colour c) {
  return red_of(c) == green_of(c) && std::abs(2 * blue_of(c) - red_of(c)) <= 2;
}

TEST_F(PixelSurface, PrintPutsTheTextCellsTopLeftAtTheCurrentPoint) {
  surface.CurrentX(110);
  surface.CurrentY(4);
  surface.Print("Date: 14/07/2009");
  int inked = 0, first_column = 286, first_row = 231, last_column = 0, last_row = 0;
  for (int row = 0; row < 231; ++row) {
    for (int column = 0; column < 286; ++column) {
      const Colour c = surface.PixelAt(column, row);
      if (c == kBlack) continue;
      ASSERT_TRUE(is_text_ink(c)) << column << "," << row;
      ++inked;
      first_column = std::min(first_column, column);
      first_row = std::min(first_row, row);
      last_column = std::max(last_column, column);
      last_row = std::max(last_row, row);
    }
  }
  EXPECT_FALSE(pixels_of(kLightYellow).empty());
  EXPECT_GT(inked, 100);
  // The capital D starts at the cell's left edge and a pixel or two below its top (the
  // ascent of an 8-point face at 96 dpi is 10 pixels); the line is about 80 pixels long.
  EXPECT_GE(first_column, 110);
  EXPECT_LE(first_column, 112);
  EXPECT_GE(first_row, 4);
  EXPECT_LE(first_row, 7);
  EXPECT_LE(last_row, 4 + 12);
  EXPECT_GT(last_column, 110 + 60);
  EXPECT_LT(last_column, 110 + 100);
  EXPECT_EQ(diagnostics.str(), "");
}

// The shades text leaves in the palette are dropped by Cls, so the next chart starts from
// the seven chart colours, and what it draws afterwards takes its exact colours again.
TEST_F(PixelSurface, ClsReturnsThePaletteToTheSevenChartColours) {
  EXPECT_EQ(surface.PaletteSize(), 7);
  surface.CurrentX(10);
  surface.CurrentY(10);
  surface.Print("Date: 30/06/2009");
  EXPECT_GT(surface.PaletteSize(), 7);
  surface.Cls();
  EXPECT_EQ(surface.PaletteSize(), 7);

  surface.Line(0, 100, 50, 100, kRed);
  surface.Print("Date: 01/07/2009");
  EXPECT_EQ(pixels_of(kRed).size(), 50u);
  EXPECT_FALSE(pixels_of(kLightYellow).empty());
  for (int row = 0; row < 30; ++row) {
    for (int column = 0; column < 286; ++column) {
      const Colour c = surface.PixelAt(column, row);
      EXPECT_TRUE(c == kBlack || is_text_ink(c)) << column << "," << row;
    }
  }
}

// Fontconfig is asked for the family by name, each time with the configuration of the
// moment, so a configuration file of the test's own decides what it finds.
std::string label_font_file_with(const std::string& configuration) {
  setenv("FONTCONFIG_FILE", configuration.c_str(), 1);
  std::string file = GdSurface::LabelFontFile();
  unsetenv("FONTCONFIG_FILE");
  return file;
}

// Writes the configuration `name` in `folder`, which knows only the fonts in `fonts`.
std::string fontconfig_knowing(const TempDir& folder, const std::string& name,
                               const std::string& fonts) {
  folder.write(name, "<?xml version=\"1.0\"?>\n<fontconfig><dir>" + fonts + "</dir><cachedir>" +
                         folder.path() + "/cache</cachedir></fontconfig>\n");
  return folder / name;
}

TEST(GdSurfaceFont, TheLabelFontIsLiberationSansFoundByNameThroughFontconfig) {
  EXPECT_TRUE(GdSurface::LabelFontFile().ends_with("/LiberationSans-Regular.ttf"));

  TempDir folder;
  folder.make_folder("own");
  std::filesystem::copy_file(kLabelFontFile, folder / "own/Labels.ttf");
  EXPECT_EQ(label_font_file_with(fontconfig_knowing(folder, "own.conf", folder / "own")),
            folder / "own/Labels.ttf");

  // A match of other metrics would move every label: the bundled path is taken instead.
  EXPECT_EQ(label_font_file_with(
                fontconfig_knowing(folder, "dejavu.conf", "/usr/share/fonts/truetype/dejavu")),
            kLabelFontFile);
  EXPECT_EQ(label_font_file_with(fontconfig_knowing(folder, "none.conf", folder / "none")),
            kLabelFontFile);
}

TEST(GdSurfaceFont, AMissingFontFallsBackToTheBuiltInFontWithAWarning) {
  CapturedDiagnostics diagnostics;
  GdSurface surface(diagnostics, "/nonexistent/font.ttf");
  surface.Scale(0, 0, 286, 231);
  surface.CurrentX(10);
  surface.CurrentY(10);
  surface.Print("factor");
  EXPECT_EQ(diagnostics.str(),
            "kurvo_M3000F2: warning: cannot open font /nonexistent/font.ttf; labels use the "
            "built-in font\n");
  int yellow = 0;
  for (int row = 10; row < 23; ++row) {
    for (int column = 10; column < 10 + 6 * 6; ++column) {
      yellow += surface.PixelAt(column, row) == kLightYellow;
    }
  }
  EXPECT_GT(yellow, 20);
}

// The chart of a day with a few measurements, drawn as a run draws it.
DayData day_with(const std::string& date, float first_value) {
  DayData day = sample_day();
  day.data_grafico = date;
  day.measurements = {value_at(0, 10, first_value), value_at(6, 30, 310), value_at(20, 0, 290)};
  return day;
}

// The chart's bitmap as SavePicture writes it: palette and indices as well as pixels.
std::string bitmap_of(GdSurface& surface, const DayData& day) {
  draw_chart(surface, day);
  MemoryFileSystem files;
  std::string err;
  EXPECT_TRUE(surface.SavePicture(files, "grafico1.bmp", &err)) << err;
  surface.Cls();
  return files.files.at("grafico1.bmp");
}

class GdSurfaceLabels : public ::testing::Test {
 protected:
  std::string first_bitmap(const DayData& day) {
    GdSurface fresh(diagnostics);
    impostazioni_dimensioni_e_scala_del_form(fresh);
    return bitmap_of(fresh, day);
  }

  CapturedDiagnostics diagnostics;
  GdSurface surface{diagnostics};
};

TEST_F(GdSurfaceLabels, AChartIsTheSameBytesFirstOrAfterOtherCharts) {
  impostazioni_dimensioni_e_scala_del_form(surface);
  const DayData days[] = {day_with("28/06/2026", 280), day_with("29/06/2026", 440),
                          day_with("30/06/2026", 350), day_with("28/06/2026", 280)};
  for (const DayData& day : days) {
    const std::string bitmap = bitmap_of(surface, day);
    ASSERT_GT(bitmap.size(), 286u * 231u);
    EXPECT_EQ(bitmap, first_bitmap(day)) << day.data_grafico;
    EXPECT_EQ(surface.LabelsKept(), 13);  // the frame's twelve and the last date
  }
  EXPECT_EQ(diagnostics.str(), "");
}

TEST_F(GdSurfaceLabels, ChartsOfTwoDatesDifferOnlyInTheDatesPixels) {
  impostazioni_dimensioni_e_scala_del_form(surface);
  const auto raster = [this](const std::string& date) {
    draw_chart(surface, day_with(date, 280));
    std::vector<Colour> pixels;
    for (int row = 0; row < 231; ++row) {
      for (int column = 0; column < 286; ++column) pixels.push_back(surface.PixelAt(column, row));
    }
    surface.Cls();
    return pixels;
  };
  const std::vector<Colour> first = raster("01/07/2026");
  const std::vector<Colour> second = raster("09/08/2027");
  int differing = 0;
  for (int row = 0; row < 231; ++row) {
    for (int column = 0; column < 286; ++column) {
      if (first[row * 286 + column] == second[row * 286 + column]) continue;
      ++differing;
      // The date label's cell: "Date: " starts at column 110 and row 4, 13 rows high.
      EXPECT_TRUE(row >= 4 && row < 17 && column >= 140 && column < 200) << column << "," << row;
    }
  }
  EXPECT_GT(differing, 20);
}

// The same label where other pixels or another palette lie beneath comes out as on a surface
// that never printed it before.
TEST_F(GdSurfaceLabels, ALabelOnOtherPixelsOrAnotherPaletteIsRenderedAnew) {
  surface.Scale(0, 0, 286, 231);
  const auto print = [](GdSurface& on, const std::string& text) {
    on.CurrentX(20);
    on.CurrentY(30);
    on.Print(text);
  };
  const std::function<void(GdSurface&)> beneath[] = {
      [](GdSurface& on) { on.Line(10, 36, 60, 36, kRed); },
      [](GdSurface& on) { on.Line(10, 36, 60, 36, kWhite); },
      [print](GdSurface& on) { print(on, "Time(UT)"); },
      [](GdSurface& on) {
        on.CurrentX(100);
        on.CurrentY(100);
        on.Print("Date: 31/12/2026");
      },
  };
  print(surface, "factor");
  surface.Cls();
  for (const auto& draw_beneath : beneath) {
    draw_beneath(surface);
    print(surface, "factor");
    GdSurface fresh(diagnostics);
    fresh.Scale(0, 0, 286, 231);
    draw_beneath(fresh);
    print(fresh, "factor");
    MemoryFileSystem files;
    std::string err;
    ASSERT_TRUE(surface.SavePicture(files, "again.bmp", &err)) << err;
    ASSERT_TRUE(fresh.SavePicture(files, "fresh.bmp", &err)) << err;
    EXPECT_EQ(files.files.at("again.bmp"), files.files.at("fresh.bmp"));
    surface.Cls();
  }
}

}  // namespace
