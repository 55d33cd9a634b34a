// The measured-value trace: one light-red dot per measurement of the day, joined where two
// follow closely, and a light-green tick where the station had no value.
#include "chart/grafico_valori_autoscalati.h"

#include <cstdint>

#include "platform/text_ops.h"

namespace {

// One x unit is six minutes: the offset is minuto / 6 rounded, halves down, so minutes 58
// and 59 fall on the next hour's x.
int spostamento_minuto(int minuto) { return (minuto + 2) / 6; }

// The last plotted measurement of a chart; a value of 0 means there is none to join to.
struct UltimoPunto {
  int x_ultimo = 0;
  std::int16_t valore_ultimo = 0;
};

void traccia_misura(Surface& surface, const Measurement& misura, UltimoPunto* ultimo) {
  // "NO" draws nothing and leaves the last point as it is, so a chain goes on past it.
  if (misura.field.kind == ValueField::Kind::no_value) return;

  const int x_misura = 10 * misura.ora + spostamento_minuto(misura.minuto);
  if (misura.field.kind == ValueField::Kind::not_available) {
    surface.Line(x_misura, 251, x_misura, 259, QBColor(10));
    return;
  }

  const float v = misura.field.value;
  surface.FillStyle(0);
  surface.FillColor(QBColor(12));
  surface.Circle(x_misura, v, 2, QBColor(12));
  const bool vicino = x_misura == ultimo->x_ultimo + 2 || x_misura == ultimo->x_ultimo + 3;
  if (vicino && ultimo->valore_ultimo != 0) {
    surface.Line(x_misura, v, ultimo->x_ultimo, ultimo->valore_ultimo, QBColor(12));
  }
  ultimo->x_ultimo = x_misura;
  if (const auto arrotondato = to_integer(v)) ultimo->valore_ultimo = *arrotondato;
}

}  // namespace

void grafico_valori_autoscalati(Surface& surface, const DayData& dati) {
  UltimoPunto ultimo;
  for (const Measurement& misura : dati.measurements) traccia_misura(surface, misura, &ultimo);
}
