#include <gtest/gtest.h>

#include "chart/grafico_valori_autoscalati.h"
#include "testsupport/chart_day.h"

namespace {

// Chart 3 of a run on 17 July 2009 (14 July, day 195) whose measurement folder holds a
// station of family 4 ("Rome") with the measurements added by `measure`.
class Trace : public ::testing::Test {
 protected:
  // A measurement file at hh:mm whose line 5 holds `field` in characters 16 to 20.
  void measure(int hour, int minute, const std::string& field, int lines = 5) {
    char name[64];
    std::snprintf(name, sizeof name, "/station/data/RM041_2009195%02d%02d00.TXT", hour, minute);
    const std::string all_lines[] = {
        "Rome (test)", "2009-07-14", "line 3", "line 4", "M(3000)F2      " + field, "line 6"};
    std::string content;
    for (int k = 0; k < lines; ++k) content += all_lines[k] + "\r\n";
    window.files.files[name] = content;
  }

  std::vector<std::string> trace() {
    grafico_valori_autoscalati(window.surface, window.read());
    return window.surface.operations;
  }

  // Only the drawing operations, without the fill settings.
  std::vector<std::string> drawn() {
    trace();
    std::vector<std::string> lines_and_dots;
    for (const std::string& operation : window.surface.operations) {
      if (operation.rfind("Line", 0) == 0 || operation.rfind("Circle", 0) == 0) {
        lines_and_dots.push_back(operation);
      }
    }
    return lines_and_dots;
  }

