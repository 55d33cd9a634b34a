#include <gtest/gtest.h>

#include <sstream>

#include "chart/grafico_previsione.h"
#include "testsupport/chart_day.h"

namespace {

const std::string kFile = "/station/fc/072009.txt";

// A value line of 24 fields " d.dd": the hours' values 3.00, 3.01, ... 3.23.
std::string value_line() {
  std::string line;
  for (int hour = 0; hour < 24; ++hour)
    line += " 3." + std::string(hour < 10 ? "0" : "") + std::to_string(hour);
  return line;
}

// The y of each forecast dot, in hour order.
std::vector<float> dot_heights(const RecordingSurface& surface) {
  std::vector<float> heights;
  for (const std::string& circle : surface.only("Circle")) {
    std::istringstream words(circle.substr(7));
    float x, y;
    words >> x >> y;
    heights.push_back(y);
  }
  return heights;
}

TEST(ForecastCurve, DrawsTwentyFourDotsEachFollowedByTheLineEndingAtIt) {
  ChartDay day;
  day.files.files[kFile] = "header\nheader\n" + value_line() + "\n 9.99 9.99\n";
  grafico_previsione(day.surface, day.read());

  const auto& operations = day.surface.operations;
  ASSERT_EQ(operations.size(), 24u * 3 + 23);
  EXPECT_EQ(std::vector<std::string>(operations.begin(), operations.begin() + 8),
            (std::vector<std::string>{"FillStyle 0", "FillColor white", "Circle 0 300 2 white",
                                      "FillStyle 0", "FillColor white", "Circle 10 301 2 white",
                                      "Line 0 300 10 301 white", "FillStyle 0"}));
  EXPECT_EQ(operations.back(), "Line 220 322 230 323 white");
  EXPECT_EQ(day.surface.only("Line").size(), 23u);
}

TEST(ForecastCurve, FieldsAndShortFilesGiveTheseValues) {
  struct Case {
    const char* label;
    std::string content;
    std::vector<float> first;  // the first dots' heights; every later one must be 0
  };
  const Case cases[] = {
      {"example line", "a\nb\n 3.12 3.05 2.98", {312, 305, 298}},
      {"ten fields only",
       "a\nb\n" + value_line().substr(0, 50),
       {300, 301, 302, 303, 304, 305, 306, 307, 308, 309}},
      {"two-line file parses line 2", "a\n 2.75 2.80", {275, 280}},
      {"one-line file parses line 1", " 2.75", {275}},
      {"empty file", "", {}},
      {"blank units digit is dropped", "a\nb\n  .95", {95}},
      {"the point is never read", "a\nb\n 3,12 3x05", {312, 305}},
      {"digit then other characters", "a\nb\n 3.1x", {31}},
      {"no leading number", "a\nb\n x.12 N/A  ", {0, 0}},
      {"a sign or tab in the units column is read",
       "a\nb\n -.12 +.12 \t.12  .-9",
       {-12, 12, 12, -9}},
  };
  for (const Case& c : cases) {
    ChartDay day;
    day.files.files[kFile] = c.content;
    grafico_previsione(day.surface, day.read());
    std::vector<float> expected = c.first;
    expected.resize(24, 0.0F);
    EXPECT_EQ(dot_heights(day.surface), expected) << c.label;
  }
}

TEST(ForecastCurve, AMissingFileIsKeptWithItsReasonAndDrawsNothing) {
  ChartDay day;
  const DayData dati = day.read();
  EXPECT_EQ(dati.forecast_file, "/station/fc/072009.txt");
  EXPECT_FALSE(dati.valori_previsione);
  EXPECT_EQ(dati.forecast_error, "No such file or directory");
  grafico_previsione(day.surface, dati);
  EXPECT_TRUE(day.surface.operations.empty());
}

}  // namespace
