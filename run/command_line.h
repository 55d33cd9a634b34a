// The command line: kurvo_M3000F2 [--check] [--date YYYY-MM-DD | --archive FROM TO] [--json]
// [--metrics FILE], --help, --version.
#pragma once

#include <chrono>
#include <optional>
#include <ostream>
#include <string>

/// The days from `from` to `to`, both included; `from` is not after `to`.
struct DayRange {
  std::chrono::year_month_day from;
  std::chrono::year_month_day to;
};

/// What the command line asks for.
struct CommandLine {
  /// The day to take as today; nullopt for the machine's date.
  std::optional<std::chrono::year_month_day> date;
  /// Draw only the archive pictures of these days, in place of the six charts of a run.
  std::optional<DayRange> archive;
  /// Report what a run would find and write nothing.
  bool check = false;
  /// Write a data file (.json) beside every picture written.
  bool json = false;
  /// Write the run's metrics to this file at the end of the run.
  std::optional<std::string> metrics;
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

/// `date` written as YYYY-MM-DD.
std::string format_date(std::chrono::year_month_day date);
