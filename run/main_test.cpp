#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "testsupport/run_program.h"
#include "testsupport/temp_dir.h"

namespace {

class Program : public ::testing::Test {
 protected:
  Program() {
    make_station_folder(station);
    station.write("fc/072009.txt", "\n\n 3.20 3.10\n");
    station.write("data/RM041_2009195134500.TXT", "Rome\n\n\n\nM(3000)F2       2.95\n");
  }
  TempDir station;
};

TEST_F(Program, ASuccessfulRunIsSilentAndExitsZero) {
  const Outcome outcome = run_program(station, "--date 2009-07-17");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(station.list("www").size(), 6u);
}

TEST_F(Program, AMissingPublicationFolderIsReportedAndExitsOne) {
  std::filesystem::remove_all(station / "www");
  const Outcome outcome = run_program(station, "--date 2009-07-17");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  const std::string first_line = outcome.err.substr(0, outcome.err.find('\n'));
  EXPECT_EQ(first_line, "kurvo_M3000F2: cannot write www/plotM1.gif: No such file or directory");
  EXPECT_NE(outcome.err.find("\nkurvo_M3000F2: cannot write www/plotM6.gif: No such file or "
                             "directory\n"),
            std::string::npos);
}

constexpr const char* kTryHelp = "Try 'kurvo_M3000F2 --help' for more information.\n";

// Each usage error names what is wrong in one line, points to --help, draws nothing and
// exits 2; the first argument that is wrong, in the order given, is the one named.
TEST_F(Program, AUsageErrorIsOneLineAndAHintAndExitsTwoWithoutDrawing) {
  struct Case {
    const char* arguments;
    const char* problem;
  };
  const Case cases[] = {
      {"--frobnicate", "unrecognized option '--frobnicate'"},
      {"-V", "invalid option -- 'V'"},
      {"extra", "extra operand 'extra'"},
      {"--check extra more", "extra operand 'extra'"},
      {"--date", "option '--date' requires an argument"},
      {"--metrics", "option '--metrics' requires an argument"},
      {"--metrics ''", "option '--metrics' requires a file name"},
      {"--check=yes", "option '--check' doesn't allow an argument"},
      {"--date 2009-02-30",
       "invalid date '2009-02-30' for --date (expected YYYY-MM-DD, a real day from 1900-01-06 "
       "on)"},
      {"--dat 2009-02-30 --frob",
       "invalid date '2009-02-30' for --date (expected YYYY-MM-DD, a real day from 1900-01-06 "
       "on)"},
      // The six days of a run must all be days a chart can show.
      {"--date 1900-01-05",
       "invalid date '1900-01-05' for --date (expected YYYY-MM-DD, a real day from 1900-01-06 "
       "on)"},
      {"--archive 1899-12-31 1900-01-01",
       "invalid date '1899-12-31' for --archive (expected YYYY-MM-DD, a real day from "
       "1900-01-01 on)"},
      {"--frob --dat 2009-02-30", "unrecognized option '--frob'"},
      {"--date 2009-07-17 --date 2009-7-17",
       "invalid date '2009-7-17' for --date (expected YYYY-MM-DD, a real day from 1900-01-06 "
       "on)"},
      {"--archive", "option '--archive' requires two dates, FROM and TO"},
      {"--archive 2009-07-01", "option '--archive' requires two dates, FROM and TO"},
      {"--archive 2009-07-01 2009-06-31",
       "invalid date '2009-06-31' for --archive (expected YYYY-MM-DD, a real day from "
       "1900-01-01 on)"},
      {"--archive 2009-07-05 2009-07-01",
       "invalid range for --archive: FROM '2009-07-05' is after TO '2009-07-01'"},
      {"--date 2009-07-17 --archive 2009-07-01 2009-07-02",
       "options '--date' and '--archive' cannot be used together"},
      {"--archive 2009-07-01 2009-07-02 --da 2009-07-17",
       "options '--archive' and '--date' cannot be used together"},
      {"\"$(printf '%s\\033[2J' --date)\"", "unrecognized option '--date\\x1b[2J'"},
      {"--jobs", "option '--jobs' requires an argument"},
      {"--jobs 0", "invalid number '0' for --jobs (expected 1 to 64)"},
      {"--jobs 65", "invalid number '65' for --jobs (expected 1 to 64)"},
      {"--jobs +2", "invalid number '+2' for --jobs (expected 1 to 64)"},
      {"--jobs 2x", "invalid number '2x' for --jobs (expected 1 to 64)"},
      {"--jobs 99999999999", "invalid number '99999999999' for --jobs (expected 1 to 64)"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = run_program(station, c.arguments);
    EXPECT_EQ(outcome.status, 2) << c.arguments;
    EXPECT_EQ(outcome.out, "") << c.arguments;
    EXPECT_EQ(outcome.err, "kurvo_M3000F2: " + std::string(c.problem) + "\n" + kTryHelp)
        << c.arguments;
  }
  EXPECT_EQ(station.list("www").size(), 0u);
  EXPECT_EQ(station.list("fc/previous_M3000F2_plots").size(), 0u);
}

TEST_F(Program, HelpStartsWithTheUsageKeepsWithin79ColumnsAndEndsWithWhereToReportBugs) {
  const Outcome outcome = run_program(station, "--help");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.err, "");
  EXPECT_TRUE(outcome.out.starts_with("Usage: kurvo_M3000F2 [OPTION]...\n")) << outcome.out;
  std::istringstream lines(outcome.out);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 79u) << line;
  for (const char* option : {"--date YYYY-MM-DD", "--archive FROM TO", "--check", "--json", "--svg",
                             "--page", "--metrics FILE", "--jobs N", "--help", "--version"}) {
    EXPECT_NE(outcome.out.find("\n      " + std::string(option) + " "), std::string::npos)
        << option;
  }
  EXPECT_NE(outcome.out.find("\nExit status:\n 0 "), std::string::npos);
  EXPECT_TRUE(outcome.out.ends_with("\n\nReport bugs to: maintainers@kurvo-m3000f2.org\n"));
  EXPECT_EQ(run_program(station, "--he").out, outcome.out);
}

