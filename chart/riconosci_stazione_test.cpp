#include <gtest/gtest.h>

#include "testsupport/fake_platform.h"

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
    RecordingWindow window;
    window.form.cartella_dati = "/station/data/";
    window.files.files["/station/data/first.txt"] = c.first_line + "\r\nsecond line\r\n";
    std::string primo_file;
    EXPECT_EQ(window.form.riconosci_stazione(&primo_file), c.family) << c.first_line;
    EXPECT_EQ(primo_file, "first.txt");
    EXPECT_EQ(window.form.codici_ora(0), c.code_0) << c.first_line;
    EXPECT_EQ(window.form.codici_ora(13), c.code_13) << c.first_line;
    EXPECT_EQ(window.form.codici_ora(23), c.code_23) << c.first_line;
  }
}

TEST(StationRecognition, OnlyTheSmallestVisibleNameIsRead) {
  RecordingWindow window;
  window.form.cartella_dati = "/station/data/";
  window.files.files["/station/data/.hidden"] = "Mali\n";
  window.files.files["/station/data/RM041_2009195134500.TXT"] = "Rome\n";
  window.files.files["/station/data/Z.TXT"] = "Tucuman\n";
  std::string primo_file;
  EXPECT_EQ(window.form.riconosci_stazione(&primo_file), 4);
  EXPECT_EQ(primo_file, "RM041_2009195134500.TXT");
  EXPECT_EQ(window.files.opened, std::vector<std::string>{"/station/data/RM041_2009195134500.TXT"});
}

TEST(StationRecognition, AnEmptyFolderOrALaterFailureGivesNoFamilyAndKeepsTheCodes) {
  RecordingWindow window;
  window.form.cartella_dati = "/station/data/";
  std::string primo_file;
  EXPECT_EQ(window.form.riconosci_stazione(&primo_file), 0);
  EXPECT_EQ(primo_file, "");
  EXPECT_TRUE(window.files.opened.empty());

  window.files.files["/station/data/a.txt"] = "Gibilmanna\n";
  EXPECT_EQ(window.form.riconosci_stazione(&primo_file), 1);
  window.files.files["/station/data/a.txt"] = "";
  EXPECT_EQ(window.form.riconosci_stazione(&primo_file), 0);
  EXPECT_EQ(window.form.codici_ora(13), "N");
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
    RecordingWindow window;  // chart 3 of a run on 17 July 2009: 14 July, day 195
    window.form.cartella_dati = "/station/data/";
    window.files.files["/station/data/s"] = c.station;
    std::string primo_file;
    ASSERT_EQ(window.form.riconosci_stazione(&primo_file), c.family);
    EXPECT_EQ(window.form.nome_file_misura(c.family, "072009", c.hour, c.minute_index),
              "/station/data/" + c.name);
  }
}

TEST(MeasurementFileNames, CarryTheYearOfTheChartsDay) {
  RecordingWindow window(std::chrono::year{2010} / std::chrono::January / 4, 4);
  window.form.cartella_dati = "";
  window.files.files["s"] = "Gibilmanna";
  std::string primo_file;
  ASSERT_EQ(window.form.riconosci_stazione(&primo_file), 1);
  ASSERT_EQ(window.form.chiave_mese(4), "012010");
  EXPECT_EQ(window.form.nome_file_misura(1, "012010", 1, 1), "10002B01.TXT");
}

}  // namespace
