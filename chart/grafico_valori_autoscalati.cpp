// The measured-value trace: one light-red dot per measurement of the day, joined where two
// follow closely, and a light-green tick where the station had no value.
#include "chart/grafico_valori_autoscalati.h"

#include <memory>

#include "platform/text_ops.h"

namespace {

// One x unit is six minutes: the offset is minuto / 6 rounded, halves down, so minutes 58
// and 59 fall on the next hour's x.
int spostamento_minuto(int minuto) { return (minuto + 2) / 6; }

// The value stands on line 5; a file without a fifth line holds no measurement.
bool leggi_riga_valore(TextFile& file, std::string* riga) {
  for (int numero = 1; numero <= 5; ++numero) {
    if (!file.ReadLine(riga)) return false;
  }
  return true;
}

void traccia_misura(Surface& surface, const Misura& misura, const TracePlacement& placement) {
  // "NO" draws nothing.
  if (misura.campo.tipo == CampoMisura::Tipo::nessun_valore) return;

  const int x_misura = placement.x;
  if (misura.campo.tipo == CampoMisura::Tipo::non_disponibile) {
    surface.Line(x_misura, 251, x_misura, 259, QBColor(10));
    return;
  }

  const float v = misura.campo.valore;
  surface.FillStyle(0);
  surface.FillColor(QBColor(12));
  surface.Circle(x_misura, v, 2, QBColor(12));
  if (const std::optional<JoinedPoint>& ultimo = placement.joined_to) {
    surface.Line(x_misura, v, ultimo->x, ultimo->value, QBColor(12));
  }
}

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

// Every name of the day is tried; most do not exist, and a missing file costs only its
// failed open, made relative to the folder, which is looked up once per chart. Minute "00"
// is tried last in its hour, so the join rule sees the measurements of an hour as
// :01 ... :59, :00.
void leggi_misure(FileSystem& files, const GiornoDaLeggere& giorno, const Stazione& stazione,
                  const Minuti& minuti, DatiGiorno* dati) {
  const std::string cartella = folder_of(giorno.cartella_dati);
  const std::unique_ptr<Folder> cartella_misure = files.OpenFolder(cartella);
  std::string riga;
  for (int ora = 0; ora <= 23; ++ora) {
    for (int indice_minuto = 1; indice_minuto <= 60; ++indice_minuto) {
      const std::string nome =
          nome_file_misura(stazione, giorno.cartella_dati, giorno.file_previsioni,
                           giorno.giorno_anno, ora, minuti(indice_minuto));
      const std::unique_ptr<TextFile> file = cartella_misure->Open(nome.substr(cartella.size()));
      if (!file) continue;
      if (!leggi_riga_valore(*file, &riga)) {
        ++dati->file_senza_valore;
        continue;
      }
      dati->misure.push_back({ora, indice_minuto % 60, leggi_campo_misura(riga)});
    }
  }
}

// The last plotted point starts at value 0, which means that there is none to join to, so
// the first dot of a chart is never joined. "N/A" and "NO" do not move it, so a chain goes
// on past them.
std::vector<TracePlacement> trace_placements(const std::vector<Misura>& misure) {
  std::vector<TracePlacement> placements;
  placements.reserve(misure.size());
  JoinedPoint ultimo;
  for (const Misura& misura : misure) {
    TracePlacement placement{10 * misura.ora + spostamento_minuto(misura.minuto), std::nullopt};
    if (misura.campo.tipo == CampoMisura::Tipo::valore) {
      const bool vicino = placement.x == ultimo.x + 2 || placement.x == ultimo.x + 3;
      if (vicino && ultimo.value != 0) placement.joined_to = ultimo;
      ultimo.x = placement.x;
      // A value beyond the 16-bit range keeps the last value as it was.
      if (const auto arrotondato = to_integer(misura.campo.valore)) ultimo.value = *arrotondato;
    }
    placements.push_back(placement);
  }
  return placements;
}

void grafico_valori_autoscalati(Surface& surface, const DatiGiorno& dati) {
  const std::vector<TracePlacement> placements = trace_placements(dati.misure);
  for (std::size_t k = 0; k < dati.misure.size(); ++k) {
    traccia_misura(surface, dati.misure[k], placements[k]);
  }
}
