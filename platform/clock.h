// Today's date, from the machine's clock or fixed by the command line, and dates as text.
#pragma once

#include <chrono>
#include <optional>
#include <string>

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

/// The date written as YYYY-MM-DD, from 1900-01-01 to 9999-12-31; nullopt for any other text.
std::optional<std::chrono::year_month_day> parse_date(const std::string& text);

/// `date` written as YYYY-MM-DD.
std::string format_date(std::chrono::year_month_day date);
