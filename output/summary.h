// One English sentence that says what a day's chart shows, for readers who cannot see it.
#pragma once

#include <string>

#include "chart/day_data.h"

/// The chart of `giorno` in words: the day; how many measurements hold a value, from when to
/// when (UT) and their range, and how many are marked not available; the forecast's range;
/// and the longest gap of over an hour between two measurements with a value that follow
/// each other. The hours before the first and after the last measurement are not counted as
/// a gap, since the sentence gives the first and the last time. Values have two decimals.
std::string summary(const DayData& giorno);
