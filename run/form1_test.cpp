#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "chart/gd_surface.h"
#include "output/gd_converter.h"
#include "run/form1.h"
#include "testsupport/captured_diagnostics.h"
#include "testsupport/gif_reader.h"
#include "testsupport/temp_dir.h"

namespace {

using namespace std::chrono;
using Names = std::vector<std::string>;

constexpr Colour kChartColours[] = {
    RGB(0, 0, 0),       RGB(255, 255, 0), RGB(100, 100, 100), RGB(255, 255, 128),
    RGB(255, 255, 255), RGB(255, 0, 0),   RGB(0, 255, 0),
};

bool is_chart_colour(Colour c) {
  return std::find(std::begin(kChartColours), std::end(kChartColours), c) !=
         std::end(kChartColours);
}

// Antialiased text blends light yellow (255, 255, 128) with the black beneath it.
bool is_label_blend(Colour c) {
  return red_of(c) == green_of(c) && std::abs(2 * blue_of(c) - red_of(c)) <= 2;
}

// The forecast file of a month whose 24 hourly values are all 3.20.
std::string flat_forecast() {
  std::string values;
  for (int hour = 0; hour < 24; ++hour) values += " 3.20";
  return "forecast\r\nhour  0    1 ...\r\n" + values + "\r\n";
}

// A measurement file of the station "Rome" whose fifth line holds `field`.
std::string measurement(const std::string& field) {
  return "Rome (test)\r\n2009-07-14\r\n\r\n\r\nM(3000)F2      " + field + "\r\n";
}

// A station folder holding the settings file, the three folders it names, the forecast of
// July 2009 and, for 14 July, measurements at 13:15 and 13:30 and a "N/A" at 13:45.
class Run : public ::testing::Test {
 protected:
  Run() {
    dir.make_folder("fc/previous_M3000F2_plots");
    dir.make_folder("data");
    dir.make_folder("www");
    dir.write("kurvo_M3000F2.ini", "forecast\nfc/\ndata\ndata/\nweb\nwww/\n");
    dir.write("fc/072009.txt", flat_forecast());
    dir.write("data/RM041_2009195131500.TXT", measurement(" 2.90"));
    dir.write("data/RM041_2009195133000.TXT", measurement(" 3.10"));
    dir.write("data/RM041_2009195134500.TXT", measurement("  N/A"));
  }

  bool run(year_month_day today) {
    CurrentDirectory in_station_folder(dir.path());
    GdSurface surface(diagnostics);
    GdConverter converter;
    PosixFileSystem files;
    FixedClock clock(today);
    return Form1(Platform{{{surface, converter}}, files, clock, diagnostics}, dir.path(), {})
        .Form_Load()
        .all_written();
  }

  // The date label as the surface prints it, for comparison with a published picture.
  std::unique_ptr<GdSurface> label(const std::string& date) {
    auto surface = std::make_unique<GdSurface>(diagnostics);
    surface->Scale(-35, 475, 251, 204);
    surface->CurrentX(75);
    surface->CurrentY(470);
    surface->Print("Date: " + date);
    return surface;
  }

