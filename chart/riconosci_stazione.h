// Station recognition and the names of its measurement files.
#pragma once

#include <string>

#include "platform/bounded_array.h"
#include "platform/file_system.h"

/// The station whose measurements the measurement folder holds, recognised once per run
/// from the first line of the folder's first file.
struct Station {
  std::string primo_file;  // the name of the station file; "" when the folder holds none
  bool first_line_read = false;
  std::string first_line;                       // the station file's first line as read
  int famiglia_stazione = 0;                    // 1 to 6; 0 when no station is recognised
  BoundedArray<std::string, 0, 24> codici_ora;  // hour codes of the family, entries 0 to 23
};

/// Recognises the station by the first line of `primo_file` in `cartella_dati` (the first
/// entry of its listing; "" when it holds none) and sets the family's hour codes.
Station riconosci_stazione(FileSystem& files, const std::string& cartella_dati,
                           const std::string& primo_file);

/// Lists the measurement folder `cartella_dati` once and recognises the station by its first
/// entry, into `*station`. False, with the reason in `*err`, when the folder cannot be listed.
bool station_of_folder(FileSystem& files, const std::string& cartella_dati, Station* station,
                       std::string* err);

/// The full name of the measurement file of the recognised `stazione` in `cartella_dati` at
/// hour `ora` and minute text `minuto` ("00" to "59") of the day `giorno_anno` ("001" to
/// "366") of the month `file_previsioni` (MMYYYY).
std::string nome_file_misura(const Station& stazione, const std::string& cartella_dati,
                             const std::string& file_previsioni, const std::string& giorno_anno,
                             int ora, const std::string& minuto);