TEST_F(Program, VersionGivesTheCopyrightAndTheLicence) {
  const Outcome outcome = run_program(station, "--version");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.err, "");
  EXPECT_EQ(outcome.out, "kurvo_M3000F2 " KURVO_VERSION
                         "\n"
                         "Copyright (C) 2026 The kurvo_M3000F2 developers\n"
                         "License: MIT <https://opensource.org/licenses/MIT>.\n"
                         "This is free software: you are free to change and redistribute it.\n"
                         "There is NO WARRANTY, to the extent permitted by law.\n");
}

// Runs the program in `folder` with its standard output on a full device; returns the exit
// status and fills `*err` with what it wrote on standard error.
int run_onto_full_device(const TempDir& folder, const std::string& arguments, std::string* err) {
  const std::string command = "cd '" + folder.path() + "' && timeout 120 '" KURVO_EXECUTABLE "' " +
                              arguments + " >/dev/full 2>'" + (folder / "err.txt") + "'";
  const int raw = std::system(command.c_str());
  *err = folder.read("err.txt");
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST_F(Program, ALostStandardOutputExitsOneWithAMessage) {
  for (const char* arguments : {"--help", "--version", "--check --date 2009-07-17"}) {
    std::string err;
    EXPECT_EQ(run_onto_full_device(station, arguments, &err), 1) << arguments;
    EXPECT_EQ(err, "kurvo_M3000F2: cannot write standard output: No space left on device\n")
        << arguments;
  }
}

// Runs the program in `folder` with JOURNAL_STREAM set to `journal_stream` and its standard
// error appended to the file "err.txt" there, which it empties first; returns that file.
std::string run_with_journal_stream(const TempDir& folder, const std::string& arguments,
                                    const std::string& journal_stream) {
  folder.write("err.txt", "");
  const std::string command = "cd '" + folder.path() + "' && JOURNAL_STREAM='" + journal_stream +
                              "' timeout 120 '" KURVO_EXECUTABLE "' " + arguments +
                              " >/dev/null 2>>err.txt </dev/null";
  EXPECT_NE(std::system(command.c_str()), -1);
  return folder.read("err.txt");
}

// The value of JOURNAL_STREAM that names the file `path`, as systemd names the journal's stream.
std::string journal_stream_naming(const std::string& path) {
  struct stat file {};
  EXPECT_EQ(::stat(path.c_str(), &file), 0) << path;
  return std::to_string(file.st_dev) + ":" + std::to_string(file.st_ino);
}

// `text` with each line marked as the journal reads it: a warning "<4>", the hint "<6>", an
// error "<3>".
std::string with_priorities(const std::string& text) {
  std::istringstream lines(text);
  std::string marked;
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("kurvo_M3000F2: warning: ")) {
      marked += "<4>";
    } else if (line.starts_with("Try ")) {
      marked += "<6>";
    } else {
      marked += "<3>";
    }
    marked += line + "\n";
  }
  return marked;
}

