// The metrics of a run or an archive redraw, told from its outcome and written after it.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "output/metrics.h"
#include "run/run_outcome.h"

/// The metrics of `outcome`, for the station folder `folder`, made at `timestamp_seconds`
/// (since 1970-01-01 UT) in `duration_seconds`.
RunMetrics run_metrics(const RunOutcome& outcome, const std::string& folder,
                       double timestamp_seconds, double duration_seconds);

/// The metrics file name that stands for standard output.
inline constexpr std::string_view kStandardOutput = "-";

/// Writes `metrics` to `file` as a file the command line names (see
/// `FileSystem::WriteNamedFile`), or to `standard_output` when `file` is "-", whose failure
/// the caller learns when it flushes it; false, with an error, when the file cannot be
/// written.
bool write_metrics(const Platform& platform, const std::string& file, const RunMetrics& metrics,
                   std::ostream& standard_output);
