// The load handler: the whole run, from the minute texts to the sixth exported chart.
#include "run/form1.h"

#include "chart/disegna_grafico.h"
#include "chart/geometria.h"
#include "output/chart_svg.h"
#include "output/salva_figura.h"
#include "platform/text_ops.h"
#include "run/exclusive_run.h"

Form1::Form1(const Platform& platform, ExtraOutputs outputs)
    : surface_(platform.surface),
      converter_(platform.converter),
      files_(platform.files),
      clock_(platform.clock),
      diagnostics_(platform.diagnostics),
      outputs_(outputs) {}

bool Form1::Form_Load() {
  riempi_minuti();
  leggi_impostazioni();
  const std::unique_ptr<FolderLock> run_lock =
      begin_exclusive_run(cartella_previsioni, cartella_gif, kLongestWaitForOtherRun, diagnostics_);
  if (!run_lock) return false;
  riempi_tabella_giorni();
  impostazioni_dimensioni_e_scala_del_form(surface_);

  // A folder that cannot be listed (an unmounted share, say) would give charts without
  // measurements that replace good pictures in the archive; the run stops before any.
  std::string err;
  const std::optional<Stazione> stazione = riconosci_stazione_del_run(&err);
  if (!stazione) {
    diagnostics_.Error("cannot list measurement folder " +
                       (cartella_dati.empty() ? "./" : native_path(cartella_dati)) + ": " + err +
                       "; no picture is written");
    return false;
  }

  // Every pass labels, exports and clears its chart whatever failed before, so one bad
  // export never costs the other days their pictures.
  bool all_written = true;
  std::array<DatiGiorno, 6> giorni;
  for (indice_giorno = 1; indice_giorno <= 6; ++indice_giorno) {
    const DatiGiorno dati = leggi_giorno_grafico(*stazione);
    warn_about_day(dati, *stazione);
    disegna_grafico(surface_, dati);
    all_written = report(esporta_grafico()) && all_written;
    surface_.Cls();
    if (outputs_.svg) {
      all_written = report(write_chart_svgs(files_, dati, percorsi_del_grafico())) && all_written;
    }
    if (outputs_.page) giorni[indice_giorno - 1] = dati;
  }
  if (outputs_.page) all_written = write_page(giorni) && all_written;
  return all_written;
}

// Minute 00 is the last entry, after 59: the measurement of minute 00 is looked for last
// within its hour.
void Form1::riempi_minuti() {
  for (int minuto = 1; minuto <= 59; ++minuto) {
    minuti(minuto) = zero_padded(minuto, 2);
  }
  minuti(60) = "00";
}

// Within one run the first entry cannot usefully differ from chart to chart, and a folder
// of years of files costs a full listing each time, so it is listed once.
std::optional<Stazione> Form1::riconosci_stazione_del_run(std::string* err) {
  std::string primo_file;
  if (!files_.Dir(cartella_dati, &primo_file, err)) return std::nullopt;
  return riconosci_stazione(files_, cartella_dati, primo_file);
}

DatiGiorno Form1::leggi_giorno_grafico(const Stazione& stazione) const {
  const GiornoDaLeggere giorno{cartella_previsioni, cartella_dati, chiave_mese(indice_giorno),
                               giorno_anno(indice_giorno), data_grafico(indice_giorno)};
  return leggi_giorno(files_, giorno, stazione, minuti);
}

// A missing forecast is told once per month and an unrecognised station once per run, in
// the order the chart reads them.
void Form1::warn_about_day(const DatiGiorno& dati, const Stazione& stazione) {
  if (!dati.valori_previsione) {
    diagnostics_.WarningOnce("forecast " + dati.file_previsioni,
                             "cannot read forecast file " + native_path(dati.nome_previsione) +
                                 ": " + dati.errore_previsione + "; the charts of month " +
                                 dati.file_previsioni + " have no forecast curve");
  }
  if (stazione.famiglia_stazione != 0) return;
  const std::string why = stazione.primo_file.empty()
                              ? "measurement folder " +
                                    (cartella_dati.empty() ? "./" : native_path(cartella_dati)) +
                                    " holds no file"
                              : "no known station name begins the first line of " +
                                    native_path(cartella_dati + stazione.primo_file);
  diagnostics_.WarningOnce("station",
                           "station not recognised: " + why + "; no measured values are drawn");
}

PercorsiFigura Form1::percorsi_del_grafico() const {
  return percorsi_figura(cartella_previsioni, cartella_gif, indice_giorno,
                         chiave_mese(indice_giorno), giorno_anno(indice_giorno));
}

ExportReport Form1::esporta_grafico() {
  return salva_figura(surface_, converter_, files_, percorsi_del_grafico());
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
