// The day's data as the chart plots it, for the outputs that give it as data or text.
#include "output/plotted_values.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "platform/clock.h"
#include "platform/text_ops.h"

int minute_of_day(const Measurement& misura) { return 60 * misura.ora + misura.minuto; }

std::string time_text(const Measurement& misura) {
  return zero_padded(misura.ora, 2) + ":" + zero_padded(misura.minuto, 2);
}

std::vector<Measurement> in_time_order(const std::vector<Measurement>& misure) {
  std::vector<Measurement> ordered = misure;
  std::stable_sort(ordered.begin(), ordered.end(), [](const Measurement& a, const Measurement& b) {
    return minute_of_day(a) < minute_of_day(b);
  });
  return ordered;
}

std::optional<Measurement> newest_value(const std::vector<Measurement>& misure) {
  std::optional<Measurement> newest;
  for (const Measurement& misura : misure) {
    if (misura.field.kind != ValueField::Kind::value) continue;
    if (!newest || minute_of_day(misura) > minute_of_day(*newest)) newest = misura;
  }
  return newest;
}

std::optional<std::chrono::sys_seconds> newest_value_time(const DayData& giorno) {
  const std::optional<Measurement> newest = newest_value(giorno.measurements);
  const std::optional<std::chrono::year_month_day> day = parse_date(giorno.iso_date);
  if (!newest || !day) return std::nullopt;
  return std::chrono::sys_days{*day} + std::chrono::minutes{minute_of_day(*newest)};
}

MeasurementKinds count_kinds(const std::vector<Measurement>& misure) {
  MeasurementKinds kinds;
  for (const Measurement& misura : misure) {
    switch (misura.field.kind) {
      case ValueField::Kind::value:
        ++kinds.values;
        break;
      case ValueField::Kind::not_available:
        ++kinds.not_available;
        break;
      case ValueField::Kind::no_value:
        ++kinds.no_value;
        break;
    }
  }
  return kinds;
}

int forecast_values(const DayData& giorno) {
  if (!giorno.valori_previsione) return 0;
  return static_cast<int>(std::count_if(giorno.valori_previsione->begin(),
                                        giorno.valori_previsione->end(),
                                        [](std::int16_t valore) { return valore != 0; }));
}

// Dividing the binary value by 100 would carry its representation error into the result;
// instead the shortest decimal that reads back as the value keeps its digits and only its
// exponent drops by two, and that decimal is read as the nearest double.
double in_units(float chart_units) {
  char text[32];
  const auto written =
      std::to_chars(text, text + sizeof text, chart_units, std::chars_format::scientific);
  const std::string_view decimal(text, static_cast<std::size_t>(written.ptr - text));
  const std::size_t e = decimal.find('e');
  if (written.ec != std::errc() || e == std::string_view::npos) return chart_units / 100.0;

  std::string_view exponent_text = decimal.substr(e + 1);
  if (exponent_text.front() == '+') exponent_text.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponent_text.data(), exponent_text.data() + exponent_text.size(), exponent);
  const std::string shifted =
      std::string(decimal.substr(0, e)) + "e" + std::to_string(exponent - 2);
  double units = 0;
  std::from_chars(shifted.data(), shifted.data() + shifted.size(), units);
  return units + 0.0;  // a field of "-00" is zero, not minus zero
}
