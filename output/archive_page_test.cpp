#include "output/archive_page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "testsupport/memory_file_system.h"
#include "testsupport/xml_tree.h"

namespace {

using namespace std::chrono;
using Names = std::vector<std::string>;

std::vector<ArchivedDay> archived_days(const Names& names) {
  ArchivedDays archived;
  for (const std::string& name : names) archived.Add(name);
  return archived.Days();
}

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
  EXPECT_EQ(Names(body + 1, body + 3),
            (Names{"h1 : M(3000)F2 archive, Rome",
                   "p : Every day from 2025-12-31 to 2026-01-02, newest first: 3 days, 1 without "
                   "a picture. Each day links its chart (GIF) and, where the archive holds them, "
                   "its SVG and its data (JSON)."}));
  EXPECT_EQ(std::count(all.begin(), all.end(), "th : Mon"), 2);
  EXPECT_EQ(std::count(all.begin(), all.end(), "th : Sun"), 2);
}

// A stray name of 1900 makes a span of 126 years but no page of 1,500 months.
TEST(ArchivePage, LeavesOutTheMonthsWithoutAnArchivedDay) {
  ArchivePageContent content;
  content.station = "Rome";
  content.days = archived_days({"1900001.gif", "2026002.gif"});
  const std::string page = archive_page(content);
  Names headings;
  for (const std::string& line : calendar_of(page)) {
    if (line.front() != '|') headings.push_back(line);
  }
  EXPECT_EQ(headings,
            (Names{"h2 : 2026", "caption : January 2026", "h2 : 1900", "caption : January 1900"}));
  EXPECT_NE(page.find("newest first: 46023 days, 46021 without a picture."), std::string::npos);
  EXPECT_LT(page.size(), 12'000u);
}

TEST(ArchivePage, LooksAsTheStationPageDoesAndLinksItWhereItCan) {
  ArchivePageContent content;
  content.station = "<b>Rome</b> & \"Sud\"";
  const std::string alone = archive_page(content);
  const Names all = elements_of(alone, true);
  const Names head(all.begin() + 1, std::find(all.begin(), all.end(), "body"));
  ASSERT_EQ(head.size(), 6u);  // no reload: the archive changes once a day
  EXPECT_EQ(
      head[3].rfind("meta name=generator content=kurvo_M3000F2 " KURVO_VERSION ", archive ", 0), 0u)
      << head[3];
  EXPECT_EQ(head[4], "title : M(3000)F2 archive, <b>Rome</b> & \"Sud\"");
  EXPECT_NE(head[5].find("@media (prefers-color-scheme:dark)"), std::string::npos) << head[5];
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

namespace {

// The archive folder of a station in memory, with the pictures of two days.
class UpdatedArchivePage : public ::testing::Test {
 protected:
  UpdatedArchivePage() {
    files.files[kFolder + "2026184.gif"] = "GIF89a";
    files.files[kFolder + "2026185.gif"] = "GIF89a";
  }

  // Updates the page and tells whether it was written, by a mark that the last update left
  // at its end and a rewrite removes.
  bool rewritten_by_update(const std::string& station, bool linked) {
    std::string err;
    EXPECT_TRUE(update_archive_page(files, "/station/fc/", station, linked, &err)) << err;
    const bool rewritten = files.files.at(kPage).find("<!-- seen -->") == std::string::npos;
    files.files[kPage] += "<!-- seen -->";
    return rewritten;
  }

  const std::string kFolder = "/station/fc/previous_M3000F2_plots/";
  const std::string kPage = kFolder + "index.html";
  MemoryFileSystem files;
};

TEST_F(UpdatedArchivePage, IsWrittenOnlyWhenWhatItShowsChanges) {
  ASSERT_TRUE(rewritten_by_update("Rome", false));
  EXPECT_NE(files.files[kPage].find("<a href=\"2026185.gif\">4</a>"), std::string::npos);

  struct Step {
    const char* label;
    std::function<void(MemoryFileSystem&)> change;
    const char* station;
    bool linked;
    bool rewritten;
  };
  const Step steps[] = {
      {"nothing changed", [](MemoryFileSystem&) {}, "Rome", false, false},
      {"a picture replaced",
       [](MemoryFileSystem& f) {
         f.files["/station/fc/previous_M3000F2_plots/2026185.gif"] = "GIF87a";
       },
       "Rome", false, false},
      {"a new day",
       [](MemoryFileSystem& f) {
         f.files["/station/fc/previous_M3000F2_plots/2026186.gif"] = "GIF89a";
       },
       "Rome", false, true},
      {"a data file",
       [](MemoryFileSystem& f) {
         f.files["/station/fc/previous_M3000F2_plots/2026186.json"] = "{}";
       },
       "Rome", false, true},
      {"another station", [](MemoryFileSystem&) {}, "Milan", false, true},
      {"linked", [](MemoryFileSystem&) {}, "Milan", true, true},
      {"a day deleted",
       [](MemoryFileSystem& f) { f.files.erase("/station/fc/previous_M3000F2_plots/2026184.gif"); },
       "Milan", true, true},
      {"the page spoiled",
       [](MemoryFileSystem& f) {
         f.files["/station/fc/previous_M3000F2_plots/index.html"] = "<html>";
       },
       "Milan", true, true},
  };
  for (const Step& step : steps) {
    step.change(files);
    EXPECT_EQ(rewritten_by_update(step.station, step.linked), step.rewritten) << step.label;
  }
}

TEST_F(UpdatedArchivePage, SaysWhyItCannotBeWritten) {
  std::string err;
  EXPECT_FALSE(update_archive_page(files, "/station/missing/", "Rome", false, &err));
  EXPECT_EQ(err, "cannot list its folder: No such file or directory");
  files.folders["/station/fc/previous_M3000F2_plots"] = false;
  EXPECT_FALSE(update_archive_page(files, "/station/fc/", "Rome", false, &err));
  EXPECT_EQ(err, "Permission denied");
}

}  // namespace
