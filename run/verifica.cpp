// The check: what a run would find and write, found by the run's own procedures, reported
// without writing anything.
#include <filesystem>
#include <memory>

#include "chart/grafico_previsione.h"
#include "chart/grafico_valori_autoscalati.h"
#include "platform/text_ops.h"
#include "run/form1.h"

namespace {

FolderFinding check_folder(FileSystem& files, const std::string& label, const std::string& value,
                           bool written_into) {
  std::string notes;
  const auto note = [&notes](const std::string& text) {
    notes += (notes.empty() ? "" : "; ") + text;
  };
  if (value.empty()) note("the current directory");
  if (!value.empty() && !ends_with_separator(value)) note("no final separator");
  switch (files.Kind(folder_named(value))) {
    case PathKind::missing:
      note("missing");
      break;
    case PathKind::file:
      note("not a folder");
      break;
    case PathKind::folder:
      if (written_into) note("not writable");
      break;
    case PathKind::writable_folder:
      break;
  }
  return {label, value, notes};
}

// Why an export could not create the file `path`, as it would find out; "" when it could.
std::string obstacle(FileSystem& files, const std::string& path) {
  const std::filesystem::path native(native_path(path));
  const std::string folder = native.has_parent_path() ? native.parent_path().string() : ".";
  switch (files.Kind(folder)) {
    case PathKind::missing:
      return "folder " + folder + " missing";
    case PathKind::file:
      return folder + " is not a folder";
    case PathKind::folder:
      return "folder " + folder + " not writable";
    case PathKind::writable_folder:
      break;
  }
  const PathKind target = files.Kind(native.string());
  if (target == PathKind::folder || target == PathKind::writable_folder) {
    return "a folder is in its place";
  }
  return "";
}

// The export's steps in their order: the bitmap, the publication picture, the archive
// picture; a step that would fail ends the export there, as in a run.
void check_export(FileSystem& files, const PercorsiFigura& percorsi, DayFinding* day) {
  day->publication.path = native_path(percorsi.pubblicazione);
  day->archive.path = native_path(percorsi.archivio);
  if (const std::string why = obstacle(files, percorsi.bitmap); !why.empty()) {
    day->publication.problem = day->archive.problem =
        "temporary bitmap " + native_path(percorsi.bitmap) + ": " + why;
    return;
  }
  day->publication.problem = obstacle(files, percorsi.pubblicazione);
  day->archive.problem = day->publication.problem.empty()
                             ? obstacle(files, percorsi.archivio)
                             : "not attempted after the publication picture failed";
}

// A first line may be anything, binary included: control characters are shown as "?" and a
// long line is cut, so the report stays one line per item and safe to print.
std::string printable(const std::string& text) {
  constexpr std::size_t kShown = 60;
  std::string shown = text.substr(0, kShown);
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  }
  return "\"" + shown + (text.size() > kShown ? "\"..." : "\"");
}

// The first line of `path` as the report shows it; false when there is none to show.
bool first_line(FileSystem& files, const std::string& path, std::string* shown) {
  std::string err;
  std::unique_ptr<TextFile> file = files.Open(path, &err);
  std::string line;
  if (!file) {
    *shown = "cannot read: " + err;
  } else if (!file->ReadLine(&line)) {
    *shown = "none: the file is empty";
  } else {
    *shown = printable(line);
    return true;
  }
  return false;
}

}  // namespace

bool Form1::verifica(std::ostream& out) {
  riempi_minuti();
  leggi_impostazioni();
  riempi_tabella_giorni();

  CheckReport report;
  report.settings_file = native_path(cartella_programma + "kurvo_M3000F2.ini");
  std::string err;
  if (!files_.Open(cartella_programma + "kurvo_M3000F2.ini", &err)) {
    report.settings_problem = "cannot read: " + err + "; every folder is the current directory";
  }
  report.folders = {check_folder(files_, "forecast", cartella_previsioni, true),
                    check_folder(files_, "measurement", cartella_dati, false),
                    check_folder(files_, "publication", cartella_gif, true)};

  std::string primo_file;
  const int famiglia_stazione = riconosci_stazione(&primo_file);
  bool first_line_read = false;
  if (!primo_file.empty()) {
    report.station_file = native_path(cartella_dati + primo_file);
    first_line_read = first_line(files_, cartella_dati + primo_file, &report.first_line);
  }
  if (famiglia_stazione != 0) {
    indice_giorno = 1;
    report.station = "family " + std::to_string(famiglia_stazione) + ", files named like " +
                     native_path(nome_file_misura(famiglia_stazione, chiave_mese(1), 0, 60));
  } else {
    const std::string why = primo_file.empty() ? measurement_folder_without_files()
                            : first_line_read  ? "no known station name begins the first line"
                                               : "the first line cannot be read";
    report.station = "not recognised: " + why + "; no measured values would be drawn";
  }

  for (indice_giorno = 1; indice_giorno <= 6; ++indice_giorno) {
    report.days.push_back(verifica_giorno(famiglia_stazione));
  }
  write_check_report(report, out);
  return report.pictures_written() == 12;
}

DayFinding Form1::verifica_giorno(int famiglia_stazione) {
  const std::string& file_previsioni = chiave_mese(indice_giorno);
  DayFinding day;
  day.date = data_grafico(indice_giorno);

  const std::string nome = cartella_previsioni + file_previsioni + ".txt";
  std::string riga_previsione;
  std::string err;
  if (leggi_riga_previsione(nome, &riga_previsione, &err)) {
    int valori = 0;
    for (const std::int16_t valore : valori_previsione(riga_previsione)) valori += valore != 0;
    day.forecast = native_path(nome) + ", " + std::to_string(valori) + " of 24 hourly values";
  } else {
    day.forecast = native_path(nome) + ", cannot read: " + err + "; no forecast curve";
  }

  if (famiglia_stazione != 0) day.measurements = conta_misure(famiglia_stazione, file_previsioni);
  check_export(files_, percorsi_figura(file_previsioni), &day);
  return day;
}

// The slots are tried by the trace's own walk; the latest time is kept apart from the order,
// since minute 00 is tried last in its hour.
MeasurementCount Form1::conta_misure(int famiglia_stazione, const std::string& file_previsioni) {
  MeasurementCount count;
  int ultimo_minuto_del_giorno = -1;
  scorri_misure(famiglia_stazione, file_previsioni,
                [&](int ora, int indice_minuto, const std::string& nome, const std::string* riga) {
                  if (riga == nullptr) {
                    if (files_.Kind(nome) == PathKind::file) {
                      ++count.files;
                      ++count.skipped;
                    }
                    return;
                  }
                  ++count.files;
                  switch (leggi_campo_misura(*riga).tipo) {
                    case CampoMisura::Tipo::valore:
                      ++count.values;
                      break;
                    case CampoMisura::Tipo::non_disponibile:
                      ++count.not_available;
                      break;
                    case CampoMisura::Tipo::nessun_valore:
                      ++count.no_value;
                      break;
                  }
                  const int minuto_del_giorno = 60 * ora + indice_minuto % 60;
                  if (minuto_del_giorno > ultimo_minuto_del_giorno) {
                    ultimo_minuto_del_giorno = minuto_del_giorno;
                    count.last = zero_padded(ora, 2) + ":" + minuti(indice_minuto);
                  }
                });
  return count;
}
