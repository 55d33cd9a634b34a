// The archive redraw: the archive pictures of a range of days, each drawn as a run draws it.
#include "run/archive.h"

#include <thread>

#include "platform/clock.h"
#include "run/exclusive_run.h"
#include "run/plans.h"
#include "run/run_start.h"

namespace {

// How long a redraw holds the forecast folder before it lets a waiting run have it, and how
// long it then stays away: longer than a waiting run takes to try the lock again.
constexpr std::chrono::seconds kLongestHold{2};
constexpr std::chrono::milliseconds kLetThrough{20};

// The forecast folder's lock, taken for a batch of days at a time. A redraw of decades would
// otherwise keep every run of the station waiting; between batches, once it has held the
// lock for a while, it lets go for a moment so that a run waiting for it gets in.
class BatchLock : public PassGate {
 public:
  BatchLock(const Platform& platform, const Settings& settings, const std::vector<ChartJob>& jobs)
      : platform_(platform), settings_(settings), jobs_(jobs) {}

  bool Due() override { return std::chrono::steady_clock::now() - taken_ >= kLongestHold; }

  // The first lock also sweeps what killed runs left; a waiting run is held up only as long
  // as the batch it waits for, not for the whole redraw.
  bool Between(int next) override {
    if (lock_ && !Due()) return true;
    if (lock_) {
      lock_.reset();
      std::this_thread::sleep_for(kLetThrough);
      lock_ = lock_forecast_folder(
          platform_.files, settings_, kLongestWaitForOtherRun,
          "the redraw stops before " + format_date(jobs_[static_cast<std::size_t>(next)].day.date),
          platform_.diagnostics);
    } else {
      lock_ = begin_exclusive_run(platform_.files, settings_, kLongestWaitForOtherRun,
                                  platform_.diagnostics);
    }
    taken_ = std::chrono::steady_clock::now();
    return lock_ != nullptr;
  }

 private:
  const Platform& platform_;
  const Settings& settings_;
  const std::vector<ChartJob>& jobs_;
  std::unique_ptr<FolderLock> lock_;
  std::chrono::steady_clock::time_point taken_;
};

}  // namespace

// The days are drawn as a run draws its charts, so that a day's archive picture is the one a
// run that includes the day writes.
RunOutcome redraw_archive(const Platform& platform, const std::string& cartella_programma,
                          BesideOutputs beside, const DayRange& days) {
  const MinuteTexts minuti = minute_texts();
  const Settings settings = read_settings(cartella_programma, platform.files, platform.diagnostics);
  const int drawers = static_cast<int>(platform.drawers.size());
  const std::vector<ChartJob> jobs = plan_archive(settings, days, beside, drawers);
  RunOutcome outcome(static_cast<int>(jobs.size()), false);
  BatchLock lock(platform, settings, jobs);
  if (!lock.Between(0)) return outcome;
  size_every_drawer(platform);
  const std::optional<Station> station = station_of_run(platform, settings, &outcome);
  if (!station) return outcome;

  std::vector<ChartWorkshop> workshop =
      workshops(platform, platform.drawers.size(), platform.files, settings, *station, minuti);
  PassReporter reporter(platform.diagnostics, true);
  chart_pass(jobs, workshop, &reporter, &lock,
             [&outcome](ChartOutcome&& chart) { outcome.Add(chart); });
  return outcome;
}
