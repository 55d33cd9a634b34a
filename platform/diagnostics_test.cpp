// Tests of the message writer and its escaping of names taken from the file system.
#include "platform/diagnostics.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(Escaped, ShowsEveryCharacterThatActsOnADisplay) {
  struct Case {
    std::string text;
    std::string shown;
  } const cases[] = {
      {"plain RM041_2026179000000.TXT", "plain RM041_2026179000000.TXT"},
      {"Ro\xc3\xa8me \xe2\x82\xac", "Ro\xc3\xa8me \xe2\x82\xac"},  // UTF-8 kept
      {"a\nb\rc\td", "a\\nb\\rc\\td"},
      {"\x1b]0;title\x07", "\\x1b]0;title\\x07"},
      {"\x1b[2J", "\\x1b[2J"},
      {std::string("nul\0byte", 8), "nul\\x00byte"},
      {"del\x7f", "del\\x7f"},
      {"c1 byte \x9b", "c1 byte \\x9b"},        // not UTF-8 on its own
      {"c1 char \xc2\x9b", "c1 char \\u009b"},  // U+009B encoded
      {"rlo \xe2\x80\xae", "rlo \\u202e"},      // U+202E
      {"isolate \xe2\x81\xa6", "isolate \\u2066"},
      {"bad \xff\xfe", "bad \\xff\\xfe"},
      {"overlong \xc0\xaf", "overlong \\xc0\\xaf"},
      {"surrogate \xed\xa0\x80", "surrogate \\xed\\xa0\\x80"},
      {"cut \xe2\x82", "cut \\xe2\\x82"},
  };
  for (const Case& c : cases) EXPECT_EQ(escaped(c.text), c.shown) << c.shown;
}

TEST(Diagnostics, PrefixesTheProgramAndEscapesTheWholeLine) {
  std::ostringstream out;
  Diagnostics diagnostics(out);
  diagnostics.Error("cannot write www/plotM1.gif: No space left on device");
  diagnostics.Warning("station file data/\x1b[2J\nforged");
  EXPECT_EQ(out.str(),
            "kurvo_M3000F2: cannot write www/plotM1.gif: No space left on device\n"
            "kurvo_M3000F2: warning: station file data/\\x1b[2J\\nforged\n");
}

TEST(Diagnostics, BeginsEachLineWithItsPriorityOnTheJournal) {
  std::ostringstream journal;
  Diagnostics run(journal, Diagnostics::Shown::journal);
  run.Error("cannot list measurement folder data/: No such file or directory");
  run.Warning("cannot open font a.ttf\n<3>forged; labels use the built-in font");
  run.Progress("day 1 of 2, 2026-07-01");
  run.EndProgress();
  run.Hint("Try 'kurvo_M3000F2 --help' for more information.");
  EXPECT_EQ(journal.str(),
            "<3>kurvo_M3000F2: cannot list measurement folder data/: No such file or directory\n"
            "<4>kurvo_M3000F2: warning: cannot open font a.ttf\\n<3>forged; labels use the "
            "built-in font\n"
            "<6>Try 'kurvo_M3000F2 --help' for more information.\n");
}

TEST(Diagnostics, GivesAWarningOncePerKey) {
  std::ostringstream out;
  Diagnostics diagnostics(out);
  diagnostics.WarningOnce("062026", "no forecast for 062026");
  diagnostics.WarningOnce("062026", "no forecast for 062026");
  diagnostics.WarningOnce("072026", "no forecast for 072026");
  EXPECT_EQ(out.str(),
            "kurvo_M3000F2: warning: no forecast for 062026\n"
            "kurvo_M3000F2: warning: no forecast for 072026\n");
}

TEST(Diagnostics, RewritesTheProgressLineOnATerminalOnly) {
  std::ostringstream terminal;
  Diagnostics on_terminal(terminal, Diagnostics::Shown::terminal);
  on_terminal.Progress("day 1 of 2, 2026-07-01");
  on_terminal.Error("cannot write a.gif: Permission denied");
  on_terminal.Progress("day 2 of 2, 2026-07-02\x1b");
  on_terminal.EndProgress();
  on_terminal.EndProgress();
  EXPECT_EQ(terminal.str(),
            "\r\x1b[Kkurvo_M3000F2: day 1 of 2, 2026-07-01"
            "\r\x1b[Kkurvo_M3000F2: cannot write a.gif: Permission denied\n"
            "\r\x1b[Kkurvo_M3000F2: day 2 of 2, 2026-07-02\\x1b\n");

  std::ostringstream log;
  Diagnostics to_log(log);
  to_log.Progress("day 1 of 2, 2026-07-01");
  to_log.Error("cannot write a.gif: Permission denied");
  to_log.EndProgress();
  EXPECT_EQ(log.str(), "kurvo_M3000F2: cannot write a.gif: Permission denied\n");
}

}  // namespace
