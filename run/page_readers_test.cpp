// The station page and the archive page as their readers meet them: in a browser, behind the
// web server as the package's example configures it, and as the run's own clock finds the
// station's data.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "testsupport/browser.h"
#include "testsupport/png_reader.h"
#include "testsupport/run_program.h"
#include "testsupport/temp_dir.h"
#include "testsupport/web_server.h"
#include "testsupport/xml_tree.h"

namespace {

using namespace std::chrono;
using Names = std::vector<std::string>;
using sys_minutes = sys_time<minutes>;
namespace fs = std::filesystem;

const std::string kArchive = "forecast/previous_M3000F2_plots";

// "2026184": the archive's name of a day, without its extension.
std::string archive_stem(sys_days day) {
  const year_month_day date{day};
  char stem[16];
  std::snprintf(stem, sizeof stem, "%04d%03d", static_cast<int>(date.year()),
                static_cast<int>((day - sys_days{date.year() / January / 1}).count() + 1));
  return stem;
}

// The days of the year before the sample week, archived by earlier runs: a GIF each but on
// four days, an SVG each, a data file on the first of each month.
const sys_days kArchiveFrom = sys_days{2025y / July / 1};
const sys_days kSampleWeek = sys_days{2026y / June / 28};
bool without_picture(sys_days day) {
  return day == sys_days{2025y / December / 25} ||
         (day >= sys_days{2026y / February / 14} && day <= sys_days{2026y / February / 16});
}

// The sample station after a run of --svg --json --page on its week, with a year of archive
// before it and the archive published as "archive" beside the station page.
class SampleArchive : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    station_ = new TempDir;
    fs::copy(KURVO_EXAMPLES, station_->path(), fs::copy_options::recursive);
    for (sys_days date = kArchiveFrom; date < kSampleWeek; date += days{1}) {
      const std::string stem = kArchive + "/" + archive_stem(date);
      if (!without_picture(date)) station_->write(stem + ".gif", "GIF89a");
      station_->write(stem + ".svg", "<svg/>");
      if (year_month_day{date}.day() == day{1}) station_->write(stem + ".json", "{}");
    }
    fs::create_directory_symlink("../forecast/previous_M3000F2_plots", *station_ / "www/archive");
    outcome_ = run_program(*station_, "--date 2026-07-03 --svg --json --page");
  }
  static void TearDownTestSuite() { delete station_; }

  static const TempDir& station() { return *station_; }
  // The archive page as a reader of the station page reaches it, through the link.
  static std::string archive_page() { return *station_ / "www/archive/index.html"; }

  static TempDir* station_;
  static Outcome outcome_;
};

TempDir* SampleArchive::station_ = nullptr;
Outcome SampleArchive::outcome_;

TEST_F(SampleArchive, TheArchivePageListsEveryDayNewestFirstAndTheDaysWithoutPicture) {
  ASSERT_EQ(outcome_.status, 0) << outcome_.err;
  EXPECT_EQ(outcome_.out + outcome_.err, "");
  const Names page = elements_of(station().read(kArchive + "/index.html"), true);
  const auto has = [&page](const std::string& element) {
    return std::find(page.begin(), page.end(), element) != page.end();
  };
  EXPECT_TRUE(
      has("p : Every day from 2025-07-01 to 2026-07-03, newest first: 368 days, 4 "
          "without a picture. Each day links its chart (GIF) and, where the archive "
          "holds them, its SVG and its data (JSON)."));
  EXPECT_EQ(std::count(page.begin(), page.end(), "small : no picture"), 4);
  Names captions;
  for (const std::string& e : page) {
    if (e.rfind("caption : ", 0) == 0 || e.rfind("h2 : ", 0) == 0)
      captions.push_back(e.substr(e.find(" : ") + 3));
  }
  EXPECT_EQ(captions,
            (Names{"2026", "July 2026", "June 2026", "May 2026", "April 2026", "March 2026",
                   "February 2026", "January 2026", "2025", "December 2025", "November 2025",
                   "October 2025", "September 2025", "August 2025", "July 2025"}));
  EXPECT_TRUE(has("a href=2026184.gif : 3"));
  EXPECT_TRUE(has("a href=2026184.json : JSON"));
  EXPECT_TRUE(has("a href=../index.html : The station page: the last six days"));
}

