// The metrics of a run or an archive redraw, told from its outcome and written after it.
#pragma once

#include <string>

#include "output/metrics.h"
#include "run/run_outcome.h"

/// The metrics of `outcome`, for the station folder `folder`, made at `timestamp_seconds`
/// (since 1970-01-01 UT) in `duration_seconds`.
RunMetrics run_metrics(const RunOutcome& outcome, const std::string& folder,
                       double timestamp_seconds, double duration_seconds);

/// Writes `metrics` to `file`, replacing it whole; false, with an error, when it cannot.
bool write_metrics(const Platform& platform, const std::string& file, const RunMetrics& metrics);
