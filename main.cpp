// kurvo_M3000F2: draws the M(3000)F2 charts of the six days ending today, or the archive
// pictures of a range of days, or reports what a run would find.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "chart/gd_surface.h"
#include "output/gd_converter.h"
#include "output/output_files.h"
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/file_system.h"
#include "platform/journal_stream.h"
#include "platform/processors.h"
#include "platform/termination.h"
#include "platform/xml_writer.h"
#include "run/archive.h"
#include "run/check.h"
#include "run/command_line.h"
#include "run/form1.h"
#include "run/run_metrics.h"

namespace {

// What reached standard output decides as much as the run: a report or a help text that
// was lost makes the status 1.
int with_standard_output_flushed(int status, Diagnostics& diagnostics) {
  std::string reason;
  if (flush_standard_output(&reason)) return status;
  diagnostics.Error("cannot write standard output: " + reason);
  return 1;
}

// Where standard error is shown: the journal's stream is told by JOURNAL_STREAM, as systemd
// sets it, and a terminal by isatty.
Diagnostics::Shown standard_error_shown() {
  if (standard_error_is_journal()) return Diagnostics::Shown::journal;
  return isatty(STDERR_FILENO) == 1 ? Diagnostics::Shown::terminal : Diagnostics::Shown::elsewhere;
}

std::unique_ptr<Clock> clock_of(const CommandLine& command_line) {
  if (command_line.date) return std::make_unique<FixedClock>(*command_line.date);
  return std::make_unique<SystemClock>();
}

// As many as the charts drawn at once: the check draws one at a time; a run has six charts,
// a redraw one a day.
int drawers_wanted(const CommandLine& command_line) {
  if (command_line.check) return 1;
  int charts = 6;
  if (command_line.archive) {
    using std::chrono::sys_days;
    const auto days = (sys_days{command_line.archive->to} - sys_days{command_line.archive->from});
    charts = static_cast<int>(std::min<long>(days.count() + 1, kMostDrawers));
  }
  return std::min(command_line.jobs.value_or(processors_available()), charts);
}

// The surfaces and converters the charts are drawn with, all with the one label font.
class Drawers {
 public:
  Drawers(int count, Diagnostics& diagnostics) {
    const std::string font = GdSurface::LabelFontFile();
    for (int k = 0; k < count; ++k) {
      surfaces_.push_back(std::make_unique<GdSurface>(diagnostics, font));
      converters_.push_back(std::make_unique<GdConverter>());
    }
  }
  std::vector<Drawer> all() const {
    std::vector<Drawer> drawers;
    for (std::size_t k = 0; k < surfaces_.size(); ++k) {
      drawers.push_back({*surfaces_[k], *converters_[k]});
    }
    return drawers;
  }

 private:
  std::vector<std::unique_ptr<GdSurface>> surfaces_;
  std::vector<std::unique_ptr<GdConverter>> converters_;
};

}  // namespace

int main(int argc, char** argv) {
  const auto start = std::chrono::steady_clock::now();
  handle_termination_signals();
  Diagnostics diagnostics(std::cerr, standard_error_shown());
  const CommandLine command_line = parse_command_line(argc, argv, std::cout, diagnostics);
  if (command_line.exit_status) {
    return with_standard_output_flushed(*command_line.exit_status, diagnostics);
  }

  // The settings file is looked for in the current directory, which names the station in the
  // metrics too: without a name for it the run could only guess where it is.
  std::string station_folder;
  std::string err;
  if (!current_directory(&station_folder, &err)) {
    diagnostics.Error("cannot name the current directory, the station folder: " + err +
                      "; nothing is done");
    return 1;
  }

  const std::unique_ptr<Clock> clock = clock_of(command_line);
  const Drawers drawers(drawers_wanted(command_line), diagnostics);
  prepare_xml_writing();
  PosixFileSystem files;
  const Platform platform{drawers.all(), files, *clock, diagnostics};
  if (command_line.check) {
    const bool clean = verifica(platform, station_folder, std::cout, command_line.archive);
    return with_standard_output_flushed(clean ? 0 : 1, diagnostics);
  }

  const BesideOutputs beside{command_line.json, command_line.svg};
  const RunOutcome outcome =
      command_line.archive
          ? redraw_archive(platform, station_folder, beside, *command_line.archive)
          : Form1(platform, station_folder, {beside, command_line.page}).Form_Load();
  bool metrics_written = true;
  if (command_line.metrics_file) {
    const std::chrono::duration<double> duration = std::chrono::steady_clock::now() - start;
    const double now = static_cast<double>(clock->Now().time_since_epoch().count());
    metrics_written =
        write_metrics(platform, *command_line.metrics_file,
                      run_metrics(outcome, station_folder, now, duration.count()), std::cout);
  }
  return with_standard_output_flushed(outcome.all_written() && metrics_written ? 0 : 1,
                                      diagnostics);
}
