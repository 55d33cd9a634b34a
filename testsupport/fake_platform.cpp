// Windows for tests, built on the real surface or a recording one, with files in memory.
#include "testsupport/fake_platform.h"

FakeWindow::FakeWindow(std::chrono::year_month_day today)
    : clock(today), form(Platform{surface, converter, files, clock, diagnostics}) {}

RecordingWindow::RecordingWindow(std::chrono::year_month_day today, int chart)
    : clock(today), form(Platform{surface, converter, files, clock, diagnostics}) {
  form.riempi_minuti();
  form.riempi_tabella_giorni();
  form.indice_giorno = static_cast<std::int16_t>(chart);
}
