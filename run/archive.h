// The archive redraw: the archive pictures of a range of days, each drawn as a run draws it.
#pragma once

#include <string>

#include "output/beside_pictures.h"
#include "run/command_line.h"
#include "run/run_outcome.h"

/// The redraw: settings (in `cartella_programma`, the station folder), lock and station as a
/// run takes them, then every day of `days`, in order, read, drawn as a run draws it and
/// exported as its archive picture alone, with the files `beside` asks for; nothing is
/// published. On a terminal a progress line names the day.
RunOutcome redraw_archive(const Platform& platform, const std::string& cartella_programma,
                          BesideOutputs beside, const DayRange& days);
