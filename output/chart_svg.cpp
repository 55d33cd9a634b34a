// The chart of a day as SVG files beside its GIFs: the same drawing, scaling crisply.
#include "output/chart_svg.h"

#include "chart/disegna_grafico.h"
#include "chart/geometria.h"
#include "chart/svg_surface.h"
#include "output/summary.h"

std::string station_title(const DatiGiorno& dati) {
  return dati.stazione.empty() ? "station not recognised" : dati.stazione;
}

std::string chart_svg(const DatiGiorno& dati) {
  SvgSurface surface;
  impostazioni_dimensioni_e_scala_del_form(surface);
  disegna_grafico(surface, dati);
  return surface.Document("M(3000)F2, " + station_title(dati) + ", " + dati.data_grafico,
                          summary(dati));
}
