// The program's one window: the state of a run, the batch loop that draws and exports the
// six charts, and the check that reports what a run would do.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "chart/day_data.h"
#include "chart/riconosci_stazione.h"
#include "chart/surface.h"
#include "output/converter.h"
#include "output/export_report.h"
#include "output/metrics.h"
#include "platform/bounded_array.h"
#include "platform/clock.h"
#include "platform/diagnostics.h"
#include "platform/file_system.h"
#include "run/check_report.h"
#include "run/command_line.h"
#include "run/tabella_giorni.h"

/// What the window draws on, converts with, reads from and reports to.
struct Platform {
  Surface& surface;
  Converter& converter;
  FileSystem& files;
  Clock& clock;
  std::ostream& diagnostics;
  /// Whether `diagnostics` is shown on a terminal, where a redraw shows its progress.
  bool diagnostics_on_terminal = false;
};

/// The window. Its load handler is the whole run; its variables are the run's state.
class Form1 {
 public:
  explicit Form1(const Platform& platform);

  /// The run: minute texts, settings, day table, geometry, the measurement folder listed
  /// once, then for each of the six days a chart read, drawn, labelled, exported and
  /// cleared, and its SVGs written when asked; then the station page when asked. Every
  /// picture that could not be written is reported; returns true when all were written. A
  /// measurement folder that cannot be listed is an error of the run: no picture is written.
  bool Form_Load();

  /// The archive redraw: settings, lock and station as a run takes them, then for every day
  /// of `days`, in order, its chart read, drawn as a run draws it and exported as the
  /// archive picture alone; no picture is published. On a terminal a progress line names
  /// the day. Returns true when every archive picture was written.
  bool redraw_archive(const DayRange& days);

  /// Writes the metrics of the run (or redraw) just made to `file`, replacing it whole, with
  /// `success` as its outcome and `duration_seconds` as its duration. False, with an error
  /// message, when the file cannot be written.
  bool write_metrics(const std::string& file, bool success, double duration_seconds);

  /// The check: what a run (or, with `archive`, the redraw of those days) would find and
  /// write, found by its own steps with every write made against a file system that writes
  /// nothing, written as a report on `out`. Returns true when it would write every picture
  /// without a settings warning.
  bool verifica(std::ostream& out, const std::optional<DayRange>& archive = std::nullopt);

  /// Fills `minuti`: "01" to "59" in entries 1 to 59, "00" in entry 60.
  void riempi_minuti();

  /// Sets `cartella_programma` and reads the three folders from the settings file in it,
  /// warning when the file is missing or short or a folder lacks its final separator.
  /// Returns false when it warned.
  bool leggi_impostazioni();

  /// Fills the day table for the six days ending today, today read once.
  void riempi_tabella_giorni();

  /// Which day chart `indice_giorno` reads, and from where.
  DayToRead giorno_da_leggere() const;
  /// The day named by `testi`, read from the folders of the settings.
  DayToRead giorno_da_leggere(const DayTexts& testi) const;

  MinuteTexts minuti;
  std::string cartella_programma;
  std::string cartella_previsioni;
  std::string cartella_dati;
  std::string cartella_gif;
  std::int16_t indice_giorno = 0;
  BoundedArray<std::string, 1, 6> giorno_anno;
  BoundedArray<std::string, 1, 6> chiave_mese;
  BoundedArray<std::string, 1, 6> data_grafico;

  /// Write beside every picture written its day's data, as a .json file of the same name.
  bool json_output = false;
  /// Write beside every picture written its chart as an SVG, as a .svg file of the same name.
  bool svg_output = false;
  /// Write the station page index.html in the publication folder after the six charts.
  bool page_output = false;

 private:
  // False when it warned.
  bool warn_about_folder(int line, const std::string& value, const std::string& settings_file);
  // The station, recognised from the first entry of the measurement folder, listed once per
  // run; nullopt, with the reason in `*err`, when the folder cannot be listed.
  std::optional<Station> riconosci_stazione_del_run(std::string* err);
  // The station of the run, or nullopt, with an error naming the folder, when the measurement
  // folder cannot be listed and the `pictures` the run was to write are not written.
  std::optional<Station> station_of_run(int pictures);
  void warn_about_day(const DayData& dati, const Station& stazione);
  // The measurement folder as messages name it: "./" for the current directory.
  std::string measurement_folder_shown() const;
  // Reads the day, draws it, exports it to `percorsi`, clears the surface and writes the data
  // files and SVGs asked for; counts it in the metrics, as a chart of its own when `chart`.
  // The day read goes to `*letto` unless it is null. True when everything was written.
  bool draw_and_export(const Station& stazione, const DayToRead& giorno, const ChartFiles& percorsi,
                       bool chart, DayData* letto = nullptr);
  // `document` as the file named with `extension` (".json", ".svg") beside every picture the
  // export wrote; false when one cannot be written.
  bool write_beside_pictures(const std::string& document, const char* extension,
                             const ChartFiles& percorsi, const ExportReport& export_report);
  // The station page of the six charts `giorni` of the run; false when it cannot be written.
  bool write_page(const std::array<DayData, 6>& giorni);
  void count_in_metrics(const DayData& dati, const ChartFiles& percorsi,
                        const ExportReport& export_report, bool chart);
  // The station lines of the report; files are named as on `first_day`.
  void describe_station(const Station& stazione, const std::string& listing_error,
                        const DayTexts& first_day, CheckReport* report);
  bool report(const ExportReport& export_report);

  Surface& surface_;
  Converter& converter_;
  FileSystem& files_;
  Clock& clock_;
  Diagnostics diagnostics_;
  RunMetrics metrics_;
};
