// The chart of a day as SVG files beside its GIFs: the same drawing, scaling crisply.
#include "output/chart_svg.h"

#include "chart/draw_chart.h"
#include "chart/geometria.h"
#include "chart/svg_surface.h"
#include "output/summary.h"

std::string station_title(const DayData& dati) {
  return dati.station_name.empty() ? "station not recognised" : dati.station_name;
}

std::string chart_svg(const DayData& dati) {
  SvgSurface surface;
  impostazioni_dimensioni_e_scala_del_form(surface);
  draw_chart(surface, dati);
  return surface.Document("M(3000)F2, " + station_title(dati) + ", " + dati.data_grafico,
                          summary(dati));
}
