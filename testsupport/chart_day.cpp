// A chart's day for tests of reading and drawing.
#include "testsupport/chart_day.h"

ChartDay::ChartDay() : minuti(minute_texts()) {}

Station ChartDay::stazione() {
  std::string primo_file;
  std::string err;
  files.Dir(giorno.cartella_dati, &primo_file, &err);
  return riconosci_stazione(files, giorno.cartella_dati, primo_file);
}

DayData ChartDay::read() { return read_day(files, giorno, stazione(), minuti); }
