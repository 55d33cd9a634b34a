// A chart's day for tests of reading and drawing.
#include "testsupport/chart_day.h"

#include "platform/text_ops.h"

ChartDay::ChartDay() {
  for (int minuto = 1; minuto <= 59; ++minuto) minuti(minuto) = zero_padded(minuto, 2);
  minuti(60) = "00";
}

Stazione ChartDay::stazione() {
  std::string primo_file;
  std::string err;
  files.Dir(giorno.cartella_dati, &primo_file, &err);
  return riconosci_stazione(files, giorno.cartella_dati, primo_file);
}

DatiGiorno ChartDay::read() { return leggi_giorno(files, giorno, stazione(), minuti); }
