// The data file of a day's chart: the values the chart plots, as one JSON object.
#pragma once

#include <string>

#include "chart/day_data.h"

/// The JSON document of `giorno` as described in doc/file-formats.md: date, station, forecast,
/// measurements in time order (each value saying whether the chart joins its dot to the dot
/// before it), newest measurement and summary; indented, ending with a line feed. Bytes of
/// the station line that are not UTF-8 become U+FFFD (`valid_utf8`), as in every output, so
/// the document is always valid JSON.
std::string json_document(const DayData& giorno);
