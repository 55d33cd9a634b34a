// The station page: index.html in the publication folder, showing the six charts of a run.
#include "output/page.h"

#include <cstdio>

#include "platform/xml_writer.h"

namespace {

// The charts in a grid as wide as the screen allows, each picture as wide as its column;
// light or dark as the reader's system is. No character here needs escaping in a text.
constexpr const char* kStyle =
    ":root{color-scheme:light dark}"
    "body{margin:0 auto;max-width:62rem;padding:1rem;"
    "font-family:'Liberation Sans',Arial,Helvetica,sans-serif;background:#fff;color:#111}"
    "a{color:#0645ad}"
    "@media (prefers-color-scheme:dark){body{background:#111;color:#eee}a{color:#9cc1ff}}"
    "h1{font-size:1.5rem;margin:0 0 .5rem}"
    "h2{font-size:1.1rem;margin:0 0 .5rem}"
    "main{display:grid;grid-template-columns:repeat(auto-fill,minmax(18rem,1fr));gap:1.5rem}"
    "section p{margin:.5rem 0 0}"
    "img{display:block;width:100%;max-width:572px;height:auto;background:#000}";

// "YYYY-MM-DD HH:MM UT".
std::string universal_time(std::chrono::sys_seconds time) {
  const auto day = std::chrono::floor<std::chrono::days>(time);
  const std::chrono::year_month_day date{day};
  const std::chrono::hh_mm_ss clock{time - day};
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d UT", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()));
  return text;
}

void element(XmlWriter& html, const char* name, const std::string& text) {
  html.Start(name);
  html.Text(text);
  html.FullEnd();
}

void meta(XmlWriter& html, const char* attribute, const char* name, const char* content) {
  html.Start("meta");
  html.Attribute(attribute, name);
  html.Attribute("content", content);
  html.End();
}

void head(XmlWriter& html, const std::string& title) {
  html.Start("head");
  html.Start("meta");
  html.Attribute("charset", "utf-8");
  html.End();
  meta(html, "name", "viewport", "width=device-width, initial-scale=1");
  meta(html, "http-equiv", "refresh", "300");
  element(html, "title", title);
  element(html, "style", kStyle);
  html.FullEnd();
}

void chart(XmlWriter& html, const PageChart& chart) {
  html.Start("section");
  element(html, "h2", chart.date);
  if (!chart.picture) {
    element(html, "p", "This chart could not be updated.");
    html.FullEnd();
    return;
  }
  html.Start("img");
  html.Attribute("src", *chart.picture);
  html.Attribute("alt", chart.summary);
  html.Attribute("width", "286");
  html.Attribute("height", "231");
  html.End();
  if (chart.json) {
    html.Start("p");
    html.Start("a");
    html.Attribute("href", *chart.json);
    html.Text("Data (JSON)");
    html.FullEnd();
    html.FullEnd();
  }
  html.FullEnd();
}

}  // namespace

std::string station_page(const PageContent& content) {
  const std::string title = "M(3000)F2, " + content.station;
  XmlWriter html("");
  html.HtmlDocumentType();
  html.Start("html");
  html.Attribute("lang", "en");
  head(html, title);
  html.Start("body");
  element(html, "h1", title);
  element(html, "p", "Drawn " + universal_time(content.run_time) + ".");
  element(html, "p",
          content.newest_measurement
              ? "Newest measurement taken " + universal_time(*content.newest_measurement) + "."
              : "No measurement in these six days.");
  html.Start("main");
  for (auto newest = content.charts.rbegin(); newest != content.charts.rend(); ++newest) {
    chart(html, *newest);
  }
  html.FullEnd();
  html.FullEnd();
  return html.Finish();
}
