// Checks a metrics text with promtool, the checker of the Prometheus packages.
#pragma once

#include <string>

/// What `promtool check metrics` said of a metrics text: its exit status and its output.
struct PromtoolVerdict {
  int status;
  std::string output;
};

/// Passes `text` through `promtool check metrics`; status 127 when promtool is missing.
PromtoolVerdict promtool_check(const std::string& text);
