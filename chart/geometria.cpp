// Window size and logical scale: the chart units, with room for labels around the plot.
#include "chart/geometria.h"

void impostazioni_dimensioni_e_scala_del_form(Surface& surface) {
  // Room around the plotting area x 0 to 240, y 250 to 450, in chart units.
  constexpr int margine_alto = 25;
  constexpr int margine_basso = 45;
  constexpr int margine_destro = 10;
  constexpr int margine_sinistro = 35;

  // The outer size includes 6 pixels of border across and 25 of border and caption down,
  // so the raster inside is 286 x 231 pixels on any screen.
  surface.Width(static_cast<float>(margine_destro + 240 + margine_sinistro + 6 + 1) *
                surface.TwipsPerPixelX());
  surface.Height(static_cast<float>(margine_alto + 160 + margine_basso + 25 + 1) *
                 surface.TwipsPerPixelY());
  surface.Scale(-margine_sinistro, margine_alto + 450, margine_destro + 240 + 1,
                250 - (margine_basso + 1));
}
