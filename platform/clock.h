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

/// The first and the last day a chart can show: every day the program reads, draws or names
/// lies between them, both included. The last is the last a four-digit year can name.
inline constexpr std::chrono::year_month_day kFirstDay{std::chrono::year{1900},
                                                       std::chrono::January, std::chrono::day{1}};
inline constexpr std::chrono::year_month_day kLastDay{std::chrono::year{9999},
                                                      std::chrono::December, std::chrono::day{31}};

/// The date written as YYYY-MM-DD, a real day from `kFirstDay` to `kLastDay`; nullopt for any
/// other text.
std::optional<std::chrono::year_month_day> parse_date(const std::string& text);

/// `date` written as YYYY-MM-DD.
std::string format_date(std::chrono::year_month_day date);
