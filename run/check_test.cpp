#include <gtest/gtest.h>

#include "run/check.h"
#include "testsupport/fake_platform.h"

namespace {

const std::map<std::string, bool> kAllFolders = {
    {"fc", true}, {"fc/previous_M3000F2_plots", true}, {"data", true}, {"www", true}};

// A station folder for a check on 17 July 2009 (charts of 12 to 17 July, days 193 to 198):
// a forecast with 22 of its 24 values, and on 14 July (chart 3) a value at 00:00, "N/A" at
// 13:45, a file without a fifth line at 12:00, a value at 23:00 and "NO" at 23:59.
class Check : public ::testing::Test {
 protected:
  Check() {
    files().files["/station/kurvo_M3000F2.ini"] = "\nfc/\n\ndata/\n\nwww/\n";
    std::string values;
    for (int hour = 0; hour < 22; ++hour) values += " 3.10";
    files().files["fc/072009.txt"] = "\n\n" + values + "\n";
    files().folders = kAllFolders;
    measurement("000000", "M(3000)F2       2.95");
    measurement("134500", "M(3000)F2        N/A ");
    files().files["data/RM041_2009195120000.TXT"] = "Rome\n\n\n";
    measurement("230000", "M(3000)F2       3.05");
    measurement("235900", "M(3000)F2        NO");
  }

  MemoryFileSystem& files() { return window.files; }
  void measurement(const std::string& hhmmss, const std::string& line5) {
    files().files["data/RM041_2009195" + hhmmss + ".TXT"] = "Rome station\n\n\n\n" + line5 + "\n";
  }
  // The report, and whether the check said a run would write every picture.
  std::string check(bool expected_all_written = true) {
    std::ostringstream out;
    EXPECT_EQ(verifica(window.platform(), "/station", out), expected_all_written);
    return out.str();
  }
  // The picture lines of chart `chart`.
  std::vector<std::string> pictures(const std::string& report, int chart) {
    return lines(report.substr(report.find("chart  picture")), std::to_string(chart) + " ");
  }
  // The report's lines that begin with `start`.
  std::vector<std::string> lines(const std::string& report, const std::string& start) {
    std::vector<std::string> found;
    std::istringstream text(report);
    for (std::string line; std::getline(text, line);) {
      if (line.rfind(start, 0) == 0) found.push_back(line);
    }
    return found;
  }

