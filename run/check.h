// The check: what a run, or an archive redraw, would find and write, found by the same chart
// pass on a file system that writes nothing, and reported on standard output.
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "run/command_line.h"
#include "run/run_outcome.h"

/// Reads the settings in `cartella_programma` (the station folder) as a run does, plans the
/// charts of a run (or, with `archive`, of the redraw of those days) and makes them with every
/// write checked and kept in memory; writes the report on `out`. Returns true when the run
/// would write every picture without a settings warning and, when the measurement folder holds
/// a file, with the station recognised from it.
bool verifica(const Platform& platform, const std::string& cartella_programma, std::ostream& out,
              const std::optional<DayRange>& archive = std::nullopt);
