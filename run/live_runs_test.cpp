// The whole program as it runs live: killed while it writes, with standard error closed,
// under a strict umask, and beside other runs of the same station folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/folder_lock.h"
#include "platform/text_ops.h"
#include "testsupport/gif_reader.h"
#include "testsupport/run_program.h"
#include "testsupport/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono;
using namespace std::chrono_literals;

const std::vector<std::string> kFolders = {"www", "fc", "fc/previous_M3000F2_plots"};

std::string measurement(int hundredths) {
  return "Rome (test)\n\n\n\nM(3000)F2       " + std::to_string(hundredths / 100) + "." +
         zero_padded(hundredths % 100, 2) + "\n";
}

// The archive name and measurement-file day of `day`: year and day of year, "2009195".
std::string year_and_day(sys_days day) {
  const year_month_day date{day};
  const int day_of_year = (day - sys_days{date.year() / January / 0}).count();
  return std::to_string(static_cast<int>(date.year())) + zero_padded(day_of_year, 3);
}

// A station folder with a flat forecast for June to August 2009 and a measurement every
// quarter hour of each day from `first` to `last`.
void make_station(const TempDir& station, sys_days first, sys_days last) {
  for (const std::string& folder : kFolders) station.make_folder(folder);
  station.make_folder("data");
  station.write("kurvo_M3000F2.ini", "forecast\nfc/\nmeasurements\ndata/\nweb\nwww/\n");
  std::string values;
  for (int hour = 0; hour < 24; ++hour) values += " 3.20";
  for (const char* month : {"06", "07", "08"}) {
    station.write("fc/" + std::string(month) + "2009.txt", "forecast\nhours\n" + values + "\n");
  }
  for (sys_days day = first; day <= last; day += days{1}) {
    for (int minute = 0; minute < 24 * 60; minute += 15) {
      station.write(
          "data/RM041_" + year_and_day(day) + zero_padded(minute / 60, 2) +
              zero_padded(minute % 60, 2) + "00.TXT",
          measurement(260 + (minute / 15 + static_cast<int>(day.time_since_epoch().count())) % 60));
    }
  }
}

std::string archive(sys_days day) {
  return "fc/previous_M3000F2_plots/" + year_and_day(day) + ".gif";
}

std::string publication(int chart) { return "www/plotM" + std::to_string(chart) + ".gif"; }

std::string date_argument(sys_days day) {
  const year_month_day date{day};
  return std::to_string(static_cast<int>(date.year())) + "-" +
         zero_padded(static_cast<int>(static_cast<unsigned>(date.month())), 2) + "-" +
         zero_padded(static_cast<int>(static_cast<unsigned>(date.day())), 2);
}

// The dot-files of the three folders a run writes in, and the bitmaps of the forecast
// folder: temporary files left behind.
std::vector<std::string> temporary_files(const TempDir& station) {
  std::vector<std::string> found;
  for (const std::string& folder : kFolders) {
    for (const std::string& name : station.list(folder)) {
      if (name.front() == '.' || name.ends_with(".bmp")) found.push_back(folder + "/" + name);
    }
  }
  return found;
}

// Every picture in the publication and archive folders, by path.
std::vector<std::string> pictures(const TempDir& station) {
  std::vector<std::string> found;
  for (const char* folder : {"www", "fc/previous_M3000F2_plots"}) {
    for (const std::string& name : station.list(folder)) {
      if (name.ends_with(".gif")) found.push_back(folder + ("/" + name));
    }
  }
  return found;
}

bool is_whole_chart(const TempDir& station, const std::string& name) {
  try {
    const GifSize size = read_gif_size(station / name);
    return size.width == 286 && size.height == 231;
  } catch (const std::runtime_error&) {
    return false;
  }
}

constexpr sys_days kToday = sys_days{2009y / July / 17};

