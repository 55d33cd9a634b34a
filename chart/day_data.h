// One chart's day as read from the files: the month's forecast for the day and the station's
// measurements of the day. The drawing, the check and every output read this value.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/riconosci_stazione.h"
#include "platform/bounded_array.h"
#include "platform/file_system.h"

/// What characters 16 to 20 of a measurement file's fifth line hold.
struct ValueField {
  enum class Kind {
    value,          // a measured value
    not_available,  // "N/A": the station had no value
    no_value,       // "NO"
  };
  Kind kind;
  /// For a value: M(3000)F2 times 100, 0 where the field reads as no number.
  float value;
};

/// One measurement file of the day that has a fifth line.
struct Measurement {
  int ora = 0;         // hour of the day, 0 to 23 (UT)
  int minuto = 0;      // minute of the hour, 0 to 59
  ValueField field{};  // what characters 16 to 20 of line 5 held
};

/// The data of one chart's day.
struct DayData {
  std::string data_grafico;            // the date label, DD/MM/YYYY
  std::chrono::year_month_day date{};  // the same day
  std::string file_previsioni;         // the month key MMYYYY

  /// The forecast file's name (a program path) and its 24 hourly values as read, M(3000)F2
  /// times 100, hour 0 first; nullopt, with the reason in `forecast_error`, when the file
  /// cannot be read.
  std::string forecast_file;
  std::optional<std::array<std::int16_t, 24>> valori_previsione;
  std::string forecast_error;

  /// The recognised station family, 1 to 6, or 0 when none is recognised (then the day has
  /// no measurements), and the station file's first line as read, trailing blanks removed.
  int famiglia_stazione = 0;
  std::string station_name;

  /// The day's measurements in the order the trace meets them: hour by hour, minutes 01 to
  /// 59 and then 00.
  std::vector<Measurement> measurements;
  /// Measurement files of the day that exist but have no fifth line, so hold no measurement.
  int files_without_value = 0;
};

/// The minute texts "01" to "59" in entries 1 to 59 and "00" in entry 60: the order in which
/// the minutes of an hour are looked for.
using MinuteTexts = BoundedArray<std::string, 1, 60>;

/// The minute texts, filled in that order.
MinuteTexts minute_texts();

/// The texts that name a chart's day: its files, its archive picture and its label; and the
/// day itself, so that nothing reads a date back from a text.
struct DayTexts {
  std::string giorno_anno;             // day of year, "001" to "366"
  std::string chiave_mese;             // month key MMYYYY
  std::string data_grafico;            // date label DD/MM/YYYY
  std::chrono::year_month_day date{};  // the day
};

/// Which day to read, and from where.
struct DayToRead {
  std::string cartella_previsioni;
  std::string cartella_dati;
  std::string file_previsioni;         // the month key MMYYYY
  std::string giorno_anno;             // the day of year "001" to "366"
  std::string data_grafico;            // the date label DD/MM/YYYY
  std::chrono::year_month_day date{};  // the day
};

/// Reads the day: the month's forecast, then, for a recognised `station`, every measurement
/// file of the day in the trace's order. Gives no warning; what could not be read is in the
/// value.
DayData read_day(FileSystem& files, const DayToRead& day, const Station& station,
                 const MinuteTexts& minuti);

/// The 24 hourly values of a forecast value line, M(3000)F2 times 100, hour 0 first; 0 for
/// a field that holds no value.
std::array<std::int16_t, 24> parse_forecast_line(const std::string& riga_previsione);

/// The value field of `riga`, a measurement file's fifth line; blanks around "N/A" and
/// "NO" are allowed, and anything else reads as a value.
ValueField read_value_field(const std::string& riga);
