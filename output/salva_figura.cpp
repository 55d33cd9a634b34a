// Figure export: the surface as a temporary bitmap, converted to the publication GIF and
// the archive GIF of its day, then the bitmap deleted.
#include <string>

#include "platform/text_ops.h"
#include "run/form1.h"

namespace {

ExportReport neither_written(const std::string& publication, const std::string& archive,
                             const std::string& reason) {
  return {{{native_path(publication), reason}, {native_path(archive), reason}}, {}};
}

}  // namespace

PercorsiFigura Form1::percorsi_figura(const std::string& file_previsioni) const {
  const std::string numero = std::to_string(indice_giorno);
  return {cartella_previsioni + "grafico" + numero + ".bmp",
          cartella_gif + "plotM" + numero + ".gif",
          cartella_previsioni + "previous_M3000F2_plots\\" + Mid(file_previsioni, 3, 4) +
              giorno_anno(indice_giorno) + ".gif"};
}

ExportReport Form1::salva_figura(const std::string& file_previsioni) {
  const auto [bitmap, pubblicazione, archivio] = percorsi_figura(file_previsioni);

  // Each failure ends the export where it happens; what is left behind (a bitmap, a
  // publication picture without its archive copy) is what the steps before it made.
  std::string err;
  if (!surface_.SavePicture(bitmap, &err)) {
    return neither_written(pubblicazione, archivio,
                           "temporary bitmap " + native_path(bitmap) + " not written: " + err);
  }
  if (!converter_.carica_bitmap(bitmap, &err)) {
    return neither_written(pubblicazione, archivio,
                           "temporary bitmap " + native_path(bitmap) + " not loaded: " + err);
  }
  if (!converter_.salva_gif(pubblicazione, &err)) {
    return {{{native_path(pubblicazione), err},
             {native_path(archivio), "not attempted after the publication picture failed"}},
            {}};
  }
  if (!converter_.salva_gif(archivio, &err)) return {{{native_path(archivio), err}}, {}};
  converter_.rilascia_immagine();
  if (!files_.Kill(bitmap, &err)) return {{}, native_path(bitmap) + ": " + err};
  return {};
}
