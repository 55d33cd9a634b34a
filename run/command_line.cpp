// The command line: kurvo_M3000F2 [--check] [--date YYYY-MM-DD | --archive FROM TO] [--json]
// [--metrics FILE], --help, --version.
#include "run/command_line.h"

#include <CLI/CLI.hpp>
#include <vector>

#include "platform/text_ops.h"

namespace {

bool digits_at(const std::string& text, std::size_t first, std::size_t count) {
  for (std::size_t k = first; k < first + count; ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
  }
  return true;
}

// Reads `text` as a date; on failure says why on `err` and returns nullopt.
std::optional<std::chrono::year_month_day> date_argument(const std::string& text,
                                                         std::ostream& err) {
  const std::optional<std::chrono::year_month_day> date = parse_date(text);
  if (!date) {
    err << "kurvo_M3000F2: invalid date \"" << text
        << "\": expected YYYY-MM-DD, a real day from 1900-01-01 on\n";
  }
  return date;
}

std::optional<DayRange> archive_range(const std::vector<std::string>& texts, std::ostream& err) {
  const auto from = date_argument(texts[0], err);
  if (!from) return std::nullopt;
  const auto to = date_argument(texts[1], err);
  if (!to) return std::nullopt;
  if (std::chrono::sys_days{*from} > std::chrono::sys_days{*to}) {
    err << "kurvo_M3000F2: --archive: " << texts[0] << " is after " << texts[1] << "\n";
    return std::nullopt;
  }
  return DayRange{*from, *to};
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

std::string format_date(std::chrono::year_month_day date) {
  return zero_padded(static_cast<int>(date.year()), 4) + "-" +
         zero_padded(static_cast<unsigned>(date.month()), 2) + "-" +
         zero_padded(static_cast<unsigned>(date.day()), 2);
}

CommandLine parse_command_line(int argc, const char* const* argv, std::ostream& out,
                               std::ostream& err) {
  CLI::App app{
      "Draws the M(3000)F2 charts of the six days ending today as GIF pictures, or with\n"
      "--archive the archive pictures of a range of days, with the folders named in\n"
      "kurvo_M3000F2.ini in the current directory.",
      "kurvo_M3000F2"};
  std::string date_text;
  CLI::Option* date_option =
      app.add_option("--date", date_text, "take this day (YYYY-MM-DD) as today")
          ->type_name("YYYY-MM-DD");
  std::vector<std::string> archive_texts;
  app.add_option("--archive", archive_texts,
                 "draw the archive picture of every day from FROM to TO (YYYY-MM-DD, both\n"
                 "included) and nothing in the publication folder")
      ->expected(2)
      ->type_name("YYYY-MM-DD")
      ->excludes(date_option);
  bool check = false;
  app.add_flag("--check", check,
               "report the settings, the station, each day's files and the pictures a run\n"
               "(or --archive) would write; write nothing, exit 0 when all would be written");
  bool json = false;
  app.add_flag("--json", json, "write the plotted values beside every picture, as .json");
  std::string metrics_file;
  app.add_option("--metrics", metrics_file,
                 "after the run, write its metrics to FILE for node_exporter's textfile\n"
                 "collector")
      ->type_name("FILE");
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
  command_line.json = json;
  if (app.count("--metrics") > 0) command_line.metrics = metrics_file;
  bool valid = true;
  if (app.count("--date") > 0) {
    command_line.date = date_argument(date_text, err);
    valid = command_line.date.has_value();
  }
  if (app.count("--archive") > 0) {
    command_line.archive = archive_range(archive_texts, err);
    valid = command_line.archive.has_value();
  }
  if (!valid) {
    err << app.help();
    command_line.exit_status = 2;
  }
  return command_line;
}
