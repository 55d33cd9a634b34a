// What the process does when it is told to stop: the temporary files it is writing and the
// bitmaps it is exporting go, and the process ends as the signal asks. A closed standard
// error does not stop it.
#pragma once

#include <csignal>
#include <string>

/// Makes SIGTERM, SIGINT and SIGHUP delete every recorded file (see `record_temporary_file`)
/// and then end the process by the same signal, so that whoever started it sees it killed;
/// a signal ignored when the process started (as under nohup) stays ignored. Ignores SIGPIPE,
/// so that writing to a closed standard error fails instead of ending the process.
void handle_termination_signals();

/// Keeps the termination signals off the calling thread for good: for the threads that draw
/// charts beside the main thread, which alone handles them.
void leave_termination_signals_to_main_thread();

/// A step that creates, renames or deletes a file whose name is to be recorded: while it
/// lives the termination signals are held back on this thread, and a handler running on
/// another thread waits for it to end before it deletes the recorded files, so that no file
/// is made after the deletion. A step begun once the process is ending waits for its end.
class TerminationSignalsHeld {
 public:
  TerminationSignalsHeld();
  ~TerminationSignalsHeld();
  TerminationSignalsHeld(const TerminationSignalsHeld&) = delete;
  TerminationSignalsHeld& operator=(const TerminationSignalsHeld&) = delete;

 private:
  sigset_t previous_;
};

/// Records `path` (a native path) as a file of the calling thread that a termination signal
/// deletes. Call it with the signals held, in the same step that creates the file. A path too
/// long for any file, or one more than the fixed number of recorded files, is not recorded.
void record_temporary_file(const std::string& path);

/// Forgets `path`, recorded by the calling thread; in the step that renames or deletes it.
void forget_temporary_file(const std::string& path);
