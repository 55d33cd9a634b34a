// Reads XML and HTML documents back for tests, with libxml2's parsers.
#pragma once

#include <string>
#include <vector>

/// Every element of `document`, root first then depth first, as "name attribute=value ...
/// : text", attributes in document order, text being the element's own text (left out when
/// it is only line feeds). {"(not XML)"} when `document` does not parse as XML. With `html`,
/// the document is parsed as HTML instead, as a browser would.
std::vector<std::string> elements_of(const std::string& document, bool html = false);
