// The settings file kurvo_M3000F2.ini in the current directory: six lines, of which 2, 4 and 6
// name the forecast, measurement and publication folders.
#pragma once

#include <string>

#include "platform/diagnostics.h"
#include "platform/file_system.h"

/// The settings of a run: the folder the settings file is looked for in and the three folders
/// it names, each value verbatim (a folder the file does not name is "", the current
/// directory).
struct Settings {
  std::string cartella_programma;  // the current directory, ending with its separator
  std::string cartella_previsioni;
  std::string cartella_dati;
  std::string cartella_gif;
  /// Why the settings file could not be read; "" when it was.
  std::string unreadable;
  /// Whether the file was read whole and every folder value ends with its separator.
  bool clean = true;
};

/// The measurement folder as messages name it: "./" for the current directory.
std::string measurement_folder_shown(const Settings& settings);

/// The settings file's full name.
std::string settings_file(const Settings& settings);

/// Reads the settings file in the current directory, warning on `diagnostics` when it is
/// missing or short or a folder value lacks its final separator.
Settings read_settings(FileSystem& files, Diagnostics& diagnostics);
