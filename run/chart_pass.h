// The chart pass: each chart's day read, drawn, exported and cleared, and the files beside its
// pictures written. The run, the archive redraw and the check plan their charts as jobs and
// hand them to this one pass.
#pragma once

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

/// What the charts of a pass are read from, drawn on, converted with and written to.
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

/// Makes the chart of `job`: reads its day, draws it, exports it, clears the surface and
/// writes the files asked for beside the pictures written.
ChartOutcome make_chart(const ChartJob& job, ChartWorkshop& workshop);

/// Makes every chart of `jobs` in order, each whatever became of the ones before, and tells
/// `reporter`, when there is one, of each as it goes. Returns the outcomes in job order.
std::vector<ChartOutcome> chart_pass(const std::vector<ChartJob>& jobs, ChartWorkshop& workshop,
                                     PassReporter* reporter);
