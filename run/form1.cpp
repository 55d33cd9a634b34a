// The load handler: the whole run, from the minute texts to the station page.
#include "run/form1.h"

#include "run/exclusive_run.h"
#include "run/plans.h"
#include "run/run_start.h"
#include "run/station_page.h"

RunOutcome Form1::Form_Load() {
  RunOutcome outcome(12, true);
  minuti = minute_texts();
  impostazioni = read_settings(station_folder_, platform_.files, platform_.diagnostics);
  const std::unique_ptr<FolderLock> run_lock = begin_exclusive_run(
      platform_.files, impostazioni, kLongestWaitForOtherRun, platform_.diagnostics);
  if (!run_lock) return outcome;
  tabella_giorni = fill_day_table(platform_.clock.Date());
  size_every_drawer(platform_);
  const std::optional<Station> stazione = station_of_run(platform_, impostazioni, &outcome);
  if (!stazione) return outcome;

  std::vector<ChartWorkshop> drawers = workshops(platform_, platform_.drawers.size(),
                                                 platform_.files, impostazioni, *stazione, minuti);
  PassReporter reporter(platform_.diagnostics, false);
  std::vector<ChartOutcome> charts;
  chart_pass(plan_run(impostazioni, tabella_giorni, options_.beside), drawers, &reporter, nullptr,
             [&](ChartOutcome&& chart) {
               outcome.Add(chart);
               charts.push_back(std::move(chart));
             });
  if (options_.page) {
    outcome.PageWritten(write_station_page(platform_, impostazioni, charts, options_.beside,
                                           platform_.clock.Now()));
  }
  return outcome;
}
