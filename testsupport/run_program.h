// Runs the built program as a separate process, the way cron runs it.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

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
/// The same in the folder named `folder`, whatever bytes its name holds; with `runner`, a
/// command that runs the program given after it (such as one that changes the user).
Outcome run_program(const std::string& folder, const std::string& arguments,
                    const std::string& runner = "");

/// A run of the program started in the background, in `folder` with `arguments` (each one
/// argument) and no input; its standard output goes nowhere and its standard error to the
/// descriptor `err` (nowhere when -1). It starts with the termination signals and SIGPIPE at
/// their defaults and none blocked, whatever the test's own are. A run not waited for is
/// killed when the object ends.
class StartedProgram {
 public:
  StartedProgram(const TempDir& folder, const std::vector<std::string>& arguments, int err = -1);
  ~StartedProgram();
  StartedProgram(const StartedProgram&) = delete;
  StartedProgram& operator=(const StartedProgram&) = delete;

  /// Sends `signal` to the program itself.
  void Signal(int signal) const;
  /// Whether the program has not ended yet.
  bool Running();
  /// Waits for the end of the program: its exit status, or 128 + n when signal n ended it.
  int Wait();

 private:
  pid_t pid_;
  int status_ = -1;
};
