// Station recognition and the names of its measurement files.
#include "chart/riconosci_stazione.h"

#include <memory>

#include "platform/text_ops.h"

namespace {

// The beginning of the station file's first line that names each family; the comparison
// is exact, letter case included.
struct Riconoscimento {
  const char* inizio;
  int famiglia;
};
constexpr Riconoscimento kRiconoscimenti[] = {
    {"Gibi", 1}, {"Mosc", 1}, {"Tucu", 2}, {"Bahi", 3}, {"Rome", 4}, {"La_S", 5}, {"Mali", 6},
};

// How a family names its files, after the measurement folder: a prefix, the year taken from
// the month key (characters 5-6 or 3-6), the day of year, the hour code, the minute, and an
// ending ("00" before the extension stands for the seconds).
struct Convenzione {
  const char* prefisso;
  int inizio_anno;
  int cifre_anno;
  const char* coda;
};
constexpr Convenzione kConvenzioni[] = {
    {"", 5, 2, ".TXT"},          // 1: YY DDD H MM .TXT, H a letter
    {"TUJ2O_", 3, 4, ".TXT"},    // 2
    {"BBJ3R_", 3, 4, ".TXT"},    // 3
    {"RM041_", 3, 4, "00.TXT"},  // 4
    {"SP044_", 3, 4, "00.TXT"},  // 5
    {"ML10L_", 3, 4, "00.TXT"},  // 6
};

}  // namespace

Station riconosci_stazione(FileSystem& files, const std::string& cartella_dati,
                           const std::string& primo_file) {
  Station stazione;
  stazione.primo_file = primo_file;
  if (primo_file.empty()) return stazione;
  std::string err;
  std::unique_ptr<TextFile> file = files.Open(cartella_dati + primo_file, &err);
  stazione.first_line_read = file && file->ReadLine(&stazione.first_line);
  if (!stazione.first_line_read) return stazione;

  const std::string inizio = Mid(stazione.first_line, 1, 4);
  for (const Riconoscimento& r : kRiconoscimenti) {
    if (inizio != r.inizio) continue;
    for (int ora = 0; ora <= 23; ++ora) {
      stazione.codici_ora(ora) =
          r.famiglia == 1 ? std::string(1, static_cast<char>('A' + ora)) : zero_padded(ora, 2);
    }
    stazione.famiglia_stazione = r.famiglia;
    break;
  }
  return stazione;
}

// Within one run the first entry cannot usefully differ from chart to chart, and a folder
// of years of files costs a full listing each time, so it is listed once.
bool station_of_folder(FileSystem& files, const std::string& cartella_dati, Station* station,
                       std::string* err) {
  std::string primo_file;
  if (!files.Dir(cartella_dati, &primo_file, err)) return false;
  *station = riconosci_stazione(files, cartella_dati, primo_file);
  return true;
}

std::string nome_file_misura(const Station& stazione, const std::string& cartella_dati,
                             const std::string& file_previsioni, const std::string& giorno_anno,
                             int ora, const std::string& minuto) {
  const Convenzione& c = kConvenzioni[stazione.famiglia_stazione - 1];
  return cartella_dati + c.prefisso + Mid(file_previsioni, c.inizio_anno, c.cifre_anno) +
         giorno_anno + stazione.codici_ora(ora) + minuto + c.coda;
}
