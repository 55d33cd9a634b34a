// The SVGs and the station page of a run on the sample station, as a web server and a
// visitor's browser see them.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "chart/geometria.h"
#include "chart/pixel_grid.h"
#include "chart/svg_surface.h"
#include "testsupport/browser.h"
#include "testsupport/png_reader.h"
#include "testsupport/run_program.h"
#include "testsupport/temp_dir.h"
#include "testsupport/xml_tree.h"

namespace {

using Names = std::vector<std::string>;

constexpr const char* kSampleDay = "--date 2026-07-03";

// A copy of the sample station folder, whose week ends on 3 July 2026.
void copy_sample_station(const TempDir& station) {
  std::filesystem::copy(KURVO_EXAMPLES, station.path(), std::filesystem::copy_options::recursive);
}

const std::string kArchive = "forecast/previous_M3000F2_plots";

// The published and the archive files of the six charts with the extension `extension`.
Names chart_files(const std::string& extension, bool archive) {
  Names names;
  for (int chart = 1; chart <= 6; ++chart) {
    names.push_back(archive ? std::to_string(2026178 + chart) + extension
                            : "plotM" + std::to_string(chart) + extension);
  }
  return names;
}

Names with(Names names, const Names& more) {
  names.insert(names.end(), more.begin(), more.end());
  std::sort(names.begin(), names.end());
  return names;
}

int run_command(const std::string& command) {
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST(SampleRun, WritesTheSvgsAndThePageOnlyWhenAskedAndTheSameGifsEitherWay) {
  TempDir plain;
  copy_sample_station(plain);
  const Outcome plain_run = run_program(plain, kSampleDay);
  ASSERT_EQ(plain_run.status, 0) << plain_run.err;
  EXPECT_EQ(plain.list("www"), with({".gitkeep"}, chart_files(".gif", false)));
  EXPECT_EQ(plain.list(kArchive), with({".gitkeep"}, chart_files(".gif", true)));

  TempDir extra;
  copy_sample_station(extra);
  const Outcome extra_run = run_program(extra, std::string(kSampleDay) + " --svg --page");
  ASSERT_EQ(extra_run.status, 0) << extra_run.err;
  EXPECT_EQ(extra_run.out + extra_run.err, "");
  EXPECT_EQ(extra.list("www"), with(with({".gitkeep", "index.html"}, chart_files(".gif", false)),
                                    chart_files(".svg", false)));
  EXPECT_EQ(extra.list(kArchive), with(with({".gitkeep", "index.html"}, chart_files(".gif", true)),
                                       chart_files(".svg", true)));
  for (const Names& gifs : {chart_files(".gif", false), chart_files(".gif", true)}) {
    for (const std::string& gif : gifs) {
      const std::string path = (gif[0] == 'p' ? "www/" : kArchive + "/") + gif;
      EXPECT_EQ(plain.read(path), extra.read(path)) << path;
    }
  }
}

// "p : Drawn YYYY-MM-DD HH:MM UT.", the page's line for a run at `time`.
std::string drawn_line(std::chrono::system_clock::time_point time) {
  const auto minute = std::chrono::floor<std::chrono::minutes>(time);
  const auto day = std::chrono::floor<std::chrono::days>(minute);
  const std::chrono::year_month_day date{day};
  const std::chrono::hh_mm_ss clock{minute - day};
  char text[64];
  std::snprintf(text, sizeof text, "p : Drawn %04d-%02u-%02u %02d:%02d UT.",
                static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                static_cast<unsigned>(date.day()), static_cast<int>(clock.hours().count()),
                static_cast<int>(clock.minutes().count()));
  return text;
}

TEST(SampleRun, EachSvgIsItsDaysChartTitledAndDescribedAsThePageDescribesIt) {
  TempDir station;
  copy_sample_station(station);
  const auto before = std::chrono::system_clock::now();
  ASSERT_EQ(run_program(station, std::string(kSampleDay) + " --svg --page").status, 0);
  const auto after = std::chrono::system_clock::now();

  const Names page = elements_of(station.read("www/index.html"), true);
  const std::string station_line = "Rome       synthetic sample station, not real data";
  EXPECT_NE(std::find(page.begin(), page.end(), "h1 : M(3000)F2, " + station_line), page.end());
  EXPECT_NE(
      std::find(page.begin(), page.end(), "p : Newest measurement taken 2026-07-03 23:45 UT."),
      page.end());
  // The time the run was made, whatever day it took as today.
  const bool drawn_then = std::find(page.begin(), page.end(), drawn_line(before)) != page.end() ||
                          std::find(page.begin(), page.end(), drawn_line(after)) != page.end();
  EXPECT_TRUE(drawn_then) << drawn_line(before);
  for (int chart = 1; chart <= 6; ++chart) {
    const std::string published = "www/plotM" + std::to_string(chart) + ".svg";
    const std::string archived = kArchive + "/" + std::to_string(2026178 + chart) + ".svg";
    EXPECT_EQ(run_command("xmllint --noout '" + (station / published) + "'"), 0) << published;
    EXPECT_EQ(station.read(archived), station.read(published)) << archived;

    const Names svg = elements_of(station.read(published));
    const std::string day = std::to_string(27 + chart) + "/06/2026";
    EXPECT_EQ(svg[1], "title : M(3000)F2, " + station_line + ", " +
                          (chart <= 3 ? day : "0" + std::to_string(chart - 3) + "/07/2026"));
    ASSERT_EQ(svg[2].rfind("desc : ", 0), 0u) << svg[2];
    const std::string summary = svg[2].substr(7);
    EXPECT_GT(summary.size(), 20u);
    const std::string image =
        "img src=plotM" + std::to_string(chart) + ".svg alt=" + summary + " width=286 height=231";
    EXPECT_NE(std::find(page.begin(), page.end(), image), page.end()) << image;
  }
}

TEST(SampleRun, AnSvgOrAPageThatCannotBeWrittenIsNamedAndFailsTheRunAlone) {
  TempDir station;
  copy_sample_station(station);
  station.make_folder("www/plotM3.svg");
  station.make_folder("www/index.html");
  const Outcome outcome = run_program(station, std::string(kSampleDay) + " --svg --page");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.err.find("kurvo_M3000F2: cannot write www/plotM3.svg: "), std::string::npos)
      << outcome.err;
  EXPECT_NE(outcome.err.find("kurvo_M3000F2: cannot write www/index.html: "), std::string::npos)
      << outcome.err;
  EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 2) << outcome.err;
  EXPECT_EQ(station.list("www"), with(with({".gitkeep", "index.html"}, chart_files(".gif", false)),
                                      chart_files(".svg", false)));
  EXPECT_TRUE(station.exists(kArchive + "/2026181.svg"));
}

