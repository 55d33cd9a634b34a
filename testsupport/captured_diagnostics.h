// Diagnostics for tests, whose messages are kept for comparison.
#pragma once

#include <sstream>
#include <string>

#include "platform/diagnostics.h"

/// The stream the diagnostics write to, set up before them.
struct CapturedStream {
  std::ostringstream stream;
};

/// Diagnostics whose messages are kept.
class CapturedDiagnostics : private CapturedStream, public Diagnostics {
 public:
  explicit CapturedDiagnostics(Shown shown = Shown::elsewhere) : Diagnostics(stream, shown) {}
  /// Everything written so far.
  std::string str() const { return stream.str(); }
};
