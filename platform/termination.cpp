// What the process does when it is told to stop: the temporary file it is writing goes, and
// the process ends as the signal asks. A closed standard error does not stop it.
#include "platform/termination.h"

#include <limits.h>
#include <unistd.h>

#include <cstring>

namespace {

constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may call only async-signal-safe functions, so the path lies in a fixed buffer
// rather than a std::string; it is written only while the signals are held, so the handler
// never sees it half-written. A path the kernel accepts has fewer than PATH_MAX bytes.
char recorded_temporary[PATH_MAX];

extern "C" void delete_temporary_and_end(int signal) {
  if (recorded_temporary[0] != '\0') ::unlink(recorded_temporary);
  // The handler was installed with SA_RESETHAND, so the signal now ends the process as it
  // would have without one; it is delivered as soon as the handler returns.
  ::raise(signal);
}

sigset_t termination_signals() {
  sigset_t set;
  sigemptyset(&set);
  for (const int signal : kTerminationSignals) sigaddset(&set, signal);
  return set;
}

}  // namespace

void handle_termination_signals() {
  struct sigaction action {};
  action.sa_handler = delete_temporary_and_end;
  action.sa_mask = termination_signals();
  action.sa_flags = SA_RESETHAND;
  for (const int signal : kTerminationSignals) {
    struct sigaction inherited {};
    if (::sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN) continue;
    ::sigaction(signal, &action, nullptr);
  }
  ::signal(SIGPIPE, SIG_IGN);
}

TerminationSignalsHeld::TerminationSignalsHeld() {
  const sigset_t held = termination_signals();
  ::sigprocmask(SIG_BLOCK, &held, &previous_);
}

TerminationSignalsHeld::~TerminationSignalsHeld() {
  ::sigprocmask(SIG_SETMASK, &previous_, nullptr);
}

void record_temporary_file(const std::string& path) {
  // A longer path names no file the kernel could have created, so there is none to record.
  if (path.size() >= sizeof recorded_temporary) {
    recorded_temporary[0] = '\0';
    return;
  }
  std::memcpy(recorded_temporary, path.c_str(), path.size() + 1);
}