// A run or a redraw killed at any moment ends by the signal, or had ended by itself, and
// leaves no temporary file, no bitmap and no torn picture, on one drawer or on several; the
// moments are spread over the length of a whole run.
TEST(LiveRuns, AKilledRunLeavesNoTemporaryFile) {
  TempDir station;
  make_station(station, kToday - days{20}, kToday);
  const std::vector<std::vector<std::string>> runs = {
      {"--date", date_argument(kToday)},
      {"--archive", date_argument(kToday - days{20}), date_argument(kToday), "--jobs", "1"},
      {"--archive", date_argument(kToday - days{20}), date_argument(kToday), "--jobs", "2"}};
  constexpr int kTries = 24;
  constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
  for (const std::vector<std::string>& arguments : runs) {
    const std::string shown = arguments[0] + " " + arguments.back();
    // The shorter of two whole runs, of which the signals take three quarters, so that most
    // of them come while the program still runs even when the machine is busy.
    auto whole_run = steady_clock::duration::max();
    for (int run = 0; run < 2; ++run) {
      const auto start = steady_clock::now();
      ASSERT_EQ(StartedProgram(station, arguments).Wait(), 0) << shown;
      whole_run = std::min(whole_run, steady_clock::now() - start);
    }

    int killed = 0;
    for (int attempt = 0; attempt < kTries; ++attempt) {
      const int signal = kSignals[attempt % 3];
      StartedProgram program(station, arguments);
      std::this_thread::sleep_for(whole_run * 3 * attempt / (4 * kTries));
      program.Signal(signal);
      const int status = program.Wait();
      if (status == 128 + signal) ++killed;
      EXPECT_TRUE(status == 0 || status == 128 + signal) << shown << attempt << ": " << status;
      EXPECT_EQ(temporary_files(station), std::vector<std::string>{}) << shown << attempt;
      for (const std::string& picture : pictures(station)) {
        EXPECT_TRUE(is_whole_chart(station, picture)) << shown << attempt << ": " << picture;
      }
    }
    EXPECT_GT(killed, kTries / 3) << shown;
  }
}

// A redraw of decades lets a run of its forecast folder through: the run, started while the
// redraw is under way, writes its pictures within a minute while the redraw goes on.
TEST(LiveRuns, ARunGetsThroughALongRedraw) {
  TempDir station;
  make_station(station, kToday - days{5}, kToday);
  StartedProgram redraw(station, {"--archive", "1950-01-01", date_argument(kToday)});
  while (station.list("fc/previous_M3000F2_plots").empty()) {
    ASSERT_TRUE(redraw.Running());
    std::this_thread::sleep_for(10ms);
  }

  const auto start = steady_clock::now();
  const Outcome run = run_program(station, "--date " + date_argument(kToday));
  const auto taken = steady_clock::now() - start;

  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(redraw.Running());
  EXPECT_LT(taken, 1min);
  for (int chart = 1; chart <= 6; ++chart) {
    EXPECT_TRUE(is_whole_chart(station, publication(chart))) << chart;
  }
  redraw.Signal(SIGTERM);
  EXPECT_EQ(redraw.Wait(), 128 + SIGTERM);
  EXPECT_EQ(temporary_files(station), std::vector<std::string>{});
}

// Writing a warning to a standard error that nobody reads fails, and the run goes on.
TEST(LiveRuns, AClosedStandardErrorDoesNotStopTheRun) {
  TempDir station;
  make_station(station, kToday - days{5}, kToday);
  fs::remove(station / "fc/072009.txt");
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  ::close(ends[0]);
  StartedProgram program(station, {"--date", date_argument(kToday)}, ends[1]);
  ::close(ends[1]);

  EXPECT_EQ(program.Wait(), 0);
  for (int chart = 1; chart <= 6; ++chart) {
    EXPECT_TRUE(is_whole_chart(station, publication(chart))) << chart;
    EXPECT_TRUE(is_whole_chart(station, archive(kToday - days{6 - chart}))) << chart;
  }
}

// Under umask 077 a picture the web server could read stays readable; new ones follow the
// umask.
TEST(LiveRuns, AReplacedPictureKeepsItsModeUnderAStrictUmask) {
  TempDir station;
  make_station(station, kToday, kToday);
  station.write(publication(1), "earlier picture");
  ASSERT_EQ(::chmod((station / publication(1)).c_str(), 0644), 0);

  const mode_t previous_mask = ::umask(077);
  const Outcome outcome = run_program(station, "--date " + date_argument(kToday));
  ::umask(previous_mask);

  EXPECT_EQ(outcome.status, 0) << outcome.err;
  const auto mode = [&](const std::string& name) {
    struct stat info {};
    EXPECT_EQ(::stat((station / name).c_str(), &info), 0) << name;
    return info.st_mode & 0777;
  };
  EXPECT_EQ(mode(publication(1)), 0644u);
  EXPECT_TRUE(is_whole_chart(station, publication(1)));
  for (int chart = 2; chart <= 6; ++chart) EXPECT_EQ(mode(publication(chart)), 0600u) << chart;
  EXPECT_EQ(mode(archive(kToday)), 0600u);
}

