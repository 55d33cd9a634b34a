// The day table: the texts of the six days a run draws, five days ago up to today.
#pragma once

#include <array>
#include <chrono>

#include "chart/day_data.h"

/// The six days' texts: element n - 1 is chart n, the day n - 6 days from today.
using DayTable = std::array<DayTexts, 6>;

/// The texts of `day`: day of year, month key and date label.
DayTexts day_texts(std::chrono::year_month_day day);

/// The table of the six days ending `oggi`.
DayTable fill_day_table(std::chrono::year_month_day oggi);
