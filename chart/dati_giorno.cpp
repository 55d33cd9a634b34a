// Reading one chart's day into a value: the forecast first, then the measurements, in the
// order the chart has always read them.
#include "chart/dati_giorno.h"

#include "chart/grafico_previsione.h"
#include "chart/grafico_valori_autoscalati.h"
#include "platform/text_ops.h"

namespace {

// DD/MM/YYYY as YYYY-MM-DD.
std::string data_iso(const std::string& data_grafico) {
  return Mid(data_grafico, 7, 4) + "-" + Mid(data_grafico, 4, 2) + "-" + Mid(data_grafico, 1, 2);
}

std::string without_trailing_blanks(std::string text) {
  text.erase(text.find_last_not_of(" \t") + 1);
  return text;
}

}  // namespace

DatiGiorno leggi_giorno(FileSystem& files, const GiornoDaLeggere& giorno, const Stazione& stazione,
                        const Minuti& minuti) {
  DatiGiorno dati;
  dati.data_grafico = giorno.data_grafico;
  dati.data_iso = data_iso(giorno.data_grafico);
  dati.file_previsioni = giorno.file_previsioni;
  leggi_previsione(files, giorno, &dati);
  dati.famiglia_stazione = stazione.famiglia_stazione;
  if (stazione.famiglia_stazione == 0) return dati;
  dati.stazione = without_trailing_blanks(stazione.prima_riga);
  leggi_misure(files, giorno, stazione, minuti, &dati);
  return dati;
}
