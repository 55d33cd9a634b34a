// The published pictures as a web server and its visitors see them: never half-written while
// the program replaces them, and the same bytes for the same input and day.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "testsupport/gif_reader.h"
#include "testsupport/run_program.h"
#include "testsupport/temp_dir.h"

extern char** environ;

namespace {

// Today is 3 August 2009: the six charts are 29 July (day 210) to 3 August (day 215), so
// they take both months' forecasts.
constexpr const char* kToday = "--date 2009-08-03";
constexpr Colour kRed = RGB(255, 0, 0);

std::string publication(int chart) { return "www/plotM" + std::to_string(chart) + ".gif"; }

std::string archive(int chart) {
  return "fc/previous_M3000F2_plots/" + std::to_string(2009209 + chart) + ".gif";
}

std::string two_digits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// M(3000)F2 times 100 as the five characters of a value field: 295 is " 2.95".
std::string value_field(int hundredths) {
  return " " + std::to_string(hundredths / 100) + "." + two_digits(hundredths % 100);
}

// A station folder with the six days at a 15-minute cadence (now and then "N/A" or "NO"),
// and a forecast for July and one for August.
void make_station_week(const TempDir& station) {
  station.make_folder("fc/previous_M3000F2_plots");
  station.make_folder("data");
  station.make_folder("www");
  station.write("kurvo_M3000F2.ini", "forecast\nfc/\nmeasurements\ndata/\nweb\nwww/\n");
  for (const std::string month : {"07", "08"}) {
    std::string values;
    for (int hour = 0; hour < 24; ++hour) values += value_field(280 + 2 * std::abs(hour - 12));
    station.write("fc/" + month + "2009.txt", "forecast\nhours\n" + values + "\n");
  }
  for (int day = 210; day <= 215; ++day) {
    for (int hour = 0; hour < 24; ++hour) {
      for (int minute = 0; minute < 60; minute += 15) {
        const int slot = 4 * hour + minute / 15;
        std::string field = value_field(270 + (slot * 7 + day * 3) % 70);
        if (slot % 37 == 5) field = "  N/A";
        if (slot % 41 == 7) field = "   NO";
        station.write("data/RM041_2009" + std::to_string(day) + two_digits(hour) +
                          two_digits(minute) + "00.TXT",
                      "Rome (test)\n2009\n\n\nM(3000)F2      " + field + "\n");
      }
    }
  }
}

// Starts `runs` runs of the program in `station`, one after the other, in a process of their
// own; it exits 0 when every run did.
pid_t start_runs(const TempDir& station, int runs) {
  const std::string script = "cd '" + station.path() + "' && for run in $(seq " +
                             std::to_string(runs) + "); do timeout 120 '" KURVO_EXECUTABLE "' " +
                             kToday + " >/dev/null || exit 1; done";
  const char* argv[] = {"sh", "-c", script.c_str(), nullptr};
  pid_t pid = 0;
  if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
    throw std::runtime_error("cannot start the runs");
  }
  return pid;
}

// Each GIF is written beside its old one and renamed over it, so a reader opening it at any
// moment gets the old picture or the new one, whole. Here a reader opens and decodes the six
// published pictures over and over while the program replaces them, run after run.
TEST(Publication, EveryReadDuringRepeatedRunsIsACompletePicture) {
  constexpr int kRuns = 6;
  TempDir station;
  make_station_week(station);
  ASSERT_EQ(run_program(station, kToday).status, 0);  // from here on the six pictures exist

  const pid_t runs = start_runs(station, kRuns);
  int reads = 0;
  std::vector<std::string> failures;
  int runs_status = -1;
  // The state of the runs is taken before each round, so one whole round follows their end.
  for (bool runs_ended = false; !runs_ended;) {
    runs_ended = waitpid(runs, &runs_status, WNOHANG) == runs;
    for (int n = 1; n <= 6; ++n) {
      ++reads;
      try {
        const GifSize picture = read_gif_size(station / publication(n));
        if (picture.width != 286 || picture.height != 231) {
          failures.push_back(publication(n) + " is " + std::to_string(picture.width) + " x " +
                             std::to_string(picture.height));
        }
      } catch (const std::runtime_error& error) {
        failures.push_back(error.what());
      }
    }
  }

  ASSERT_TRUE(WIFEXITED(runs_status));
  EXPECT_EQ(WEXITSTATUS(runs_status), 0);
  EXPECT_TRUE(failures.empty()) << failures.size() << " of " << reads
                                << " reads failed; the first: " << failures.front();
  // Enough reads to land inside the writes of the 36 pictures, had they not been atomic.
  EXPECT_GT(reads, 300);
  RecordProperty("reads", reads);
}

// A picture depends on the input and the day alone: neither the moment of the run nor the
// folder it runs in enters it, so two stations with the same files publish the same bytes.
TEST(Publication, TwoRunsOverTheSameInputGiveTheSameTwelvePictures) {
  TempDir first;
  TempDir second;
  make_station_week(first);
  make_station_week(second);
  ASSERT_EQ(run_program(first, kToday).status, 0);
  ASSERT_EQ(run_program(second, kToday).status, 0);

  for (int n = 1; n <= 6; ++n) {
    // A chart with its measurements, so that the comparison is of real pictures.
    EXPECT_GT(std::ranges::count(read_gif(first / publication(n)).pixels, kRed), 100) << n;
    for (const std::string& name : {publication(n), archive(n)}) {
      const std::string picture = first.read(name);
      ASSERT_FALSE(picture.empty()) << name;
      EXPECT_TRUE(picture == second.read(name)) << name << " differs between the runs";
    }
  }
}

}  // namespace
