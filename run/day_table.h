// The day table: the texts of the six days a run draws, five days ago up to today.
#pragma once

#include <array>
#include <chrono>

#include "chart/day_data.h"
#include "platform/clock.h"

/// The six days' texts: element n - 1 is chart n, the day n - 6 days from today.
using DayTable = std::array<DayTexts, 6>;

/// The earliest day a run can take as today: its first chart is then the first day a chart
/// can show.
inline constexpr std::chrono::year_month_day kEarliestToday{
    std::chrono::sys_days{kFirstDay} + std::chrono::days{std::tuple_size_v<DayTable> - 1}};

/// The texts of `day`: day of year, month key and date label.
DayTexts day_texts(std::chrono::year_month_day day);

/// The table of the six days ending `oggi`.
DayTable fill_day_table(std::chrono::year_month_day oggi);
