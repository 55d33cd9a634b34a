// The load handler: the whole run, from the minute texts to the sixth exported chart.
#include "run/form1.h"

#include "chart/draw_chart.h"
#include "chart/geometria.h"
#include "output/chart_svg.h"
#include "output/json_export.h"
#include "output/salva_figura.h"
#include "platform/text_ops.h"
#include "run/exclusive_run.h"
#include "run/tabella_giorni.h"

Form1::Form1(const Platform& platform)
    : surface_(platform.surface),
      converter_(platform.converter),
      files_(platform.files),
      clock_(platform.clock),
      diagnostics_(platform.diagnostics, platform.diagnostics_on_terminal) {}

bool Form1::Form_Load() {
  riempi_minuti();
  leggi_impostazioni();
  const std::unique_ptr<FolderLock> run_lock =
      begin_exclusive_run(cartella_previsioni, cartella_gif, kLongestWaitForOtherRun, diagnostics_);
  if (!run_lock) {
    metrics_.pictures_failed = 12;
    return false;
  }
  riempi_tabella_giorni();
  impostazioni_dimensioni_e_scala_del_form(surface_);
  const std::optional<Station> stazione = station_of_run(12);
  if (!stazione) return false;

  // Every pass labels, exports and clears its chart whatever failed before, so one bad
  // export never costs the other days their pictures.
  bool all_written = true;
  std::array<DayData, 6> giorni;
  for (indice_giorno = 1; indice_giorno <= 6; ++indice_giorno) {
    const ChartFiles percorsi =
        run_chart_files(cartella_previsioni, cartella_gif, indice_giorno,
                        chiave_mese(indice_giorno), giorno_anno(indice_giorno));
    all_written = draw_and_export(*stazione, giorno_da_leggere(), percorsi, true,
                                  &giorni[indice_giorno - 1]) &&
                  all_written;
  }
  if (page_output) all_written = write_page(giorni) && all_written;
  return all_written;
}

// The days are drawn one after the other on the one surface, as a run draws its charts, so
// that a day's archive picture is the one a run that includes the day writes.
bool Form1::redraw_archive(const DayRange& days) {
  using std::chrono::sys_days;
  riempi_minuti();
  leggi_impostazioni();
  const int total = static_cast<int>((sys_days{days.to} - sys_days{days.from}).count()) + 1;
  const std::unique_ptr<FolderLock> run_lock =
      begin_exclusive_run(cartella_previsioni, cartella_gif, kLongestWaitForOtherRun, diagnostics_);
  if (!run_lock) {
    metrics_.pictures_failed = total;
    return false;
  }
  impostazioni_dimensioni_e_scala_del_form(surface_);
  const std::optional<Station> stazione = station_of_run(total);
  if (!stazione) return false;

  bool all_written = true;
  int numero = 0;
  for (sys_days giorno = sys_days{days.from}; giorno <= sys_days{days.to};
       giorno += std::chrono::days{1}) {
    const DayTexts testi = day_texts(giorno);
    diagnostics_.Progress("day " + std::to_string(++numero) + " of " + std::to_string(total) +
                          ", " + format_date(giorno));
    const ChartFiles percorsi =
        archive_chart_files(cartella_previsioni, testi.chiave_mese, testi.giorno_anno);
    all_written =
        draw_and_export(*stazione, giorno_da_leggere(testi), percorsi, false) && all_written;
  }
  diagnostics_.EndProgress();
  return all_written;
}

// A folder that cannot be listed (an unmounted share, say) would give charts without
// measurements that replace good pictures in the archive; the run stops before any.
std::optional<Station> Form1::station_of_run(int pictures) {
  std::string err;
  const std::optional<Station> stazione = riconosci_stazione_del_run(&err);
  if (!stazione) {
    diagnostics_.Error("cannot list measurement folder " + measurement_folder_shown() + ": " + err +
                       "; no picture is written");
    metrics_.pictures_failed = pictures;
    return std::nullopt;
  }
  metrics_.station_recognised = stazione->famiglia_stazione != 0;
  return stazione;
}

bool Form1::draw_and_export(const Station& stazione, const DayToRead& giorno,
                            const ChartFiles& percorsi, bool chart, DayData* letto) {
  DayData dati = read_day(files_, giorno, stazione, minuti);
  warn_about_day(dati, stazione);
  draw_chart(surface_, dati);
  const ExportReport export_report = salva_figura(surface_, converter_, files_, percorsi);
  surface_.Cls();
  bool written = report(export_report);
  if (json_output) {
    written =
        write_beside_pictures(json_document(dati), ".json", percorsi, export_report) && written;
  }
  if (svg_output) {
    written = write_beside_pictures(chart_svg(dati), ".svg", percorsi, export_report) && written;
  }
  count_in_metrics(dati, percorsi, export_report, chart);
  if (letto != nullptr) *letto = std::move(dati);
  return written;
}

// Minute 00 is the last entry, after 59: the measurement of minute 00 is looked for last
// within its hour.
void Form1::riempi_minuti() { minuti = minute_texts(); }

// Within one run the first entry cannot usefully differ from chart to chart, and a folder
// of years of files costs a full listing each time, so it is listed once.
std::optional<Station> Form1::riconosci_stazione_del_run(std::string* err) {
  std::string primo_file;
  if (!files_.Dir(cartella_dati, &primo_file, err)) return std::nullopt;
  return riconosci_stazione(files_, cartella_dati, primo_file);
}

DayToRead Form1::giorno_da_leggere() const {
  return giorno_da_leggere(
      {giorno_anno(indice_giorno), chiave_mese(indice_giorno), data_grafico(indice_giorno)});
}

DayToRead Form1::giorno_da_leggere(const DayTexts& testi) const {
  return {cartella_previsioni, cartella_dati, testi.chiave_mese, testi.giorno_anno,
          testi.data_grafico};
}

// A missing forecast is told once per month and an unrecognised station once per run, in
// the order the chart reads them.
void Form1::warn_about_day(const DayData& dati, const Station& stazione) {
  if (!dati.valori_previsione) {
    diagnostics_.WarningOnce("forecast " + dati.file_previsioni,
                             "cannot read forecast file " + native_path(dati.forecast_file) + ": " +
                                 dati.forecast_error + "; the charts of month " +
                                 dati.file_previsioni + " have no forecast curve");
  }
  if (stazione.famiglia_stazione != 0) return;
  const std::string why =
      stazione.primo_file.empty()
          ? "measurement folder " + measurement_folder_shown() + " holds no file"
          : "no known station name begins the first line of " +
                native_path(cartella_dati + stazione.primo_file);
  diagnostics_.WarningOnce("station",
                           "station not recognised: " + why + "; no measured values are drawn");
}

std::string Form1::measurement_folder_shown() const {
  return cartella_dati.empty() ? "./" : native_path(cartella_dati);
}

bool Form1::report(const ExportReport& export_report) {
  for (const UnwrittenPicture& picture : export_report.unwritten) {
    diagnostics_.Error("cannot write " + picture.path + ": " + picture.reason);
  }
  if (!export_report.bitmap_left.empty()) {
    diagnostics_.Warning("cannot delete " + export_report.bitmap_left);
  }
  return export_report.unwritten.empty();
}
