// The chart's frame: yellow edges, gray grid, hour and value labels, axis titles.
#include "run/form1.h"

void Form1::disegno_dello_stage() {
  const Colour giallo = RGB(255, 255, 0);
  const Colour grigio = RGB(100, 100, 100);
  const auto etichetta = [this](float x, float y, const char* testo) {
    surface_.CurrentX(x);
    surface_.CurrentY(y);
    surface_.Print(testo);
  };

  // The horizontal edges run one unit past the right edge so that the corners close.
  surface_.Line(0, 250, 242, 250, giallo);
  surface_.Line(0, 451, 0, 250, giallo);
  surface_.Line(0, 451, 242, 451, giallo);
  surface_.Line(241, 451, 241, 250, giallo);

  // Hour grid every five hours, stopping two units under the top edge; each label starts a
  // little left of its line so that it stands centred under it.
  surface_.Line(50, 449, 50, 250, grigio);
  etichetta(46, 248, "5");
  surface_.Line(100, 449, 100, 250, grigio);
  etichetta(93, 248, "10");
  surface_.Line(150, 449, 150, 250, grigio);
  etichetta(143, 248, "15");
  surface_.Line(200, 449, 200, 250, grigio);
  etichetta(193, 248, "20");
  etichetta(100, 230, "Time(UT)");

  // Value grid at 3.0, 3.5 and 4.0; the edges stand for 2.5 and 4.5. Each label's top is
  // five units above its value.
  etichetta(-18, 255, "2.5");
  surface_.Line(1, 300, 241, 300, grigio);
  etichetta(-18, 305, "3.0");
  surface_.Line(1, 350, 241, 350, grigio);
  etichetta(-18, 355, "3.5");
  surface_.Line(1, 400, 241, 400, grigio);
  etichetta(-18, 405, "4.0");
  etichetta(-18, 455, "4.5");
  etichetta(-22, 438, "M");
  etichetta(-31, 425, "factor");
}
