// One whole chart of a day: frame, forecast curve, measurements and the date above them.
#include "chart/draw_chart.h"

#include "chart/disegno_dello_stage.h"
#include "chart/grafico_previsione.h"
#include "chart/grafico_valori_autoscalati.h"

void draw_chart(Surface& surface, const DayData& dati) {
  disegno_dello_stage(surface);
  grafico_previsione(surface, dati);
  grafico_valori_autoscalati(surface, dati);
  surface.CurrentX(75);
  surface.CurrentY(470);
  surface.Print("Date: " + dati.data_grafico);
}
