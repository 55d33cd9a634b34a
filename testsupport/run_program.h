// Runs the built program as a separate process, the way cron runs it.
#pragma once

#include <string>

#include "testsupport/temp_dir.h"

/// How a run of the program ended and what it wrote.
struct Outcome {
  /// The exit status; 124 when it did not end within the time allowed, 128 + n when signal n
  /// ended it, -1 when the shell around it did not end normally.
  int status;
  std::string out, err;
};

/// Runs the program in `folder` with the arguments given and no input, allowing it two
/// minutes, far beyond what a run takes even under the sanitizers, so that a run that hangs
/// fails its test instead of stalling the suite.
Outcome run_program(const TempDir& folder, const std::string& arguments);