// What killed runs left is deleted by the next run; what only resembles it stays.
TEST(LiveRuns, ARunDeletesTheTemporaryFilesOfKilledRunsAndNothingElse) {
  TempDir station;
  make_station(station, kToday, kToday);
  const std::vector<std::string> left_by_killed_runs = {
      "www/.plotM1.gif.abcdef", "www/.plotM6.gif.Zz0Yy9", "fc/.grafico3.bmp.q1W2e3",
      "fc/previous_M3000F2_plots/.2009198.gif.ABCDEF",
      "fc/previous_M3000F2_plots/.1999001.gif.a1b2c3"};
  const std::vector<std::string> look_alikes = {"www/.plotM7.gif.abcdef",
                                                "www/.plotM1.gif.abcde",
                                                "www/.plotM1.gif.abcdefg",
                                                "www/.plotM1.gif.abc_ef",
                                                "www/.grafico3.bmp.q1W2e3",
                                                "fc/.plotM1.gif.abcdef",
                                                "fc/.2009198.gif.ABCDEF",
                                                "fc/previous_M3000F2_plots/.200919.gif.abcdef",
                                                "fc/previous_M3000F2_plots/.2009198.png.abcdef",
                                                "data/.plotM1.gif.abcdef",
                                                ".plotM1.gif.abcdef",
                                                "www/.plotM1.GIF.abcdef"};
  for (const std::string& name : left_by_killed_runs) station.write(name, "partial");
  for (const std::string& name : look_alikes) station.write(name, "not the program's");

  const Outcome outcome = run_program(station, "--date " + date_argument(kToday));

  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.err, "");
  for (const std::string& name : left_by_killed_runs) EXPECT_FALSE(station.exists(name)) << name;
  for (const std::string& name : look_alikes) {
    EXPECT_EQ(station.read(name), "not the program's") << name;
  }
}

// A run waits while another holds the forecast folder and writes nothing meanwhile; the
// check takes no lock and reports at once.
TEST(LiveRuns, ARunWaitsForTheRunHoldingItsForecastFolder) {
  TempDir station;
  make_station(station, kToday, kToday);
  auto other_run = std::make_unique<FolderLock>(station / "fc", 0ms);
  ASSERT_EQ(other_run->outcome(), FolderLock::Outcome::held);

  StartedProgram program(station, {"--date", date_argument(kToday)});
  EXPECT_EQ(run_program(station, "--check --date " + date_argument(kToday)).status, 0);
  std::this_thread::sleep_for(500ms);
  EXPECT_TRUE(program.Running());
  EXPECT_EQ(pictures(station), std::vector<std::string>{});

  other_run.reset();
  EXPECT_EQ(program.Wait(), 0);
  EXPECT_EQ(pictures(station).size(), 12u);
}

// Runs started together for six weeks a day apart, in one station folder, write byte for
// byte the archive pictures each writes alone, although most days are drawn by several of
// them under different chart numbers, and the publication pictures of one of them, all six
// from the same run.
TEST(LiveRuns, OverlappingRunsWriteWhatEachWritesAlone) {
  constexpr int kRuns = 6;
  constexpr int kTrials = 3;
  std::vector<sys_days> todays;
  for (int run = 0; run < kRuns; ++run) todays.push_back(kToday - days{run});
  TempDir station;
  make_station(station, todays.back() - days{5}, kToday);

  std::map<std::string, std::string> alone;  // every picture, by path
  std::vector<std::vector<std::string>> publications_alone(kRuns);
  for (int run = 0; run < kRuns; ++run) {
    ASSERT_EQ(StartedProgram(station, {"--date", date_argument(todays[run])}).Wait(), 0);
    for (int chart = 1; chart <= 6; ++chart) {
      publications_alone[run].push_back(station.read(publication(chart)));
      const std::string name = archive(todays[run] - days{6 - chart});
      const auto drawn_before = alone.emplace(name, station.read(name)).first;
      EXPECT_EQ(drawn_before->second, station.read(name)) << name;
    }
  }

  for (int trial = 0; trial < kTrials; ++trial) {
    for (const std::string& name : pictures(station)) fs::remove(station / name);
    std::vector<std::unique_ptr<StartedProgram>> programs;
    for (const sys_days today : todays) {
      programs.push_back(std::make_unique<StartedProgram>(
          station, std::vector<std::string>{"--date", date_argument(today)}));
    }
    for (auto& program : programs) EXPECT_EQ(program->Wait(), 0) << trial;

    for (const auto& [name, content] : alone) {
      EXPECT_EQ(station.read(name), content) << trial << ": " << name;
    }
    std::vector<std::string> published;
    for (int chart = 1; chart <= 6; ++chart) published.push_back(station.read(publication(chart)));
    EXPECT_NE(std::find(publications_alone.begin(), publications_alone.end(), published),
              publications_alone.end())
        << trial;
  }
}

}  // namespace
