// The measured-value trace: one light-red dot per measurement of the day, joined where two
// follow closely, and a light-green tick where the station had no value.
#include "chart/grafico_valori_autoscalati.h"

#include <memory>

#include "platform/text_ops.h"
#include "run/form1.h"

namespace {

// One x unit is six minutes: the offset is minuto / 6 rounded, halves down, so minutes 58
// and 59 fall on the next hour's x.
int spostamento_minuto(int minuto) { return (minuto + 2) / 6; }

}  // namespace

CampoMisura leggi_campo_misura(const std::string& riga) {
  const std::string testo_valore = Mid(riga, 16, 5);
  const std::string t = Trim(testo_valore);
  if (t == "NO") return {CampoMisura::Tipo::nessun_valore, 0};
  if (t == "N/A") return {CampoMisura::Tipo::non_disponibile, 0};
  // Integer part (blanks dropped) and decimals, the point skipped: M(3000)F2 times 100.
  return {CampoMisura::Tipo::valore,
          static_cast<float>(Val(Trim(Mid(testo_valore, 1, 2)) + Mid(testo_valore, 4, 2)))};
}

void Form1::grafico_valori_autoscalati(const std::string& file_previsioni) {
  std::string primo_file;
  const int famiglia_stazione = riconosci_stazione(&primo_file);
  if (famiglia_stazione == 0) {
    warn_unrecognised_station(primo_file);
    return;
  }

  UltimoPunto ultimo;
  scorri_misure(famiglia_stazione, file_previsioni,
                [&](int ora, int indice_minuto, const std::string&, const std::string* riga) {
                  if (riga != nullptr) traccia_misura(*riga, ora, indice_minuto, &ultimo);
                });
}

// Every name of the day is tried; most do not exist, and a missing file costs only its
// failed open, made relative to the folder, which is looked up once per chart. Minute "00"
// is tried last in its hour, so the join rule sees the measurements of an hour as
// :01 ... :59, :00.
void Form1::scorri_misure(int famiglia_stazione, const std::string& file_previsioni,
                          const VisitaMisura& visita) {
  const std::string cartella = folder_of(cartella_dati);
  const std::unique_ptr<Folder> cartella_misure = files_.OpenFolder(cartella);
  std::string riga;
  for (int ora = 0; ora <= 23; ++ora) {
    for (int indice_minuto = 1; indice_minuto <= 60; ++indice_minuto) {
      const std::string nome =
          nome_file_misura(famiglia_stazione, file_previsioni, ora, indice_minuto);
      const bool letta =
          leggi_riga_valore(cartella_misure->Open(nome.substr(cartella.size())), &riga);
      visita(ora, indice_minuto, nome, letta ? &riga : nullptr);
    }
  }
}

// The value stands on line 5; a file without a fifth line holds no measurement.
bool Form1::leggi_riga_valore(const std::unique_ptr<TextFile>& file, std::string* riga) {
  if (!file) return false;
  for (int numero = 1; numero <= 5; ++numero) {
    if (!file->ReadLine(riga)) return false;
  }
  return true;
}

void Form1::traccia_misura(const std::string& riga, int ora, int indice_minuto,
                           UltimoPunto* ultimo) {
  const CampoMisura campo = leggi_campo_misura(riga);
  // "NO" draws nothing and leaves the last point as it is, so a chain goes on past it.
  if (campo.tipo == CampoMisura::Tipo::nessun_valore) return;

  const int minuto = to_integer(Val(Trim(minuti(indice_minuto)))).value_or(0);
  const int x_misura = 10 * ora + spostamento_minuto(minuto);
  if (campo.tipo == CampoMisura::Tipo::non_disponibile) {
    surface_.Line(x_misura, 251, x_misura, 259, QBColor(10));
    return;
  }

  const float v = campo.valore;
  surface_.FillStyle(0);
  surface_.FillColor(QBColor(12));
  surface_.Circle(x_misura, v, 2, QBColor(12));
  const bool vicino = x_misura == ultimo->x_ultimo + 2 || x_misura == ultimo->x_ultimo + 3;
  if (vicino && ultimo->valore_ultimo != 0) {
    surface_.Line(x_misura, v, ultimo->x_ultimo, ultimo->valore_ultimo, QBColor(12));
  }
  ultimo->x_ultimo = x_misura;
  if (const auto arrotondato = to_integer(v)) ultimo->valore_ultimo = *arrotondato;
}

void Form1::warn_unrecognised_station(const std::string& primo_file) {
  const std::string why = primo_file.empty() ? measurement_folder_without_files()
                                             : "no known station name begins the first line of " +
                                                   native_path(cartella_dati + primo_file);
  diagnostics_.WarningOnce("station",
                           "station not recognised: " + why + "; no measured values are drawn");
}
