// The day table: day of year, month key and date label of the six days ending today.
#include "run/day_table.h"

#include "platform/text_ops.h"

DayTexts day_texts(std::chrono::year_month_day data_giorno) {
  using namespace std::chrono;
  const std::string testo_giorno = zero_padded(static_cast<unsigned>(data_giorno.day()), 2);
  const std::string testo_mese = zero_padded(static_cast<unsigned>(data_giorno.month()), 2);
  const std::string testo_anno = std::to_string(static_cast<int>(data_giorno.year()));
  const sys_days inizio_anno{data_giorno.year() / January / 1};
  return {zero_padded((sys_days{data_giorno} - inizio_anno).count() + 1, 3),
          testo_mese + testo_anno, testo_giorno + "/" + testo_mese + "/" + testo_anno, data_giorno};
}

// Today is read once, by the caller, so a run that crosses midnight can neither skip a day
// nor draw one twice.
DayTable fill_day_table(std::chrono::year_month_day oggi) {
  using namespace std::chrono;
  DayTable tabella;
  for (int scostamento_giorno = -5; scostamento_giorno <= 0; ++scostamento_giorno) {
    tabella[static_cast<std::size_t>(scostamento_giorno + 5)] =
        day_texts(sys_days{oggi} + days{scostamento_giorno});
  }
  return tabella;
}
