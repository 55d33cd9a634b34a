// Station recognition and the names of its measurement files.
#include <memory>

#include "platform/text_ops.h"
#include "run/form1.h"

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

int Form1::riconosci_stazione(std::string* primo_file) {
  *primo_file = files_.Dir(cartella_dati);
  if (primo_file->empty()) return 0;
  std::string err;
  std::unique_ptr<TextFile> file = files_.Open(cartella_dati + *primo_file, &err);
  std::string riga;
  if (!file || !file->ReadLine(&riga)) return 0;

  const std::string inizio = Mid(riga, 1, 4);
  for (const Riconoscimento& r : kRiconoscimenti) {
    if (inizio != r.inizio) continue;
    for (int ora = 0; ora <= 23; ++ora) {
      codici_ora(ora) =
          r.famiglia == 1 ? std::string(1, static_cast<char>('A' + ora)) : zero_padded(ora, 2);
    }
    return r.famiglia;
  }
  return 0;
}

std::string Form1::measurement_folder_without_files() {
  const std::string cartella =
      "measurement folder " + (cartella_dati.empty() ? "./" : native_path(cartella_dati));
  switch (files_.Kind(folder_named(cartella_dati))) {
    case PathKind::missing:
      return cartella + " is missing";
    case PathKind::file:
      return cartella + " is not a folder";
    case PathKind::folder:
    case PathKind::writable_folder:
      break;
  }
  return cartella + " holds no file";
}

std::string Form1::nome_file_misura(int famiglia_stazione, const std::string& file_previsioni,
                                    int ora, int indice_minuto) const {
  const Convenzione& c = kConvenzioni[famiglia_stazione - 1];
  return cartella_dati + c.prefisso + Mid(file_previsioni, c.inizio_anno, c.cifre_anno) +
         giorno_anno(indice_giorno) + codici_ora(ora) + minuti(indice_minuto) + c.coda;
}
