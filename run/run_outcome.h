// What a run or an archive redraw worked with and what became of it: the metrics and the exit
// status are told from it.
#pragma once

#include <optional>
#include <vector>

#include "chart/surface.h"
#include "output/converter.h"
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/file_system.h"
#include "run/chart_pass.h"

/// What a run draws on, converts with, reads from, takes its day from and reports to.
struct Platform {
  Surface& surface;
  Converter& converter;
  FileSystem& files;
  Clock& clock;
  Diagnostics& diagnostics;
};

/// What a run (or a redraw) did.
struct RunOutcome {
  /// The pictures it was to write: twelve for a run, one a day for a redraw.
  int pictures_planned = 0;
  /// Whether the charts are a run's six, each counted in the metrics as a chart of its own.
  bool six_charts = false;
  /// Whether it got as far as making its charts: nothing is written when another run held the
  /// lock or the measurement folder could not be listed.
  bool charts_made = false;
  bool station_recognised = false;
  /// Each chart's outcome, in order.
  std::vector<ChartOutcome> charts;
  /// Whether the station page, when asked for, was written.
  bool page_written = true;

  /// Whether every picture and every file asked for was written.
  bool all_written() const;
  /// The pictures written.
  int pictures_written() const;
};
