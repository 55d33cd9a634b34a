// The files written beside each picture of a chart: its data as JSON and its drawing as SVG.
#include "output/beside_pictures.h"

#include "output/chart_svg.h"
#include "output/json_export.h"
#include "output/output_files.h"

namespace {

// A data file or SVG follows its picture: written only where the picture was, so that a
// reader finds both old or both new.
void write_beside(FileSystem& file_system, const std::string& document, const char* extension,
                  const ChartFiles& files, ExportReport* report) {
  for (const std::string& picture : {files.publication, files.archive}) {
    if (picture.empty() || !report->reason_unwritten(picture).empty()) continue;
    const std::string path = beside(picture, extension);
    std::string err;
    if (!file_system.WriteFile(path, document.data(), document.size(), Durability::kFlushed,
                               &err)) {
      report->unwritten_beside.push_back({path, err});
    }
  }
}

}  // namespace

void write_beside_pictures(FileSystem& file_system, const DayData& day, const ChartFiles& files,
                           BesideOutputs outputs, ExportReport* report) {
  if (outputs.json) write_beside(file_system, json_document(day), ".json", files, report);
  if (outputs.svg) write_beside(file_system, chart_svg(day), ".svg", files, report);
}
