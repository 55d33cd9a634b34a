// The data file of a day's chart: the values the chart plots, as one JSON object.
#include "output/json_export.h"

#include <nlohmann/json.hpp>

#include "chart/grafico_valori_autoscalati.h"
#include "output/plotted_values.h"
#include "output/summary.h"
#include "platform/clock.h"
#include "platform/utf8.h"

namespace {

// Keys stay in the order written, so that the document reads from the day to its summary.
using Json = nlohmann::ordered_json;

Json station(const DayData& giorno) {
  if (giorno.famiglia_stazione == 0) return nullptr;
  return valid_utf8(giorno.station_name);
}

Json forecast(const DayData& giorno) {
  if (!giorno.valori_previsione) return nullptr;
  Json points = Json::array();
  for (int hour = 0; hour < 24; ++hour) {
    points.push_back(
        {{"hour", hour}, {"value", in_units((*giorno.valori_previsione)[std::size_t(hour)])}});
  }
  return points;
}

Json measurement(const Measurement& misura, const TracePlacement& placement) {
  switch (misura.field.kind) {
    case ValueField::Kind::value:
      return {{"time", time_text(misura)},
              {"value", in_units(misura.field.value)},
              {"joined", placement.joined_to.has_value()}};
    case ValueField::Kind::not_available:
      return {{"time", time_text(misura)}, {"status", "N/A"}};
    case ValueField::Kind::no_value:
      break;
  }
  return {{"time", time_text(misura)}, {"status", "NO"}};
}

// Listed in time order, each value joined as the chart, which meets them in its own order,
// joins it.
Json measurements(const DayData& giorno) {
  const std::vector<TracePlacement> placements = trace_placements(giorno.measurements);
  Json list = Json::array();
  for (const std::size_t k : time_order(giorno.measurements)) {
    list.push_back(measurement(giorno.measurements[k], placements[k]));
  }
  return list;
}

Json newest(const DayData& giorno) {
  const std::optional<Measurement> misura = count_day(giorno).newest_value;
  if (!misura) return nullptr;
  return time_text(*misura);
}

}  // namespace

std::string json_document(const DayData& giorno) {
  const Json document = {
      {"date", format_date(giorno.date)}, {"station", station(giorno)},
      {"forecast", forecast(giorno)},     {"measurements", measurements(giorno)},
      {"newest", newest(giorno)},         {"summary", summary(giorno)},
  };
  return document.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
