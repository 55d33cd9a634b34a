#include "output/archive_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "testsupport/xml_tree.h"

namespace {

using namespace std::chrono;
using Names = std::vector<std::string>;

std::string described(const ArchivedDay& day) {
  return format_date(year_month_day{day.day}) + (day.gif ? " gif" : "") + (day.svg ? " svg" : "") +
         (day.json ? " json" : "");
}

TEST(ArchivedDays, AreTheDaysOfTheArchivesOwnNamesOldestFirst) {
  const Names names = {
      "2026184.json", "2026185.gif", "2026184.gif", "2024366.gif", "2026184.svg",
      // None of the archive's own: a day that does not exist, a year before 1900, other
      // letter case or extension, a temporary file, the page itself, a misnamed file.
      "2025366.gif", "2026000.gif", "1899365.gif", "2026184.GIF", "2026184.png",
      ".2026184.gif.k2P9xQ", "2026184.gif.k2P9xQ", "index.html", "20261840.gif", "202618.gif",
      "2026x84.gif", "2026184.svg.bak", ""};
  Names days;
  for (const ArchivedDay& day : archived_days(names)) days.push_back(described(day));
  EXPECT_EQ(days, (Names{"2024-12-31 gif", "2026-07-03 gif svg json", "2026-07-04 gif"}));
}

// The body's years, month captions and weeks: a week as its cells, each after a "|": a
// day's links as "text:address", a day without picture as its number and "no picture", a
// day of the month outside the span as "(number)", a cell of no day of the month empty.
Names calendar_of(const std::string& page) {
  Names calendar;
  std::string week;
  const auto end_week = [&] {
    if (!week.empty()) calendar.push_back(week);
    week.clear();
  };
  for (const std::string& e : elements_of(page, true)) {
    const std::size_t colon = e.find(" : ");
    std::string text = colon == std::string::npos ? "" : e.substr(colon + 3);
    text.erase(text.find_last_not_of('\n') + 1);
    if (e.rfind("h2 : ", 0) == 0 || e.rfind("caption : ", 0) == 0) {
      end_week();
      calendar.push_back(e);
    } else if (e == "tr") {
      end_week();
    } else if (e.rfind("td class=out", 0) == 0) {
      week += "|(" + text + ")";
    } else if (e.rfind("td", 0) == 0) {
      week += "|" + text;
    } else if (e.rfind("a ", 0) == 0 && !week.empty()) {
      const std::size_t href = e.find("href=") + 5;
      week += (week.back() == '|' ? "" : " ") + text + ":" + e.substr(href, colon - href);
    } else if (e.rfind("small : ", 0) == 0) {
      week += " " + text;
    }
  }
  end_week();
  return calendar;
}

TEST(ArchivePage, ShowsTheMonthsNewestFirstAsCalendarsFromMonday) {
  ArchivePageContent content;
  content.station = "Rome";
  content.run_time = sys_days{2026y / January / 2} + 10h + 17min;
  content.days = archived_days({"2025365.gif", "2026002.gif", "2026002.svg", "2026002.json"});
  const std::string page = archive_page(content);

  const Names empty_week = {"|||||||"};
  const Names expected = {
      "h2 : 2026",
      "caption : January 2026",
      "||||1 no picture|2:2026002.gif SVG:2026002.svg JSON:2026002.json|(3)|(4)",
      "|(5)|(6)|(7)|(8)|(9)|(10)|(11)",
      "|(12)|(13)|(14)|(15)|(16)|(17)|(18)",
      "|(19)|(20)|(21)|(22)|(23)|(24)|(25)",
      "|(26)|(27)|(28)|(29)|(30)|(31)|",
      "h2 : 2025",
      "caption : December 2025",
      "|(1)|(2)|(3)|(4)|(5)|(6)|(7)",
      "|(8)|(9)|(10)|(11)|(12)|(13)|(14)",
      "|(15)|(16)|(17)|(18)|(19)|(20)|(21)",
      "|(22)|(23)|(24)|(25)|(26)|(27)|(28)",
      "|(29)|(30)|31:2025365.gif||||",
  };
  EXPECT_EQ(calendar_of(page), expected);

  const Names all = elements_of(page, true);
  const auto body = std::find(all.begin(), all.end(), "body");
  ASSERT_NE(body, all.end());
  EXPECT_EQ(Names(body + 1, body + 4),
            (Names{"h1 : M(3000)F2 archive, Rome", "p : Drawn 2026-01-02 10:17 UT.",
                   "p : Every day from 2025-12-31 to 2026-01-02, newest first: 3 days, 1 without "
                   "a picture. Each day links its chart (GIF) and, where the archive holds them, "
                   "its SVG and its data (JSON)."}));
  EXPECT_EQ(std::count(all.begin(), all.end(), "th : Mon"), 2);
  EXPECT_EQ(std::count(all.begin(), all.end(), "th : Sun"), 2);
}

TEST(ArchivePage, LooksAsTheStationPageDoesAndLinksItWhereItCan) {
  ArchivePageContent content;
  content.station = "<b>Rome</b> & \"Sud\"";
  content.run_time = sys_days{2026y / July / 3} + 23h;
  const std::string alone = archive_page(content);
  const Names all = elements_of(alone, true);
  const Names head(all.begin() + 1, std::find(all.begin(), all.end(), "body"));
  ASSERT_EQ(head.size(), 5u);  // no reload: the archive changes once a day
  EXPECT_EQ(head[3], "title : M(3000)F2 archive, <b>Rome</b> & \"Sud\"");
  EXPECT_NE(head[4].find("@media (prefers-color-scheme:dark)"), std::string::npos) << head[4];
  EXPECT_NE(std::find(all.begin(), all.end(), "p : No day is archived yet."), all.end());
  EXPECT_EQ(std::count_if(all.begin(), all.end(),
                          [](const std::string& e) { return e.rfind("a ", 0) == 0; }),
            0);

  content.station_page = "../index.html";
  const Names linked = elements_of(archive_page(content), true);
  EXPECT_NE(std::find(linked.begin(), linked.end(),
                      "a href=../index.html : The station page: the last six days"),
            linked.end());
}

}  // namespace
