// What a run or an archive redraw did.
#include "run/run_outcome.h"

bool RunOutcome::all_written() const {
  if (!charts_made || !page_written) return false;
  for (const ChartOutcome& chart : charts) {
    if (!chart.report.all_written()) return false;
  }
  return true;
}

int RunOutcome::pictures_written() const {
  int written = 0;
  for (const ChartOutcome& chart : charts) {
    const int pictures = chart.files.publication.empty() ? 1 : 2;
    written += pictures - static_cast<int>(chart.report.unwritten.size());
  }
  return written;
}
