// The day table: day of year, month key and date label of the six days ending today.
#include "run/tabella_giorni.h"

#include "platform/text_ops.h"
#include "run/form1.h"

DayTexts day_texts(std::chrono::year_month_day data_giorno) {
  using namespace std::chrono;
  const std::string testo_giorno = zero_padded(static_cast<unsigned>(data_giorno.day()), 2);
  const std::string testo_mese = zero_padded(static_cast<unsigned>(data_giorno.month()), 2);
  const std::string testo_anno = std::to_string(static_cast<int>(data_giorno.year()));
  const sys_days inizio_anno{data_giorno.year() / January / 1};
  return {zero_padded((sys_days{data_giorno} - inizio_anno).count() + 1, 3),
          testo_mese + testo_anno, testo_giorno + "/" + testo_mese + "/" + testo_anno};
}

void Form1::riempi_tabella_giorni() {
  using namespace std::chrono;
  // Today is read once, so a run that crosses midnight can neither skip a day nor draw one
  // twice.
  const sys_days oggi{clock_.Date()};
  for (int scostamento_giorno = -5; scostamento_giorno <= 0; ++scostamento_giorno) {
    const int i = scostamento_giorno + 6;
    const DayTexts testi = day_texts(oggi + days{scostamento_giorno});
    giorno_anno(i) = testi.giorno_anno;
    chiave_mese(i) = testi.chiave_mese;
    data_grafico(i) = testi.data_grafico;
  }
}
