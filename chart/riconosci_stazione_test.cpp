#include <gtest/gtest.h>

#include "chart/riconosci_stazione.h"
#include "testsupport/chart_day.h"

namespace {

TEST(StationRecognition, TheFirstLineOfTheFirstFileNamesTheFamily) {
  struct Case {
    std::string first_line;
    int family;
    std::string code_0, code_13, code_23;
  };
  const Case cases[] = {
      {"Gibilmanna 38.0N 14.0E", 1, "A", "N", "X"},
      {"Moscow", 1, "A", "N", "X"},
      {"Tucuman", 2, "00", "13", "23"},
      {"Bahia Blanca", 3, "00", "13", "23"},
      {"Rome", 4, "00", "13", "23"},
      {"Romeo", 4, "00", "13", "23"},
      {"La_Spezia", 5, "00", "13", "23"},
      {"Mali", 6, "00", "13", "23"},
      {"gibilmanna", 0, "", "", ""},
      {"ROME", 0, "", "", ""},
      {"Rom", 0, "", "", ""},
      {"La Spezia", 0, "", "", ""},
      {" Rome", 0, "", "", ""},
      {"", 0, "", "", ""},
  };
  for (const Case& c : cases) {
    ChartDay day;
    day.files.files["/station/data/first.txt"] = c.first_line + "\r\nsecond line\r\n";
    const Station stazione = day.stazione();
    EXPECT_EQ(stazione.famiglia_stazione, c.family) << c.first_line;
    EXPECT_EQ(stazione.primo_file, "first.txt");
    EXPECT_EQ(stazione.first_line, c.first_line);
    EXPECT_EQ(stazione.codici_ora(0), c.code_0) << c.first_line;
    EXPECT_EQ(stazione.codici_ora(13), c.code_13) << c.first_line;
    EXPECT_EQ(stazione.codici_ora(23), c.code_23) << c.first_line;
  }
}

TEST(StationRecognition, OnlyTheSmallestVisibleNameIsRead) {
  ChartDay day;
  day.files.files["/station/data/.hidden"] = "Mali\n";
  day.files.files["/station/data/RM041_2009195134500.TXT"] = "Rome\n";
  day.files.files["/station/data/Z.TXT"] = "Tucuman\n";
  const Station stazione = day.stazione();
  EXPECT_EQ(stazione.famiglia_stazione, 4);
  EXPECT_EQ(stazione.primo_file, "RM041_2009195134500.TXT");
  EXPECT_EQ(day.files.opened, std::vector<std::string>{"/station/data/RM041_2009195134500.TXT"});
}

TEST(StationRecognition, AnEmptyFolderOrAnEmptyFirstFileGivesNoFamily) {
  ChartDay day;
  day.files.folders["/station/data"] = true;
  Station stazione = day.stazione();
  EXPECT_EQ(stazione.famiglia_stazione, 0);
  EXPECT_EQ(stazione.primo_file, "");
  EXPECT_TRUE(day.files.opened.empty());

  day.files.files["/station/data/a.txt"] = "";
  stazione = day.stazione();
  EXPECT_EQ(stazione.famiglia_stazione, 0);
  EXPECT_EQ(stazione.primo_file, "a.txt");
  EXPECT_FALSE(stazione.first_line_read);
}

TEST(MeasurementFileNames, FollowEachFamilysConvention) {
  struct Case {
    std::string station;
    int family, hour, minute_index;
    std::string name;
  };
  const Case cases[] = {
      {"Gibilmanna", 1, 13, 45, "09195N45.TXT"},
      {"Gibilmanna", 1, 0, 60, "09195A00.TXT"},
      {"Tucuman", 2, 13, 45, "TUJ2O_20091951345.TXT"},
      {"Bahia Blanca", 3, 13, 45, "BBJ3R_20091951345.TXT"},
      {"Rome", 4, 13, 45, "RM041_2009195134500.TXT"},
      {"La_Spezia", 5, 9, 5, "SP044_2009195090500.TXT"},
      {"Mali", 6, 23, 60, "ML10L_2009195230000.TXT"},
  };
  for (const Case& c : cases) {
    ChartDay day;  // 14 July 2009, day 195
    day.files.files["/station/data/s"] = c.station;
    const Station stazione = day.stazione();
    ASSERT_EQ(stazione.famiglia_stazione, c.family);
    EXPECT_EQ(nome_file_misura(stazione, "/station/data/", "072009", "195", c.hour,
                               day.minuti(c.minute_index)),
              "/station/data/" + c.name);
  }
}

TEST(MeasurementFileNames, CarryTheYearOfTheChartsDay) {
  ChartDay day;
  day.files.files["/station/data/s"] = "Gibilmanna";
  EXPECT_EQ(nome_file_misura(day.stazione(), "", "012010", "002", 1, "01"), "10002B01.TXT");
}

}  // namespace
