// The data file of a day's chart: the values the chart plots, as one JSON object.
#include "output/json_export.h"

#include <nlohmann/json.hpp>

#include "chart/grafico_valori_autoscalati.h"
#include "output/plotted_values.h"
#include "output/summary.h"

namespace {

// Keys stay in the order written, so that the document reads from the day to its summary.
using Json = nlohmann::ordered_json;

Json station(const DatiGiorno& giorno) {
  if (giorno.famiglia_stazione == 0) return nullptr;
  return giorno.stazione;
}

Json forecast(const DatiGiorno& giorno) {
  if (!giorno.valori_previsione) return nullptr;
  Json points = Json::array();
  for (int hour = 0; hour < 24; ++hour) {
    points.push_back(
        {{"hour", hour}, {"value", in_units((*giorno.valori_previsione)[std::size_t(hour)])}});
  }
  return points;
}

Json measurement(const Misura& misura, const TracePlacement& placement) {
  switch (misura.campo.tipo) {
    case CampoMisura::Tipo::valore:
      return {{"time", time_text(misura)},
              {"value", in_units(misura.campo.valore)},
              {"joined", placement.joined_to.has_value()}};
    case CampoMisura::Tipo::non_disponibile:
      return {{"time", time_text(misura)}, {"status", "N/A"}};
    case CampoMisura::Tipo::nessun_valore:
      break;
  }
  return {{"time", time_text(misura)}, {"status", "NO"}};
}

// Listed in time order, each value joined as the chart, which meets them in its own order,
// joins it.
Json measurements(const DatiGiorno& giorno) {
  const std::vector<TracePlacement> placements = trace_placements(giorno.misure);
  Json list = Json::array();
  for (const std::size_t k : time_order(giorno.misure)) {
    list.push_back(measurement(giorno.misure[k], placements[k]));
  }
  return list;
}

Json newest(const DatiGiorno& giorno) {
  const std::optional<Misura> misura = newest_value(giorno.misure);
  if (!misura) return nullptr;
  return time_text(*misura);
}

}  // namespace

std::string json_document(const DatiGiorno& giorno) {
  const Json document = {
      {"date", giorno.data_iso},      {"station", station(giorno)},
      {"forecast", forecast(giorno)}, {"measurements", measurements(giorno)},
      {"newest", newest(giorno)},     {"summary", summary(giorno)},
  };
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
