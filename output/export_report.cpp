// What the export of one chart wrote and left undone.
#include "output/export_report.h"

#include "platform/file_system.h"

std::string ExportReport::reason_unwritten(const std::string& file) const {
  const std::string native = native_path(file);
  for (const auto* list : {&unwritten, &unwritten_beside}) {
    for (const UnwrittenFile& left : *list) {
      if (left.path == native) return left.reason;
    }
  }
  return "";
}
