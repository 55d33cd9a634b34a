// The settings file kurvo_M3000F2.ini: six lines, of which 2, 4 and 6 name the folders.
#include "run/settings.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

constexpr int kSettingsLines = 6;

// File names are appended to a folder value as it stands, so a value without its final
// separator names files beside the folder instead of in it. False when it warned.
bool check_separator(int line, const std::string& value, const std::string& file,
                     Diagnostics& diagnostics) {
  if (value.empty() || ends_with_folder_separator(value)) return true;
  diagnostics.Warning("line " + std::to_string(line) + " of " + file + ", \"" + value +
                      "\", does not end with a separator; file names are appended to it as it "
                      "stands");
  return false;
}

// Lines 1, 3 and 5 are read past; values are taken verbatim, blanks included, and nothing
// after line 6 is read. Returns the number of lines read.
int read_folder_lines(TextFile& file, Settings* settings) {
  std::string riga_scarto;
  std::string* const targets[kSettingsLines] = {&riga_scarto, &settings->forecast_line,
                                                &riga_scarto, &settings->measurement_line,
                                                &riga_scarto, &settings->publication_line};
  int lines_read = 0;
  while (lines_read < kSettingsLines && file.ReadLine(targets[lines_read])) ++lines_read;
  return lines_read;
}

// The settings file may come from a system whose separator is "\"; on this one a folder
// value reads it as "/". Only the values are read so: every other path, the current
// directory's included, is taken as it is.
std::string folder_of_line(const std::string& line) {
  std::string folder = line;
  std::replace(folder.begin(), folder.end(), '\\', '/');
  return folder;
}

}  // namespace

std::string measurement_folder_shown(const Settings& settings) {
  return settings.cartella_dati.empty() ? "./" : settings.cartella_dati;
}

std::string settings_file(const Settings& settings) {
  return settings.cartella_programma + "kurvo_M3000F2.ini";
}

bool ends_with_folder_separator(const std::string& line) {
  return !line.empty() && (line.back() == '\\' || line.back() == '/');
}

Settings read_settings(const std::string& cartella_programma, FileSystem& files,
                       Diagnostics& diagnostics) {
  Settings settings;
  settings.cartella_programma = cartella_programma;
  // A root directory already ends with its separator and gets no second one.
  if (!settings.cartella_programma.ends_with('/')) settings.cartella_programma += "/";
  const std::string file_name = settings_file(settings);

  std::unique_ptr<TextFile> file = files.Open(file_name, &settings.unreadable);
  if (!file) {
    diagnostics.Warning("cannot read settings file " + file_name + ": " + settings.unreadable +
                        "; every folder is the current directory");
    settings.clean = false;
    return settings;
  }
  const int lines_read = read_folder_lines(*file, &settings);
  if (lines_read < kSettingsLines) {
    settings.clean = false;
    diagnostics.Warning("settings file " + file_name + " has " + std::to_string(lines_read) +
                        " of its " + std::to_string(kSettingsLines) +
                        " lines; the folders of the missing lines are the current directory");
  }
  // Each value is checked, so that every one without its separator is named.
  for (const auto& [line, value] :
       {std::pair{2, &settings.forecast_line}, std::pair{4, &settings.measurement_line},
        std::pair{6, &settings.publication_line}}) {
    settings.clean = check_separator(line, *value, file_name, diagnostics) && settings.clean;
  }
  settings.cartella_previsioni = folder_of_line(settings.forecast_line);
  settings.cartella_dati = folder_of_line(settings.measurement_line);
  settings.cartella_gif = folder_of_line(settings.publication_line);
  return settings;
}
