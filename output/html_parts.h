// What the station page and the archive page share: their look, the start of the document,
// and times as they print them.
#pragma once

#include <chrono>
#include <string>

#include "platform/xml_writer.h"

/// The head of a page, besides what every page has.
struct PageHead {
  std::string title;
  const char* style = "";   // follows the pages' common style
  int refresh_seconds = 0;  // reload every so many seconds; never when 0
  std::string generator;    // the content of a "generator" meta element; none when empty
};

/// Starts an HTML page in `html`: the document type, the root in English, and the head with
/// the character set, a viewport for narrow screens and `head`. The body is left for the
/// caller; `Finish` ends it.
void start_page(XmlWriter& html, const PageHead& head);

/// An element `name` holding `text`.
void text_element(XmlWriter& html, const char* name, const std::string& text);

/// A link to `href` reading `text`.
void link(XmlWriter& html, const std::string& href, const std::string& text);

/// "YYYY-MM-DD HH:MM UT".
std::string universal_time(std::chrono::sys_seconds time);
