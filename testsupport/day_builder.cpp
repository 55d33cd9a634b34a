// Days made by hand for the tests of the outputs that read a day's data.
#include "testsupport/day_builder.h"

Misura value_at(int ora, int minuto, float chart_units) {
  return {ora, minuto, {CampoMisura::Tipo::valore, chart_units}};
}

Misura not_available_at(int ora, int minuto) {
  return {ora, minuto, {CampoMisura::Tipo::non_disponibile, 0}};
}

Misura no_value_at(int ora, int minuto) {
  return {ora, minuto, {CampoMisura::Tipo::nessun_valore, 0}};
}

std::array<std::int16_t, 24> sample_forecast() {
  std::array<std::int16_t, 24> values;
  values.fill(300);
  values[3] = 284;
  values[14] = 324;
  return values;
}

DatiGiorno sample_day() {
  DatiGiorno giorno;
  giorno.data_grafico = "30/06/2026";
  giorno.data_iso = "2026-06-30";
  giorno.file_previsioni = "062026";
  giorno.nome_previsione = "forecast/062026.txt";
  giorno.valori_previsione = sample_forecast();
  giorno.famiglia_stazione = 4;
  giorno.stazione = "Rome  test station";
  return giorno;
}