TEST(SampleRun, ThePageLinksEachChartsDataAndARedrawWritesArchiveSvgsAlone) {
  TempDir station;
  copy_sample_station(station);
  ASSERT_EQ(run_program(station, std::string(kSampleDay) + " --svg --json --page").status, 0);
  const Names page = elements_of(station.read("www/index.html"), true);
  for (int chart = 1; chart <= 6; ++chart) {
    const std::string data = "plotM" + std::to_string(chart) + ".json";
    EXPECT_TRUE(station.exists("www/" + data)) << data;
    EXPECT_NE(std::find(page.begin(), page.end(), "a href=" + data + " : Data (JSON)"), page.end())
        << data;
  }

  TempDir redraw;
  copy_sample_station(redraw);
  const Outcome outcome = run_program(redraw, "--archive 2026-06-29 2026-06-30 --svg --page");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(redraw.list("www"), Names{".gitkeep"});
  EXPECT_EQ(redraw.list(kArchive),
            (Names{".gitkeep", "2026180.gif", "2026180.svg", "2026181.gif", "2026181.svg"}));
  EXPECT_EQ(redraw.read(kArchive + "/2026181.svg"), station.read(kArchive + "/2026181.svg"));
}

// The lines of the measurements' colour in an SVG document, in the order they are drawn.
Names measurement_lines(const std::string& svg) {
  Names lines;
  for (const std::string& e : elements_of(svg)) {
    if (e.rfind("line ", 0) == 0 && e.find("stroke=#ff0000") != std::string::npos) {
      lines.push_back(e);
    }
  }
  return lines;
}

