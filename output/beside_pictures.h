// The files written beside each picture of a chart: its data as JSON and its drawing as SVG.
#pragma once

#include "chart/day_data.h"
#include "output/export_report.h"
#include "platform/file_system.h"

/// Which files are written beside each picture.
struct BesideOutputs {
  bool json = false;  // the day's plotted values, ".json"
  bool svg = false;   // the chart as a vector drawing, ".svg"
};

/// Writes the files `outputs` asks for beside every picture of `files` that `report` says was
/// written, each through the replacing write, flushed; each one that cannot be written is
/// added to `report->unwritten_beside`.
void write_beside_pictures(FileSystem& file_system, const DayData& day, const ChartFiles& files,
                           BesideOutputs outputs, ExportReport* report);
