#include <gtest/gtest.h>

#include "run/settings.h"
#include "testsupport/fake_platform.h"

namespace {

TEST(Settings, FoldersAreLinesTwoFourAndSixVerbatim) {
  struct Case {
    const char* label;
    std::string content;
    std::string previsioni, dati, gif;
    std::string warning;  // a part of the expected warning, "" for none
  };
  const Case cases[] = {
      {"six lines", "a\n/fc/\nb\n/data/\nc\n/www/\n", "/fc/", "/data/", "/www/", ""},
      {"CRLF and no final end", "a\r\nfc/\r\nb\r\ndata/\r\nc\r\nwww/", "fc/", "data/", "www/", ""},
      {"a seventh line changes nothing", "a\n/fc/\nb\n/data/\nc\n/www/\n/other/\n", "/fc/",
       "/data/", "/www/", ""},
      {"empty values", "\n\n\n\n\n\n", "", "", "", ""},
      {"trailing blanks are kept", "a\n/fc/  \nb\n/data/\nc\n/www/", "/fc/  ", "/data/", "/www/",
       "warning: line 2 of /station/kurvo_M3000F2.ini, \"/fc/  \", does not end with a "
       "separator"},
      {"short file", "a\n/fc/\nb\n", "/fc/", "", "",
       "warning: settings file /station/kurvo_M3000F2.ini has 3 of its 6 lines"},
      {"a folder without separator", "a\n/fc/\nb\n/data/\nc\n/www", "/fc/", "/data/", "/www",
       "line 6 of /station/kurvo_M3000F2.ini, \"/www\", does not end with a separator"},
  };
  for (const Case& c : cases) {
    FakePlatform window;
    window.files.files["/station/kurvo_M3000F2.ini"] = c.content;
    const Settings settings = read_settings("/station", window.files, window.diagnostics);
    EXPECT_EQ(settings.cartella_previsioni, c.previsioni) << c.label;
    EXPECT_EQ(settings.cartella_dati, c.dati) << c.label;
    EXPECT_EQ(settings.cartella_gif, c.gif) << c.label;
    EXPECT_EQ(settings.clean, c.warning.empty()) << c.label;
    if (c.warning.empty()) {
      EXPECT_EQ(window.diagnostics.str(), "") << c.label;
    } else {
      EXPECT_NE(window.diagnostics.str().find(c.warning), std::string::npos)
          << c.label << ": " << window.diagnostics.str();
    }
  }
}

// A settings file written where "\" is the separator names the same folders here; the
// report and the warnings show the lines as they stand.
TEST(Settings, FolderValuesReadABackslashAsASlashAndKeepTheirLines) {
  FakePlatform window;
  window.files.files["/station/kurvo_M3000F2.ini"] = "a\nfc\\\nb\n\\srv\\data\\\nc\nwww\\a\\b";
  const Settings settings = read_settings("/station", window.files, window.diagnostics);
  EXPECT_EQ(settings.cartella_previsioni, "fc/");
  EXPECT_EQ(settings.cartella_dati, "/srv/data/");
  EXPECT_EQ(settings.cartella_gif, "www/a/b");
  EXPECT_EQ(settings.forecast_line, "fc\\");
  EXPECT_EQ(settings.measurement_line, "\\srv\\data\\");
  EXPECT_EQ(settings.publication_line, "www\\a\\b");
  EXPECT_EQ(window.diagnostics.str(),
            "kurvo_M3000F2: warning: line 6 of /station/kurvo_M3000F2.ini, \"www\\a\\b\", does not "
            "end with a separator; file names are appended to it as it stands\n");
}

TEST(Settings, AMissingFileLeavesEveryFolderEmptyWithAWarning) {
  FakePlatform window;
  const Settings settings = read_settings("/station", window.files, window.diagnostics);
  EXPECT_EQ(settings.cartella_previsioni, "");
  EXPECT_EQ(settings.cartella_dati, "");
  EXPECT_EQ(settings.cartella_gif, "");
  EXPECT_EQ(settings.unreadable, "No such file or directory");
  EXPECT_FALSE(settings.clean);
  EXPECT_EQ(window.diagnostics.str(),
            "kurvo_M3000F2: warning: cannot read settings file /station/kurvo_M3000F2.ini: No "
            "such file or directory; every folder is the current directory\n");
}

// The current directory is taken as it is, a backslash in it a character of its name.
TEST(Settings, TheFileIsLookedForInTheCurrentDirectory) {
  struct Case {
    std::string current_directory;
    std::string programma;
  };
  const Case cases[] = {
      {"/srv/m3000f2", "/srv/m3000f2/"},
      {"/", "/"},
      {"/srv/m3000f2/r5\\rome", "/srv/m3000f2/r5\\rome/"},
  };
  for (const Case& c : cases) {
    FakePlatform window;
    EXPECT_EQ(
        read_settings(c.current_directory, window.files, window.diagnostics).cartella_programma,
        c.programma);
    EXPECT_EQ(window.files.opened, std::vector<std::string>{c.programma + "kurvo_M3000F2.ini"});
  }
}

TEST(MinuteTexts, RunFromZeroOneToFiftyNineThenZeroZero) {
  const MinuteTexts minuti = minute_texts();
  EXPECT_EQ(minuti(1), "01");
  EXPECT_EQ(minuti(9), "09");
  EXPECT_EQ(minuti(10), "10");
  EXPECT_EQ(minuti(59), "59");
  EXPECT_EQ(minuti(60), "00");
}

}  // namespace