// A reader of the data files redraws each chart's joins by the rule the format document
// gives: the values in the chart's order (hour by hour, minute 00 after 59), each joined to
// the value before it when it lies 2 or 3 tenths of an hour later and that value is not 0.
TEST(SampleRun, TheDataFilesRedrawEachChartsJoins) {
  TempDir station;
  copy_sample_station(station);
  ASSERT_EQ(run_program(station, std::string(kSampleDay) + " --svg --json").status, 0);
  for (int chart = 1; chart <= 6; ++chart) {
    const std::string name = "www/plotM" + std::to_string(chart);
    const nlohmann::json data = nlohmann::json::parse(station.read(name + ".json"));
    struct Value {
      int hour, minute, chart_units;
      bool joined;
    };
    std::vector<Value> values;
    for (const nlohmann::json& measurement : data.at("measurements")) {
      if (!measurement.contains("value")) continue;
      const std::string time = measurement.at("time");
      values.push_back({std::stoi(time.substr(0, 2)), std::stoi(time.substr(3, 2)),
                        static_cast<int>(std::lround(measurement.at("value").get<double>() * 100)),
                        measurement.at("joined").get<bool>()});
    }
    std::stable_sort(values.begin(), values.end(), [](const Value& a, const Value& b) {
      return std::pair{a.hour, a.minute == 0 ? 60 : a.minute} <
             std::pair{b.hour, b.minute == 0 ? 60 : b.minute};
    });

    SvgSurface redrawn;
    impostazioni_dimensioni_e_scala_del_form(redrawn);
    int last_x = 0;
    int last_value = 0;
    for (const Value& value : values) {
      const int x = 10 * value.hour + (value.minute + 2) / 6;
      const bool by_rule = (x == last_x + 2 || x == last_x + 3) && last_value != 0;
      EXPECT_EQ(value.joined, by_rule) << name << " " << value.hour << ":" << value.minute;
      if (value.joined) redrawn.Line(x, value.chart_units, last_x, last_value, QBColor(12));
      last_x = x;
      last_value = value.chart_units;
    }
    const Names drawn = measurement_lines(station.read(name + ".svg"));
    EXPECT_EQ(measurement_lines(redrawn.Document("", "")), drawn) << name;
    // Applied in time order instead, the rule would join 91 dots of 28 June.
    if (chart == 1) {
      EXPECT_EQ(drawn.size(), 44u);
    }
  }
}

// The page shows only what the run wrote, so that nothing old stands under the new date: a
// chart whose SVG could not be written shows its new GIF, one whose GIF could not be written
// either says so instead of showing a picture, and data that could not be written are not
// linked. The run still fails, naming each file.
TEST(SampleRun, ThePageShowsOnlyWhatTheRunWrote) {
  TempDir station;
  copy_sample_station(station);
  for (const char* blocked : {"www/plotM3.svg", "www/plotM5.gif", "www/plotM2.json"}) {
    station.make_folder(blocked);
  }
  const Outcome outcome = run_program(station, std::string(kSampleDay) + " --svg --json --page");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 3) << outcome.err;

  Names shown;  // each chart's heading, picture or note, and data link, newest first
  for (const std::string& element : elements_of(station.read("www/index.html"), true)) {
    if (element.starts_with("time") || element.starts_with("a ")) shown.push_back(element);
    if (element.starts_with("img")) shown.push_back(element.substr(0, element.find(" alt=")));
    if (element == "p : This chart could not be updated.") shown.push_back(element);
  }
  EXPECT_EQ(shown,
            (Names{"time datetime=2026-07-03 : 3 July 2026", "img src=plotM6.svg",
                   "a href=plotM6.json : Data (JSON)", "time datetime=2026-07-02 : 2 July 2026",
                   "p : This chart could not be updated.", "time datetime=2026-07-01 : 1 July 2026",
                   "img src=plotM4.svg", "a href=plotM4.json : Data (JSON)",
                   "time datetime=2026-06-30 : 30 June 2026", "img src=plotM3.gif",
                   "a href=plotM3.json : Data (JSON)", "time datetime=2026-06-29 : 29 June 2026",
                   "img src=plotM2.svg", "time datetime=2026-06-28 : 28 June 2026",
                   "img src=plotM1.svg", "a href=plotM1.json : Data (JSON)"}));
}

// A rectangle of the screenshot.
struct Box {
  int left, top, right, bottom;
};

// The browser scales each picture to its column, spreading a line of one pixel over two
// whose shares add up to the line's colour: the larger share is at least half of it.
bool yellow(Colour c) {
  return red_of(c) >= 96 && green_of(c) >= 96 && blue_of(c) <= 48 &&
         std::abs(red_of(c) - green_of(c)) <= 24;
}
bool red(Colour c) { return red_of(c) >= 180 && green_of(c) <= 80 && blue_of(c) <= 80; }
bool white(Colour c) { return std::min({red_of(c), green_of(c), blue_of(c)}) >= 220; }

