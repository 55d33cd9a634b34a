#include "run/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "platform/clock.h"
#include "testsupport/captured_diagnostics.h"

namespace {

using namespace std::chrono;

TEST(CommandLine, DatesAreRealDaysWrittenYearMonthDay) {
  struct Case {
    std::string text;
    std::optional<year_month_day> expected;
  };
  const Case cases[] = {
      {"2009-07-17", 2009y / July / 17},     {"2012-02-29", 2012y / February / 29},
      {"1900-01-01", 1900y / January / 1},   {"2009-02-29", std::nullopt},
      {"2009-13-01", std::nullopt},          {"2009-7-17", std::nullopt},
      {"17/07/2009", std::nullopt},          {"2009-07-17x", std::nullopt},
      {"1899-12-31", std::nullopt},          {"", std::nullopt},
      {"9999-12-31", 9999y / December / 31}, {"+999-12-31", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parse_date(c.text), c.expected) << c.text;
}

struct Parsed {
  CommandLine command_line;
  std::string out, err;
};

Parsed parse(std::vector<const char*> arguments) {
  arguments.insert(arguments.begin(), "kurvo_M3000F2");
  std::ostringstream out;
  CapturedDiagnostics err;
  Parsed parsed{
      parse_command_line(static_cast<int>(arguments.size()), arguments.data(), out, err), {}, {}};
  parsed.out = out.str();
  parsed.err = err.str();
  return parsed;
}

TEST(CommandLine, NoArgumentsMeansTodayAndAPlainRun) {
  const Parsed parsed = parse({});
  const CommandLine& c = parsed.command_line;
  EXPECT_FALSE(c.date);
  EXPECT_FALSE(c.archive);
  EXPECT_FALSE(c.check || c.json || c.svg || c.page);
  EXPECT_FALSE(c.metrics_file);
  EXPECT_FALSE(c.exit_status);
  EXPECT_EQ(parsed.out + parsed.err, "");
}

TEST(CommandLine, EveryOptionSetsItsFieldInAnyOrderAndAbbreviated) {
  const Parsed parsed =
      parse({"--svg", "--metrics", "m.prom", "--chec", "--date=2009-07-17", "--json", "--pa"});
  const CommandLine& c = parsed.command_line;
  EXPECT_FALSE(c.exit_status) << parsed.err;
  EXPECT_EQ(c.date, 2009y / July / 17);
  EXPECT_TRUE(c.check && c.json && c.svg && c.page);
  EXPECT_EQ(c.metrics_file, "m.prom");
  EXPECT_FALSE(c.archive);
}

TEST(CommandLine, ArchiveTakesTwoDatesFromTheCommandLineAndCheckAcceptsThem) {
  for (const auto& arguments :
       std::vector<std::vector<const char*>>{{"--archive", "2008-12-30", "2009-01-02", "--check"},
                                             {"--check", "--archive=2008-12-30", "2009-01-02"},
                                             {"--arch", "2008-12-30", "2009-01-02", "--check"}}) {
    const Parsed parsed = parse(arguments);
    const CommandLine& c = parsed.command_line;
    EXPECT_FALSE(c.exit_status) << parsed.err;
    ASSERT_TRUE(c.archive) << arguments[0];
    EXPECT_EQ(c.archive->from, 2008y / December / 30);
    EXPECT_EQ(c.archive->to, 2009y / January / 2);
    EXPECT_TRUE(c.check);
    EXPECT_FALSE(c.date);
  }
  const Parsed one_day = parse({"--archive", "2009-07-17", "2009-07-17"});
  ASSERT_TRUE(one_day.command_line.archive);
  EXPECT_EQ(one_day.command_line.archive->from, one_day.command_line.archive->to);
}

TEST(CommandLine, HelpOrVersionEndsAtOnceWithoutLookingFurther) {
  const Parsed help = parse({"--help", "--frobnicate"});
  EXPECT_EQ(help.command_line.exit_status, 0);
  EXPECT_TRUE(help.out.starts_with("Usage: kurvo_M3000F2 [OPTION]...\n"));
  EXPECT_EQ(help.err, "");
  const Parsed version = parse({"--vers"});
  EXPECT_EQ(version.command_line.exit_status, 0);
  EXPECT_TRUE(version.out.starts_with("kurvo_M3000F2 " KURVO_VERSION "\n")) << version.out;
}

}  // namespace