// Which file a path names now: a replacing write makes a new one.
ino_t file_at(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

// The archive changes once a day: a run that finds the page showing its days leaves it.
TEST(ArchivePageOfRuns, IsRewrittenWhenTheArchivedDaysChangeAlone) {
  TempDir station;
  fs::copy(KURVO_EXAMPLES, station.path(), fs::copy_options::recursive);
  const std::string page = station / (kArchive + "/index.html");
  ASSERT_EQ(run_program(station, "--date 2026-07-03 --page").status, 0);
  const ino_t first = file_at(page);
  ASSERT_EQ(run_program(station, "--date 2026-07-03 --page --svg").status, 0);
  EXPECT_NE(file_at(page), first);  // an SVG for each day
  const ino_t second = file_at(page);
  ASSERT_EQ(run_program(station, "--date 2026-07-03 --page --svg").status, 0);
  EXPECT_EQ(file_at(page), second);
  ASSERT_EQ(run_program(station, "--date 2026-07-04 --page --svg").status, 0);
  EXPECT_NE(file_at(page), second);
  EXPECT_NE(station.read(kArchive + "/index.html").find("<a href=\"2026185.gif\">4</a>"),
            std::string::npos);
}

// Every address of either page, as the browser resolves it, is a file on disk; the station
// page's archive link is the archive page, whose own link leads back.
TEST_F(SampleArchive, EveryLinkOfBothPagesResolvesToAFileOnDisk) {
  ASSERT_EQ(outcome_.status, 0) << outcome_.err;
  const char* kAddresses =
      "[...document.querySelectorAll('a[href],img[src]')].map(e => e.href || e.src).join(' ')";
  const std::string station_page = station() / "www/index.html";
  for (const std::string& page : {station_page, archive_page()}) {
    std::istringstream addresses(browser_evaluate(page, kAddresses));
    int links = 0;
    for (std::string address; addresses >> address; ++links) {
      ASSERT_EQ(address.rfind("file://", 0), 0u) << address;
      const std::string path = address.substr(7);
      EXPECT_TRUE(fs::is_regular_file(path)) << path;
      if (path.ends_with("archive/index.html")) {
        EXPECT_TRUE(fs::equivalent(path, station() / (kArchive + "/index.html"))) << path;
      } else if (path.ends_with("index.html")) {
        EXPECT_TRUE(fs::equivalent(path, station_page)) << path;
      }
    }
    // The station page: six pictures, six data files and the archive; the archive page: a
    // GIF for 364 days, an SVG for 368, the data of 12 first days and the six of the week,
    // and the station page.
    EXPECT_EQ(links, page == station_page ? 13 : 364 + 368 + 18 + 1) << page;
  }
}

struct View {
  const char* name;
  BrowserView view;
  int columns;  // months side by side
};

void PrintTo(const View& v, std::ostream* out) { *out << v.name; }

class ArchiveInBrowser : public SampleArchive, public ::testing::WithParamInterface<View> {};

// The months side by side as the width allows, nothing wider than the window, the colours of
// the reader's mode.
TEST_P(ArchiveInBrowser, FitsTheWindowInTheReadersMode) {
  ASSERT_EQ(outcome_.status, 0) << outcome_.err;
  const View& v = GetParam();
  const std::string layout = browser_evaluate(
      archive_page(),
      "[document.documentElement.scrollWidth, innerWidth, new Set([...document"
      ".querySelector('.months').querySelectorAll('table')].map(t => t.getBoundingClientRect()"
      ".left)).size].join(',')",
      v.view);
  int page_width = 0;
  int window_width = 0;
  int columns = 0;
  ASSERT_EQ(std::sscanf(layout.c_str(), "%d,%d,%d", &page_width, &window_width, &columns), 3)
      << layout;
  EXPECT_EQ(window_width, v.view.width);
  EXPECT_LE(page_width, window_width);
  EXPECT_EQ(columns, v.columns);

  const std::string shot = station() / (std::string(v.name) + ".png");
  ASSERT_TRUE(browser_screenshot(archive_page(), v.view, shot));
  const DecodedPng png = read_png(shot);
  fs::remove(shot);
  const Colour background = png.at(2, 2);
  const int darkest = std::min({red_of(background), green_of(background), blue_of(background)});
  const int lightest = std::max({red_of(background), green_of(background), blue_of(background)});
  if (v.view.dark) {
    EXPECT_LT(lightest, 40) << std::hex << background;
  } else {
    EXPECT_GE(darkest, 220) << std::hex << background;
  }
}

INSTANTIATE_TEST_SUITE_P(SampleArchive, ArchiveInBrowser,
                         ::testing::Values(View{"Desktop", {1000, 1700, false}, 3},
                                           View{"DesktopDark", {1000, 1700, true}, 3},
                                           View{"Phone", {360, 2800, false}, 1},
                                           View{"PhoneDark", {360, 2800, true}, 1}),
                         [](const ::testing::TestParamInfo<View>& info) {
                           return info.param.name;
                         });

// The package's example nginx location, for the station folder /srv/m3000f2/rome, serving
// `station` instead.
std::string shipped_nginx_location(const TempDir& station) {
  std::ifstream example(KURVO_NGINX_EXAMPLE);
  std::stringstream text;
  text << example.rdbuf();
  std::string location = text.str();
  const std::string folder = "/srv/m3000f2/rome/";
  for (std::size_t at; (at = location.find(folder)) != std::string::npos;) {
    location.replace(at, folder.size(), station.path() + "/");
  }
  return location;
}

TEST_F(SampleArchive, TheShippedNginxLocationServesBothPagesAndTheArchiveThroughTheLink) {
  ASSERT_EQ(outcome_.status, 0) << outcome_.err;
  const std::string site = shipped_nginx_location(station());
  ASSERT_NE(site.find("alias " + station().path() + "/www/;"), std::string::npos) << site;
  const WebServer server(site);
  ASSERT_TRUE(server.ready()) << server.log();

  // A reader's browser follows the station page's link to the archive page.
  const Names page = elements_of(browser_dom(server.url("/m3000f2/rome/")), true);
  ASSERT_NE(
      std::find(page.begin(), page.end(), "a href=archive/index.html : Archive: every day's chart"),
      page.end());
  const Names archive =
      elements_of(browser_dom(server.url("/m3000f2/rome/archive/index.html")), true);
  EXPECT_NE(std::find(archive.begin(), archive.end(),
                      "title : M(3000)F2 archive, Rome       synthetic sample station, not real "
                      "data"),
            archive.end());

  struct Served {
    std::string path;
    int status;
    std::string type;
    std::string file;  // what it serves, in the station folder
  };
  const Served served[] = {
      {"/m3000f2/rome/archive/", 200, "text/html", kArchive + "/index.html"},
      {"/m3000f2/rome/archive/2026184.gif", 200, "image/gif", kArchive + "/2026184.gif"},
      {"/m3000f2/rome/archive/2026184.svg", 200, "image/svg+xml", kArchive + "/2026184.svg"},
      {"/m3000f2/rome/archive/2026184.json", 200, "application/json", kArchive + "/2026184.json"},
      {"/m3000f2/rome/", 200, "text/html", "www/index.html"},
  };
  for (const Served& s : served) {
    const HttpResponse response = http_get(server.url(s.path));
    EXPECT_EQ(response.status, s.status) << s.path;
    EXPECT_EQ(response.content_type.substr(0, s.type.size()), s.type) << s.path;
    EXPECT_EQ(response.body, station().read(s.file)) << s.path;
  }
}

// Sets TZ to UTC, as the units and the crontab do, for the runs made while it lives.
class UniversalTimeZone {
 public:
  UniversalTimeZone() {
    if (const char* old = std::getenv("TZ")) old_ = old;
    ::setenv("TZ", "UTC", 1);
  }
  ~UniversalTimeZone() {
    if (old_) {
      ::setenv("TZ", old_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
  }

 private:
  std::optional<std::string> old_;
};

// The time now, to the minute, after waiting out the last minute of a day, so that a run
// started now takes the same day as today.
sys_minutes this_minute_of_a_day() {
  const auto now = system_clock::now();
  const auto midnight = ceil<days>(now);
  if (midnight - now < minutes{1}) std::this_thread::sleep_until(midnight + seconds{1});
  return floor<minutes>(system_clock::now());
}

// A station of family 4 whose only measurements are those at `times`.
void make_station_measuring_at(const TempDir& station, const std::vector<sys_minutes>& times) {
  make_station_folder(station);
  for (const sys_minutes time : times) {
    const sys_days day = floor<days>(time);
    const hh_mm_ss clock{time - day};
    char name[64];
    std::snprintf(name, sizeof name, "data/RM041_%s%02d%02d00.TXT", archive_stem(day).c_str(),
                  static_cast<int>(clock.hours().count()),
                  static_cast<int>(clock.minutes().count()));
    station.write(name, "Rome  station\n\n\n\nM(3000)F2       2.95\n");
  }
}

// The elements of the page as Chromium holds it that tell when the station last measured.
Names freshness_of(const TempDir& station) {
  Names freshness;
  for (const std::string& e : elements_of(browser_dom(station / "www/index.html"), true)) {
    if (e.rfind("p class=stale", 0) == 0 || e.rfind("p : Newest", 0) == 0 ||
        e.rfind("p : No measurement", 0) == 0) {
      freshness.push_back(e);
    }
  }
  return freshness;
}

std::string minute_text(sys_minutes time) {
  const sys_days day = floor<days>(time);
  const hh_mm_ss clock{time - day};
  char text[32];
  std::snprintf(text, sizeof text, "%s %02d:%02d UT", format_date(day).c_str(),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()));
  return text;
}

// A run of today, without --date, in UTC, two and a half hours after the last measurement
// (yesterday's, early in the day).
TEST(StaleNotice, TellsAReaderWhenTheStationLastMeasured) {
  const UniversalTimeZone utc;
  TempDir station;
  const sys_minutes now = this_minute_of_a_day();
  const sys_minutes newest = now - 2h - 30min;
  make_station_measuring_at(station, {newest - 15min, newest});
  const Outcome outcome = run_program(station, "--page");
  ASSERT_EQ(outcome.status, 0) << outcome.err;

  // The run may have begun a minute after the test read the clock.
  const auto notice = [&newest](int minutes_over) {
    return "p class=stale : Stale data: no measurement for 2 hours " +
           std::to_string(minutes_over) + " minutes; the newest was taken " + minute_text(newest) +
           ".";
  };
  const Names freshness = freshness_of(station);
  ASSERT_EQ(freshness.size(), 1u);
  EXPECT_TRUE(freshness[0] == notice(30) || freshness[0] == notice(31)) << freshness[0];

  // It stands out at the top, in its own colours.
  ASSERT_TRUE(
      browser_screenshot(station / "www/index.html", {1000, 600, false}, station / "page.png"));
  const DecodedPng shot = read_png(station / "page.png");
  int border = 0;
  for (int row = 0; row < 150; ++row) {
    for (int column = 0; column < 100; ++column) {
      const Colour c = shot.at(column, row);
      border += red_of(c) >= 190 && green_of(c) <= 30 && blue_of(c) <= 30;
    }
  }
  EXPECT_GT(border, 100);
}

TEST(StaleNotice, IsAbsentWhileMeasurementsArriveAndForADayInThePast) {
  TempDir station;
  const sys_minutes now = this_minute_of_a_day();
  make_station_measuring_at(station, {now});
  // --date naming the UT day of the run is that day, as a run without it.
  const Outcome outcome = run_program(station, "--page --date " + format_date(floor<days>(now)));
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(freshness_of(station), Names{"p : Newest measurement taken " + minute_text(now) + "."});

  // The sample week ended months before this run: a finished day, not a stale one.
  TempDir sample;
  fs::copy(KURVO_EXAMPLES, sample.path(), fs::copy_options::recursive);
  ASSERT_EQ(run_program(sample, "--page --date 2026-07-03").status, 0);
  EXPECT_EQ(freshness_of(sample), Names{"p : Newest measurement taken 2026-07-03 23:45 UT."});
}

}  // namespace
