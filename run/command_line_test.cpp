#include "run/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using namespace std::chrono;

TEST(CommandLine, DatesAreRealDaysWrittenYearMonthDay) {
  struct Case {
    std::string text;
    std::optional<year_month_day> expected;
  };
  const Case cases[] = {
      {"2009-07-17", 2009y / July / 17},   {"2012-02-29", 2012y / February / 29},
      {"1900-01-01", 1900y / January / 1}, {"2009-02-29", std::nullopt},
      {"2009-13-01", std::nullopt},        {"2009-7-17", std::nullopt},
      {"17/07/2009", std::nullopt},        {"2009-07-17x", std::nullopt},
      {"1899-12-31", std::nullopt},        {"", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parse_date(c.text), c.expected) << c.text;
}

struct Parsed {
  CommandLine command_line;
  std::string out, err;
};

Parsed parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "kurvo_M3000F2");
  std::ostringstream out, err;
  Parsed parsed{
      parse_command_line(static_cast<int>(arguments.size()), arguments.data(), out, err), {}, {}};
  parsed.out = out.str();
  parsed.err = err.str();
  return parsed;
}

TEST(CommandLine, NoArgumentsMeansTodayAndARun) {
  const Parsed parsed = parse({});
  EXPECT_FALSE(parsed.command_line.date);
  EXPECT_FALSE(parsed.command_line.exit_status);
  EXPECT_FALSE(parsed.command_line.check);
  EXPECT_EQ(parsed.out + parsed.err, "");
}

TEST(CommandLine, CheckAsksForTheReportOfTodayOrOfTheDateGiven) {
  EXPECT_TRUE(parse({"--check"}).command_line.check);
  const Parsed parsed = parse({"--date", "2009-07-17", "--check"});
  EXPECT_TRUE(parsed.command_line.check);
  EXPECT_EQ(parsed.command_line.date, 2009y / July / 17);
  EXPECT_FALSE(parsed.command_line.exit_status);
  EXPECT_EQ(parse({"--check", "--date", "2009-02-30"}).command_line.exit_status, 2);
}

TEST(CommandLine, DateMakesThatDayToday) {
  const Parsed parsed = parse({"--date", "2009-07-17"});
  EXPECT_EQ(parsed.command_line.date, 2009y / July / 17);
  EXPECT_FALSE(parsed.command_line.exit_status);
}

TEST(CommandLine, ArchiveTakesTwoDaysInOrderAndJsonAndMetricsGoWithAnything) {
  const Parsed parsed =
      parse({"--archive", "2025-12-30", "2026-01-02", "--json", "--metrics", "run.prom"});
  ASSERT_TRUE(parsed.command_line.archive);
  EXPECT_EQ(parsed.command_line.archive->from, 2025y / December / 30);
  EXPECT_EQ(parsed.command_line.archive->to, 2026y / January / 2);
  EXPECT_TRUE(parsed.command_line.json);
  EXPECT_EQ(parsed.command_line.metrics, "run.prom");
  EXPECT_FALSE(parsed.command_line.exit_status);

  const Parsed one_day = parse({"--check", "--archive", "2026-01-02", "2026-01-02"});
  EXPECT_TRUE(one_day.command_line.check);
  EXPECT_EQ(one_day.command_line.archive->from, one_day.command_line.archive->to);
  EXPECT_FALSE(parse({}).command_line.json);
  EXPECT_FALSE(parse({}).command_line.metrics);
}

TEST(CommandLine, HelpAndVersionGoToStandardOutput) {
  const Parsed help = parse({"--help"});
  EXPECT_EQ(help.command_line.exit_status, 0);
  EXPECT_NE(help.out.find("--date YYYY-MM-DD"), std::string::npos) << help.out;
  const Parsed version = parse({"--version"});
  EXPECT_EQ(version.command_line.exit_status, 0);
  EXPECT_EQ(version.out.rfind("kurvo_M3000F2 ", 0), 0u) << version.out;
}

TEST(CommandLine, UsageErrorsPrintOneLineAndTheUsageAndExitTwo) {
  const std::vector<std::vector<const char*>> bad = {
      {"--frobnicate"},
      {"extra"},
      {"--date"},
      {"--date", "2009-02-30"},
      {"--check", "extra"},
      {"--archive", "2026-01-02"},
      {"--archive", "2026-01-02", "2026-01-01"},
      {"--archive", "2026-01-01", "2026-02-30"},
      {"--archive", "2026-01-01", "2026-01-02", "--date", "2026-01-02"},
      {"--metrics"},
      {"--json", "yes"}};
  for (const auto& arguments : bad) {
    const Parsed parsed = parse(arguments);
    EXPECT_EQ(parsed.command_line.exit_status, 2) << arguments[0];
    EXPECT_EQ(parsed.out, "");
    EXPECT_EQ(parsed.err.rfind("kurvo_M3000F2: ", 0), 0u) << parsed.err;
    const auto first_line_end = parsed.err.find('\n');
    EXPECT_NE(parsed.err.find("Usage", first_line_end), std::string::npos) << parsed.err;
  }
}

}  // namespace
