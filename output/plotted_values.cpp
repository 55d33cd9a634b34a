// The day's data as the chart plots it, for the outputs that give it as data or text.
#include "output/plotted_values.h"

#include <algorithm>
#include <charconv>
#include <string_view>

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

namespace {

// Minute 00 is met last in its hour, so the latest time is found apart from the order.
void keep_latest(const Measurement& misura, std::optional<Measurement>* latest) {
  if (!*latest || minute_of_day(misura) > minute_of_day(**latest)) *latest = misura;
}

void count_kind(const Measurement& misura, DayCount* count) {
  switch (misura.field.kind) {
    case ValueField::Kind::value:
      ++count->values;
      keep_latest(misura, &count->newest_value);
      break;
    case ValueField::Kind::not_available:
      ++count->not_available;
      break;
    case ValueField::Kind::no_value:
      ++count->no_value;
      break;
  }
}

std::optional<std::chrono::sys_seconds> taken_at(const DayData& day,
                                                 const std::optional<Measurement>& misura) {
  if (!misura) return std::nullopt;
  return std::chrono::sys_days{day.date} + std::chrono::minutes{minute_of_day(*misura)};
}

}  // namespace

DayCount count_day(const DayData& day) {
  DayCount count;
  count.skipped = day.files_without_value;
  count.files = static_cast<int>(day.measurements.size()) + day.files_without_value;
  for (const Measurement& misura : day.measurements) {
    count_kind(misura, &count);
    keep_latest(misura, &count.latest);
  }
  count.newest_value_time = taken_at(day, count.newest_value);
  if (day.valori_previsione) {
    count.forecast_values =
        static_cast<int>(std::count_if(day.valori_previsione->begin(), day.valori_previsione->end(),
                                       [](std::int16_t valore) { return valore != 0; }));
  }
  return count;
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
