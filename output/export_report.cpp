// What the export of one chart wrote and left undone.
#include "output/export_report.h"

std::string ExportReport::reason_unwritten(const std::string& file) const {
  for (const auto* list : {&unwritten, &unwritten_beside}) {
    for (const UnwrittenFile& left : *list) {
      if (left.path == file) return left.reason;
    }
  }
  return "";
}
