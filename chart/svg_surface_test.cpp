#include "chart/svg_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "chart/draw_chart.h"
#include "chart/gd_surface.h"
#include "chart/geometria.h"
#include "testsupport/captured_diagnostics.h"
#include "testsupport/memory_file_system.h"
#include "testsupport/png_reader.h"
#include "testsupport/temp_dir.h"
#include "testsupport/xml_tree.h"

namespace {

using Names = std::vector<std::string>;

constexpr Colour kYellow = RGB(255, 255, 0);
constexpr Colour kWhite = RGB(255, 255, 255);
constexpr Colour kRed = RGB(255, 0, 0);

Names elements(const std::string& svg) { return elements_of(svg); }

// A day like the sample station's: a forecast, a value every quarter hour with a gap and
// two "N/A", so that the chart has curves, dots, joining lines, ticks and every label.
DayData sample_day() {
  DayData dati;
  dati.data_grafico = "30/06/2026";
  dati.date = std::chrono::year{2026} / std::chrono::June / 30;
  dati.file_previsioni = "062026";
  std::array<std::int16_t, 24> forecast{};
  for (int hour = 0; hour < 24; ++hour) {
    forecast[hour] = static_cast<std::int16_t>(285 + 3 * (12 - std::abs(hour - 14)));
  }
  dati.valori_previsione = forecast;
  dati.famiglia_stazione = 4;
  dati.station_name = "Rome";
  for (int hour = 0; hour < 24; ++hour) {
    if (hour >= 9 && hour <= 12) continue;
    for (int minute = 15; minute <= 60; minute += 15) {
      Measurement misura{hour, minute % 60, {ValueField::Kind::value, 0.0F}};
      misura.field.value = static_cast<float>(270 + (hour * 4 + minute / 15) * 37 % 90);
      if (hour == 5 && minute == 30) misura.field.kind = ValueField::Kind::not_available;
      dati.measurements.push_back(misura);
    }
  }
  return dati;
}

void draw_scaled_chart(Surface& surface, const DayData& dati) {
  impostazioni_dimensioni_e_scala_del_form(surface);
  draw_chart(surface, dati);
}

TEST(SvgSurface, WritesEachDrawingOperationInOrderOnTheRastersPixelCentres) {
  SvgSurface surface;
  impostazioni_dimensioni_e_scala_del_form(surface);
  surface.Line(0, 250, 242, 250, kYellow);
  surface.Line(10, 300, 10.4F, 300, kYellow);  // ends on its start pixel: nothing to draw
  surface.FillStyle(0);
  surface.FillColor(kWhite);
  surface.Circle(0, 312, 2, kWhite);
  surface.FillStyle(1);
  surface.Circle(-35, 475, 2, kRed);
  surface.CurrentX(75);
  surface.CurrentY(470);
  surface.Print("Date: 30/06/2026");

  EXPECT_EQ(elements(surface.Document("M(3000)F2, Rome, 30/06/2026", "One sentence.")),
            (Names{
                "svg width=286 height=231 viewBox=0 0 286 231",
                "title : M(3000)F2, Rome, 30/06/2026",
                "desc : One sentence.",
                "rect width=100% height=100% fill=#000000",
                "g stroke-width=1 stroke-linecap=square font-family='Liberation Sans', Arimo, "
                "Arial, Helvetica, sans-serif font-size=10.67",
                "line x1=35.5 y1=192.5 x2=277.5 y2=192.5 stroke=#ffff00",
                "circle cx=35.5 cy=139.5 r=2 stroke=#ffffff fill=#ffffff",
                "circle cx=0.5 cy=0.5 r=2 stroke=#ff0000 fill=none",
                "text x=110 y=14 fill=#ffff80 : Date: 30/06/2026",
            }));
}

TEST(SvgSurface, ClsStartsAnEmptyDrawingAndSavesNoBitmap) {
  SvgSurface surface;
  draw_scaled_chart(surface, sample_day());
  surface.Cls();
  EXPECT_EQ(elements(surface.Document("t", "d")).size(), 5u);  // svg, title, desc, rect, g

  MemoryFileSystem files;
  std::string err;
  EXPECT_FALSE(surface.SavePicture(files, "/station/fc/grafico1.bmp", &err));
  EXPECT_EQ(err, "a vector drawing has no bitmap");
  EXPECT_TRUE(files.files.empty());
}

// Runs `command`, returning its exit status.
int run(const std::string& command) {
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

void write_file(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

TEST(SvgSurface, AChartIsAStandaloneDocumentThatXmllintAccepts) {
  SvgSurface surface;
  draw_scaled_chart(surface, sample_day());
  const std::string svg =
      surface.Document("M(3000)F2, <Rome & \"Sud\">, 30/06/2026", "Values \x01 from 2.70 to 3.59.");
  TempDir dir;
  write_file(dir / "chart.svg", svg);
  EXPECT_EQ(run("xmllint --noout '" + (dir / "chart.svg") + "'"), 0) << svg;

  const Names found = elements(svg);
  EXPECT_EQ(found[1], "title : M(3000)F2, <Rome & \"Sud\">, 30/06/2026");
  EXPECT_EQ(found[2], "desc : Values \xEF\xBF\xBD from 2.70 to 3.59.");
  for (const std::string& element : found) {
    EXPECT_EQ(element.find("href"), std::string::npos) << element;
    EXPECT_EQ(element.find("url("), std::string::npos) << element;
    EXPECT_NE(element.rfind("script", 0), 0u) << element;
  }
  const auto count = [&found](const std::string& start) {
    return std::count_if(found.begin(), found.end(),
                         [&start](const std::string& e) { return e.rfind(start, 0) == 0; });
  };
  EXPECT_EQ(count("text "), 13);  // hours, values, the axis titles and the date
  EXPECT_EQ(count("circle "), 24 + 79);
}

using Pixels = std::vector<Pixel>;

// The pixels of a picture of 286 x 231 that `is` picks.
template <typename Picture, typename Predicate>
Pixels pixels_where(const Picture& picture, Predicate is) {
  Pixels found;
  for (int row = 0; row < 231; ++row) {
    for (int column = 0; column < 286; ++column) {
      if (is(picture(column, row))) found.push_back({column, row});
    }
  }
  return found;
}

// The pixels of `these` with none of `those` within a pixel (of the 3 x 3 around them).
Pixels without_neighbour(const Pixels& these, const Pixels& those) {
  Pixels lonely;
  for (const Pixel& p : these) {
    const bool near = std::any_of(those.begin(), those.end(), [&p](const Pixel& q) {
      return std::abs(p.column - q.column) <= 1 && std::abs(p.row - q.row) <= 1;
    });
    if (!near) lonely.push_back(p);
  }
  return lonely;
}

std::string listed(const Pixels& pixels) {
  std::ostringstream text;
  for (const Pixel& p : pixels) text << " (" << p.column << "," << p.row << ")";
  return text.str();
}

// The renderer smooths edges, blending a colour with what lies beside it, so a rendered pixel
// counts as red when red covers at least half of it and the rest is black, and as white when
// white does, whatever red lies beside it (green and blue equal, at least half).
bool rendered_red(Colour c) { return red_of(c) >= 128 && green_of(c) < 64 && blue_of(c) < 64; }
bool rendered_white(Colour c) {
  return green_of(c) >= 128 && blue_of(c) >= 128 && std::abs(green_of(c) - blue_of(c)) <= 24;
}

struct Box {
  int left = 286, top = 231, right = -1, bottom = -1;
};

// The smallest box around the pixels above `row`.
Box box_above_row(int row, const Pixels& pixels) {
  Box box;
  for (const Pixel& p : pixels) {
    if (p.row >= row) continue;
    box = {std::min(box.left, p.column), std::min(box.top, p.row), std::max(box.right, p.column),
           std::max(box.bottom, p.row)};
  }
  return box;
}

TEST(SvgSurface, RenderedAtTheRastersSizeItsDotsAndLinesFallWithinAPixelOfTheRasters) {
  CapturedDiagnostics diagnostics;
  GdSurface raster(diagnostics);
  SvgSurface vector;
  draw_scaled_chart(raster, sample_day());
  draw_scaled_chart(vector, sample_day());
  TempDir dir;
  write_file(dir / "chart.svg", vector.Document("M(3000)F2, Rome, 30/06/2026", "A day."));
  ASSERT_EQ(run("rsvg-convert --width 286 --height 231 --output '" + (dir / "chart.png") + "' '" +
                (dir / "chart.svg") + "'"),
            0);
  const DecodedPng rendered = read_png(dir / "chart.png");
  ASSERT_EQ(rendered.width, 286);
  ASSERT_EQ(rendered.height, 231);

  const auto raster_at = [&raster](int column, int row) { return raster.PixelAt(column, row); };
  const auto rendered_at = [&rendered](int column, int row) { return rendered.at(column, row); };
  const struct {
    const char* name;
    Colour raster_colour;
    bool (*rendered_as)(Colour);
  } colours[] = {{"red", kRed, rendered_red}, {"white", kWhite, rendered_white}};
  for (const auto& colour : colours) {
    const Pixels in_raster =
        pixels_where(raster_at, [&colour](Colour c) { return c == colour.raster_colour; });
    const Pixels in_rendering = pixels_where(rendered_at, colour.rendered_as);
    EXPECT_GT(in_raster.size(), 300u) << colour.name;
    EXPECT_EQ(listed(without_neighbour(in_raster, in_rendering)), "")
        << colour.name << " in the raster, not rendered";
    EXPECT_EQ(listed(without_neighbour(in_rendering, in_raster)), "")
        << colour.name << " rendered, not in the raster";
  }

  // The date label, alone in the rows above the frame's top label, starts on the same pixel
  // and stands on the same baseline; renderers round the glyphs' advances differently, which
  // adds up to a few pixels at its end.
  const auto light_yellow_ink = [](Colour c) {
    return red_of(c) >= 64 && std::abs(red_of(c) - green_of(c)) <= 16 &&
           blue_of(c) * 4 <= red_of(c) * 3;
  };
  const Box raster_label = box_above_row(16, pixels_where(raster_at, light_yellow_ink));
  const Box rendered_label = box_above_row(16, pixels_where(rendered_at, light_yellow_ink));
  EXPECT_EQ(raster_label.left, 111);
  EXPECT_EQ(raster_label.bottom, 13);
  EXPECT_NEAR(rendered_label.left, raster_label.left, 1);
  EXPECT_NEAR(rendered_label.top, raster_label.top, 1);
  EXPECT_NEAR(rendered_label.bottom, raster_label.bottom, 1);
  EXPECT_NEAR(rendered_label.right, raster_label.right, 4);
}

}  // namespace