  TempDir dir;
  CapturedDiagnostics diagnostics;
};

TEST_F(Run, PublishesAndArchivesSixLabelledChartsAndLeavesNoBitmap) {
  EXPECT_TRUE(run(2009y / July / 17));
  EXPECT_EQ(diagnostics.str(), "");
  EXPECT_EQ(dir.list("www"), (Names{"plotM1.gif", "plotM2.gif", "plotM3.gif", "plotM4.gif",
                                    "plotM5.gif", "plotM6.gif"}));
  EXPECT_EQ(dir.list("fc/previous_M3000F2_plots"),
            (Names{"2009193.gif", "2009194.gif", "2009195.gif", "2009196.gif", "2009197.gif",
                   "2009198.gif"}));
  EXPECT_EQ(dir.list("fc"), (Names{"072009.txt", "previous_M3000F2_plots"}));

  for (int n = 1; n <= 6; ++n) {
    const DecodedGif published = read_gif(dir / ("www/plotM" + std::to_string(n) + ".gif"));
    const DecodedGif archived =
        read_gif(dir / ("fc/previous_M3000F2_plots/20091" + std::to_string(92 + n) + ".gif"));
    ASSERT_EQ(published.width, 286);
    ASSERT_EQ(published.height, 231);
    EXPECT_EQ(archived.pixels, published.pixels) << n;
    for (Colour c : published.pixels) {
      ASSERT_TRUE(is_chart_colour(c) || is_label_blend(c)) << std::hex << c;
    }
    // Above the frame (row 20) and right of its left edge (column 35) stands the date label
    // alone: chart n shows the day n - 6 days from today, label pixel for label pixel.
    const auto expected = label(std::to_string(11 + n) + "/07/2009");
    int label_pixels = 0;
    for (int row = 0; row < 20; ++row) {
      for (int column = 35; column < 286; ++column) {
        ASSERT_EQ(published.at(column, row), expected->PixelAt(column, row))
            << "chart " << n << " at " << column << "," << row;
        label_pixels += published.at(column, row) == RGB(255, 255, 128);
      }
    }
    EXPECT_GT(label_pixels, 30) << n;
  }
}

TEST_F(Run, DrawsFrameForecastMeasurementsAndTicksWhereTheyBelong) {
  EXPECT_TRUE(run(2009y / July / 17));
  const DecodedGif chart = read_gif(dir / "www/plotM3.gif");  // 14 July
  const Colour yellow = RGB(255, 255, 0), gray = RGB(100, 100, 100), white = RGB(255, 255, 255),
               red = RGB(255, 0, 0), green = RGB(0, 255, 0);

  // Frame: column = x + 35, row = (475 - y) * 231 / 271 rounded.
  EXPECT_EQ(chart.at(35, 192), yellow);   // bottom left corner (0, 250)
  EXPECT_EQ(chart.at(276, 192), yellow);  // bottom right corner (241, 250)
  EXPECT_EQ(chart.at(35, 20), yellow);    // top left corner (0, 451)
  EXPECT_EQ(chart.at(276, 100), yellow);  // right edge
  EXPECT_EQ(chart.at(55, 107), gray);     // value grid line M = 3.5, at x = 20
  EXPECT_EQ(chart.at(85, 60), gray);      // hour grid line 5 h

  // Forecast: a white dot every hour at y = 320 (row 132), joined by white lines.
  EXPECT_EQ(chart.at(45, 132), white);          // 1 h
  EXPECT_EQ(chart.at(48, 132), white);          // on the line from 1 h to 2 h
  EXPECT_EQ(chart.at(265, 132), white);         // 23 h
  EXPECT_EQ(chart.at(270, 132), RGB(0, 0, 0));  // the curve ends at 23 h

  // Measurements: 13:15 at (132, 290), row 158, and 13:30 at (135, 310), row 141, joined;
  // "N/A" at 13:45 is a green tick at x = 137 from y = 251 to 259 (rows 191 up to 185).
  EXPECT_EQ(chart.at(167, 158), red);
  EXPECT_EQ(chart.at(170, 141), red);
  for (int row = 185; row <= 191; ++row) EXPECT_EQ(chart.at(172, row), green) << row;
  EXPECT_EQ(chart.at(172, 184), RGB(0, 0, 0));
  int red_pixels = 0;
  for (int row = 0; row < 231; ++row) {
    int in_row = 0;
    for (int column = 0; column < 286; ++column) {
      if (chart.at(column, row) != red) continue;
      ++in_row;
      EXPECT_TRUE(column >= 165 && column <= 172 && row >= 139 && row <= 160)
          << "red at " << column << "," << row;
    }
    // Between the dots the join is one pixel a row.
    if (row >= 144 && row <= 155) {
      EXPECT_EQ(in_row, 1) << row;
    }
    red_pixels += in_row;
  }
  EXPECT_EQ(red_pixels, 21 + 21 + 12);

  // No other day has a measurement: no red at all.
  const DecodedGif other_day = read_gif(dir / "www/plotM4.gif");
  EXPECT_EQ(std::count(other_day.pixels.begin(), other_day.pixels.end(), red), 0);
}

TEST_F(Run, ArchiveNamesFollowEachDaysOwnYear) {
  EXPECT_TRUE(run(2009y / January / 3));
  EXPECT_EQ(dir.list("fc/previous_M3000F2_plots"),
            (Names{"2008364.gif", "2008365.gif", "2008366.gif", "2009001.gif", "2009002.gif",
                   "2009003.gif"}));
}

TEST_F(Run, AMissingPublicationFolderCostsOnlyThePublicationPictures) {
  std::filesystem::remove_all(dir / "www");
  EXPECT_FALSE(run(2009y / July / 17));

  std::string expected;
  for (int n = 1; n <= 6; ++n) {
    expected += "kurvo_M3000F2: cannot write www/plotM" + std::to_string(n) +
                ".gif: No such file or directory\n";
  }
  EXPECT_EQ(diagnostics.str(), expected);
  EXPECT_EQ(dir.list("fc"), (Names{"072009.txt", "previous_M3000F2_plots"}));
  EXPECT_EQ(dir.list("fc/previous_M3000F2_plots"),
            (Names{"2009193.gif", "2009194.gif", "2009195.gif", "2009196.gif", "2009197.gif",
                   "2009198.gif"}));
}

TEST_F(Run, WithoutSettingsEveryNameIsRelativeToTheCurrentDirectory) {
  std::filesystem::remove(dir / "kurvo_M3000F2.ini");
  dir.make_folder("previous_M3000F2_plots");
  std::filesystem::rename(dir / "fc/072009.txt", dir / "072009.txt");
  dir.write("00_station.txt", "Rome\n");
  EXPECT_TRUE(run(2009y / July / 17));
  EXPECT_EQ(diagnostics.str(), "kurvo_M3000F2: warning: cannot read settings file " + dir.path() +
                                   "/kurvo_M3000F2.ini: No such file or directory; every "
                                   "folder is the current directory\n");
  EXPECT_EQ(dir.list(), (Names{"00_station.txt", "072009.txt", "data", "fc", "plotM1.gif",
                               "plotM2.gif", "plotM3.gif", "plotM4.gif", "plotM5.gif", "plotM6.gif",
                               "previous_M3000F2_plots", "www"}));
  EXPECT_EQ(dir.list("previous_M3000F2_plots").size(), 6u);
}

}  // namespace
