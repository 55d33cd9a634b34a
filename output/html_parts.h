// What the station page and the archive page share: their look, the start of the document,
// and times and dates as they print them.
#pragma once

#include <chrono>
#include <string>

#include "platform/xml_writer.h"

/// Starts an HTML page in `html`: the document type, the root in English, and the head with
/// the character set, a viewport for narrow screens, a reload every `refresh_seconds` (none
/// when 0), `title`, and the pages' common style followed by `style`. The body is left for
/// the caller; `Finish` ends it.
void start_page(XmlWriter& html, const std::string& title, const char* style, int refresh_seconds);

/// An element `name` holding `text`.
void text_element(XmlWriter& html, const char* name, const std::string& text);

/// A link to `href` reading `text`, with the class `css_class` unless it is null.
void link(XmlWriter& html, const std::string& href, const std::string& text,
          const char* css_class = nullptr);

/// "YYYY-MM-DD HH:MM UT".
std::string universal_time(std::chrono::sys_seconds time);
