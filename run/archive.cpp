// The archive redraw: the archive pictures of a range of days, each drawn as a run draws it.
#include "run/archive.h"

#include "chart/geometria.h"
#include "run/exclusive_run.h"
#include "run/plans.h"
#include "run/run_start.h"

// The days are drawn one after the other on the one surface, as a run draws its charts, so
// that a day's archive picture is the one a run that includes the day writes.
RunOutcome redraw_archive(const Platform& platform, const std::string& cartella_programma,
                          BesideOutputs beside, const DayRange& days) {
  const MinuteTexts minuti = minute_texts();
  const Settings settings = read_settings(cartella_programma, platform.files, platform.diagnostics);
  const std::vector<ChartJob> jobs = plan_archive(settings, days, beside);
  RunOutcome outcome;
  outcome.pictures_planned = static_cast<int>(jobs.size());
  const std::unique_ptr<FolderLock> run_lock =
      begin_exclusive_run(platform.files, settings, kLongestWaitForOtherRun, platform.diagnostics);
  if (!run_lock) return outcome;
  impostazioni_dimensioni_e_scala_del_form(platform.surface);
  const std::optional<Station> station = station_of_run(platform, settings, &outcome);
  if (!station) return outcome;

  PassReporter reporter(platform.diagnostics, true);
  ChartWorkshop workshop{platform.surface, platform.converter, platform.files,
                         settings,         *station,           minuti};
  outcome.charts = chart_pass(jobs, workshop, &reporter);
  return outcome;
}
