// The report of --check: what a run would find, day by day, and the pictures it would write.
#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "output/plotted_values.h"

/// One folder line of the settings file: its value verbatim and what is wrong with it.
struct FolderFinding {
  std::string label;
  std::string value;
  std::string notes;  // "" when nothing is
};

/// A picture an export would write, and why it would not be written ("" when it would).
struct PictureFinding {
  std::string path;  // "" for a picture the export is not to write
  std::string problem;
};

/// What a run would find for one chart.
struct DayFinding {
  std::string date;
  std::string forecast;                  // the file and how much of it is read
  std::optional<DayCount> measurements;  // nullopt when no station is recognised
  PictureFinding publication;
  PictureFinding archive;
};

/// The whole report.
struct CheckReport {
  bool archive = false;  // a report on an archive redraw: no publication pictures
  std::string settings_file;
  std::string settings_problem;  // "" when the file is read
  std::array<FolderFinding, 3> folders;
  std::string station_file;  // "" when the measurement folder holds none
  std::string first_line;    // quoted, or why it cannot be read
  std::string station;       // the family recognised, or why none is
  bool station_recognised = false;
  std::vector<DayFinding> days;

  /// The pictures the run would write, of those it is to write.
  int pictures_written() const;
  int pictures_planned() const;
  /// Whether the measurement folder holds a file but no station is recognised from it: the
  /// run would draw every chart without its measurements.
  bool station_file_unrecognised() const { return !station_file.empty() && !station_recognised; }
};

/// Writes the report as aligned columns, ending with the number of pictures a run would
/// write and, when the station file names no station, that file.
void write_check_report(const CheckReport& report, std::ostream& out);
