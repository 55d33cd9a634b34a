// The check: what a run would find and write, found by the run's own steps, reported
// without writing anything.
#include <algorithm>
#include <memory>

#include "chart/draw_chart.h"
#include "chart/geometria.h"
#include "output/plotted_values.h"
#include "output/salva_figura.h"
#include "platform/dry_run_file_system.h"
#include "platform/text_ops.h"
#include "run/check_report.h"
#include "run/form1.h"
#include "run/tabella_giorni.h"

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

// A first line may be anything, binary included: a long line is cut, so the report stays
// one line per item; the report shows control characters as escapes.
std::string printable(const std::string& text) {
  constexpr std::size_t kShown = 60;
  return "\"" + text.substr(0, kShown) + (text.size() > kShown ? "\"..." : "\"");
}

// Why the station file's first line cannot be shown.
std::string first_line_problem(FileSystem& files, const std::string& path) {
  std::string err;
  if (!files.Open(path, &err)) return "cannot read: " + err;
  return "none: the file is empty";
}

// The counts of the report, from the day as the trace reads it.
MeasurementCount conta_misure(const DayData& dati) {
  MeasurementCount count;
  count.files = static_cast<int>(dati.measurements.size()) + dati.files_without_value;
  count.skipped = dati.files_without_value;
  const MeasurementKinds kinds = count_kinds(dati.measurements);
  count.values = kinds.values;
  count.not_available = kinds.not_available;
  count.no_value = kinds.no_value;
  // Minute 00 is read last in its hour, so the latest time is found apart from the order.
  const auto latest = std::max_element(dati.measurements.begin(), dati.measurements.end(),
                                       [](const Measurement& a, const Measurement& b) {
                                         return minute_of_day(a) < minute_of_day(b);
                                       });
  if (latest != dati.measurements.end()) count.last = time_text(*latest);
  return count;
}

std::string forecast_finding(const DayData& dati) {
  const std::string nome = native_path(dati.forecast_file);
  if (!dati.valori_previsione) {
    return nome + ", cannot read: " + dati.forecast_error + "; no forecast curve";
  }
  return nome + ", " + std::to_string(forecast_values(dati)) + " of 24 hourly values";
}

}  // namespace

bool Form1::verifica(std::ostream& out, const std::optional<DayRange>& archive) {
  riempi_minuti();
  const bool settings_clean = leggi_impostazioni();
  riempi_tabella_giorni();
  impostazioni_dimensioni_e_scala_del_form(surface_);

  CheckReport report;
  report.archive = archive.has_value();
  report.settings_file = native_path(cartella_programma + "kurvo_M3000F2.ini");
  std::string err;
  if (!files_.Open(cartella_programma + "kurvo_M3000F2.ini", &err)) {
    report.settings_problem = "cannot read: " + err + "; every folder is the current directory";
  }
  report.folders = {check_folder(files_, "forecast", cartella_previsioni, true),
                    check_folder(files_, "measurement", cartella_dati, false),
                    check_folder(files_, "publication", cartella_gif, !archive)};

  std::string primo_file;
  std::string listing_error;
  const bool listed = files_.Dir(cartella_dati, &primo_file, &listing_error);
  const Station stazione = riconosci_stazione(files_, cartella_dati, primo_file);
  const DayTexts first_day = archive ? day_texts(archive->from)
                                     : DayTexts{giorno_anno(1), chiave_mese(1), data_grafico(1)};
  describe_station(stazione, listed ? "" : listing_error, first_day, &report);

  // The run's own steps, every write kept in memory: a picture the report calls written is
  // one the run's export would write, as far as the folders can tell beforehand.
  DryRunFileSystem nothing_written(files_);
  const auto check_day = [&](const DayToRead& giorno, const ChartFiles& percorsi) {
    const DayData dati = read_day(files_, giorno, stazione, minuti);
    DayFinding day;
    day.date = giorno.data_grafico;
    day.forecast = forecast_finding(dati);
    if (stazione.famiglia_stazione != 0) day.measurements = conta_misure(dati);
    day.publication.path = percorsi.publication.empty() ? "" : native_path(percorsi.publication);
    day.archive.path = native_path(percorsi.archive);
    if (!listed) {
      day.publication.problem = day.archive.problem = "the measurement folder cannot be listed";
    } else {
      draw_chart(surface_, dati);
      const ExportReport export_report =
          salva_figura(surface_, converter_, nothing_written, percorsi);
      surface_.Cls();
      day.publication.problem = reason_unwritten(export_report, percorsi.publication);
      day.archive.problem = reason_unwritten(export_report, percorsi.archive);
    }
    report.days.push_back(day);
  };
  if (archive) {
    using std::chrono::sys_days;
    for (sys_days giorno{archive->from}; giorno <= sys_days{archive->to};
         giorno += std::chrono::days{1}) {
      const DayTexts testi = day_texts(giorno);
      check_day(giorno_da_leggere(testi),
                archive_chart_files(cartella_previsioni, testi.chiave_mese, testi.giorno_anno));
    }
  } else {
    for (indice_giorno = 1; indice_giorno <= 6; ++indice_giorno) {
      check_day(giorno_da_leggere(),
                run_chart_files(cartella_previsioni, cartella_gif, indice_giorno,
                                chiave_mese(indice_giorno), giorno_anno(indice_giorno)));
    }
  }
  write_check_report(report, out);
  return report.pictures_written() == report.pictures_planned() && settings_clean;
}

// The station lines of the report; `listing_error` is why the measurement folder cannot be
// listed, "" when it can.
void Form1::describe_station(const Station& stazione, const std::string& listing_error,
                             const DayTexts& first_day, CheckReport* report) {
  const std::string cartella = "measurement folder " + measurement_folder_shown();
  if (!listing_error.empty()) {
    report->station =
        cartella + " cannot be listed: " + listing_error + "; a run would write no picture";
    return;
  }
  if (!stazione.primo_file.empty()) {
    report->station_file = native_path(cartella_dati + stazione.primo_file);
    report->first_line = stazione.first_line_read
                             ? printable(stazione.first_line)
                             : first_line_problem(files_, cartella_dati + stazione.primo_file);
  }
  if (stazione.famiglia_stazione != 0) {
    report->station = "family " + std::to_string(stazione.famiglia_stazione) +
                      ", files named like " +
                      native_path(nome_file_misura(stazione, cartella_dati, first_day.chiave_mese,
                                                   first_day.giorno_anno, 0, minuti(60)));
    return;
  }
  const std::string why = stazione.primo_file.empty() ? cartella + " holds no file"
                          : stazione.first_line_read ? "no known station name begins the first line"
                                                     : "the first line cannot be read";
  report->station = "not recognised: " + why + "; no measured values would be drawn";
}
