// The charts a run and an archive redraw plan, as jobs for the chart pass.
#include "run/plans.h"

#include "output/output_files.h"

std::vector<ChartJob> plan_run(const Settings& settings, const DayTable& tabella_giorni,
                               BesideOutputs beside) {
  std::vector<ChartJob> jobs;
  for (int indice_giorno = 1; indice_giorno <= 6; ++indice_giorno) {
    const DayTexts& day = tabella_giorni[static_cast<std::size_t>(indice_giorno - 1)];
    jobs.push_back(
        {day,
         run_chart_files(settings.cartella_previsioni, settings.cartella_gif, indice_giorno, day),
         beside});
  }
  return jobs;
}

std::vector<ChartJob> plan_archive(const Settings& settings, const DayRange& days,
                                   BesideOutputs beside, int drawers) {
  using std::chrono::sys_days;
  std::vector<ChartJob> jobs;
  for (sys_days giorno{days.from}; giorno <= sys_days{days.to}; giorno += std::chrono::days{1}) {
    const DayTexts day = day_texts(giorno);
    const int drawer = static_cast<int>(jobs.size()) % drawers + 1;
    jobs.push_back({day, archive_chart_files(settings.cartella_previsioni, day, drawer), beside});
  }
  return jobs;
}
