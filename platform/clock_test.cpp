#include "platform/clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace {

using namespace std::chrono;

// Sets the process's time zone for the guard's lifetime.
class TimeZone {
 public:
  explicit TimeZone(const char* zone) {
    if (const char* previous = std::getenv("TZ")) previous_ = previous;
    ::setenv("TZ", zone, 1);
    ::tzset();
  }
  ~TimeZone() {
    if (previous_) {
      ::setenv("TZ", previous_->c_str(), 1);
    } else {
      ::unsetenv("TZ");
    }
    ::tzset();
  }
  TimeZone(const TimeZone&) = delete;
  TimeZone& operator=(const TimeZone&) = delete;

 private:
  std::optional<std::string> previous_;
};

// Today is the calendar date in the local time zone. Zones 14 hours east and 11 hours west of
// UT are 25 hours apart, so their dates differ at every moment, and each must be the date at
// its own offset; the date is taken before and after the reading, in case a day ends between.
TEST(SystemClock, TodayIsTheDateInTheLocalTimeZone) {
  const struct {
    const char* zone;  // POSIX: the offset is the one to add to local time to get UT
    hours east_of_ut;
  } zones[] = {{"<+14>-14", hours{14}}, {"<-11>11", hours{-11}}};
  for (const auto& z : zones) {
    const TimeZone in_zone(z.zone);
    const year_month_day before{floor<days>(system_clock::now() + z.east_of_ut)};
    const year_month_day today = SystemClock().Date();
    const year_month_day after{floor<days>(system_clock::now() + z.east_of_ut)};
    EXPECT_TRUE(today == before || today == after) << z.zone << ": " << format_date(today);
  }
}

}  // namespace
