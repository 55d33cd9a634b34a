// Today's date, from the machine's clock or fixed by the command line, and dates as text.
#include "platform/clock.h"

#include <ctime>

#include "platform/text_ops.h"

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

namespace {

bool digits_at(const std::string& text, std::size_t first, std::size_t count) {
  for (std::size_t k = first; k < first + count; ++k) {
    if (text[k] < '0' || text[k] > '9') return false;
  }
  return true;
}

}  // namespace

std::optional<std::chrono::year_month_day> parse_date(const std::string& text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !digits_at(text, 0, 4) ||
      !digits_at(text, 5, 2) || !digits_at(text, 8, 2)) {
    return std::nullopt;
  }
  const std::chrono::year_month_day date{
      std::chrono::year{std::stoi(text.substr(0, 4))},
      std::chrono::month{static_cast<unsigned>(std::stoi(text.substr(5, 2)))},
      std::chrono::day{static_cast<unsigned>(std::stoi(text.substr(8, 2)))}};
  if (!date.ok() || date < kFirstDay || date > kLastDay) return std::nullopt;
  return date;
}

std::string format_date(std::chrono::year_month_day date) {
  return zero_padded(static_cast<int>(date.year()), 4) + "-" +
         zero_padded(static_cast<unsigned>(date.month()), 2) + "-" +
         zero_padded(static_cast<unsigned>(date.day()), 2);
}
