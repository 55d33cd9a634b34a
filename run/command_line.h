// The command line, read the GNU way: long options in any order, unambiguous abbreviations,
// one line and a hint for a usage error, --help and --version on standard output.
#pragma once

#include <chrono>
#include <optional>
#include <ostream>
#include <string>

#include "platform/diagnostics.h"

/// The days from `from` to `to`, both included; `from` is never after `to`.
struct DayRange {
  std::chrono::year_month_day from;
  std::chrono::year_month_day to;
};

/// What the command line asks for.
struct CommandLine {
  /// The day to take as today; nullopt for the machine's date.
  std::optional<std::chrono::year_month_day> date;
  /// The days whose archive pictures are to be drawn, instead of the six days up to today.
  std::optional<DayRange> archive;
  /// Report what a run would find and write nothing.
  bool check = false;
  /// Write the plotted data as a .json file beside every GIF.
  bool json = false;
  /// Write the chart as an .svg file beside every GIF.
  bool svg = false;
  /// Write index.html in the publication folder.
  bool page = false;
  /// How many charts to draw at once; nullopt for as many as the processors the program may
  /// use.
  std::optional<int> jobs;
  /// The file to write the run's metrics to; nullopt for none.
  std::optional<std::string> metrics_file;
  /// Set when the program is to end at once with this status: after --help or --version
  /// (0) or after a usage error (2).
  std::optional<int> exit_status;
};

/// Reads the arguments. Help and version go to `out`; a usage error goes to `diagnostics` as
/// one line saying what is wrong, followed by a line pointing to --help.
CommandLine parse_command_line(int argc, const char* const* argv, std::ostream& out,
                               Diagnostics& diagnostics);

/// Flushes standard output. False, with the reason in `*err`, when anything written to it
/// was lost, so that a report or a help text that never arrived is not taken for success.
bool flush_standard_output(std::string* err);
