// kurvo_M3000F2: draws the M(3000)F2 charts of the six days ending today, or the archive
// pictures of a range of days, or reports what a run would find.
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <memory>
#include <string>

#include "chart/gd_surface.h"
#include "output/gd_converter.h"
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/file_system.h"
#include "platform/journal_stream.h"
#include "platform/termination.h"
#include "run/command_line.h"
#include "run/form1.h"

namespace {

// What reached standard output decides as much as the run: a report or a help text that
// was lost makes the status 1.
int with_standard_output_flushed(int status) {
  std::string reason;
  if (flush_standard_output(&reason)) return status;
  Diagnostics(std::cerr).Error("cannot write standard output: " + reason);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const auto start = std::chrono::steady_clock::now();
  handle_termination_signals();
  if (standard_error_is_journal()) Diagnostics::MarkAsJournal(std::cerr);
  const CommandLine command_line = parse_command_line(argc, argv, std::cout, std::cerr);
  if (command_line.exit_status) return with_standard_output_flushed(*command_line.exit_status);

  std::unique_ptr<Clock> clock;
  if (command_line.date) {
    clock = std::make_unique<FixedClock>(*command_line.date);
  } else {
    clock = std::make_unique<SystemClock>();
  }
  GdSurface surface(std::cerr);
  GdConverter converter;
  PosixFileSystem files;

  Form1 form(Platform{surface, converter, files, *clock, std::cerr, isatty(STDERR_FILENO) == 1});
  form.json_output = command_line.json;
  form.svg_output = command_line.svg;
  form.page_output = command_line.page;
  if (command_line.check) {
    return with_standard_output_flushed(form.verifica(std::cout, command_line.archive) ? 0 : 1);
  }

  const bool all_written =
      command_line.archive ? form.redraw_archive(*command_line.archive) : form.Form_Load();
  bool metrics_written = true;
  if (command_line.metrics_file) {
    const std::chrono::duration<double> duration = std::chrono::steady_clock::now() - start;
    metrics_written = form.write_metrics(*command_line.metrics_file, all_written, duration.count());
  }
  return with_standard_output_flushed(all_written && metrics_written ? 0 : 1);
}
