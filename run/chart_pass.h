// The chart pass: each chart's day read, drawn, exported and cleared, and the files beside its
// pictures written. The run, the archive redraw and the check plan their charts as jobs and
// hand them to this one pass, which draws them on one drawer or several at once.
#pragma once

#include <functional>
#include <vector>

#include "chart/day_data.h"
#include "chart/riconosci_stazione.h"
#include "chart/surface.h"
#include "output/beside_pictures.h"
#include "output/converter.h"
#include "output/export_report.h"
#include "platform/diagnostics.h"
#include "platform/file_system.h"
#include "run/settings.h"

/// One chart to make: its day, where its pictures go and what is written beside them.
struct ChartJob {
  DayTexts day;
  ChartFiles files;
  BesideOutputs beside;
};

/// What became of one chart: its day as read and drawn, its files, and what its export left
/// unwritten.
struct ChartOutcome {
  DayData day;
  ChartFiles files;
  ExportReport report;
};

/// What one drawer reads from, draws on, converts with and writes to. Each drawer of a pass
/// has a surface and a converter of its own.
struct ChartWorkshop {
  Surface& surface;  // sized and scaled to the chart units
  Converter& converter;
  FileSystem& files;
  const Settings& settings;
  const Station& station;
  const MinuteTexts& minuti;
};

/// Says what a pass meets, on the diagnostics, in the order of its jobs: each chart's
/// warnings (a month without forecast once, an unrecognised station once) and the files it
/// could not write; with `progress`, on a terminal, which day it is at.
class PassReporter {
 public:
  PassReporter(Diagnostics& diagnostics, bool progress)
      : diagnostics_(diagnostics), progress_(progress) {}
  void Starting(int number, int total, const ChartJob& job);
  void Finished(const ChartOutcome& outcome, const ChartWorkshop& workshop);
  void Done();

 private:
  void report_unwritten(const std::vector<UnwrittenFile>& unwritten);

  Diagnostics& diagnostics_;
  bool progress_;
};

/// What a pass does from time to time while no drawer is at work: an archive redraw lets
/// other runs have the forecast folder there.
class PassGate {
 public:
  virtual ~PassGate() = default;
  /// Whether the gate wants the drawers idle: the pass then begins no further job until it
  /// has called `Between`.
  virtual bool Due() = 0;
  /// Before job `next`, with no drawer at work: before the first job and whenever the gate
  /// was due. False when the pass is to stop there.
  virtual bool Between(int next) = 0;
};

/// Makes the chart of `job`: reads its day, draws it, exports it, clears the surface and
/// writes the files asked for beside the pictures written.
ChartOutcome make_chart(const ChartJob& job, ChartWorkshop& workshop);

/// Makes the charts of `jobs`, each whatever became of the ones before: drawer k of
/// `drawers` makes jobs k, k + n, k + 2n, ... (n drawers), all drawers at once when there are
/// several. Hands each outcome to `take`, and tells `reporter` of it when there is one, in the
/// order of the jobs. Lets `gate`, when there is one, act before the first job and whenever it
/// is due. Returns how many jobs were made: all of them unless the gate stopped the pass.
int chart_pass(const std::vector<ChartJob>& jobs, std::vector<ChartWorkshop>& drawers,
               PassReporter* reporter, PassGate* gate,
               const std::function<void(ChartOutcome&&)>& take);
