// The archive redraw, run as the program: the same pictures as runs, nothing published.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "testsupport/promtool.h"
#include "testsupport/run_program.h"
#include "testsupport/temp_dir.h"

namespace {

using Names = std::vector<std::string>;

// A station folder with measurements from 27 June to 4 July 2009 (days 178 to 185), each day
// with its own values and a "N/A", and the forecasts of June and July.
void make_station(const TempDir& station) {
  make_station_folder(station);
  station.write("fc/062009.txt", "\n\n 2.85 2.86 2.89 2.91 2.94 2.96 2.97 3.00 3.02 3.06\n");
  station.write("fc/072009.txt", "\n\n 3.20 3.10 3.05 3.00 2.95 2.90 2.95 3.00 3.05 3.10\n");
  for (int day = 178; day <= 185; ++day) {
    for (int hour = 0; hour < 24; hour += 3) {
      for (int minute : {15, 30}) {
        char name[64], line[32];
        std::snprintf(name, sizeof name, "data/RM041_2009%03d%02d%02d00.TXT", day, hour, minute);
        std::snprintf(line, sizeof line, "%5.2f", 2.70 + 0.02 * (day - 178) + 0.03 * hour);
        station.write(name, "Rome\n\n\n\nM(3000)F2      " + std::string(line) + "\n");
      }
    }
    station.write("data/RM041_2009" + std::to_string(day) + "124500.TXT",
                  "Rome\n\n\n\nM(3000)F2        N/A\n");
  }
}

class Archive : public ::testing::Test {
 protected:
  Archive() { make_station(station); }
  TempDir station;
};

TEST_F(Archive, DrawsEveryDayOfTheRangeAsRunsDoAndPublishesNothing) {
  TempDir by_runs;
  make_station(by_runs);
  ASSERT_EQ(run_program(by_runs, "--date 2009-07-02").status, 0);
  ASSERT_EQ(run_program(by_runs, "--date 2009-07-04").status, 0);
  station.write("www/plotM1.gif", "yesterday's picture");

  const Outcome outcome = run_program(station, "--archive 2009-06-27 2009-07-04");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "");  // no progress line: standard error is no terminal

  const Names pictures = station.list("fc/previous_M3000F2_plots");
  EXPECT_EQ(pictures, (Names{"2009178.gif", "2009179.gif", "2009180.gif", "2009181.gif",
                             "2009182.gif", "2009183.gif", "2009184.gif", "2009185.gif"}));
  EXPECT_EQ(pictures, by_runs.list("fc/previous_M3000F2_plots"));
  for (const std::string& name : pictures) {
    const std::string path = "fc/previous_M3000F2_plots/" + name;
    EXPECT_EQ(station.read(path), by_runs.read(path)) << name << " differs from the run's";
  }
  EXPECT_EQ(station.list("www"), Names{"plotM1.gif"});
  EXPECT_EQ(station.read("www/plotM1.gif"), "yesterday's picture");
  EXPECT_EQ(station.list("fc"), (Names{"062009.txt", "072009.txt", "previous_M3000F2_plots"}));
}

TEST_F(Archive, FailsAsARunDoesButNeedsNoPublicationFolder) {
  std::filesystem::remove_all(station / "www");
  EXPECT_EQ(run_program(station, "--archive 2009-07-01 2009-07-02").status, 0);
  EXPECT_EQ(station.list("fc/previous_M3000F2_plots"), (Names{"2009182.gif", "2009183.gif"}));

  std::filesystem::remove_all(station / "fc/previous_M3000F2_plots");
  const Outcome outcome = run_program(station, "--archive 2009-07-01 2009-07-02");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err,
            "kurvo_M3000F2: cannot write fc/previous_M3000F2_plots/2009182.gif: No such file or "
            "directory\n"
            "kurvo_M3000F2: cannot write fc/previous_M3000F2_plots/2009183.gif: No such file or "
            "directory\n");
  EXPECT_EQ(station.list("fc"), (Names{"062009.txt", "072009.txt"}));

  const Outcome reversed = run_program(station, "--archive 2009-07-02 2009-07-01");
  EXPECT_EQ(reversed.status, 2);
  EXPECT_NE(reversed.err.find("'2009-07-02' is after TO '2009-07-01'"), std::string::npos)
      << reversed.err;
}

TEST_F(Archive, ShowsItsProgressOnATerminalOnly) {
  // script(1) gives the program a terminal as its standard error.
  const std::string command = "cd '" + station.path() +
                              "' && script -qec \"'" KURVO_EXECUTABLE
                              "' --archive 2009-06-30 2009-07-02\" /dev/null >'" +
                              (station / "screen") + "' 2>&1 </dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string screen = station.read("screen");
  for (const char* line : {"\r\x1b[Kkurvo_M3000F2: day 1 of 3, 2009-06-30",
                           "\r\x1b[Kkurvo_M3000F2: day 2 of 3, 2009-07-01",
                           "\r\x1b[Kkurvo_M3000F2: day 3 of 3, 2009-07-02\r\n"}) {
    EXPECT_NE(screen.find(line), std::string::npos) << screen;
  }
}

