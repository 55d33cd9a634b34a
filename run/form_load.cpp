// The load handler: the whole run, from the minute texts to the sixth exported chart.
#include "run/form1.h"

#include "chart/disegno_dello_stage.h"
#include "chart/geometria.h"
#include "chart/grafico_previsione.h"
#include "chart/grafico_valori_autoscalati.h"
#include "output/salva_figura.h"
#include "platform/text_ops.h"

Form1::Form1(const Platform& platform)
    : surface_(platform.surface),
      converter_(platform.converter),
      files_(platform.files),
      clock_(platform.clock),
      diagnostics_(platform.diagnostics) {}

bool Form1::Form_Load() {
  riempi_minuti();
  leggi_impostazioni();
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
  for (indice_giorno = 1; indice_giorno <= 6; ++indice_giorno) {
    const DatiGiorno dati = leggi_giorno_grafico(*stazione);
    warn_about_day(dati, *stazione);
    disegna_grafico(dati);
    all_written = report(esporta_grafico()) && all_written;
    surface_.Cls();
  }
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

void Form1::disegna_grafico(const DatiGiorno& dati) {
  disegno_dello_stage(surface_);
  grafico_previsione(surface_, dati);
  grafico_valori_autoscalati(surface_, dati);
  surface_.CurrentX(75);
  surface_.CurrentY(470);
  surface_.Print("Date: " + data_grafico(indice_giorno));
}

ExportReport Form1::esporta_grafico() {
  const std::string& file_previsioni = chiave_mese(indice_giorno);
  return salva_figura(surface_, converter_, files_,
                      percorsi_figura(cartella_previsioni, cartella_gif, indice_giorno,
                                      file_previsioni, giorno_anno(indice_giorno)));
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
