// The station page: index.html in the publication folder, showing the six charts of a run.
#include "output/page.h"

#include <initializer_list>

#include "chart/colours.h"
#include "output/html_parts.h"
#include "output/plotted_values.h"
#include "platform/clock.h"

namespace {

using std::chrono::sys_seconds;

// The charts in a grid as wide as the screen allows, each picture as wide as its column;
// the notice stands out in either mode. No character here needs escaping in a text.
constexpr const char* kStyle =
    "main{display:grid;grid-template-columns:repeat(auto-fill,minmax(18rem,1fr));gap:1.5rem}"
    "section p{margin:.5rem 0 0}"
    "img{display:block;width:100%;max-width:572px;height:auto;background:#000}"
    ".stale{font-weight:bold;padding:.5rem .75rem;border-left:.4rem solid #c00;"
    "background:#fde8e8;color:#600}"
    "@media (prefers-color-scheme:dark){.stale{background:#4a1010;color:#fdd}}"
    ".legend{display:flex;flex-wrap:wrap;gap:.4rem 1.5rem;list-style:none;padding:0;"
    "margin:1rem 0 1.5rem;font-size:.9rem}"
    ".legend svg{vertical-align:middle;margin-right:.4rem}";

constexpr int kReloadSeconds = 300;

// The chart's own size in pixels, which the browser scales to the width of its column.
constexpr int kPictureWidth = 286;
constexpr int kPictureHeight = 231;

std::optional<sys_seconds> newest_of_days(const std::array<PageChart, 6>& charts) {
  std::optional<sys_seconds> newest;
  for (const PageChart& chart : charts) {
    if (chart.newest && (!newest || *chart.newest > *newest)) newest = chart.newest;
  }
  return newest;
}

// Only a chart of the day the run is made in can tell that the station stopped sending: a
// run for a day in the past (--date) shows a finished day.
bool stale(const PageContent& content) {
  const PageChart& today = content.charts[5];
  if (std::chrono::sys_days{today.day} != std::chrono::floor<std::chrono::days>(content.run_time)) {
    return false;
  }
  return !today.newest || content.run_time - *today.newest > kStaleAfter;
}

void stale_notice(XmlWriter& html, const PageContent& content) {
  const std::optional<sys_seconds> newest = newest_of_days(content.charts);
  html.Start("p");
  html.Attribute("class", "stale");
  if (!newest) {
    html.Text("Stale data: no measurement in these six days.");
  } else {
    const auto age = std::chrono::floor<std::chrono::minutes>(content.run_time - *newest);
    html.Text("Stale data: no measurement for " + duration_text(static_cast<int>(age.count())) +
              "; the newest was taken " + universal_time(*newest) + ".");
  }
  html.FullEnd();
}

void newest_line(XmlWriter& html, const PageContent& content) {
  const std::optional<sys_seconds> newest = newest_of_days(content.charts);
  text_element(html, "p",
               newest ? "Newest measurement taken " + universal_time(*newest) + "."
                      : "No measurement in these six days.");
}

// A swatch of the legend: a strip of black chart with `shapes` drawn on it, hidden from
// screen readers, which read the words beside it.
template <typename Shapes>
void swatch(XmlWriter& html, Shapes shapes) {
  html.Start("svg");
  html.Attribute("width", "36");
  html.Attribute("height", "16");
  html.Attribute("viewBox", "0 0 36 16");
  html.Attribute("aria-hidden", "true");
  html.Start("rect");
  html.Attribute("width", "36");
  html.Attribute("height", "16");
  html.Attribute("fill", "#000000");
  html.End();
  shapes();
  html.FullEnd();
}

struct SwatchPoint {
  int x;
  int y;
};

// A line through `points` with a dot on each of `dotted`, as the chart draws its curve and
// its joined measurements.
void dotted_line(XmlWriter& html, std::initializer_list<SwatchPoint> points,
                 std::initializer_list<SwatchPoint> dotted, Colour colour) {
  std::string coordinates;
  for (const SwatchPoint& point : points) {
    if (!coordinates.empty()) coordinates += ' ';
    coordinates += std::to_string(point.x) + "," + std::to_string(point.y);
  }
  html.Start("polyline");
  html.Attribute("points", coordinates);
  html.Attribute("fill", "none");
  html.Attribute("stroke", hex_colour(colour));
  html.End();
  for (const SwatchPoint& point : dotted) {
    html.Start("circle");
    html.Attribute("cx", std::to_string(point.x));
    html.Attribute("cy", std::to_string(point.y));
    html.Attribute("r", "2");
    html.Attribute("fill", hex_colour(colour));
    html.End();
  }
}

void tick(XmlWriter& html, int x, Colour colour) {
  html.Start("line");
  html.Attribute("x1", std::to_string(x));
  html.Attribute("y1", "8");
  html.Attribute("x2", std::to_string(x));
  html.Attribute("y2", "14");
  html.Attribute("stroke", hex_colour(colour));
  html.End();
}

// An entry of the legend: its swatch, then its words.
template <typename Shapes>
void legend_entry(XmlWriter& html, Shapes shapes, const std::string& words) {
  html.Start("li");
  swatch(html, shapes);
  html.Text(words);
  html.FullEnd();
}

// In the chart's colours: the forecast white (15), the measurements light red (12), the
// ticks of "N/A" light green (10).
void legend(XmlWriter& html, const PageChart& today) {
  html.Start("ul");
  html.Attribute("class", "legend");
  legend_entry(
      html,
      [&html] {
        dotted_line(html, {{4, 11}, {18, 7}, {32, 9}}, {{4, 11}, {18, 7}, {32, 9}}, QBColor(15));
      },
      "Forecast: the month's hourly forecast");
  legend_entry(
      html,
      [&html] {
        dotted_line(html, {{4, 10}, {12, 6}, {20, 8}}, {{4, 10}, {12, 6}, {20, 8}, {31, 5}},
                    QBColor(12));
      },
      "Measured: the station's values, joined where they follow closely");
  legend_entry(
      html,
      [&html] {
        tick(html, 10, QBColor(10));
        tick(html, 26, QBColor(10));
      },
      "Not available: the station had no value");
  text_element(html, "li",
               "Across: time in hours of Universal Time (UT), 0 to 24. Up: M(3000)F2, the M "
               "factor, 2.5 to 4.5. Above: the day, day/month/year (" +
                   today.label + " is " + spoken_date(today.day) + ").");
  html.FullEnd();
}

void chart(XmlWriter& html, const PageChart& chart) {
  html.Start("section");
  html.Start("h2");
  html.Start("time");
  html.Attribute("datetime", format_date(chart.day));
  html.Text(spoken_date(chart.day));
  html.FullEnd();
  html.FullEnd();
  if (!chart.picture) {
    text_element(html, "p", "This chart could not be updated.");
    html.FullEnd();
    return;
  }
  html.Start("img");
  html.Attribute("src", *chart.picture);
  html.Attribute("alt", chart.summary);
  html.Attribute("width", std::to_string(kPictureWidth));
  html.Attribute("height", std::to_string(kPictureHeight));
  html.End();
  if (chart.json) {
    html.Start("p");
    link(html, *chart.json, "Data (JSON)");
    html.FullEnd();
  }
  html.FullEnd();
}

}  // namespace

std::string station_page(const PageContent& content) {
  const std::string title = "M(3000)F2, " + content.station;
  XmlWriter html("");
  start_page(html, {title, kStyle, kReloadSeconds, ""});
  html.Start("body");
  text_element(html, "h1", title);
  const bool data_stale = stale(content);
  if (data_stale) stale_notice(html, content);
  text_element(html, "p", "Drawn " + universal_time(content.run_time) + ".");
  if (!data_stale) newest_line(html, content);
  if (content.archive) {
    html.Start("p");
    link(html, *content.archive, "Archive: every day's chart");
    html.FullEnd();
  }
  legend(html, content.charts[5]);
  html.Start("main");
  for (auto newest = content.charts.rbegin(); newest != content.charts.rend(); ++newest) {
    chart(html, *newest);
  }
  html.FullEnd();
  html.FullEnd();
  return html.Finish();
}
