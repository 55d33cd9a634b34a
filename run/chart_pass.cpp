// The chart pass: each chart's day read, drawn, exported and cleared, and the files beside its
// pictures written.
#include "run/chart_pass.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

#include "chart/draw_chart.h"
#include "output/salva_figura.h"
#include "platform/clock.h"
#include "platform/termination.h"

namespace {

DayToRead day_to_read(const ChartJob& job, const Settings& settings) {
  return {settings.cartella_previsioni, settings.cartella_dati, job.day.chiave_mese,
          job.day.giorno_anno,          job.day.data_grafico,   job.day.date};
}

std::string why_not_recognised(const ChartWorkshop& workshop) {
  if (workshop.station.primo_file.empty()) {
    return "measurement folder " + measurement_folder_shown(workshop.settings) + " holds no file";
  }
  return "no known station name begins the first line of " + workshop.settings.cartella_dati +
         workshop.station.primo_file;
}

}  // namespace

ChartOutcome make_chart(const ChartJob& job, ChartWorkshop& workshop) {
  DayData day = read_day(workshop.files, day_to_read(job, workshop.settings), workshop.station,
                         workshop.minuti);
  draw_chart(workshop.surface, day);
  ExportReport report =
      salva_figura(workshop.surface, workshop.converter, workshop.files, job.files);
  workshop.surface.Cls();
  write_beside_pictures(workshop.files, day, job.files, job.beside, &report);
  return {std::move(day), job.files, std::move(report)};
}

namespace {

// How far ahead of the job the caller takes next the drawers may go, in jobs per drawer: a
// bound to the outcomes waiting to be taken.
constexpr std::size_t kAheadPerDrawer = 8;

// The outcomes of a pass on several drawers, handed from the drawers to the caller's thread,
// which takes them in job order; and the jobs the drawers may begin, released a batch at a
// time.
class Handover {
 public:
  explicit Handover(std::size_t jobs) : outcomes_(jobs) {}

  void Put(std::size_t job, ChartOutcome&& outcome) {
    const std::lock_guard<std::mutex> lock(mutex_);
    outcomes_[job] = std::move(outcome);
    changed_.notify_all();
  }

  ChartOutcome Take(std::size_t job) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return outcomes_[job].has_value(); });
    ChartOutcome outcome = std::move(*outcomes_[job]);
    outcomes_[job].reset();
    return outcome;
  }

  // Lets the drawers begin the jobs before `end`, or, with `stop`, none after those released.
  void Release(std::size_t end, bool stop = false) {
    const std::lock_guard<std::mutex> lock(mutex_);
    released_ = end;
    stopped_ = stop;
    changed_.notify_all();
  }

  // Waits until `job` may begin; false when the pass stopped before it.
  bool MayBegin(std::size_t job) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return job < released_ || stopped_; });
    return job < released_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::optional<ChartOutcome>> outcomes_;
  std::size_t released_ = 0;
  bool stopped_ = false;
};

// A drawer's own thread: its share of the jobs, as they are released. Termination signals
// are left to the caller's thread, whose handler waits for the drawers' file steps to end.
void draw_share(const std::vector<ChartJob>& jobs, std::size_t first, std::size_t stride,
                ChartWorkshop& workshop, Handover& handover) {
  leave_termination_signals_to_main_thread();
  for (std::size_t job = first; job < jobs.size() && handover.MayBegin(job); job += stride) {
    handover.Put(job, make_chart(jobs[job], workshop));
  }
}

}  // namespace

// Every chart is made whatever failed before, so one bad export never costs the other days
// their pictures. The outcomes are reported and taken in job order, whichever drawer made
// them, so that messages and metrics are those of one drawer.
int chart_pass(const std::vector<ChartJob>& jobs, std::vector<ChartWorkshop>& drawers,
               PassReporter* reporter, PassGate* gate,
               const std::function<void(ChartOutcome&&)>& take) {
  const std::size_t count = drawers.size();
  const std::size_t ahead = count * kAheadPerDrawer;
  Handover handover(jobs.size());
  std::vector<std::thread> threads;
  if (count > 1) {
    for (std::size_t k = 0; k < count; ++k) {
      threads.emplace_back(draw_share, std::cref(jobs), k, count, std::ref(drawers[k]),
                           std::ref(handover));
    }
  }
  // Jobs are released as the outcomes are taken, until the gate is due; then none is, and
  // once the drawers have finished all released the gate has them idle.
  std::size_t released = 0;
  bool gate_due = gate != nullptr;
  std::size_t made = 0;
  for (; made < jobs.size(); ++made) {
    if (made == released && gate_due) {
      if (!gate->Between(static_cast<int>(made))) break;
      gate_due = false;
    }
    if (!gate_due) {
      gate_due = gate != nullptr && gate->Due();
      if (!gate_due) released = std::max(released, std::min(made + ahead, jobs.size()));
      handover.Release(released);
    }
    if (reporter != nullptr) {
      reporter->Starting(static_cast<int>(made) + 1, static_cast<int>(jobs.size()), jobs[made]);
    }
    ChartOutcome outcome =
        count > 1 ? handover.Take(made) : make_chart(jobs[made], drawers.front());
    if (reporter != nullptr) reporter->Finished(outcome, drawers.front());
    take(std::move(outcome));
  }
  handover.Release(made, true);
  for (std::thread& thread : threads) thread.join();
  if (reporter != nullptr) reporter->Done();
  return static_cast<int>(made);
}

void PassReporter::Starting(int number, int total, const ChartJob& job) {
  if (!progress_) return;
  diagnostics_.Progress("day " + std::to_string(number) + " of " + std::to_string(total) + ", " +
                        format_date(job.day.date));
}

// A missing forecast is told once per month and an unrecognised station once per pass, in
// the order the chart reads them, then what the export could not write.
void PassReporter::Finished(const ChartOutcome& outcome, const ChartWorkshop& workshop) {
  const DayData& day = outcome.day;
  if (!day.valori_previsione) {
    diagnostics_.WarningOnce("forecast " + day.file_previsioni,
                             "cannot read forecast file " + day.forecast_file + ": " +
                                 day.forecast_error + "; the charts of month " +
                                 day.file_previsioni + " have no forecast curve");
  }
  if (workshop.station.famiglia_stazione == 0) {
    diagnostics_.WarningOnce("station", "station not recognised: " + why_not_recognised(workshop) +
                                            "; no measured values are drawn");
  }
  report_unwritten(outcome.report.unwritten);
  if (!outcome.report.bitmap_left.empty()) {
    diagnostics_.Warning("cannot delete " + outcome.report.bitmap_left);
  }
  report_unwritten(outcome.report.unwritten_beside);
}

void PassReporter::report_unwritten(const std::vector<UnwrittenFile>& unwritten) {
  for (const UnwrittenFile& file : unwritten) {
    diagnostics_.Error("cannot write " + file.path + ": " + file.reason);
  }
}

void PassReporter::Done() { diagnostics_.EndProgress(); }
