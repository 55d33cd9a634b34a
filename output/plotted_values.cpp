// The day's data as the chart plots it, for the outputs that give it as data or text.
#include "output/plotted_values.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <numeric>
#include <string_view>

#include "platform/clock.h"
#include "platform/text_ops.h"

int minute_of_day(const Misura& misura) { return 60 * misura.ora + misura.minuto; }

std::string time_text(const Misura& misura) {
  return zero_padded(misura.ora, 2) + ":" + zero_padded(misura.minuto, 2);
}

std::vector<std::size_t> time_order(const std::vector<Misura>& misure) {
  std::vector<std::size_t> order(misure.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&misure](std::size_t a, std::size_t b) {
    return minute_of_day(misure[a]) < minute_of_day(misure[b]);
  });
  return order;
}

std::vector<Misura> in_time_order(const std::vector<Misura>& misure) {
  std::vector<Misura> ordered;
  ordered.reserve(misure.size());
  for (const std::size_t k : time_order(misure)) ordered.push_back(misure[k]);
  return ordered;
}

std::optional<Misura> newest_value(const std::vector<Misura>& misure) {
  std::optional<Misura> newest;
  for (const Misura& misura : misure) {
    if (misura.campo.tipo != CampoMisura::Tipo::valore) continue;
    if (!newest || minute_of_day(misura) > minute_of_day(*newest)) newest = misura;
  }
  return newest;
}

std::optional<std::chrono::sys_seconds> newest_value_time(const DatiGiorno& giorno) {
  const std::optional<Misura> newest = newest_value(giorno.misure);
  const std::optional<std::chrono::year_month_day> day = parse_date(giorno.data_iso);
  if (!newest || !day) return std::nullopt;
  return std::chrono::sys_days{*day} + std::chrono::minutes{minute_of_day(*newest)};
}

MeasurementKinds count_kinds(const std::vector<Misura>& misure) {
  MeasurementKinds kinds;
  for (const Misura& misura : misure) {
    switch (misura.campo.tipo) {
      case CampoMisura::Tipo::valore:
        ++kinds.values;
        break;
      case CampoMisura::Tipo::non_disponibile:
        ++kinds.not_available;
        break;
      case CampoMisura::Tipo::nessun_valore:
        ++kinds.no_value;
        break;
    }
  }
  return kinds;
}

int forecast_values(const DatiGiorno& giorno) {
  if (!giorno.valori_previsione) return 0;
  return static_cast<int>(std::count_if(giorno.valori_previsione->begin(),
                                        giorno.valori_previsione->end(),
                                        [](std::int16_t valore) { return valore != 0; }));
}

const char* month_name(unsigned month) {
  static constexpr std::array<const char*, 12> kMonths = {
      "January", "February", "March",     "April",   "May",      "June",
      "July",    "August",   "September", "October", "November", "December"};
  assert(month >= 1 && month <= 12);
  return kMonths[month - 1];
}

std::string spoken_date(const std::string& data_iso) {
  assert(data_iso.size() == 10);
  const int month = 10 * (data_iso[5] - '0') + (data_iso[6] - '0');
  const std::string day = data_iso.substr(8, 2);
  return std::string(day[0] == '0' ? day.substr(1) : day) + " " +
         month_name(static_cast<unsigned>(month)) + " " + data_iso.substr(0, 4);
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