  ChartDay window;
};

using Operations = std::vector<std::string>;

TEST_F(Trace, EachMeasurementIsADotFilledLightRed) {
  measure(13, 45, " 2.95");
  EXPECT_EQ(trace(), (Operations{"FillStyle 0", "FillColor red", "Circle 137 295 2 red"}));
}

TEST_F(Trace, MinutesFallOnTheirTenthOfAnHour) {
  const std::pair<int, int> minute_and_x[] = {
      {0, 130},  {1, 130},  {3, 130},  {4, 131},  {9, 131},  {10, 132}, {15, 132}, {16, 133},
      {21, 133}, {22, 134}, {27, 134}, {28, 135}, {33, 135}, {34, 136}, {39, 136}, {40, 137},
      {45, 137}, {46, 138}, {51, 138}, {52, 139}, {57, 139}, {58, 140}, {59, 140},
  };
  for (const auto& [minute, x] : minute_and_x) {
    window.surface.operations.clear();
    window.files.files.clear();
    measure(13, minute, " 3.00");
    EXPECT_EQ(drawn(), Operations{"Circle " + std::to_string(x) + " 300 2 red"}) << minute;
  }
}

TEST_F(Trace, ValueFieldsReadThus) {
  struct Case {
    std::string field;
    Operations expected;
  };
  const Case cases[] = {
      {" 2.95", {"Circle 137 295 2 red"}},
      {"10.50", {"Circle 137 1050 2 red"}},
      {"     ", {"Circle 137 0 2 red"}},
      {"2.95 ", {"Circle 137 2.5 2 red"}},   // written from the left: misread, off the chart
      {"-9.99", {"Circle 137 -999 2 red"}},  // a sign is read: the lowest a field can give
      {"  N/A", {"Line 137 251 137 259 green"}},
      {"N/A  ", {"Line 137 251 137 259 green"}},
      {"  n/a", {"Circle 137 0 2 red"}},
      {"   NO", {}},
  };
  for (const Case& c : cases) {
    window.surface.operations.clear();
    window.files.files.clear();
    measure(13, 45, c.field);
    EXPECT_EQ(drawn(), c.expected) << '"' << c.field << '"';
  }
}

TEST_F(Trace, AFileOfFewerThanFiveLinesIsSkipped) {
  measure(0, 10, " 3.00", 4);
  measure(0, 30, " 3.10");
  EXPECT_EQ(drawn(), Operations{"Circle 5 310 2 red"});
}

TEST_F(Trace, DotsCloseInVisitingOrderAreJoinedBackToTheLastPoint) {
  struct Case {
    const char* label;
    std::vector<std::tuple<int, std::string>> measurements;  // minute of hour 0, field
    Operations expected;
  };
  const Case cases[] = {
      {"+1 is not joined, and the first dot never is",
       {{10, " 3.00"}, {20, " 3.10"}},
       {"Circle 2 300 2 red", "Circle 3 310 2 red"}},
      {"+3 is joined, the line drawn after the dot",
       {{10, " 3.00"}, {30, " 3.10"}},
       {"Circle 2 300 2 red", "Circle 5 310 2 red", "Line 5 310 2 300 red"}},
      {"+2 is joined",
       {{10, " 3.00"}, {22, " 3.10"}},
       {"Circle 2 300 2 red", "Circle 4 310 2 red", "Line 4 310 2 300 red"}},
      {"+4 is not joined",
       {{10, " 3.00"}, {34, " 3.10"}},
       {"Circle 2 300 2 red", "Circle 6 310 2 red"}},
      {"NO does not break a chain",
       {{10, " 3.00"}, {20, "   NO"}, {30, " 3.10"}},
       {"Circle 2 300 2 red", "Circle 5 310 2 red", "Line 5 310 2 300 red"}},
      {"N/A leaves the last point alone",
       {{10, " 3.00"}, {20, "  N/A"}, {30, " 3.10"}},
       {"Circle 2 300 2 red", "Line 3 251 3 259 green", "Circle 5 310 2 red",
        "Line 5 310 2 300 red"}},
      {"a dot at value 0 is joined to nothing",
       {{10, "     "}, {30, " 3.10"}},
       {"Circle 2 0 2 red", "Circle 5 310 2 red"}},
  };
  for (const Case& c : cases) {
    window.surface.operations.clear();
    window.files.files.clear();
    for (const auto& [minute, field] : c.measurements) measure(0, minute, field);
    EXPECT_EQ(drawn(), c.expected) << c.label;
  }
}

TEST_F(Trace, AFifteenMinuteCadenceJoinsOnlyQuarterPastToHalfPastAndHalfPastToQuarterTo) {
  for (int hour = 5; hour <= 6; ++hour) {
    for (int minute : {0, 15, 30, 45}) measure(hour, minute, " 3.00");
  }
  const Operations lines = [&] {
    trace();
    return window.surface.only("Line");
  }();
  EXPECT_EQ(lines, (Operations{"Line 55 300 52 300 red", "Line 57 300 55 300 red",
                               "Line 65 300 62 300 red", "Line 67 300 65 300 red"}));
}

TEST_F(Trace, EveryNameOfTheDayIsTriedOnceAfterOneListing) {
  measure(12, 15, "  N/A");
  trace();
  EXPECT_EQ(window.files.listings, 1);
  // The station file, the forecast, then the day's names.
  ASSERT_EQ(window.files.opened.size(), 2u + 1440u);
  EXPECT_EQ(window.files.opened[1], "/station/fc/072009.txt");
  EXPECT_EQ(window.files.opened[2], "/station/data/RM041_2009195000100.TXT");
  EXPECT_EQ(window.files.opened[61], "/station/data/RM041_2009195000000.TXT");
  EXPECT_EQ(window.files.opened.back(), "/station/data/RM041_2009195230000.TXT");
  EXPECT_EQ(window.surface.operations, Operations{"Line 122 251 122 259 green"});
}

TEST_F(Trace, AnUnrecognisedStationReadsNoMeasurementFile) {
  window.files.files["/station/data/A.TXT"] = "Unknown station\n";
  measure(13, 45, " 2.95");
  EXPECT_TRUE(trace().empty());
  EXPECT_EQ(window.files.opened,
            (std::vector<std::string>{"/station/data/A.TXT", "/station/fc/072009.txt"}));
}

TEST_F(Trace, TheDayKeepsEachMeasurementInTheTracesOrder) {
  measure(13, 0, " 2.90");
  measure(13, 45, "  N/A");
  measure(13, 30, "   NO");
  measure(14, 15, " 3.05", 4);
  const DayData dati = window.read();
  ASSERT_EQ(dati.measurements.size(), 3u);
  EXPECT_EQ(dati.station_name, "Rome (test)");
  EXPECT_EQ(dati.date, std::chrono::year{2009} / std::chrono::July / 14);
  const auto seen = [&](std::size_t k) {
    const Measurement& m = dati.measurements[k];
    return std::to_string(m.ora) + ":" + std::to_string(m.minuto) + " " +
           std::to_string(static_cast<int>(m.field.kind)) + " " + std::to_string(m.field.value);
  };
  EXPECT_EQ(seen(0), "13:30 2 0.000000");   // NO
  EXPECT_EQ(seen(1), "13:45 1 0.000000");   // N/A
  EXPECT_EQ(seen(2), "13:0 0 290.000000");  // minute 00 last in its hour
  EXPECT_EQ(dati.files_without_value, 1);
}

}  // namespace
