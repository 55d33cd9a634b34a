// Figure export: the surface as a temporary bitmap, converted to the publication GIF and
// the archive GIF of its day, then the bitmap deleted.
#pragma once

#include <string>

#include "chart/surface.h"
#include "output/converter.h"
#include "output/export_report.h"
#include "platform/file_system.h"

/// The files the export of chart `indice_giorno` (1 to 6) of the day `giorno_anno` in the
/// month `file_previsioni` writes.
ChartFiles run_chart_files(const std::string& cartella_previsioni, const std::string& cartella_gif,
                           int indice_giorno, const std::string& file_previsioni,
                           const std::string& giorno_anno);

/// The files an archive redraw writes for the day `giorno_anno` in the month
/// `file_previsioni`: a temporary bitmap of its own, "grafico0.bmp", so that it never shares
/// one with a chart of a run, and the archive picture; no publication picture ("").
ChartFiles archive_chart_files(const std::string& cartella_previsioni,
                               const std::string& file_previsioni, const std::string& giorno_anno);

/// Saves the surface as the temporary bitmap, converts it to the publication picture (unless
/// its path is "") and the archive picture and deletes the bitmap. Each picture is tried whenever
/// the bitmap could be loaded, whatever became of the other, and the bitmap is deleted whenever it
/// was written; the report names each picture left unwritten.
ExportReport salva_figura(Surface& surface, Converter& converter, FileSystem& files,
                          const ChartFiles& percorsi);

/// Why the export reported in `report` left `picture` (a program path) unwritten; "" when it
/// wrote it.
std::string reason_unwritten(const ExportReport& report, const std::string& picture);
