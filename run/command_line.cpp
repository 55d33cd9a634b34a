// The command line, read the GNU way with getopt_long.
#include "run/command_line.h"

#include <getopt.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string_view>
#include <vector>

#include "output/output_files.h"
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "run/day_table.h"

namespace {

// Long options only; their values lie above every character, so that getopt's optopt tells
// a long option from an unknown short one.
enum OptionId : int {
  kCheck = 256,
  kDate,
  kArchive,
  kJson,
  kSvg,
  kPage,
  kMetrics,
  kJobs,
  kHelp,
  kVersion,
};

const option kOptions[] = {
    {"check", no_argument, nullptr, kCheck},
    {"date", required_argument, nullptr, kDate},
    {"archive", required_argument, nullptr, kArchive},
    {"json", no_argument, nullptr, kJson},
    {"svg", no_argument, nullptr, kSvg},
    {"page", no_argument, nullptr, kPage},
    {"metrics", required_argument, nullptr, kMetrics},
    {"jobs", required_argument, nullptr, kJobs},
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};

constexpr std::string_view kHelpText =
    "Usage: kurvo_M3000F2 [OPTION]...\n"
    "Draw the M(3000)F2 charts of the six days ending today and publish them as GIF\n"
    "pictures, in the folders named by kurvo_M3000F2.ini in the current directory.\n"
    "\n"
    "      --date YYYY-MM-DD  take that day as today: draw the six days ending on it\n"
    "      --archive FROM TO  draw only the archive pictures of the days FROM to TO\n"
    "                           (YYYY-MM-DD, both included); publish nothing\n"
    "      --check            write nothing; report what a run (or --archive) would\n"
    "                           find and write\n"
    "      --json             write the plotted data as a .json file beside each GIF\n"
    "      --svg              write the chart as an .svg file beside each GIF\n"
    "      --page             write the station and archive pages (index.html)\n"
    "      --metrics FILE     after the run, failed or not, write its metrics to\n"
    "                           FILE (- for standard output) in the Prometheus\n"
    "                           text format\n"
    "      --jobs N           draw up to N charts at once, 1 to 64 (default: the\n"
    "                           processors the program may use)\n"
    "      --help             display this help and exit\n"
    "      --version          output version information and exit\n"
    "\n"
    "Exit status:\n"
    " 0  every picture was written (with --check: a run would write them all,\n"
    "    without a warning about the settings, with the station recognised)\n"
    " 1  a picture or another file asked for could not be written, or the run\n"
    "    could not start (see the manual); with --check: a run would not write a\n"
    "    picture, would warn about the settings or would recognise no station from\n"
    "    the measurement folder's first file; or standard output could not be\n"
    "    written\n"
    " 2  usage error: an unknown option, a missing argument or an invalid date\n"
    "\n"
    "Report bugs to: maintainers@kurvo-m3000f2.org\n";

constexpr std::string_view kVersionText =
    "kurvo_M3000F2 " KURVO_VERSION
    "\n"
    "Copyright (C) 2026 The kurvo_M3000F2 developers\n"
    "License: MIT <https://opensource.org/licenses/MIT>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.\n";

std::string name_of(int id) {
  for (const option& known : kOptions) {
    if (known.val == id) return std::string("--") + known.name;
  }
  return "";
}

// getopt_long reports an unknown and an ambiguous long option alike; the options that
// begin with what was given tell them apart.
std::string unknown_long_option(std::string_view given) {
  const std::string_view name = given.substr(2, given.find('=') - 2);
  std::string candidates;
  int matches = 0;
  for (const option& known : kOptions) {
    if (known.name != nullptr && std::string_view(known.name).starts_with(name)) {
      candidates += std::string(" '--") + known.name + "'";
      ++matches;
    }
  }
  if (matches > 1) {
    return "option '" + std::string(given) + "' is ambiguous; possibilities:" + candidates;
  }
  return "unrecognized option '" + std::string(given) + "'";
}

// What getopt_long found wrong, in the words GNU tools use; `result` is what it returned.
std::string getopt_problem(int result, const std::vector<char*>& arguments) {
  if (result == ':' && optopt == kArchive) {
    return "option '--archive' requires two dates, FROM and TO";
  }
  if (result == ':') return "option '" + name_of(optopt) + "' requires an argument";
  if (optopt >= kCheck) return "option '" + name_of(optopt) + "' doesn't allow an argument";
  if (optopt != 0) return std::string("invalid option -- '") + static_cast<char>(optopt) + "'";
  return unknown_long_option(arguments[optind - 1]);
}

// A day of --archive is a day a chart can show; --date needs the five days before it too.
bool read_date(const char* text, int id, std::chrono::year_month_day* date, std::string* problem) {
  const std::chrono::year_month_day earliest = id == kDate ? kEarliestToday : kFirstDay;
  const auto parsed = parse_date(text);
  if (!parsed || *parsed < earliest) {
    *problem = "invalid date '" + std::string(text) + "' for " + name_of(id) +
               " (expected YYYY-MM-DD, a real day from " + format_date(earliest) + " on)";
    return false;
  }
  *date = *parsed;
  return true;
}

// --archive takes FROM as its own argument and TO as the next element of the command line.
bool read_archive(std::vector<char*>& arguments, CommandLine* command_line, std::string* problem) {
  if (command_line->date) {
    *problem = "options '--date' and '--archive' cannot be used together";
    return false;
  }
  if (arguments[static_cast<std::size_t>(optind)] == nullptr) {
    *problem = "option '--archive' requires two dates, FROM and TO";
    return false;
  }
  const char* to_text = arguments[static_cast<std::size_t>(optind++)];
  DayRange range{};
  if (!read_date(optarg, kArchive, &range.from, problem) ||
      !read_date(to_text, kArchive, &range.to, problem)) {
    return false;
  }
  if (std::chrono::sys_days{range.from} > std::chrono::sys_days{range.to}) {
    *problem = "invalid range for --archive: FROM '" + std::string(optarg) + "' is after TO '" +
               to_text + "'";
    return false;
  }
  command_line->archive = range;
  return true;
}

// A count of charts drawn at once: digits only, 1 to the most drawers.
bool read_jobs(const char* text, CommandLine* command_line, std::string* problem) {
  const std::string_view digits = text;
  int jobs = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), jobs);
  if (digits.empty() || digits.front() == '+' || error != std::errc() ||
      end != digits.data() + digits.size() || jobs < 1 || jobs > kMostDrawers) {
    *problem = "invalid number '" + std::string(text) + "' for --jobs (expected 1 to " +
               std::to_string(kMostDrawers) + ")";
    return false;
  }
  command_line->jobs = jobs;
  return true;
}

