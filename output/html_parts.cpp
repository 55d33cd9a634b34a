// What the station page and the archive page share: their look, the start of the document,
// and times as they print them.
#include "output/html_parts.h"

#include <cstdio>

namespace {

// Light or dark as the reader's system is, centred and at most 62rem wide. No
// character here needs escaping in a text.
constexpr const char* kCommonStyle =
    ":root{color-scheme:light dark}"
    "body{margin:0 auto;max-width:62rem;padding:1rem;"
    "font-family:'Liberation Sans',Arial,Helvetica,sans-serif;background:#fff;color:#111}"
    "a{color:#0645ad}"
    "@media (prefers-color-scheme:dark){body{background:#111;color:#eee}a{color:#9cc1ff}}"
    "h1{font-size:1.5rem;margin:0 0 .5rem}"
    "h2{font-size:1.1rem;margin:0 0 .5rem}";

void meta(XmlWriter& html, const char* attribute, const char* name, const std::string& content) {
  html.Start("meta");
  html.Attribute(attribute, name);
  html.Attribute("content", content);
  html.End();
}

}  // namespace

void start_page(XmlWriter& html, const PageHead& head) {
  html.HtmlDocumentType();
  html.Start("html");
  html.Attribute("lang", "en");
  html.Start("head");
  html.Start("meta");
  html.Attribute("charset", "utf-8");
  html.End();
  meta(html, "name", "viewport", "width=device-width, initial-scale=1");
  if (head.refresh_seconds > 0) {
    meta(html, "http-equiv", "refresh", std::to_string(head.refresh_seconds));
  }
  if (!head.generator.empty()) meta(html, "name", "generator", head.generator);
  text_element(html, "title", head.title);
  text_element(html, "style", std::string(kCommonStyle) + head.style);
  html.FullEnd();
}

void text_element(XmlWriter& html, const char* name, const std::string& text) {
  html.Start(name);
  html.Text(text);
  html.FullEnd();
}

void link(XmlWriter& html, const std::string& href, const std::string& text) {
  html.Start("a");
  html.Attribute("href", href);
  html.Text(text);
  html.FullEnd();
}

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