// systemd names the journal's stream by device and inode, so only a standard error that is
// that stream gets the priorities; one redirected to a file inherits the variable and stays
// plain.
TEST_F(Program, EachLineCarriesItsPriorityOnlyWhenStandardErrorIsTheJournal) {
  std::filesystem::remove(station / "fc/072009.txt");
  std::filesystem::remove_all(station / "www");
  station.write("err.txt", "");
  const std::string journal = journal_stream_naming(station / "err.txt");
  const TempDir elsewhere;
  elsewhere.write("journal", "");
  const std::string other_stream = journal_stream_naming(elsewhere / "journal");

  for (const char* arguments : {"--date 2009-07-17", "--date 2009-02-30"}) {
    const std::string plain = run_with_journal_stream(station, arguments, other_stream);
    EXPECT_EQ(run_program(station, arguments).err, plain) << arguments;
    EXPECT_EQ(run_with_journal_stream(station, arguments, journal), with_priorities(plain))
        << arguments;
  }
  const std::string failed_run = run_with_journal_stream(station, "--date 2009-07-17", journal);
  EXPECT_NE(failed_run.find("<4>kurvo_M3000F2: warning: "), std::string::npos) << failed_run;
  EXPECT_NE(failed_run.find("<3>kurvo_M3000F2: cannot write www/plotM6.gif: "), std::string::npos)
      << failed_run;
  EXPECT_EQ(run_with_journal_stream(station, "--date 2009-02-30", journal),
            "<3>kurvo_M3000F2: invalid date '2009-02-30' for --date (expected YYYY-MM-DD, a real "
            "day from 1900-01-06 on)\n<6>" +
                std::string(kTryHelp));
}

// Every chart starts from the same palette, so that the picture of a day does not depend on
// which chart of which run drew it: 2 July is chart 2 of a run on 6 July and chart 5 of a
// run on 3 July, after the labels of 28 June to 1 July, whose glyphs leave shades of the text
// colour that the labels of 2 July do not make.
TEST_F(Program, ADaysPictureIsTheSameBytesWhicheverChartAndRunDrewIt) {
  station.write("data/RM041_2009183120000.TXT", "Rome\n\n\n\nM(3000)F2       3.05\n");
  const std::string archived = "fc/previous_M3000F2_plots/2009183.gif";
  ASSERT_EQ(run_program(station, "--date 2009-07-06").status, 0);
  const std::string as_chart_2 = station.read("www/plotM2.gif");
  const std::string archived_as_chart_2 = station.read(archived);
  ASSERT_EQ(run_program(station, "--date 2009-07-03").status, 0);
  const std::string as_chart_5 = station.read("www/plotM5.gif");

  EXPECT_TRUE(as_chart_2.starts_with("GIF8")) << as_chart_2.size();
  EXPECT_TRUE(as_chart_2 == as_chart_5) << as_chart_2.size() << " against " << as_chart_5.size();
  EXPECT_TRUE(archived_as_chart_2 == as_chart_2);
  EXPECT_TRUE(station.read(archived) == as_chart_5);
}

// Every name in the station folder, its subfolders included.
std::vector<std::string> everything_in(const TempDir& station) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(station.path())) {
    names.push_back(entry.path().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(Program, CheckReportsOnStandardOutputWritesNothingAndExitsZero) {
  const auto before = everything_in(station);
  const Outcome outcome = run_program(station, "--check --date 2009-07-17");
  EXPECT_EQ(outcome.status, 0);
  EXPECT_EQ(outcome.err, "");
  EXPECT_NE(outcome.out.find("\n3      14/07/2009      1      1    0   0        0  13:45    "
                             "fc/072009.txt, 2 of 24 hourly values\n"),
            std::string::npos)
      << outcome.out;
  EXPECT_TRUE(outcome.out.ends_with("\na run would write all twelve pictures\n")) << outcome.out;
  EXPECT_EQ(everything_in(station), before);
}

TEST_F(Program, CheckExitsOneWhenARunWouldNotWriteEveryPicture) {
  std::filesystem::remove_all(station / "fc/previous_M3000F2_plots");
  const Outcome outcome = run_program(station, "--check --date 2009-07-17");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.out.find("\n6      fc/previous_M3000F2_plots/2009198.gif  not written: folder "
                             "fc/previous_M3000F2_plots missing\n"),
            std::string::npos)
      << outcome.out;
  EXPECT_TRUE(outcome.out.ends_with("\na run would write 6 of the twelve pictures\n"));
  EXPECT_EQ(station.list("www").size(), 0u);
}

}  // namespace
