// Days made by hand for the tests of the outputs that read a day's data.
#include "testsupport/day_builder.h"

Measurement value_at(int ora, int minuto, float chart_units) {
  return {ora, minuto, {ValueField::Kind::value, chart_units}};
}

Measurement not_available_at(int ora, int minuto) {
  return {ora, minuto, {ValueField::Kind::not_available, 0}};
}

Measurement no_value_at(int ora, int minuto) {
  return {ora, minuto, {ValueField::Kind::no_value, 0}};
}

std::array<std::int16_t, 24> sample_forecast() {
  std::array<std::int16_t, 24> values;
  values.fill(300);
  values[3] = 284;
  values[14] = 324;
  return values;
}

DayData sample_day() {
  DayData giorno;
  giorno.data_grafico = "30/06/2026";
  giorno.date = std::chrono::year{2026} / std::chrono::June / 30;
  giorno.file_previsioni = "062026";
  giorno.forecast_file = "forecast/062026.txt";
  giorno.valori_previsione = sample_forecast();
  giorno.famiglia_stazione = 4;
  giorno.station_name = "Rome  test station";
  return giorno;
}