  FakePlatform window;
};

TEST_F(Check, ReportsSettingsStationCountsAndPicturesAndWritesNothing) {
  const auto files_before = files().files;
  EXPECT_EQ(check(),
            "settings file  /station/kurvo_M3000F2.ini\n"
            "forecast       \"fc/\"\n"
            "measurement    \"data/\"\n"
            "publication    \"www/\"\n"
            "station file   data/RM041_2009195000000.TXT\n"
            "first line     \"Rome station\"\n"
            "station        family 4, files named like data/RM041_2009193000000.TXT\n"
            "\n"
            "chart  date        files  value  N/A  NO  skipped  last UT  forecast\n"
            "1      12/07/2009      0      0    0   0        0  -        fc/072009.txt, 22 of 24 "
            "hourly values\n"
            "2      13/07/2009      0      0    0   0        0  -        fc/072009.txt, 22 of 24 "
            "hourly values\n"
            "3      14/07/2009      5      2    1   1        1  23:59    fc/072009.txt, 22 of 24 "
            "hourly values\n"
            "4      15/07/2009      0      0    0   0        0  -        fc/072009.txt, 22 of 24 "
            "hourly values\n"
            "5      16/07/2009      0      0    0   0        0  -        fc/072009.txt, 22 of 24 "
            "hourly values\n"
            "6      17/07/2009      0      0    0   0        0  -        fc/072009.txt, 22 of 24 "
            "hourly values\n"
            "\n"
            "chart  picture\n"
            "1      www/plotM1.gif\n"
            "1      fc/previous_M3000F2_plots/2009193.gif\n"
            "2      www/plotM2.gif\n"
            "2      fc/previous_M3000F2_plots/2009194.gif\n"
            "3      www/plotM3.gif\n"
            "3      fc/previous_M3000F2_plots/2009195.gif\n"
            "4      www/plotM4.gif\n"
            "4      fc/previous_M3000F2_plots/2009196.gif\n"
            "5      www/plotM5.gif\n"
            "5      fc/previous_M3000F2_plots/2009197.gif\n"
            "6      www/plotM6.gif\n"
            "6      fc/previous_M3000F2_plots/2009198.gif\n"
            "\n"
            "a run would write all twelve pictures\n");
  EXPECT_EQ(files().files, files_before);
  EXPECT_EQ(window.diagnostics.str(), "");
}

TEST_F(Check, AMissingForecastIsReportedInsteadOfWarnedAbout) {
  files().files.erase("fc/072009.txt");
  const std::string report = check();
  EXPECT_EQ(lines(report, "3 ")[0].substr(60),
            "fc/072009.txt, cannot read: No such file or directory; no forecast curve");
  EXPECT_EQ(window.diagnostics.str(), "");
}

// A file that names no station silences the station without failing a picture: the check
// names it last and fails. An empty folder is a station that has sent nothing yet.
TEST_F(Check, AStationNotRecognisedLeavesTheCountsOutAndFailsWhenAFileDecidedIt) {
  struct Case {
    const char* label;
    std::map<std::string, std::string> data;
    std::string station_lines;
    std::string last_line;
  };
  const Case cases[] = {
      {"unknown name",
       {{"data/A.TXT", "Nowhere\n"}},
       "station file   data/A.TXT\n"
       "first line     \"Nowhere\"\n"
       "station        not recognised: no known station name begins the first line; no "
       "measured values would be drawn\n",
       "but no station is recognised from data/A.TXT: the charts would have no measured values"},
      {"empty file",
       {{"data/A.TXT", ""}},
       "station file   data/A.TXT\n"
       "first line     none: the file is empty\n"
       "station        not recognised: the first line cannot be read; no measured values would "
       "be drawn\n",
       "but no station is recognised from data/A.TXT: the charts would have no measured values"},
      {"no file",
       {},
       "station file   none\n"
       "station        not recognised: measurement folder data/ holds no file; no measured "
       "values would be drawn\n",
       "a run would write all twelve pictures"},
  };
  for (const Case& c : cases) {
    std::erase_if(files().files, [](const auto& file) { return file.first.starts_with("data/"); });
    files().files.insert(c.data.begin(), c.data.end());
    const bool no_file = c.data.empty();
    const std::string report = check(no_file);
    EXPECT_TRUE(report.ends_with("\n" + c.last_line + "\n")) << c.label << ":\n" << report;
    const std::size_t station = report.find("station file");
    EXPECT_EQ(report.substr(station, report.find("\n\n") + 1 - station), c.station_lines)
        << c.label;
    EXPECT_EQ(lines(report, "3 ")[0].substr(0, 60),
              "3      14/07/2009      -      -    -   -        -  -        ")
        << c.label;
  }
  EXPECT_EQ(window.diagnostics.str(), "");
}

// What a run would meet in the export, step by step: a step that fails ends the export.
TEST_F(Check, PicturesAFolderProblemWouldCostAreNamedWithTheReason) {
  struct Case {
    const char* label;
    std::map<std::string, bool> folders;
    int written;
    std::vector<std::string> chart_1;
  };
  const Case cases[] = {
      {"publication folder missing",
       {{"fc", true}, {"fc/previous_M3000F2_plots", true}},
       6,
       {"1      www/plotM1.gif                         not written: folder www missing",
        "1      fc/previous_M3000F2_plots/2009193.gif"}},
      {"publication folder not writable",
       {{"fc", true}, {"fc/previous_M3000F2_plots", true}, {"www", false}},
       6,
       {"1      www/plotM1.gif                         not written: folder www not writable",
        "1      fc/previous_M3000F2_plots/2009193.gif"}},
      {"archive folder missing",
       {{"fc", true}, {"www", true}},
       6,
       {"1      www/plotM1.gif",
        "1      fc/previous_M3000F2_plots/2009193.gif  not written: folder "
        "fc/previous_M3000F2_plots missing"}},
      {"a folder in place of a picture",
       {{"fc", true}, {"fc/previous_M3000F2_plots", true}, {"www", true}, {"www/plotM1.gif", true}},
       11,
       {"1      www/plotM1.gif                         not written: a folder is in its place",
        "1      fc/previous_M3000F2_plots/2009193.gif"}},
      {"a folder in place of the bitmap",
       {{"fc", true},
        {"fc/previous_M3000F2_plots", true},
        {"www", true},
        {"fc/grafico1.bmp", true}},
       10,
       {"1      www/plotM1.gif                         not written: temporary bitmap "
        "fc/grafico1.bmp not written: a folder is in its place",
        "1      fc/previous_M3000F2_plots/2009193.gif  not written: temporary bitmap "
        "fc/grafico1.bmp not written: a folder is in its place"}},
  };
  for (const Case& c : cases) {
    files().folders = c.folders;
    const std::string report = check(c.written == 12);
    EXPECT_EQ(pictures(report, 1), c.chart_1) << c.label;
    EXPECT_EQ(lines(report, "a run")[0],
              "a run would write " + std::to_string(c.written) + " of the twelve pictures")
        << c.label;
  }
}

TEST_F(Check, AMissingForecastFolderCostsEveryPictureItsBitmap) {
  files().files.erase("fc/072009.txt");
  files().folders = {{"www", true}};
  const std::string report = check(false);
  EXPECT_EQ(lines(report, "forecast  ")[0], "forecast       \"fc/\"                       missing");
  EXPECT_EQ(pictures(report, 6)[0],
            "6      www/plotM6.gif                         not written: temporary bitmap "
            "fc/grafico6.bmp not written: folder fc missing");
}

TEST_F(Check, FolderValuesAreMarkedAndTheSettingsWarningsGoWhereARunPutsThem) {
  files().files["/station/kurvo_M3000F2.ini"] = "\nfc\n\n\n\nwww/\n";
  files().folders = {{"fc", true}, {"www", false}};
  const std::string report = check(false);
  EXPECT_EQ(lines(report, "forecast  ")[0],
            "forecast       \"fc\"                        no final separator");
  EXPECT_EQ(lines(report, "measurement")[0],
            "measurement    \"\"                          the current directory");
  EXPECT_EQ(lines(report, "publication")[0],
            "publication    \"www/\"                      not writable");
  EXPECT_EQ(pictures(report, 1)[0],
            "1      www/plotM1.gif                        not written: folder www not writable");
  EXPECT_EQ(pictures(report, 1)[1],
            "1      fcprevious_M3000F2_plots/2009193.gif  not written: "
            "folder fcprevious_M3000F2_plots missing");
  EXPECT_EQ(window.diagnostics.str(),
            "kurvo_M3000F2: warning: line 2 of /station/kurvo_M3000F2.ini, \"fc\", does not end "
            "with a separator; file names are appended to it as it stands\n");
}

// A forecast folder that a run could not open for its lock (one it may write in but not
// read) ends the run before any picture, and the check says so.
TEST_F(Check, AForecastFolderThatCannotBeOpenedForItsLockCostsEveryPicture) {
  files().unreadable = {"fc"};
  const std::string report = check(false);
  EXPECT_EQ(lines(report, "forecast  ")[0],
            "forecast       \"fc/\"                       cannot be opened to lock it");
  EXPECT_EQ(pictures(report, 6)[1],
            "6      fc/previous_M3000F2_plots/2009198.gif  not written: the forecast folder "
            "cannot be opened for its lock");
  EXPECT_EQ(lines(report, "a run")[0], "a run would write 0 of the twelve pictures");
}

// A clean check means a clean run: a settings warning fails the check even when every
// picture would be written.
TEST_F(Check, ASettingsWarningFailsTheCheckThoughEveryPictureWouldBeWritten) {
  files().files["/station/kurvo_M3000F2.ini"] = "\nfc/\n\ndata/\n\n";
  const std::string report = check(false);
  EXPECT_TRUE(report.ends_with("\na run would write all twelve pictures\n")) << report;
  EXPECT_EQ(
      window.diagnostics.str(),
      "kurvo_M3000F2: warning: settings file /station/kurvo_M3000F2.ini has 5 of its 6 lines; "
      "the folders of the missing lines are the current directory\n");
}

TEST_F(Check, AMissingSettingsFileLeavesEveryFolderTheCurrentDirectory) {
  files().files.erase("/station/kurvo_M3000F2.ini");
  const std::string report = check(false);
  EXPECT_EQ(lines(report, "settings file")[0],
            "settings file  /station/kurvo_M3000F2.ini  cannot read: No such file or directory; "
            "every folder is the current directory");
  EXPECT_EQ(lines(report, "publication")[0],
            "publication    \"\"                          the current directory");
  EXPECT_EQ(pictures(report, 1)[0], "1      plotM1.gif");
}

}  // namespace
