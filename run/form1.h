// The program's one window: the state of a run and the procedures that draw and export the
// six charts.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>

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

  /// The run: minute texts, settings, day table, geometry, then for each of the six days a
  /// chart drawn, labelled, exported and cleared. Every picture that could not be written
  /// is reported on the diagnostics stream; returns true when all twelve were written.
  bool Form_Load();

  /// The check: settings, day table and station as a run finds them, then for each day its
  /// forecast, its measurement files and the pictures an export would meet, written as a
  /// report on `out`. Writes no file; returns true when a run would write all twelve
  /// pictures.
  bool verifica(std::ostream& out);

  /// Fills `minuti`: "01" to "59" in entries 1 to 59, "00" in entry 60.
  void riempi_minuti();

  /// Sets `cartella_programma` and reads the three folders from the settings file in it,
  /// warning when the file is missing or short or a folder lacks its final separator.
  void leggi_impostazioni();

  /// Fills the day table for the six days ending today, today read once.
  void riempi_tabella_giorni();

  /// Sizes the window to 292 x 256 pixels and sets the chart units as logical scale.
  void impostazioni_dimensioni_e_scala_del_form();

  /// Draws the chart's frame: yellow edges, gray grid, hour and value labels, axis titles.
  void disegno_dello_stage();

  /// Draws the forecast of the month `file_previsioni` (MMYYYY) as 24 white dots joined in
  /// hour order. A missing forecast file costs the chart its curve, with one warning per
  /// month and run.
  void grafico_previsione(const std::string& file_previsioni);

  /// Recognises the station by the first line of the first file in the measurement folder
  /// and sets `codici_ora` for it. Returns the station family 1 to 6, or 0 when none is
  /// recognised; `*primo_file` receives the name of the file read ("" when none).
  int riconosci_stazione(std::string* primo_file);

  /// The full name of the measurement file of family `famiglia_stazione` (1 to 6) at hour
  /// `ora` and minute text `minuti(indice_minuto)` of the day of chart `indice_giorno`.
  std::string nome_file_misura(int famiglia_stazione, const std::string& file_previsioni, int ora,
                               int indice_minuto) const;

  /// Draws the measured values of the chart's day: light-red dots joined where they follow
  /// closely, light-green ticks where the station had no value. Draws nothing, with one
  /// warning per run, when the station is not recognised.
  void grafico_valori_autoscalati(const std::string& file_previsioni);

  /// Saves the surface as the temporary bitmap, converts it to the publication and the
  /// archive GIF of chart `indice_giorno`, and deletes the bitmap. Stops at the first step
  /// that fails; the report names each picture left unwritten.
  ExportReport salva_figura(const std::string& file_previsioni);

  /// The files the export of chart `indice_giorno` writes.
  PercorsiFigura percorsi_figura(const std::string& file_previsioni) const;

  BoundedArray<std::string, 1, 60> minuti;
  std::string cartella_programma;
  std::string cartella_previsioni;
  std::string cartella_dati;
  std::string cartella_gif;
  std::int16_t indice_giorno = 0;
  BoundedArray<std::string, 1, 6> giorno_anno;
  BoundedArray<std::string, 1, 6> chiave_mese;
  BoundedArray<std::string, 1, 6> data_grafico;
  BoundedArray<std::string, 0, 24> codici_ora;

 private:
  // The last plotted measurement of a chart; a value of 0 means there is none to join to.
  struct UltimoPunto {
    int x_ultimo = 0;
    std::int16_t valore_ultimo = 0;
  };

  void warn_about_folder(int line, const std::string& value, const std::string& settings_file);
  bool report(const ExportReport& export_report);
  bool leggi_riga_previsione(const std::string& nome, std::string* riga_previsione,
                             std::string* err);
  // Called for each slot of a day with its hour, minute index and file name, and the file's
  // value line, or nullptr when the file is missing or has no fifth line.
  using VisitaMisura = std::function<void(int ora, int indice_minuto, const std::string& nome,
                                          const std::string* riga)>;
  void scorri_misure(int famiglia_stazione, const std::string& file_previsioni,
                     const VisitaMisura& visita);
  static bool leggi_riga_valore(const std::unique_ptr<TextFile>& file, std::string* riga);
  void traccia_misura(const std::string& riga, int ora, int indice_minuto, UltimoPunto* ultimo);
  void warn_unrecognised_station(const std::string& primo_file);
  // Why the measurement folder gave no station file: "measurement folder <folder>" and "is
  // missing", "is not a folder" or "holds no file".
  std::string measurement_folder_without_files();
  DayFinding verifica_giorno(int famiglia_stazione);
  MeasurementCount conta_misure(int famiglia_stazione, const std::string& file_previsioni);

  Surface& surface_;
  Converter& converter_;
  FileSystem& files_;
  Clock& clock_;
  Diagnostics diagnostics_;
};
