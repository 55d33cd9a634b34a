// Today's date, from the machine's clock or fixed by the command line.
#include "platform/clock.h"

#include <ctime>

std::chrono::year_month_day SystemClock::Date() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return std::chrono::year{local.tm_year + 1900} /
         std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)} /
         std::chrono::day{static_cast<unsigned>(local.tm_mday)};
}

std::chrono::sys_seconds Clock::Now() {
  return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
}
