// kurvo_M3000F2: draws the M(3000)F2 charts of the six days ending today.
#include <iostream>

#include "chart/gd_surface.h"
#include "output/gd_converter.h"
#include "run/clock.h"
#include "run/command_line.h"
#include "run/file_system.h"
#include "run/form1.h"

int main(int argc, char** argv) {
  const CommandLine command_line = parse_command_line(argc, argv, std::cout, std::cerr);
  if (command_line.exit_status) return *command_line.exit_status;

  SystemClock system_clock;
  FixedClock fixed_clock(command_line.date.value_or(std::chrono::year_month_day{}));
  Clock& clock = command_line.date ? static_cast<Clock&>(fixed_clock) : system_clock;
  GdSurface surface(std::cerr);
  GdConverter converter;
  PosixFileSystem files;

  Form1 form(Platform{surface, converter, files, clock, std::cerr});
  return form.Form_Load() ? 0 : 1;
}
