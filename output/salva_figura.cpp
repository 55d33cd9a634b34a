// Figure export: the surface as a temporary bitmap, converted to the publication GIF and
// the archive GIF of its day, then the bitmap deleted.
#include "output/salva_figura.h"

#include "platform/file_system.h"

namespace {

ExportReport neither_written(const ChartFiles& percorsi, const std::string& reason) {
  ExportReport report;
  if (!percorsi.publication.empty()) {
    report.unwritten.push_back({percorsi.publication, reason});
  }
  report.unwritten.push_back({percorsi.archive, reason});
  return report;
}

void salva_gif(Converter& converter, FileSystem& files, const std::string& path,
               ExportReport* report) {
  std::string err;
  if (!converter.salva_gif(files, path, &err)) report->unwritten.push_back({path, err});
}

}  // namespace

// A failed picture does not keep the other from being written: a full web disk must not
// leave holes in the archive. The bitmap is deleted however the export ended, so that one
// left behind cannot fill a nearly full disk and block every later export.
ExportReport salva_figura(Surface& surface, Converter& converter, FileSystem& files,
                          const ChartFiles& percorsi) {
  const std::string& bitmap = percorsi.bitmap;
  std::string err;
  if (!surface.SavePicture(files, bitmap, &err)) {
    return neither_written(percorsi, "temporary bitmap " + bitmap + " not written: " + err);
  }
  ExportReport report;
  if (converter.carica_bitmap(files, bitmap, &err)) {
    if (!percorsi.publication.empty()) {
      salva_gif(converter, files, percorsi.publication, &report);
    }
    salva_gif(converter, files, percorsi.archive, &report);
    converter.rilascia_immagine();
  } else {
    report = neither_written(percorsi, "temporary bitmap " + bitmap + " not loaded: " + err);
  }
  if (!files.Kill(bitmap, &err)) report.bitmap_left = bitmap + ": " + err;
  return report;
}
