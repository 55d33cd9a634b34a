// The month's forecast curve: 24 hourly values from line 3 of the forecast file.
#include "chart/grafico_previsione.h"

#include <memory>

#include "platform/text_ops.h"

namespace {

// Field k of the value line covers columns 5k-4 to 5k: a separator, the units digit, the
// decimal point and two decimals. The point is skipped, so the digits read as M(3000)F2
// times 100; a blank units digit is dropped. A value that is no Integer leaves 0.
std::int16_t valore_campo(const std::string& riga_previsione, int k) {
  const std::string testo =
      Trim(Mid(riga_previsione, 5 * k - 3, 1)) + Mid(riga_previsione, 5 * k - 1, 2);
  return to_integer(Val(testo)).value_or(0);
}

}  // namespace

std::array<std::int16_t, 24> valori_previsione(const std::string& riga_previsione) {
  std::array<std::int16_t, 24> valori{};
  for (int ora_previsione = 1; ora_previsione <= 24; ++ora_previsione) {
    valori[ora_previsione - 1] = valore_campo(riga_previsione, ora_previsione);
  }
  return valori;
}

// Each read replaces the buffer and a read past the end keeps it, so a short file has its
// last line taken as the value line.
void leggi_previsione(FileSystem& files, const GiornoDaLeggere& giorno, DatiGiorno* dati) {
  dati->nome_previsione = giorno.cartella_previsioni + giorno.file_previsioni + ".txt";
  std::unique_ptr<TextFile> file = files.Open(dati->nome_previsione, &dati->errore_previsione);
  if (!file) return;
  std::string riga_previsione;
  for (int riga = 1; riga <= 3; ++riga) file->ReadLine(&riga_previsione);
  dati->valori_previsione = valori_previsione(riga_previsione);
}

void grafico_previsione(Surface& surface, const DatiGiorno& dati) {
  if (!dati.valori_previsione) return;
  const std::array<std::int16_t, 24>& valori = *dati.valori_previsione;

  // The dot first, then the line that ends at it; the first dot has none, so the curve
  // never starts at the origin.
  const Colour bianco = QBColor(15);
  float x_precedente = 0;
  float y_precedente = 0;
  for (int p = 1; p <= 24; ++p) {
    const float x = 10.0F * static_cast<float>(p - 1);
    const float y = valori[p - 1];
    surface.FillStyle(0);
    surface.FillColor(bianco);
    surface.Circle(x, y, 2, bianco);
    if (p >= 2) surface.Line(x_precedente, y_precedente, x, y, bianco);
    x_precedente = x;
    y_precedente = y;
  }
}
