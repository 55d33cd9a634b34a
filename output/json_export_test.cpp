#include "output/json_export.h"

#include <gtest/gtest.h>

#include <charconv>
#include <nlohmann/json.hpp>

#include "output/plotted_values.h"
#include "output/summary.h"
#include "testsupport/day_builder.h"

namespace {

using Json = nlohmann::ordered_json;

TEST(InUnits, GivesTheValueAsWrittenWithTwoDecimalsAtMost) {
  // Every value a forecast field or a right-aligned measurement field can hold.
  for (int hundredths = -99; hundredths <= 9999; ++hundredths) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, in_units(float(hundredths)));
    const std::string shortest(text, written.ptr);
    const std::size_t point = shortest.find('.');
    EXPECT_TRUE(point == std::string::npos || shortest.size() - point <= 3)
        << hundredths << " gives " << shortest;
  }
  struct Case {
    float chart_units;
    const char* json;
  };
  // Fields written from the left read as fractions of a hundredth: " 2.95" is 295, but
  // "2.95 " is 2.5 and "1.345" is 1.45.
  for (const Case& c : {Case{295, "2.95"}, Case{1050, "10.5"}, Case{-12, "-0.12"}, Case{0, "0.0"},
                        Case{-0.0f, "0.0"}, Case{2.5f, "0.025"}, Case{1.45f, "0.0145"}}) {
    EXPECT_EQ(Json(in_units(c.chart_units)).dump(), c.json) << c.chart_units;
  }
}

TEST(JsonDocument, GivesTheDayAsTheChartPlotsIt) {
  DayData giorno = sample_day();
  // In trace order: minute 00 last in its hour, so 00:15 follows 00:45 and is not joined to
  // 00:00; "NO" and "N/A" do not break the chain of 00:15, 00:30 and 00:45.
  giorno.measurements = {value_at(0, 15, 268),    no_value_at(0, 20),      value_at(0, 30, 270),
                         not_available_at(0, 40), value_at(0, 45, 275),    value_at(0, 0, 295),
                         value_at(13, 45, 310),   not_available_at(23, 50)};

  const std::string text = json_document(giorno);
  ASSERT_EQ(text.back(), '\n');
  EXPECT_NE(text.find("\"value\": 2.95"), std::string::npos) << text;

  Json forecast = Json::array();
  for (int hour = 0; hour < 24; ++hour) {
    forecast.push_back({{"hour", hour}, {"value", hour == 3 ? 2.84 : hour == 14 ? 3.24 : 3.0}});
  }
  const Json expected = {
      {"date", "2026-06-30"},
      {"station", "Rome  test station"},
      {"forecast", forecast},
      {"measurements",
       {{{"time", "00:00"}, {"value", 2.95}, {"joined", false}},
        {{"time", "00:15"}, {"value", 2.68}, {"joined", false}},
        {{"time", "00:20"}, {"status", "NO"}},
        {{"time", "00:30"}, {"value", 2.7}, {"joined", true}},
        {{"time", "00:40"}, {"status", "N/A"}},
        {{"time", "00:45"}, {"value", 2.75}, {"joined", true}},
        {{"time", "13:45"}, {"value", 3.1}, {"joined", false}},
        {{"time", "23:50"}, {"status", "N/A"}}}},
      {"newest", "13:45"},
      {"summary", summary(giorno)},
  };
  EXPECT_EQ(Json::parse(text), expected) << text;
}

TEST(JsonDocument, GivesNullForWhatTheDayLacks) {
  DayData giorno = sample_day();
  giorno.famiglia_stazione = 0;
  giorno.station_name = "Unknown station";
  giorno.valori_previsione.reset();

  const Json document = Json::parse(json_document(giorno));
  EXPECT_TRUE(document.at("station").is_null());
  EXPECT_TRUE(document.at("forecast").is_null());
  EXPECT_EQ(document.at("measurements"), Json::array());
  EXPECT_TRUE(document.at("newest").is_null());

  giorno = sample_day();
  giorno.measurements = {not_available_at(1, 0), no_value_at(2, 0)};
  EXPECT_TRUE(Json::parse(json_document(giorno)).at("newest").is_null());
}

TEST(JsonDocument, KeepsAnyStationLineValidJson) {
  DayData giorno = sample_day();
  giorno.station_name = "Rome \"A\\B\"\t\x1b[31m \xff\xfe end";
  const std::string text = json_document(giorno);
  EXPECT_EQ(text.find('\x1b'), std::string::npos);
  EXPECT_EQ(Json::parse(text).at("station"),
            "Rome \"A\\B\"\t\x1b[31m \xEF\xBF\xBD\xEF\xBF\xBD end");
}

}  // namespace
