// Today's date, from the machine's clock or fixed by the command line.
#pragma once

#include <chrono>

/// The calendar date the run takes as today.
class Clock {
 public:
  virtual ~Clock() = default;
  /// Today's date.
  virtual std::chrono::year_month_day Date() = 0;
  /// The time now in UT, to the second, from the machine's clock whatever day the run takes
  /// as today: the time a run is made.
  virtual std::chrono::sys_seconds Now();
};

/// The machine's local calendar date.
class SystemClock : public Clock {
 public:
  std::chrono::year_month_day Date() override;
};

/// A date given once and returned ever after.
class FixedClock : public Clock {
 public:
  explicit FixedClock(std::chrono::year_month_day today) : today_(today) {}
  std::chrono::year_month_day Date() override { return today_; }

 private:
  std::chrono::year_month_day today_;
};
