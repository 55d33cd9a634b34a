// What the process does when it is told to stop: the recorded files go, and the process ends
// as the signal asks. A closed standard error does not stop it.
#include "platform/termination.h"

#include <limits.h>
#include <pthread.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace {

constexpr int kTerminationSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may call only async-signal-safe functions, so each recorded path lies in a
// fixed buffer rather than a std::string, published by its slot's state: a handler reads a
// path only while its slot is ready, and only the thread that recorded it changes it. Each
// thread holds at most a bitmap and the temporary file it is writing.
constexpr int kSlots = 256;
enum SlotState : int { kFree, kClaimed, kReady };
struct Slot {
  std::atomic<int> state{kFree};
  pthread_t owner{};
  char path[PATH_MAX];
};
Slot slots[kSlots];

// Steps in progress on any thread, and whether a handler has begun deleting.
std::atomic<int> steps_in_progress{0};
std::atomic<bool> ending{false};

bool owned_by_caller(const Slot& slot) {
  return slot.state.load() == kReady && pthread_equal(slot.owner, pthread_self()) != 0;
}

// The steps of the handler's own thread are over, since they hold the signals; those of the
// other threads are waited for, and no new one begins, so no file appears after the deletion.
extern "C" void delete_recorded_and_end(int signal) {
  ending.store(true);
  while (steps_in_progress.load() != 0) {
  }
  for (Slot& slot : slots) {
    if (slot.state.load() == kReady) ::unlink(slot.path);
  }
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
  action.sa_handler = delete_recorded_and_end;
  action.sa_mask = termination_signals();
  action.sa_flags = SA_RESETHAND;
  for (const int signal : kTerminationSignals) {
    struct sigaction inherited {};
    if (::sigaction(signal, nullptr, &inherited) == 0 && inherited.sa_handler == SIG_IGN) continue;
    ::sigaction(signal, &action, nullptr);
  }
  ::signal(SIGPIPE, SIG_IGN);
}

void leave_termination_signals_to_main_thread() {
  const sigset_t held = termination_signals();
  ::pthread_sigmask(SIG_BLOCK, &held, nullptr);
}

// The count goes up before the test, so a handler that has not seen it yet will wait for it.
TerminationSignalsHeld::TerminationSignalsHeld() {
  const sigset_t held = termination_signals();
  ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
  steps_in_progress.fetch_add(1);
  if (!ending.load()) return;
  steps_in_progress.fetch_sub(1);
  for (;;) ::pause();  // the handler ends the process
}

TerminationSignalsHeld::~TerminationSignalsHeld() {
  steps_in_progress.fetch_sub(1);
  ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

// A longer path names no file the kernel could have created, so there is none to record.
void record_temporary_file(const std::string& path) {
  if (path.size() >= PATH_MAX) return;
  for (Slot& slot : slots) {
    int free = kFree;
    if (!slot.state.compare_exchange_strong(free, kClaimed)) continue;
    slot.owner = pthread_self();
    std::memcpy(slot.path, path.c_str(), path.size() + 1);
    slot.state.store(kReady);
    return;
  }
}

void forget_temporary_file(const std::string& path) {
  for (Slot& slot : slots) {
    if (owned_by_caller(slot) && path == slot.path) {
      slot.state.store(kFree);
      return;
    }
  }
}
