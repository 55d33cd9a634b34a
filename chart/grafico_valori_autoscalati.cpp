// The measured-value trace: one light-red dot per measurement of the day, joined where two
// follow closely, and a light-green tick where the station had no value.
#include "chart/grafico_valori_autoscalati.h"

#include "platform/text_ops.h"

namespace {

// One x unit is six minutes: the offset is minuto / 6 rounded, halves down, so minutes 58
// and 59 fall on the next hour's x.
int spostamento_minuto(int minuto) { return (minuto + 2) / 6; }

void traccia_misura(Surface& surface, const Measurement& misura, const TracePlacement& placement) {
  // "NO" draws nothing.
  if (misura.field.kind == ValueField::Kind::no_value) return;

  const int x_misura = placement.x;
  if (misura.field.kind == ValueField::Kind::not_available) {
    surface.Line(x_misura, 251, x_misura, 259, QBColor(10));
    return;
  }

  const float v = misura.field.value;
  surface.FillStyle(0);
  surface.FillColor(QBColor(12));
  surface.Circle(x_misura, v, 2, QBColor(12));
  if (const std::optional<JoinedPoint>& ultimo = placement.joined_to) {
    surface.Line(x_misura, v, ultimo->x, ultimo->value, QBColor(12));
  }
}

}  // namespace

// The last plotted point starts at value 0, which means that there is none to join to, so
// the first dot of a chart is never joined. "N/A" and "NO" do not move it, so a chain goes
// on past them.
std::vector<TracePlacement> trace_placements(const std::vector<Measurement>& misure) {
  std::vector<TracePlacement> placements;
  placements.reserve(misure.size());
  JoinedPoint ultimo;
  for (const Measurement& misura : misure) {
    TracePlacement placement{10 * misura.ora + spostamento_minuto(misura.minuto), std::nullopt};
    if (misura.field.kind == ValueField::Kind::value) {
      const bool vicino = placement.x == ultimo.x + 2 || placement.x == ultimo.x + 3;
      if (vicino && ultimo.value != 0) placement.joined_to = ultimo;
      ultimo.x = placement.x;
      // A value beyond the 16-bit range keeps the last value as it was.
      if (const auto arrotondato = to_integer(misura.field.value)) ultimo.value = *arrotondato;
    }
    placements.push_back(placement);
  }
  return placements;
}

void grafico_valori_autoscalati(Surface& surface, const DayData& dati) {
  const std::vector<TracePlacement> placements = trace_placements(dati.measurements);
  for (std::size_t k = 0; k < dati.measurements.size(); ++k) {
    traccia_misura(surface, dati.measurements[k], placements[k]);
  }
}