TEST_F(Archive, CheckReportsTheRangeAndWritesNothing) {
  const Outcome outcome = run_program(station, "--check --archive 2009-06-30 2009-07-01");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_NE(outcome.out.find("files named like data/RM041_2009181000000.TXT\n"), std::string::npos)
      << outcome.out;
  EXPECT_NE(outcome.out.find("\nday  date        files  value  N/A  NO  skipped  last UT  "
                             "forecast\n1    30/06/2009     17     16    1   0        0  21:30"),
            std::string::npos)
      << outcome.out;
  EXPECT_NE(outcome.out.find("\nday  picture\n1    fc/previous_M3000F2_plots/2009181.gif\n2    "
                             "fc/previous_M3000F2_plots/2009182.gif\n\nthe redraw would write "
                             "all 2 pictures\n"),
            std::string::npos)
      << outcome.out;
  EXPECT_EQ(station.list("fc/previous_M3000F2_plots"), Names{});

  std::filesystem::remove_all(station / "fc/previous_M3000F2_plots");
  const Outcome missing = run_program(station, "--check --archive 2009-06-30 2009-07-01");
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.out.ends_with("\nthe redraw would write 0 of the 2 pictures\n"))
      << missing.out;
  const Outcome one_day = run_program(station, "--check --archive 2009-06-30 2009-06-30");
  EXPECT_EQ(one_day.status, 1);
  EXPECT_TRUE(one_day.out.ends_with("\nthe redraw would not write its picture\n")) << one_day.out;
}

TEST_F(Archive, WritesItsMetricsWithoutChartSeries) {
  const Outcome outcome = run_program(station, "--archive 2009-06-27 2009-07-04 --metrics m.prom");
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  const std::string metrics = station.read("m.prom");
  const std::string folder = "{folder=\"" + station.path() + "\"} ";
  EXPECT_NE(metrics.find("\nkurvo_m3000f2_pictures_written" + folder + "8\n"), std::string::npos)
      << metrics;
  EXPECT_NE(metrics.find("\nkurvo_m3000f2_run_success" + folder + "1\n"), std::string::npos);
  EXPECT_EQ(metrics.find("chart=\""), std::string::npos) << metrics;
  // 4 July 2009, 21:30 UT: the latest measurement with a value of the range.
  using namespace std::chrono;
  const auto newest = sys_days{2009y / July / 4} + 21h + 30min;
  EXPECT_NE(metrics.find("\nkurvo_m3000f2_newest_measurement_timestamp_seconds" + folder +
                         std::to_string(duration_cast<seconds>(newest.time_since_epoch()).count()) +
                         "\n"),
            std::string::npos)
      << metrics;
  const PromtoolVerdict verdict = promtool_check(metrics);
  EXPECT_EQ(verdict.status, 0) << verdict.output;
}

// Drawn by several drawers at once, a redraw and a run write the same files, byte for byte,
// and say the same things in the same order as drawn by one: here a month without its
// forecast and a picture with a folder in its place.
TEST_F(Archive, SeveralDrawersWriteAndSayWhatOneDoes) {
  const auto prepare = [](const TempDir& folder) {
    make_station(folder);
    std::filesystem::remove(folder / "fc/062009.txt");
    folder.make_folder("fc/previous_M3000F2_plots/2009183.gif");
  };
  struct Case {
    const char* arguments;
    const char* folder;
  };
  for (const Case& c :
       {Case{"--archive 2009-06-27 2009-07-04 --json --svg", "fc/previous_M3000F2_plots"},
        Case{"--date 2009-07-04 --json --svg", "www"}}) {
    TempDir one;
    prepare(one);
    const Outcome alone = run_program(one, c.arguments + std::string(" --jobs 1"));
    EXPECT_EQ(alone.status, 1) << alone.err;
    EXPECT_NE(alone.err.find("warning: cannot read forecast file fc/062009.txt"), std::string::npos)
        << alone.err;
    for (const char* jobs : {" --jobs 2", " --jobs 3", " --jobs 64"}) {
      TempDir several;
      prepare(several);
      const Outcome outcome = run_program(several, c.arguments + std::string(jobs));
      EXPECT_EQ(outcome.status, alone.status) << c.arguments << jobs;
      EXPECT_EQ(outcome.err, alone.err) << c.arguments << jobs;
      for (const char* folder : {c.folder, "fc/previous_M3000F2_plots", "fc"}) {
        const Names written = several.list(folder);
        EXPECT_EQ(written, one.list(folder)) << c.arguments << jobs;
        for (const std::string& name : written) {
          const std::string path = std::string(folder) + "/" + name;
          if (std::filesystem::is_directory(several / path)) continue;
          EXPECT_EQ(several.read(path), one.read(path)) << c.arguments << jobs << ": " << path;
        }
      }
    }
  }
}

}  // namespace
