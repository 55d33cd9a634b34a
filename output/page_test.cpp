#include "output/page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "testsupport/xml_tree.h"

namespace {

using namespace std::chrono;
using Names = std::vector<std::string>;

// The six days ending on 3 July 2026, drawn on 4 July just after midnight; chart n's newest
// measurement is at 23:45 of its day.
PageContent sample_content() {
  PageContent content;
  content.station = "Rome";
  content.run_time = sys_days{2026y / July / 4} + 10min + 7s;
  const char* const labels[] = {"28/06/2026", "29/06/2026", "30/06/2026",
                                "01/07/2026", "02/07/2026", "03/07/2026"};
  for (int chart = 1; chart <= 6; ++chart) {
    const std::string n = std::to_string(chart);
    const sys_days day = sys_days{2026y / June / 27} + days{chart};
    content.charts[chart - 1] = {year_month_day{day},         labels[chart - 1],
                                 "plotM" + n + ".svg",        "plotM" + n + ".json",
                                 "Summary of day " + n + ".", day + 23h + 45min};
  }
  return content;
}

// The elements of the page's body, as a browser's parser finds them.
Names body_of(const std::string& page) {
  const Names all = elements_of(page, true);
  const auto body = std::find_if(all.begin(), all.end(),
                                 [](const std::string& e) { return e.rfind("body", 0) == 0; });
  return Names(body, all.end());
}

// The elements from the first that begins with `start` on, `count` of them (all when 0).
Names from(const Names& elements, const std::string& start, std::size_t count = 0) {
  const auto first = std::find_if(elements.begin(), elements.end(),
                                  [&](const std::string& e) { return e.rfind(start, 0) == 0; });
  const auto last = count == 0 || elements.end() - first <= static_cast<long>(count)
                        ? elements.end()
                        : first + static_cast<long>(count);
  return Names(first, last);
}

TEST(StationPage, ShowsTheSixChartsNewestFirstUnderTheirDates) {
  PageContent content = sample_content();
  content.archive = "archive/index.html";
  const Names body = body_of(station_page(content));
  EXPECT_EQ(Names(body.begin(), body.begin() + 6),
            (Names{
                "body",
                "h1 : M(3000)F2, Rome",
                "p : Drawn 2026-07-04 00:10 UT.",
                "p : Newest measurement taken 2026-07-03 23:45 UT.",
                "p",
                "a href=archive/index.html : Archive: every day's chart",
            }));
  Names expected{"main"};
  for (int chart = 6; chart >= 1; --chart) {
    const std::string n = std::to_string(chart);
    const std::string day = std::to_string(27 + chart);
    const bool july = chart > 3;
    const std::string iso = july ? "2026-07-0" + std::to_string(chart - 3) : "2026-06-" + day;
    const std::string spoken = july ? std::to_string(chart - 3) + " July 2026" : day + " June 2026";
    expected.insert(expected.end(), {"section", "h2", "time datetime=" + iso + " : " + spoken,
                                     "img src=plotM" + n + ".svg alt=Summary of day " + n +
                                         ". width=286 height=231",
                                     "p", "a href=plotM" + n + ".json : Data (JSON)"});
  }
  EXPECT_EQ(from(body, "main"), expected);
}

// Once, before the charts, each entry a swatch in the chart's colours and its words; the
// date example agrees with chart 6's own label.
TEST(StationPage, HasOneLegendInTheChartsColoursThatReadsTheirDate) {
  const Names body = body_of(station_page(sample_content()));
  EXPECT_EQ(std::count_if(body.begin(), body.end(),
                          [](const std::string& e) { return e.find("class=legend") != e.npos; }),
            1);
  const Names legend = from(body, "ul class=legend");
  const auto main = std::find(legend.begin(), legend.end(), "main");
  ASSERT_NE(main, legend.end());
  Names strokes;
  Names words;
  for (auto e = legend.begin(); e != main; ++e) {
    for (const char* colour : {"#ffffff", "#ff0000", "#00ff00"}) {
      if (e->rfind("polyline", 0) == 0 || e->rfind("line", 0) == 0) {
        if (e->find("stroke=" + std::string(colour)) != e->npos) strokes.push_back(colour);
      }
    }
    if (e->rfind("li : ", 0) == 0) words.push_back(e->substr(e->find_first_not_of('\n', 5)));
  }
  EXPECT_EQ(strokes, (Names{"#ffffff", "#ff0000", "#00ff00", "#00ff00"}));
  EXPECT_EQ(words, (Names{"Forecast: the month's hourly forecast",
                          "Measured: the station's values, joined where they follow closely",
                          "Not available: the station had no value",
                          "Across: time in hours of Universal Time (UT), 0 to 24. Up: M(3000)F2, "
                          "the M factor, 2.5 to 4.5. Above: the day, day/month/year (03/07/2026 is "
                          "3 July 2026)."}));
}

TEST(StationPage, SaysWhenTodaysDataAreStale) {
  const sys_days today = sys_days{2026y / July / 3};
  struct Case {
    const char* label;
    sys_seconds run_time;
    std::optional<sys_seconds> newest_today;  // chart 6's; chart 5's is at 23:45
    bool none_before = false;                 // no measurement on charts 1 to 5 either
    const char* expected;                     // the line after the title
  };
  const Case cases[] = {
      {"two hours old", today + 12h, today + 10h, false,
       "p : Newest measurement taken 2026-07-03 10:00 UT."},
      {"a second over two hours", today + 12h + 1s, today + 10h, false,
       "p class=stale : Stale data: no measurement for 2 hours; the newest was taken "
       "2026-07-03 10:00 UT."},
      {"none today", today + 10h + 7min, std::nullopt, false,
       "p class=stale : Stale data: no measurement for 10 hours 22 minutes; the newest was "
       "taken 2026-07-02 23:45 UT."},
      {"none today at 00:05", today + 5min, std::nullopt, false,
       "p class=stale : Stale data: no measurement for 20 minutes; the newest was taken "
       "2026-07-02 23:45 UT."},
      {"none for over a day", today + 23h + 59min, std::nullopt, false,
       "p class=stale : Stale data: no measurement for 1 day; the newest was taken 2026-07-02 "
       "23:45 UT."},
      {"none in six days", today + 3h, std::nullopt, true,
       "p class=stale : Stale data: no measurement in these six days."},
      {"newer than the run", today + 3h, today + 3h + 10min, false,
       "p : Newest measurement taken 2026-07-03 03:10 UT."},
      {"a day in the past", today + days{30}, today + 1h, false,
       "p : Newest measurement taken 2026-07-03 01:00 UT."},
      {"a day in the past without any", today + days{30}, std::nullopt, true,
       "p : No measurement in these six days."},
      {"a day not begun", today - 1h, std::nullopt, false,
       "p : Newest measurement taken 2026-07-02 23:45 UT."},
  };
  for (const Case& c : cases) {
    PageContent content = sample_content();
    content.run_time = c.run_time;
    content.charts[5].newest = c.newest_today;
    if (c.none_before) {
      for (PageChart& chart : content.charts) chart.newest.reset();
    }
    const Names body = body_of(station_page(content));
    const bool stale = std::string(c.expected).find("stale") != std::string::npos;
    // The notice comes first and says the newest time itself; otherwise the usual line
    // follows the time of drawing.
    EXPECT_EQ(body[stale ? 2 : 3], c.expected) << c.label;
    EXPECT_EQ(std::count_if(body.begin(), body.end(),
                            [](const std::string& e) {
                              return e.find("class=stale") != e.npos ||
                                     e.rfind("p : Newest", 0) == 0 || e.rfind("p : No ", 0) == 0;
                            }),
              1)
        << c.label;
  }
}

TEST(StationPage, ReloadsItselfAndLoadsNothingButItsCharts) {
  const std::string page = station_page(sample_content());
  EXPECT_EQ(page.rfind("<!DOCTYPE html>\n", 0), 0u);
  const Names all = elements_of(page, true);
  const Names head(all.begin() + 1, std::find(all.begin(), all.end(), "body"));
  ASSERT_EQ(head.size(), 6u);
  EXPECT_EQ(head[0], "head");
  EXPECT_EQ(head[1], "meta charset=utf-8");
  EXPECT_EQ(head[2], "meta name=viewport content=width=device-width, initial-scale=1");
  EXPECT_EQ(head[3], "meta http-equiv=refresh content=300");
  EXPECT_EQ(head[4], "title : M(3000)F2, Rome");
  EXPECT_NE(head[5].find("@media (prefers-color-scheme:dark)"), std::string::npos) << head[5];
  EXPECT_NE(head[5].find("img{display:block;width:100%;max-width:572px"), std::string::npos);
  for (const std::string& e : all) {
    EXPECT_EQ(e.find("url("), std::string::npos) << e;
    EXPECT_NE(e.rfind("script", 0), 0u) << e;
    EXPECT_NE(e.rfind("link", 0), 0u) << e;
  }
}

TEST(StationPage, ShowsTextFromFilesAsTextAndLeavesOutWhatTheRunHasNot) {
  PageContent content = sample_content();
  content.station = "<script>alert(1)</script> & \"Sud\"";
  content.charts[5].summary = "Values \"high\" & <low>\x01.";
  content.charts[5].picture = "plotM6.gif";
  content.charts[4].picture.reset();
  for (PageChart& chart : content.charts) {
    chart.json.reset();
    chart.newest.reset();
  }

  const Names body = body_of(station_page(content));
  EXPECT_EQ(body[1], "h1 : M(3000)F2, <script>alert(1)</script> & \"Sud\"");
  EXPECT_EQ(body[3], "p : No measurement in these six days.");
  EXPECT_EQ(body[4], "ul class=legend");  // no link to the archive
  const Names main = from(body, "main");
  ASSERT_EQ(main.size(), 1u + 6u * 4u);
  EXPECT_EQ(main[4],
            "img src=plotM6.gif alt=Values \"high\" & <low>\xEF\xBF\xBD. width=286 height=231");
  EXPECT_EQ(main[5], "section");  // no link to data
  EXPECT_EQ(main[7], "time datetime=2026-07-02 : 2 July 2026");
  EXPECT_EQ(main[8], "p : This chart could not be updated.");  // no picture
  EXPECT_EQ(main[9], "section");
}

}  // namespace
