// The program's one window: the state of a run, and its load handler, which is the whole run.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "chart/day_data.h"
#include "output/beside_pictures.h"
#include "run/chart_pass.h"
#include "run/day_table.h"
#include "run/run_outcome.h"
#include "run/settings.h"

/// What a run writes besides its twelve pictures.
struct RunOptions {
  BesideOutputs beside;  // the data files and SVGs beside every picture
  bool page = false;     // the archive page and the station page after the six charts
};

/// The window. Its load handler is the whole run; its variables are the run's state.
class Form1 {
 public:
  /// A window opened in the station folder `cartella_programma`, the current directory.
  Form1(const Platform& platform, std::string cartella_programma, const RunOptions& options)
      : platform_(platform), station_folder_(std::move(cartella_programma)), options_(options) {}

  /// The run: minute texts, settings, the run's lock, day table, geometry, the station
  /// recognised once, then each of the six days read, drawn, labelled, exported and cleared
  /// (on every drawer of the platform at once), then the archive page and the station page
  /// when asked. Every file
  /// that could not be written is reported. A measurement folder that cannot be listed, or a
  /// lock held by another run for the whole wait, is an error of the run: no picture is
  /// written.
  RunOutcome Form_Load();

 private:
  Platform platform_;
  std::string station_folder_;
  RunOptions options_;
  MinuteTexts minuti;
  Settings impostazioni;
  DayTable tabella_giorni;
};
