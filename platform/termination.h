// What the process does when it is told to stop: the temporary file it is writing goes, and
// the process ends as the signal asks. A closed standard error does not stop it.
#pragma once

#include <csignal>
#include <string>

/// Makes SIGTERM, SIGINT and SIGHUP delete the recorded temporary file (see
/// `record_temporary_file`) and then end the process by the same signal, so that whoever
/// started it sees it killed; a signal ignored when the process started (as under nohup)
/// stays ignored. Ignores SIGPIPE, so that writing to a closed standard error fails instead of
/// ending the process.
void handle_termination_signals();

/// Holds SIGTERM, SIGINT and SIGHUP back while it lives; one that arrives meanwhile is
/// delivered when it ends. For steps that no such signal may fall between, such as creating a
/// temporary file and recording it.
class TerminationSignalsHeld {
 public:
  TerminationSignalsHeld();
  ~TerminationSignalsHeld();
  TerminationSignalsHeld(const TerminationSignalsHeld&) = delete;
  TerminationSignalsHeld& operator=(const TerminationSignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

/// Records `path` (a native path) as the temporary file a termination signal deletes; ""
/// records none. Call it with the signals held, in the same step that creates, renames or
/// deletes the file.
void record_temporary_file(const std::string& path);
