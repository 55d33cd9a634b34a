// Reading one chart's day into a value: the forecast first, then the measurements, in the
// order the chart has always read them.
#include "chart/day_data.h"

#include <memory>

#include "platform/text_ops.h"

namespace {

std::string without_trailing_blanks(std::string text) {
  text.erase(text.find_last_not_of(" \t") + 1);
  return text;
}

// Field k of the value line covers columns 5k-4 to 5k: a separator, the units digit, the
// decimal point and two decimals. The point is skipped, so the digits read as M(3000)F2
// times 100; a blank units digit is dropped. A value that is no Integer leaves 0.
std::int16_t valore_campo(const std::string& riga_previsione, int k) {
  const std::string testo =
      Trim(Mid(riga_previsione, 5 * k - 3, 1)) + Mid(riga_previsione, 5 * k - 1, 2);
  return to_integer(Val(testo)).value_or(0);
}

// Each read replaces the buffer and a read past the end keeps it, so a short file has its
// last line taken as the value line.
void read_forecast(FileSystem& files, const DayToRead& day, DayData* data) {
  data->forecast_file = day.cartella_previsioni + day.file_previsioni + ".txt";
  std::unique_ptr<TextFile> file = files.Open(data->forecast_file, &data->forecast_error);
  if (!file) return;
  std::string riga_previsione;
  for (int riga = 1; riga <= 3; ++riga) file->ReadLine(&riga_previsione);
  data->valori_previsione = parse_forecast_line(riga_previsione);
}

// The value stands on line 5; a file without a fifth line holds no measurement.
bool read_value_line(TextFile& file, std::string* riga) {
  for (int numero = 1; numero <= 5; ++numero) {
    if (!file.ReadLine(riga)) return false;
  }
  return true;
}

// Every name of the day is tried; most do not exist, and a missing file costs only its
// failed open, made relative to the folder, which is looked up once per chart. Minute "00"
// is tried last in its hour, so the join rule sees the measurements of an hour as
// :01 ... :59, :00.
void read_measurements(FileSystem& files, const DayToRead& day, const Station& station,
                       const MinuteTexts& minuti, DayData* data) {
  const std::string cartella = folder_of(day.cartella_dati);
  const std::unique_ptr<Folder> cartella_misure = files.OpenFolder(cartella);
  std::string riga;
  for (int ora = 0; ora <= 23; ++ora) {
    for (int indice_minuto = 1; indice_minuto <= 60; ++indice_minuto) {
      const std::string nome = nome_file_misura(station, day.cartella_dati, day.file_previsioni,
                                                day.giorno_anno, ora, minuti(indice_minuto));
      const std::unique_ptr<TextFile> file = cartella_misure->Open(nome.substr(cartella.size()));
      if (!file) continue;
      if (!read_value_line(*file, &riga)) {
        ++data->files_without_value;
        continue;
      }
      data->measurements.push_back({ora, indice_minuto % 60, read_value_field(riga)});
    }
  }
}

}  // namespace

// Minute 00 is the last entry, after 59: the measurement of minute 00 is looked for last
// within its hour.
MinuteTexts minute_texts() {
  MinuteTexts minuti;
  for (int minuto = 1; minuto <= 59; ++minuto) minuti(minuto) = zero_padded(minuto, 2);
  minuti(60) = "00";
  return minuti;
}

DayData read_day(FileSystem& files, const DayToRead& day, const Station& station,
                 const MinuteTexts& minuti) {
  DayData data;
  data.data_grafico = day.data_grafico;
  data.date = day.date;
  data.file_previsioni = day.file_previsioni;
  read_forecast(files, day, &data);
  data.famiglia_stazione = station.famiglia_stazione;
  if (station.famiglia_stazione == 0) return data;
  data.station_name = without_trailing_blanks(station.first_line);
  read_measurements(files, day, station, minuti, &data);
  return data;
}

std::array<std::int16_t, 24> parse_forecast_line(const std::string& riga_previsione) {
  std::array<std::int16_t, 24> valori{};
  for (int ora_previsione = 1; ora_previsione <= 24; ++ora_previsione) {
    valori[ora_previsione - 1] = valore_campo(riga_previsione, ora_previsione);
  }
  return valori;
}

ValueField read_value_field(const std::string& riga) {
  const std::string testo_valore = Mid(riga, 16, 5);
  const std::string t = Trim(testo_valore);
  if (t == "NO") return {ValueField::Kind::no_value, 0};
  if (t == "N/A") return {ValueField::Kind::not_available, 0};
  // Integer part (blanks dropped) and decimals, the point skipped: M(3000)F2 times 100.
  return {ValueField::Kind::value,
          static_cast<float>(Val(Trim(Mid(testo_valore, 1, 2)) + Mid(testo_valore, 4, 2)))};
}
