// One English sentence that says what a day's chart shows, for readers who cannot see it.
#include "output/summary.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "output/plotted_values.h"

namespace {

constexpr int kLongGapMinutes = 60;

std::string two_decimals(float chart_units) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", in_units(chart_units));
  return text;
}

std::vector<Measurement> values_in_time_order(const DayData& giorno) {
  std::vector<Measurement> values;
  for (const Measurement& misura : in_time_order(giorno.measurements)) {
    if (misura.field.kind == ValueField::Kind::value) values.push_back(misura);
  }
  return values;
}

std::string values_clause(const std::vector<Measurement>& values) {
  if (values.empty()) return "no measurements";
  if (values.size() == 1) {
    return "1 measurement, " + two_decimals(values.front().field.value) + " at " +
           time_text(values.front()) + " UT";
  }
  const auto [lowest, highest] = std::minmax_element(
      values.begin(), values.end(),
      [](const Measurement& a, const Measurement& b) { return a.field.value < b.field.value; });
  return std::to_string(values.size()) + " measurements from " + time_text(values.front()) +
         " to " + time_text(values.back()) + " UT, ranging from " +
         two_decimals(lowest->field.value) + " to " + two_decimals(highest->field.value);
}

std::string measurements_clause(const DayData& giorno, const std::vector<Measurement>& values) {
  if (giorno.famiglia_stazione == 0) return "no station recognised, so no measurements";
  std::string clause = values_clause(values);
  const int not_available = count_day(giorno).not_available;
  if (not_available > 0) clause += ", and " + std::to_string(not_available) + " not available";
  return clause;
}

std::string forecast_clause(const DayData& giorno) {
  if (!giorno.valori_previsione) return "no forecast for the month";
  const auto [lowest, highest] =
      std::minmax_element(giorno.valori_previsione->begin(), giorno.valori_previsione->end());
  return "the forecast ranges from " + two_decimals(*lowest) + " to " + two_decimals(*highest);
}

// Of equally long gaps the earliest is named.
std::string gap_clause(const std::vector<Measurement>& values) {
  int longest = 0;
  std::size_t longest_end = 0;  // the measurement that ends the longest gap
  for (std::size_t i = 1; i < values.size(); ++i) {
    const int gap = minute_of_day(values[i]) - minute_of_day(values[i - 1]);
    if (gap > longest) {
      longest = gap;
      longest_end = i;
    }
  }
  if (longest <= kLongGapMinutes) return "no gap between measurements is longer than an hour";
  return "the longest gap between measurements is " + duration_text(longest) + ", from " +
         time_text(values[longest_end - 1]) + " to " + time_text(values[longest_end]) + " UT";
}

}  // namespace

std::string summary(const DayData& giorno) {
  const std::vector<Measurement> values = values_in_time_order(giorno);
  std::string sentence = "M(3000)F2 on " + spoken_date(giorno.date) + ": " +
                         measurements_clause(giorno, values) + "; " + forecast_clause(giorno);
  if (values.size() >= 2) sentence += "; " + gap_clause(values);
  return sentence + ".";
}
