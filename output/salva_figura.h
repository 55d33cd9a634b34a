// Figure export: the surface as a temporary bitmap, converted to the publication GIF and
// the archive GIF of its day, then the bitmap deleted.
#pragma once

#include <string>

#include "chart/surface.h"
#include "output/converter.h"
#include "output/export_report.h"
#include "platform/file_system.h"

/// Saves the surface as the temporary bitmap, converts it to the publication picture (unless
/// its path is "") and the archive picture and deletes the bitmap. Each picture is tried whenever
/// the bitmap could be loaded, whatever became of the other, and the bitmap is deleted whenever it
/// was written; the report names each picture left unwritten.
ExportReport salva_figura(Surface& surface, Converter& converter, FileSystem& files,
                          const ChartFiles& percorsi);
