// What a run or an archive redraw worked with and what became of it, tallied chart by chart:
// the metrics and the exit status are told from it.
#pragma once

#include <chrono>
#include <optional>
#include <vector>

#include "chart/surface.h"
#include "output/converter.h"
#include "output/plotted_values.h"
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/file_system.h"
#include "run/chart_pass.h"

/// What draws charts: a surface and the converter of its pictures.
struct Drawer {
  Surface& surface;
  Converter& converter;
};

/// What a run draws on, converts with, reads from, takes its day from and reports to.
struct Platform {
  /// One drawer or more: a pass draws on all of them at once.
  std::vector<Drawer> drawers;
  FileSystem& files;
  Clock& clock;
  Diagnostics& diagnostics;
};

/// What a run (or a redraw) did.
class RunOutcome {
 public:
  /// A run of `pictures_planned` pictures (twelve for a run, one a day for a redraw), whose
  /// charts are counted in the metrics one by one when `six_charts`.
  RunOutcome(int pictures_planned, bool six_charts)
      : pictures_planned_(pictures_planned), six_charts_(six_charts) {}

  /// The station recognised at the start of the charts; before it the run has stopped.
  void ChartsBegin(bool station_recognised);
  /// Counts one chart's outcome.
  void Add(const ChartOutcome& chart);
  /// Whether the station page, when asked for, was written.
  void PageWritten(bool written) { page_written_ = written; }

  /// Whether every planned picture and every file asked for was written.
  bool all_written() const;
  int pictures_planned() const { return pictures_planned_; }
  int pictures_written() const { return pictures_written_; }
  bool station_recognised() const { return station_recognised_; }
  /// Each of a run's six charts, counted; empty for a redraw.
  const std::vector<DayCount>& chart_counts() const { return chart_counts_; }
  /// When the newest measurement with a value of all the days was taken; nullopt for none.
  std::optional<std::chrono::sys_seconds> newest_measurement() const { return newest_; }

 private:
  int pictures_planned_;
  bool six_charts_;
  bool charts_begun_ = false;
  bool station_recognised_ = false;
  int pictures_written_ = 0;
  bool files_beside_written_ = true;
  bool page_written_ = true;
  std::vector<DayCount> chart_counts_;
  std::optional<std::chrono::sys_seconds> newest_;
};
