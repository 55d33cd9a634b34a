// The load handler: the whole run, from the minute texts to the sixth exported chart.
#include "run/form1.h"

#include "platform/text_ops.h"
#include "run/exclusive_run.h"

Form1::Form1(const Platform& platform)
    : surface_(platform.surface),
      converter_(platform.converter),
      files_(platform.files),
      clock_(platform.clock),
      diagnostics_(platform.diagnostics) {}

bool Form1::Form_Load() {
  riempi_minuti();
  leggi_impostazioni();
  const std::unique_ptr<FolderLock> run_lock =
      begin_exclusive_run(cartella_previsioni, cartella_gif, kLongestWaitForOtherRun, diagnostics_);
  if (!run_lock) return false;
  riempi_tabella_giorni();
  impostazioni_dimensioni_e_scala_del_form();

  // Every pass labels, exports and clears its chart whatever failed before, so one bad
  // export never costs the other days their pictures.
  bool all_written = true;
  for (indice_giorno = 1; indice_giorno <= 6; ++indice_giorno) {
    const std::string& file_previsioni = chiave_mese(indice_giorno);
    disegno_dello_stage();
    grafico_previsione(file_previsioni);
    grafico_valori_autoscalati(file_previsioni);
    surface_.CurrentX(75);
    surface_.CurrentY(470);
    surface_.Print("Date: " + data_grafico(indice_giorno));
    all_written = report(salva_figura(file_previsioni)) && all_written;
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

bool Form1::report(const ExportReport& export_report) {
  for (const UnwrittenPicture& picture : export_report.unwritten) {
    diagnostics_.Error("cannot write " + picture.path + ": " + picture.reason);
  }
  if (!export_report.bitmap_left.empty()) {
    diagnostics_.Warning("cannot delete " + export_report.bitmap_left);
  }
  return export_report.unwritten.empty();
}
