// How many processors the process may run on.
#pragma once

/// The processors the process may use (its CPU affinity), at least 1.
int processors_available();
