// The program's one window: the state of a run, the batch loop that draws and exports the
// six charts, and the check that reports what a run would do.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "chart/dati_giorno.h"
#include "chart/riconosci_stazione.h"
#include "chart/surface.h"
#include "output/converter.h"
#include "output/export_report.h"
#include "platform/bounded_array.h"
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/file_system.h"
#include "run/check_report.h"

/// What the window draws on, converts with, reads from and reports to.
struct Platform {
  Surface& surface;
  Converter& converter;
  FileSystem& files;
  Clock& clock;
  std::ostream& diagnostics;
};

/// The window. Its load handler is the whole run; its variables are the run's state.
class Form1 {
 public:
  explicit Form1(const Platform& platform);

  /// The run: minute texts, settings, day table, geometry, the measurement folder listed
  /// once, then for each of the six days a chart read, drawn, labelled, exported and
  /// cleared. Every picture that could not be written is reported; returns true when all
  /// twelve were written. A measurement folder that cannot be listed is an error of the
  /// run: no picture is written.
  bool Form_Load();

  /// The check: what a run would find and write, found by the run's own steps with every
  /// write made against a file system that writes nothing, written as a report on `out`.
  /// Returns true when a run would write all twelve pictures without a settings warning.
  bool verifica(std::ostream& out);

  /// Fills `minuti`: "01" to "59" in entries 1 to 59, "00" in entry 60.
  void riempi_minuti();

  /// Sets `cartella_programma` and reads the three folders from the settings file in it,
  /// warning when the file is missing or short or a folder lacks its final separator.
  /// Returns false when it warned.
  bool leggi_impostazioni();

  /// Fills the day table for the six days ending today, today read once.
  void riempi_tabella_giorni();

  /// Reads the day of chart `indice_giorno` for the station `stazione`.
  DatiGiorno leggi_giorno_grafico(const Stazione& stazione) const;

  Minuti minuti;
  std::string cartella_programma;
  std::string cartella_previsioni;
  std::string cartella_dati;
  std::string cartella_gif;
  std::int16_t indice_giorno = 0;
  BoundedArray<std::string, 1, 6> giorno_anno;
  BoundedArray<std::string, 1, 6> chiave_mese;
  BoundedArray<std::string, 1, 6> data_grafico;

 private:
  // False when it warned.
  bool warn_about_folder(int line, const std::string& value, const std::string& settings_file);
  // The station, recognised from the first entry of the measurement folder, listed once per
  // run; nullopt, with the reason in `*err`, when the folder cannot be listed.
  std::optional<Stazione> riconosci_stazione_del_run(std::string* err);
  void warn_about_day(const DatiGiorno& dati, const Stazione& stazione);
  void disegna_grafico(const DatiGiorno& dati);
  ExportReport esporta_grafico();
  void describe_station(const Stazione& stazione, const std::string& listing_error,
                        CheckReport* report);
  bool report(const ExportReport& export_report);

  Surface& surface_;
  Converter& converter_;
  FileSystem& files_;
  Clock& clock_;
  Diagnostics diagnostics_;
};