// The boxes around the yellow frames of the charts the screenshot shows: each frame is a
// rectangle of connected yellow pixels, far larger than any yellow label.
std::vector<Box> chart_frames(const DecodedPng& shot) {
  std::vector<char> seen(shot.pixels.size(), 0);
  std::vector<Box> frames;
  for (int row = 0; row < shot.height; ++row) {
    for (int column = 0; column < shot.width; ++column) {
      const auto index = static_cast<std::size_t>(row * shot.width + column);
      if (seen[index] || !yellow(shot.pixels[index])) continue;
      Box box{column, row, column, row};
      std::vector<Pixel> todo{{column, row}};
      seen[index] = 1;
      while (!todo.empty()) {
        const Pixel p = todo.back();
        todo.pop_back();
        box = {std::min(box.left, p.column), std::min(box.top, p.row),
               std::max(box.right, p.column), std::max(box.bottom, p.row)};
        for (int dr = -1; dr <= 1; ++dr) {
          for (int dc = -1; dc <= 1; ++dc) {
            const Pixel q{p.column + dc, p.row + dr};
            if (q.column < 0 || q.row < 0 || q.column >= shot.width || q.row >= shot.height) {
              continue;
            }
            const auto k = static_cast<std::size_t>(q.row * shot.width + q.column);
            if (seen[k] || !yellow(shot.pixels[k])) continue;
            seen[k] = 1;
            todo.push_back(q);
          }
        }
      }
      if (box.right - box.left >= 150 && box.bottom - box.top >= 100) frames.push_back(box);
    }
  }
  return frames;
}

int count_inside(const DecodedPng& shot, const Box& box, bool (*is)(Colour)) {
  int count = 0;
  for (int row = box.top; row <= box.bottom; ++row) {
    for (int column = box.left; column <= box.right; ++column) count += is(shot.at(column, row));
  }
  return count;
}

struct PageCase {
  const char* name;
  const char* options;
  const char* picture;  // the extension of the pictures the page shows
  BrowserView view;
  int columns;
};

void PrintTo(const PageCase& c, std::ostream* out) { *out << c.name; }

class StationPage : public ::testing::TestWithParam<PageCase> {};

TEST_P(StationPage, ABrowserShowsTheSixChartsNewestFirst) {
  const PageCase& c = GetParam();
  TempDir station;
  copy_sample_station(station);
  ASSERT_EQ(run_program(station, std::string(kSampleDay) + " " + c.options).status, 0);
  const std::string page = station / "www/index.html";

  Names sources;
  for (const std::string& element : elements_of(browser_dom(page), true)) {
    if (element.rfind("img ", 0) == 0) sources.push_back(element.substr(0, element.find(" alt=")));
  }
  Names newest_first;
  for (int chart = 6; chart >= 1; --chart) {
    newest_first.push_back("img src=plotM" + std::to_string(chart) + c.picture);
  }
  EXPECT_EQ(sources, newest_first);

  // A picture that did not load shows no frame, no dots and no curve.
  ASSERT_TRUE(browser_screenshot(page, c.view, station / "page.png"));
  const DecodedPng shot = read_png(station / "page.png");
  const std::vector<Box> frames = chart_frames(shot);
  ASSERT_EQ(frames.size(), 6u);
  for (const Box& frame : frames) {
    EXPECT_GT(count_inside(shot, frame, red), 200) << frame.left << "," << frame.top;
    EXPECT_GT(count_inside(shot, frame, white), 100) << frame.left << "," << frame.top;
  }
  const auto lefts = std::count_if(frames.begin(), frames.end(), [&frames](const Box& frame) {
    return std::abs(frame.left - frames[0].left) <= 2;
  });
  EXPECT_EQ(lefts, 6 / c.columns) << "frames in the first column";
  const Colour background = shot.at(2, 2);
  EXPECT_EQ(white(background), !c.view.dark) << std::hex << background;
  EXPECT_EQ(std::max({red_of(background), green_of(background), blue_of(background)}) < 40,
            c.view.dark)
      << std::hex << background;
}

INSTANTIATE_TEST_SUITE_P(
    SampleRun, StationPage,
    ::testing::Values(PageCase{"Svg", "--svg --page", ".svg", {1000, 1700, false}, 3},
                      PageCase{"Gif", "--page", ".gif", {1000, 1700, false}, 3},
                      PageCase{"SvgOnADarkPhone", "--svg --page", ".svg", {420, 2800, true}, 1}),
    [](const ::testing::TestParamInfo<PageCase>& info) { return info.param.name; });

}  // namespace
