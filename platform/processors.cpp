// How many processors the process may run on.
#include "platform/processors.h"

#include <sched.h>

// The affinity mask, not the machine's count: a service limited to some processors (by
// taskset or systemd's CPUAffinity=) draws on those alone.
int processors_available() {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (::sched_getaffinity(0, sizeof set, &set) != 0) return 1;
  const int count = CPU_COUNT(&set);
  return count > 0 ? count : 1;
}