// Applies the option `id` that getopt_long returned. False, with the usage error in
// `*problem`, when its argument is wrong or it clashes with an option given before it.
bool apply_option(int id, std::vector<char*>& arguments, CommandLine* command_line,
                  std::string* problem) {
  switch (id) {
    case kCheck:
      command_line->check = true;
      return true;
    case kDate:
      if (command_line->archive) {
        *problem = "options '--archive' and '--date' cannot be used together";
        return false;
      }
      command_line->date.emplace();
      return read_date(optarg, kDate, &*command_line->date, problem);
    case kArchive:
      return read_archive(arguments, command_line, problem);
    case kJson:
      command_line->json = true;
      return true;
    case kSvg:
      command_line->svg = true;
      return true;
    case kPage:
      command_line->page = true;
      return true;
    case kJobs:
      return read_jobs(optarg, command_line, problem);
    case kMetrics:
      if (*optarg == '\0') {
        *problem = "option '--metrics' requires a file name";
        return false;
      }
      command_line->metrics_file = optarg;
      return true;
    default:
      *problem = getopt_problem(id, arguments);
      return false;
  }
}

}  // namespace

// getopt_long keeps its state in globals and permutes the array it is given, so it works
// on a copy and starts afresh (optind 0) at every call. Options are applied in the order
// given, so the first thing wrong is the one reported.
CommandLine parse_command_line(int argc, const char* const* argv, std::ostream& out,
                               Diagnostics& diagnostics) {
  std::vector<char*> arguments;
  for (int k = 0; k < argc; ++k) arguments.push_back(const_cast<char*>(argv[k]));
  arguments.push_back(nullptr);

  CommandLine command_line;
  std::string problem;
  optind = 0;
  opterr = 0;
  int id = 0;
  while (problem.empty() &&
         (id = getopt_long(argc, arguments.data(), ":", kOptions, nullptr)) != -1) {
    if (id == kHelp || id == kVersion) {
      out << (id == kHelp ? kHelpText : kVersionText);
      command_line.exit_status = 0;
      return command_line;
    }
    apply_option(id, arguments, &command_line, &problem);
  }
  if (problem.empty() && optind < argc) {
    problem = "extra operand '" + std::string(arguments[static_cast<std::size_t>(optind)]) + "'";
  }
  if (!problem.empty()) {
    diagnostics.UsageError(problem);
    command_line.exit_status = 2;
  }
  return command_line;
}

// A failed write empties the stream's buffer, so the final flush fails only when something
// was written after the first failure; errno then names the cause, and otherwise the cause
// is no longer known.
bool flush_standard_output(std::string* err) {
  errno = 0;
  std::cout.flush();
  std::fflush(stdout);
  if (std::cout.good() && std::ferror(stdout) == 0) return true;
  *err = errno != 0 ? std::strerror(errno) : "write error";
  return false;
}
