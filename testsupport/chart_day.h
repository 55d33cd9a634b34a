// A chart's day for tests of reading and drawing: files in memory, a recording surface.
#pragma once

#include "chart/day_data.h"
#include "chart/riconosci_stazione.h"
#include "testsupport/memory_file_system.h"
#include "testsupport/recording_surface.h"

/// Chart 3 of a run on 17 July 2009: 14 July, day 195, month key 072009, with the forecast
/// folder /station/fc/ and the measurement folder /station/data/.
struct ChartDay {
  ChartDay();

  /// The station recognised from the measurement folder's first file.
  Station stazione();
  /// The day read for that station.
  DayData read();

  MemoryFileSystem files;
  RecordingSurface surface;
  MinuteTexts minuti;
  DayToRead giorno{"/station/fc/", "/station/data/",
                   "072009",       "195",
                   "14/07/2009",   std::chrono::year{2009} / std::chrono::July / 14};
};
