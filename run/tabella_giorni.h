// The texts that name a chart's day: day of year, month key and date label.
#pragma once

#include <chrono>
#include <string>

/// What the files and the label of one day are named by.
struct DayTexts {
  std::string giorno_anno;   // day of year, "001" to "366"
  std::string chiave_mese;   // month key MMYYYY
  std::string data_grafico;  // date label DD/MM/YYYY
};

/// The texts of `day`.
DayTexts day_texts(std::chrono::year_month_day day);
