// The settings file kurvo_M3000F2.ini in the current directory: six lines, of which 2, 4 and 6
// name the forecast, measurement and publication folders.
#pragma once

#include <string>

#include "platform/diagnostics.h"
#include "platform/file_system.h"

/// The settings of a run: the folder the settings file is looked for in and the three folders
/// it names. A folder is its line with every "\" read as "/", the separator of this system,
/// and nothing else changed (a folder the file does not name is "", the current directory);
/// the lines themselves are kept for the report and the warnings.
struct Settings {
  std::string cartella_programma;  // the current directory, ending with "/"
  std::string cartella_previsioni;
  std::string cartella_dati;
  std::string cartella_gif;
  /// Lines 2, 4 and 6 as the file has them.
  std::string forecast_line;
  std::string measurement_line;
  std::string publication_line;
  /// Why the settings file could not be read; "" when it was.
  std::string unreadable;
  /// Whether the file was read whole and every folder value ends with its separator.
  bool clean = true;
};

/// The measurement folder as messages name it: "./" for the current directory.
std::string measurement_folder_shown(const Settings& settings);

/// The settings file's full name.
std::string settings_file(const Settings& settings);

/// Whether a line of the settings file ends with a separator, "\" or "/", as a folder must.
bool ends_with_folder_separator(const std::string& line);

/// Reads the settings file in `cartella_programma`, the current directory, warning on
/// `diagnostics` when it is missing or short or a folder value lacks its final separator.
Settings read_settings(const std::string& cartella_programma, FileSystem& files,
                       Diagnostics& diagnostics);
