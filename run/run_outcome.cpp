// What a run or an archive redraw did, tallied chart by chart.
#include "run/run_outcome.h"

void RunOutcome::ChartsBegin(bool station_recognised) {
  charts_begun_ = true;
  station_recognised_ = station_recognised;
}

void RunOutcome::Add(const ChartOutcome& chart) {
  const int pictures = chart.files.publication.empty() ? 1 : 2;
  pictures_written_ += pictures - static_cast<int>(chart.report.unwritten.size());
  files_beside_written_ = files_beside_written_ && chart.report.unwritten_beside.empty();
  const DayCount count = count_day(chart.day);
  if (six_charts_) chart_counts_.push_back(count);
  if (count.newest_value_time && (!newest_ || *count.newest_value_time > *newest_)) {
    newest_ = count.newest_value_time;
  }
}

bool RunOutcome::all_written() const {
  return charts_begun_ && pictures_written_ == pictures_planned_ && files_beside_written_ &&
         page_written_;
}
