// Writes a station folder for the benchmark: the settings file, the forecast files of the
// months touched, and the measurements of a "Rome" station for the days that end on the given
// day: the six days of a run, or a year for the archive.
//
//   kurvo_bench_dataset FOLDER YYYY-MM-DD full   six days, one measurement a minute: 8,640 files
//   kurvo_bench_dataset FOLDER YYYY-MM-DD empty  only the station file, so every name fails
//   kurvo_bench_dataset FOLDER YYYY-MM-DD history  "full", and five years at a five-minute
//                                                  cadence before it: 525,600 more files
//   kurvo_bench_dataset FOLDER YYYY-MM-DD year   365 days, one measurement every 15 minutes:
//                                                35,040 files
//   kurvo_bench_dataset FOLDER YYYY-MM-DD archive  "full", and twenty years of archive
//                                                  before it: 7,300 days of GIF, SVG and data
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace fs = std::filesystem;
namespace chrono = std::chrono;

namespace {

void write_file(const fs::path& path, const std::string& content) {
  std::ofstream file(path, std::ios::binary);
  file << content;
  if (!file.flush()) throw std::runtime_error("cannot write " + path.string());
}

std::string formatted(const char* format, auto... values) {
  char text[128];
  std::snprintf(text, sizeof text, format, values...);
  return text;
}

// A smooth diurnal curve around 3.0, the same for forecast and measurements.
double value_at(double hours) { return 3.0 + 0.2 * std::cos(2 * M_PI * (hours - 13) / 24); }

void write_forecast(const fs::path& folder, chrono::year_month month) {
  std::string values;
  for (int hour = 0; hour < 24; ++hour) values += formatted("%5.2f", value_at(hour));
  write_file(folder / formatted("%02u%04d.txt", unsigned(month.month()), int(month.year())),
             "Benchmark forecast\r\nhours 0 to 23 UT\r\n" + values + "\r\n");
}

std::string measurement(int hour, int minute) {
  const double value = value_at(hour + minute / 60.0) + 0.1 * std::sin(hour + minute);
  return "Rome       benchmark station\r\nTime " + formatted("%02d:%02d", hour, minute) +
         "\r\nAutoscaled ionogram characteristics\r\n------------\r\n" +
         formatted("%-15s%5.2f", "M(3000)F2", value) + "\r\n";
}

int day_of_year(chrono::year_month_day day) {
  const chrono::sys_days start{day.year() / 1 / 0};
  return (chrono::sys_days{day} - start).count();
}

void write_day(const fs::path& data, chrono::year_month_day day, int cadence = 1) {
  for (int hour = 0; hour < 24; ++hour) {
    for (int minute = 0; minute < 60; minute += cadence) {
      write_file(data / formatted("RM041_%04d%03d%02d%02d00.TXT", int(day.year()), day_of_year(day),
                                  hour, minute),
                 measurement(hour, minute));
    }
  }
}

// The years of files a station folder gathers: they sort before the run's week, so the
// station file is one of them, and the run must list past all of them.
void write_history(const fs::path& data, chrono::sys_days first_chart_day) {
  constexpr int kDays = 5 * 365;
  for (int offset = kDays; offset >= 1; --offset) {
    write_day(data, chrono::year_month_day{first_chart_day - chrono::days{offset}}, 5);
  }
}

// The archive of the years a station has run: for each day a picture, an SVG and a data
// file of the sizes a run gives them, as the archive page lists them.
void write_archive(const fs::path& archive, chrono::sys_days first_chart_day) {
  constexpr int kDays = 20 * 365;
  const std::string gif(3'500, 'g'), svg(14'000, 's'), json(9'000, 'j');
  for (int offset = kDays; offset >= 1; --offset) {
    const chrono::year_month_day day{first_chart_day - chrono::days{offset}};
    const std::string stem = formatted("%04d%03d", int(day.year()), day_of_year(day));
    write_file(archive / (stem + ".gif"), gif);
    write_file(archive / (stem + ".svg"), svg);
    write_file(archive / (stem + ".json"), json);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int year = 0;
  unsigned month = 0, day = 0;
  const std::string kind = argc == 4 ? argv[3] : "";
  if ((kind != "full" && kind != "empty" && kind != "history" && kind != "year" &&
       kind != "archive") ||
      std::sscanf(argv[2], "%d-%u-%u", &year, &month, &day) != 3) {
    std::cerr << "usage: kurvo_bench_dataset FOLDER YYYY-MM-DD full|empty|history|year|archive\n";
    return 2;
  }
  const fs::path folder = argv[1];
  for (const char* sub : {"forecast/previous_M3000F2_plots", "data", "www"}) {
    fs::create_directories(folder / sub);
  }
  write_file(folder / "kurvo_M3000F2.ini", "forecast\nforecast/\ndata\ndata/\nwww\nwww/\n");

  const chrono::sys_days last{chrono::year{year} / month / day};
  const int days = kind == "year" ? 365 : 6;
  for (int offset = days - 1; offset >= 0; --offset) {
    const chrono::year_month_day chart_day{last - chrono::days{offset}};
    write_forecast(folder / "forecast", chart_day.year() / chart_day.month());
    if (kind == "year") {
      write_day(folder / "data", chart_day, 15);
    } else if (kind != "empty") {
      write_day(folder / "data", chart_day);
    }
  }
  if (kind == "history") write_history(folder / "data", last - chrono::days{5});
  if (kind == "archive") {
    write_archive(folder / "forecast/previous_M3000F2_plots", last - chrono::days{5});
  }
  // The station file: the first name of the folder, recognised as "Rome".
  if (kind == "empty") write_file(folder / "data" / "RM041_station.TXT", measurement(0, 0));
  return 0;
}
