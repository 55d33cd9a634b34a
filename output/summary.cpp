// One English sentence that says what a day's chart shows, for readers who cannot see it.
#include "output/summary.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "output/plotted_values.h"

namespace {

constexpr int kLongGapMinutes = 60;

std::string two_decimals(float chart_units) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", in_units(chart_units));
  return text;
}

std::vector<Misura> values_in_time_order(const DatiGiorno& giorno) {
  std::vector<Misura> values;
  for (const Misura& misura : in_time_order(giorno.misure)) {
    if (misura.campo.tipo == CampoMisura::Tipo::valore) values.push_back(misura);
  }
  return values;
}

std::string values_clause(const std::vector<Misura>& values) {
  if (values.empty()) return "no measurements";
  if (values.size() == 1) {
    return "1 measurement, " + two_decimals(values.front().campo.valore) + " at " +
           time_text(values.front()) + " UT";
  }
  const auto [lowest, highest] = std::minmax_element(
      values.begin(), values.end(),
      [](const Misura& a, const Misura& b) { return a.campo.valore < b.campo.valore; });
  return std::to_string(values.size()) + " measurements from " + time_text(values.front()) +
         " to " + time_text(values.back()) + " UT, ranging from " +
         two_decimals(lowest->campo.valore) + " to " + two_decimals(highest->campo.valore);
}

std::string measurements_clause(const DatiGiorno& giorno, const std::vector<Misura>& values) {
  if (giorno.famiglia_stazione == 0) return "no station recognised, so no measurements";
  std::string clause = values_clause(values);
  const int not_available = count_kinds(giorno.misure).not_available;
  if (not_available > 0) clause += ", and " + std::to_string(not_available) + " not available";
  return clause;
}

std::string forecast_clause(const DatiGiorno& giorno) {
  if (!giorno.valori_previsione) return "no forecast for the month";
  const auto [lowest, highest] =
      std::minmax_element(giorno.valori_previsione->begin(), giorno.valori_previsione->end());
  return "the forecast ranges from " + two_decimals(*lowest) + " to " + two_decimals(*highest);
}

// Of equally long gaps the earliest is named.
std::string gap_clause(const std::vector<Misura>& values) {
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

std::string summary(const DatiGiorno& giorno) {
  const std::vector<Misura> values = values_in_time_order(giorno);
  std::string sentence = "M(3000)F2 on " + spoken_date(giorno.data_iso) + ": " +
                         measurements_clause(giorno, values) + "; " + forecast_clause(giorno);
  if (values.size() >= 2) sentence += "; " + gap_clause(values);
  return sentence + ".";
}
