// The command line: kurvo_M3000F2 [--check] [--date YYYY-MM-DD] [--svg] [--page], --help,
// --version.
#include "run/command_line.h"

#include <CLI/CLI.hpp>

namespace {

bool digits_at(const std::string& text, std::size_t first, std::size_t count) {
  for (std::size_t k = first; k < first + count; ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
  }
  return true;
}

}  // namespace

std::optional<std::chrono::year_month_day> parse_date(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digits_at(text, 0, 4) ||
      !digits_at(text, 5, 2) || !digits_at(text, 8, 2)) {
    return std::nullopt;
  }
  const std::chrono::year_month_day date{
      std::chrono::year{std::stoi(text.substr(0, 4))},
      std::chrono::month{static_cast<unsigned>(std::stoi(text.substr(5, 2)))},
      std::chrono::day{static_cast<unsigned>(std::stoi(text.substr(8, 2)))}};
  if (!date.ok() || date.year() < std::chrono::year{1900}) return std::nullopt;
  return date;
}

CommandLine parse_command_line(int argc, const char* const* argv, std::ostream& out,
                               std::ostream& err) {
  CLI::App app{
      "Draws the M(3000)F2 charts of the six days ending today as GIF pictures, with the\n"
      "folders named in kurvo_M3000F2.ini in the current directory.",
      "kurvo_M3000F2"};
  std::string date_text;
  app.add_option("--date", date_text, "take this day (YYYY-MM-DD) as today")
      ->type_name("YYYY-MM-DD");
  bool check = false;
  app.add_flag("--check", check,
               "report the settings, the station, each day's files and the pictures a run\n"
               "would write; write nothing, exit 0 when all twelve would be written");
  bool svg = false;
  app.add_flag("--svg", svg, "write the chart as an SVG beside every GIF, as .svg");
  bool page = false;
  app.add_flag("--page", page,
               "write index.html, a page of the six charts, in the publication folder");
  app.set_version_flag("--version", KURVO_VERSION);

  CommandLine command_line;
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    command_line.exit_status = 0;
    return command_line;
  } catch (const CLI::CallForVersion&) {
    out << "kurvo_M3000F2 " << KURVO_VERSION << '\n';
    command_line.exit_status = 0;
    return command_line;
  } catch (const CLI::ParseError& error) {
    err << "kurvo_M3000F2: " << error.what() << '\n' << app.help();
    command_line.exit_status = 2;
    return command_line;
  }

  command_line.check = check;
  command_line.svg = svg;
  command_line.page = page;
  if (!date_text.empty() || app.count("--date") > 0) {
    command_line.date = parse_date(date_text);
    if (!command_line.date) {
      err << "kurvo_M3000F2: invalid date \"" << date_text
          << "\": expected YYYY-MM-DD, a real day from 1900-01-01 on\n"
          << app.help();
      command_line.exit_status = 2;
    }
  }
  return command_line;
}
