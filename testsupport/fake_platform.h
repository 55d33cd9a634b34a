// Windows for tests, built on the real surface or a recording one, with files in memory.
#pragma once

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "chart/gd_surface.h"
#include "output/gd_converter.h"
#include "platform/clock.h"
#include "run/form1.h"
#include "testsupport/memory_file_system.h"
#include "testsupport/recording_surface.h"

/// A window on the real libgd surface and converter, with files in memory and a fixed day.
struct FakeWindow {
  explicit FakeWindow(std::chrono::year_month_day today = std::chrono::year{2009} /
                                                          std::chrono::July / 17);
  std::ostringstream diagnostics;
  GdSurface surface{diagnostics};
  GdConverter converter;
  MemoryFileSystem files;
  FixedClock clock;
  Form1 form;
};

/// A window that records what it draws, after start-up with the files in memory: minute
/// texts and day table filled for a run on `today`, and chart `chart` in progress (chart 3
/// of a run on 17 July 2009 is 14 July, day 195, month key 072009).
struct RecordingWindow {
  explicit RecordingWindow(std::chrono::year_month_day today = std::chrono::year{2009} /
                                                               std::chrono::July / 17,
                           int chart = 3);
  std::ostringstream diagnostics;
  RecordingSurface surface;
  GdConverter converter;
  MemoryFileSystem files;
  FixedClock clock;
  Form1 form;
};
