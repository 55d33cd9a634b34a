// The command line: kurvo_M3000F2 [--check] [--date YYYY-MM-DD] [--svg] [--page], --help,
// --version.
#pragma once

#include <chrono>
#include <optional>
#include <ostream>
#include <string>

/// What the command line asks for.
struct CommandLine {
  /// The day to take as today; nullopt for the machine's date.
  std::optional<std::chrono::year_month_day> date;
  /// Report what a run would find and write nothing.
  bool check = false;
  /// Write the chart as an .svg file beside every GIF.
  bool svg = false;
  /// Write index.html in the publication folder.
  bool page = false;
  /// Set when the program is to end at once with this status: after --help or --version
  /// (0) or after a usage error (2).
  std::optional<int> exit_status;
};

/// Reads the arguments. Help and version go to `out`; a usage error goes to `err` as one
/// line followed by the usage.
CommandLine parse_command_line(int argc, const char* const* argv, std::ostream& out,
                               std::ostream& err);

/// The date written as YYYY-MM-DD, from 1900-01-01 to 9999-12-31; nullopt for any other text.
std::optional<std::chrono::year_month_day> parse_date(const std::string& text);
