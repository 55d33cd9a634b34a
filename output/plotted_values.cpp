// The day's data as the chart plots it, for the outputs that give it as data or text.
#include "output/plotted_values.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <numeric>
#include <string_view>

#include "platform/text_ops.h"

int minute_of_day(const Measurement& misura) { return 60 * misura.ora + misura.minuto; }

std::string time_text(const Measurement& misura) {
  return zero_padded(misura.ora, 2) + ":" + zero_padded(misura.minuto, 2);
}

std::vector<std::size_t> time_order(const std::vector<Measurement>& misure) {
  std::vector<std::size_t> order(misure.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&misure](std::size_t a, std::size_t b) {
    return minute_of_day(misure[a]) < minute_of_day(misure[b]);
  });
  return order;
}

std::vector<Measurement> in_time_order(const std::vector<Measurement>& misure) {
  std::vector<Measurement> ordered;
  ordered.reserve(misure.size());
  for (const std::size_t k : time_order(misure)) ordered.push_back(misure[k]);
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

const char* month_name(unsigned month) {
  static constexpr std::array<const char*, 12> kMonths = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  assert(month >= 1 && month <= 12);
  return kMonths[month - 1];
}

std::string spoken_date(std::chrono::year_month_day date) {
  assert(date.ok());
  return std::to_string(static_cast<unsigned>(date.day())) + " " +
         month_name(static_cast<unsigned>(date.month())) + " " +
         std::to_string(static_cast<int>(date.year()));
}

namespace {

std::string counted(int count, const char* singular, const char* plural) {
  return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

// The larger unit and, when not zero, the next smaller one; the smaller alone when the
// larger is zero.
std::string two_units(int large, const char* large_name, const char* large_names, int small,
                      const char* small_name, const char* small_names) {
  if (large == 0) return counted(small, small_name, small_names);
  std::string text = counted(large, large_name, large_names);
  if (small != 0) {
    // In two steps, which GCC 12's Release build does not misread as an overlapping copy.
    text += ' ';
    text += counted(small, small_name, small_names);
  }
  return text;
}

}  // namespace

std::string duration_text(int minutes) {
  if (minutes >= 24 * 60) {
    return two_units(minutes / (24 * 60), "day", "days", minutes % (24 * 60) / 60, "hour", "hours");
  }
  return two_units(minutes / 60, "hour", "hours", minutes % 60, "minute", "minutes");
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
