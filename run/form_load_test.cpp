#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "chart/gd_surface.h"
#include "output/gd_converter.h"
#include "run/form1.h"
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

// A station folder holding the settings file and the three folders it names.
class Run : public ::testing::Test {
 protected:
  Run() {
    dir.make_folder("fc/previous_M3000F2_plots");
    dir.make_folder("data");
    dir.make_folder("www");
    dir.write("kurvo_M3000F2.ini", "forecast\nfc/\ndata\ndata/\nweb\nwww/\n");
  }

  bool run(year_month_day today) {
    CurrentDirectory in_station_folder(dir.path());
    GdSurface surface(diagnostics);
    GdConverter converter;
    PosixFileSystem files;
    FixedClock clock(today);
    Form1 form(Platform{surface, converter, files, clock, diagnostics});
    return form.Form_Load();
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
  std::ostringstream diagnostics;
};

TEST_F(Run, PublishesAndArchivesSixLabelledChartsAndLeavesNoBitmap) {
  EXPECT_TRUE(run(2009y / July / 17));
  EXPECT_EQ(diagnostics.str(), "");
  EXPECT_EQ(dir.list("www"), (Names{"plotM1.gif", "plotM2.gif", "plotM3.gif", "plotM4.gif",
                                    "plotM5.gif", "plotM6.gif"}));
  EXPECT_EQ(dir.list("fc/previous_M3000F2_plots"),
            (Names{"2009193.gif", "2009194.gif", "2009195.gif", "2009196.gif", "2009197.gif",
                   "2009198.gif"}));
  EXPECT_EQ(dir.list("fc"), Names{"previous_M3000F2_plots"});

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
    // Chart n shows the day n - 6 days from today, label pixel for label pixel.
    const auto expected = label(std::to_string(11 + n) + "/07/2009");
    int label_pixels = 0;
    for (int row = 0; row < 231; ++row) {
      for (int column = 0; column < 286; ++column) {
        ASSERT_EQ(published.at(column, row), expected->PixelAt(column, row))
            << "chart " << n << " at " << column << "," << row;
        label_pixels += published.at(column, row) == RGB(255, 255, 128);
        if (published.at(column, row) != RGB(0, 0, 0)) {
          EXPECT_GE(column, 110);  // the label starts at x = 75 ...
          EXPECT_LT(row, 20);      // ... and stands above the frame
        }
      }
    }
    EXPECT_GT(label_pixels, 30) << n;
  }
}

TEST_F(Run, ArchiveNamesFollowEachDaysOwnYear) {
  EXPECT_TRUE(run(2009y / January / 3));
  EXPECT_EQ(dir.list("fc/previous_M3000F2_plots"),
            (Names{"2008364.gif", "2008365.gif", "2008366.gif", "2009001.gif", "2009002.gif",
                   "2009003.gif"}));
}

TEST_F(Run, MissingPublicationFolderFailsEveryChartAndKeepsTheBitmaps) {
  std::filesystem::remove_all(dir / "www");
  EXPECT_FALSE(run(2009y / July / 17));

  std::string expected;
  for (int n = 1; n <= 6; ++n) {
    expected += "kurvo_M3000F2: cannot write www/plotM" + std::to_string(n) +
                ".gif: No such file or directory\n";
    expected += "kurvo_M3000F2: cannot write fc/previous_M3000F2_plots/20091" +
                std::to_string(92 + n) +
                ".gif: not attempted after the publication picture failed\n";
  }
  EXPECT_EQ(diagnostics.str(), expected);
  EXPECT_EQ(dir.list("fc"), (Names{"grafico1.bmp", "grafico2.bmp", "grafico3.bmp", "grafico4.bmp",
                                   "grafico5.bmp", "grafico6.bmp", "previous_M3000F2_plots"}));
}

TEST_F(Run, WithoutSettingsEveryNameIsRelativeToTheCurrentDirectory) {
  std::filesystem::remove(dir / "kurvo_M3000F2.ini");
  dir.make_folder("previous_M3000F2_plots");
  EXPECT_TRUE(run(2009y / July / 17));
  EXPECT_EQ(diagnostics.str(), "kurvo_M3000F2: warning: cannot read settings file " + dir.path() +
                                   "/kurvo_M3000F2.ini: No such file or directory; every "
                                   "folder is the current directory\n");
  EXPECT_EQ(dir.list(), (Names{"data", "fc", "plotM1.gif", "plotM2.gif", "plotM3.gif", "plotM4.gif",
                               "plotM5.gif", "plotM6.gif", "previous_M3000F2_plots", "www"}));
  EXPECT_EQ(dir.list("previous_M3000F2_plots").size(), 6u);
}

}  // namespace
