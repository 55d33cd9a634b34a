#include <gtest/gtest.h>

#include <filesystem>

#include <algorithm>

#include "testsupport/run_program.h"
#include "testsupport/temp_dir.h"

namespace {

class Program : public ::testing::Test {
 protected:
  Program() {
    station.make_folder("fc/previous_M3000F2_plots");
    station.make_folder("www");
    station.make_folder("data");
    station.write("kurvo_M3000F2.ini", "\nfc/\n\ndata/\n\nwww/\n");
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

TEST_F(Program, AnInvalidDateExitsTwoWithoutDrawing) {
  const Outcome outcome = run_program(station, "--date 2009-02-30");
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.err.rfind("kurvo_M3000F2: invalid date \"2009-02-30\"", 0), 0u) << outcome.err;
  EXPECT_EQ(station.list("www").size(), 0u);
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
