// The platform of a run for tests: the real libgd surface and converter, files in memory, a
// fixed day, and the messages kept.
#pragma once

#include <chrono>

#include "chart/gd_surface.h"
#include "output/gd_converter.h"
#include "platform/clock.h"
#include "run/run_outcome.h"
#include "testsupport/captured_diagnostics.h"
#include "testsupport/memory_file_system.h"

/// A run's platform on the real surface and converter, with files in memory and a fixed day.
struct FakePlatform {
  explicit FakePlatform(std::chrono::year_month_day today = std::chrono::year{2009} /
                                                            std::chrono::July / 17)
      : clock(today) {}
  Platform platform() { return {{{surface, converter}}, files, clock, diagnostics}; }

  CapturedDiagnostics diagnostics;
  GdSurface surface{diagnostics};
  GdConverter converter;
  MemoryFileSystem files;
  FixedClock clock;
};
