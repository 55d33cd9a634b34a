// The month's forecast curve: 24 hourly values from line 3 of the forecast file.
#include "chart/grafico_previsione.h"

#include <memory>

#include "platform/text_ops.h"
#include "run/form1.h"

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
bool Form1::leggi_riga_previsione(const std::string& nome, std::string* riga_previsione,
                                  std::string* err) {
  std::unique_ptr<TextFile> file = files_.Open(nome, err);
  if (!file) return false;
  riga_previsione->clear();
  for (int riga = 1; riga <= 3; ++riga) file->ReadLine(riga_previsione);
  return true;
}

void Form1::grafico_previsione(const std::string& file_previsioni) {
  const std::string nome = cartella_previsioni + file_previsioni + ".txt";
  std::string err;
  std::string riga_previsione;
  if (!leggi_riga_previsione(nome, &riga_previsione, &err)) {
    diagnostics_.WarningOnce("forecast " + file_previsioni,
                             "cannot read forecast file " + native_path(nome) + ": " + err +
                                 "; the charts of month " + file_previsioni +
                                 " have no forecast curve");
    return;
  }

  const std::array<std::int16_t, 24> valori = valori_previsione(riga_previsione);

  // The dot first, then the line that ends at it; the first dot has none, so the curve
  // never starts at the origin.
  const Colour bianco = QBColor(15);
  float x_precedente = 0;
  float y_precedente = 0;
  for (int p = 1; p <= 24; ++p) {
    const float x = 10.0F * static_cast<float>(p - 1);
    const float y = valori[p - 1];
    surface_.FillStyle(0);
    surface_.FillColor(bianco);
    surface_.Circle(x, y, 2, bianco);
    if (p >= 2) surface_.Line(x_precedente, y_precedente, x, y, bianco);
    x_precedente = x;
    y_precedente = y;
  }
}
