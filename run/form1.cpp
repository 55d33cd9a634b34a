// The load handler: the whole run, from the minute texts to the station page.
#include "run/form1.h"

#include "chart/geometria.h"
#include "run/exclusive_run.h"
#include "run/plans.h"
#include "run/run_start.h"
#include "run/station_page.h"

RunOutcome Form1::Form_Load() {
  RunOutcome outcome;
  outcome.pictures_planned = 12;
  outcome.six_charts = true;
  minuti = minute_texts();
  impostazioni = read_settings(station_folder_, platform_.files, platform_.diagnostics);
  const std::unique_ptr<FolderLock> run_lock = begin_exclusive_run(
      platform_.files, impostazioni, kLongestWaitForOtherRun, platform_.diagnostics);
  if (!run_lock) return outcome;
  tabella_giorni = fill_day_table(platform_.clock.Date());
  impostazioni_dimensioni_e_scala_del_form(platform_.surface);
  const std::optional<Station> stazione = station_of_run(platform_, impostazioni, &outcome);
  if (!stazione) return outcome;

  PassReporter reporter(platform_.diagnostics, false);
  ChartWorkshop workshop{platform_.surface, platform_.converter, platform_.files,
                         impostazioni,      *stazione,           minuti};
  outcome.charts =
      chart_pass(plan_run(impostazioni, tabella_giorni, options_.beside), workshop, &reporter);
  if (options_.page) {
    outcome.page_written = write_station_page(platform_, impostazioni, outcome.charts,
                                              options_.beside, platform_.clock.Now());
  }
  return outcome;
}
