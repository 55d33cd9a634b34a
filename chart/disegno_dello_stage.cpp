// The chart's frame: yellow edges, gray grid, hour and value labels, axis titles.
#include "chart/disegno_dello_stage.h"

void disegno_dello_stage(Surface& surface) {
  const Colour giallo = RGB(255, 255, 0);
  const Colour grigio = RGB(100, 100, 100);
  const auto etichetta = [&surface](float x, float y, const char* testo) {
    surface.CurrentX(x);
    surface.CurrentY(y);
    surface.Print(testo);
  };

  // The horizontal edges run one unit past the right edge so that the corners close.
  surface.Line(0, 250, 242, 250, giallo);
  surface.Line(0, 451, 0, 250, giallo);
  surface.Line(0, 451, 242, 451, giallo);
  surface.Line(241, 451, 241, 250, giallo);

  // Hour grid every five hours, stopping two units under the top edge; each label starts a
  // little left of its line so that it stands centred under it.
  surface.Line(50, 449, 50, 250, grigio);
  etichetta(46, 248, "5");
  surface.Line(100, 449, 100, 250, grigio);
  etichetta(93, 248, "10");
  surface.Line(150, 449, 150, 250, grigio);
  etichetta(143, 248, "15");
  surface.Line(200, 449, 200, 250, grigio);
  etichetta(193, 248, "20");
  etichetta(100, 230, "Time(UT)");

  // Value grid at 3.0, 3.5 and 4.0; the edges stand for 2.5 and 4.5. Each label's top is
  // five units above its value.
  etichetta(-18, 255, "2.5");
  surface.Line(1, 300, 241, 300, grigio);
  etichetta(-18, 305, "3.0");
  surface.Line(1, 350, 241, 350, grigio);
  etichetta(-18, 355, "3.5");
  surface.Line(1, 400, 241, 400, grigio);
  etichetta(-18, 405, "4.0");
  etichetta(-18, 455, "4.5");
  etichetta(-22, 438, "M");
  etichetta(-31, 425, "factor");
}
