#include "output/page.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "testsupport/xml_tree.h"

namespace {

using namespace std::chrono;
using Names = std::vector<std::string>;

PageContent sample_content() {
  PageContent content;
  content.station = "Rome";
  content.run_time = sys_days{2026y / July / 4} + 10min + 7s;
  for (int chart = 1; chart <= 6; ++chart) {
    const std::string n = std::to_string(chart);
    content.charts[chart - 1] = {"2026-06-2" + n, "plotM" + n + ".svg", "plotM" + n + ".json",
                                 "Summary of day " + n + "."};
  }
  content.newest_measurement = sys_days{2026y / July / 3} + 23h + 45min;
  return content;
}

// The elements of the page's body, as a browser's parser finds them.
Names body_of(const std::string& page) {
  const Names all = elements_of(page, true);
  const auto body = std::find_if(all.begin(), all.end(),
                                 [](const std::string& e) { return e.rfind("body", 0) == 0; });
  return Names(body, all.end());
}

TEST(StationPage, ShowsTheSixChartsNewestFirstUnderTheirDates) {
  EXPECT_EQ(body_of(station_page(sample_content())),
            (Names{
                "body",
                "h1 : M(3000)F2, Rome",
                "p : Drawn 2026-07-04 00:10 UT.",
                "p : Newest measurement taken 2026-07-03 23:45 UT.",
                "main",
                "section",
                "h2 : 2026-06-26",
                "img src=plotM6.svg alt=Summary of day 6. width=286 height=231",
                "p",
                "a href=plotM6.json : Data (JSON)",
                "section",
                "h2 : 2026-06-25",
                "img src=plotM5.svg alt=Summary of day 5. width=286 height=231",
                "p",
                "a href=plotM5.json : Data (JSON)",
                "section",
                "h2 : 2026-06-24",
                "img src=plotM4.svg alt=Summary of day 4. width=286 height=231",
                "p",
                "a href=plotM4.json : Data (JSON)",
                "section",
                "h2 : 2026-06-23",
                "img src=plotM3.svg alt=Summary of day 3. width=286 height=231",
                "p",
                "a href=plotM3.json : Data (JSON)",
                "section",
                "h2 : 2026-06-22",
                "img src=plotM2.svg alt=Summary of day 2. width=286 height=231",
                "p",
                "a href=plotM2.json : Data (JSON)",
                "section",
                "h2 : 2026-06-21",
                "img src=plotM1.svg alt=Summary of day 1. width=286 height=231",
                "p",
                "a href=plotM1.json : Data (JSON)",
            }));
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
  for (PageChart& chart : content.charts) chart.json.reset();
  content.newest_measurement.reset();

  const Names body = body_of(station_page(content));
  ASSERT_EQ(body.size(), 5u + 6u * 3u);
  EXPECT_EQ(body[1], "h1 : M(3000)F2, <script>alert(1)</script> & \"Sud\"");
  EXPECT_EQ(body[3], "p : No measurement in these six days.");
  EXPECT_EQ(body[7],
            "img src=plotM6.gif alt=Values \"high\" & <low>\xEF\xBF\xBD. width=286 height=231");
  EXPECT_EQ(body[8], "section");  // no link to data
  EXPECT_EQ(body[9], "h2 : 2026-06-25");
  EXPECT_EQ(body[10], "p : This chart could not be updated.");  // no picture
  EXPECT_EQ(body[11], "section");
}

}  // namespace
