// The month's forecast curve: the day's 24 hourly forecast values, joined in hour order.
#include "chart/grafico_previsione.h"

void grafico_previsione(Surface& surface, const DayData& dati) {
  if (!dati.valori_previsione) return;
  const std::array<std::int16_t, 24>& valori = *dati.valori_previsione;

  // The dot first, then the line that ends at it; the first dot has none, so the curve
  // never starts at the origin.
  const Colour bianco = QBColor(15);
  float x_precedente = 0;
  float y_precedente = 0;
  for (int p = 1; p <= 24; ++p) {
    const float x = 10.0F * static_cast<float>(p - 1);
    const float y = valori[p - 1];
    surface.FillStyle(0);
    surface.FillColor(bianco);
    surface.Circle(x, y, 2, bianco);
    if (p >= 2) surface.Line(x_precedente, y_precedente, x, y, bianco);
    x_precedente = x;
    y_precedente = y;
  }
}
