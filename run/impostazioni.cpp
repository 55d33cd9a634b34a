// The settings file kurvo_M3000F2.ini: six lines, of which 2, 4 and 6 name the folders.
#include <memory>

#include "run/form1.h"

namespace {

constexpr int kSettingsLines = 6;

}  // namespace

bool Form1::leggi_impostazioni() {
  cartella_programma = files_.CurDir().value_or("");
  // A root directory already ends with its separator and gets no second one.
  if (!ends_with_separator(cartella_programma)) cartella_programma += "\\";
  const std::string settings_file = cartella_programma + "kurvo_M3000F2.ini";

  std::string err;
  std::unique_ptr<TextFile> file = files_.Open(settings_file, &err);
  if (!file) {
    diagnostics_.Warning("cannot read settings file " + native_path(settings_file) + ": " + err +
                         "; every folder is the current directory");
    return false;
  }

  // Lines 1, 3 and 5 are read past; values are taken verbatim, blanks included, and
  // nothing after line 6 is read.
  std::string riga_scarto;
  std::string* const targets[kSettingsLines] = {&riga_scarto, &cartella_previsioni,
                                                &riga_scarto, &cartella_dati,
                                                &riga_scarto, &cartella_gif};
  int lines_read = 0;
  while (lines_read < kSettingsLines && file->ReadLine(targets[lines_read])) ++lines_read;

  bool clean = true;
  if (lines_read < kSettingsLines) {
    clean = false;
    diagnostics_.Warning("settings file " + native_path(settings_file) + " has " +
                         std::to_string(lines_read) + " of its " + std::to_string(kSettingsLines) +
                         " lines; the folders of the missing lines are the current directory");
  }
  clean = warn_about_folder(2, cartella_previsioni, settings_file) && clean;
  clean = warn_about_folder(4, cartella_dati, settings_file) && clean;
  clean = warn_about_folder(6, cartella_gif, settings_file) && clean;
  return clean;
}

// File names are appended to a folder value as it stands, so a value without its final
// separator names files beside the folder instead of in it.
bool Form1::warn_about_folder(int line, const std::string& value,
                              const std::string& settings_file) {
  if (value.empty() || ends_with_separator(value)) return true;
  diagnostics_.Warning("line " + std::to_string(line) + " of " + native_path(settings_file) +
                       ", \"" + value +
                       "\", does not end with a separator; file names are appended to it as it "
                       "stands");
  return false;
}
