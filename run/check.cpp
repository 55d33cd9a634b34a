// The check: what a run would find and write, found by the run's own chart pass, reported
// without writing anything.
#include "run/check.h"

#include <string>
#include <string_view>

#include "output/output_files.h"
#include "output/plotted_values.h"
#include "platform/dry_run_file_system.h"
#include "run/check_report.h"
#include "run/exclusive_run.h"
#include "run/plans.h"
#include "run/run_start.h"

namespace {

// `line` is the folder's line of the settings file, `folder` the folder it names;
// `opens_for_lock` is false for a forecast folder a run could not open for its lock.
FolderFinding check_folder(FileSystem& files, const std::string& label, const std::string& line,
                           const std::string& folder, bool written_into,
                           bool opens_for_lock = true) {
  std::string notes;
  const auto note = [&notes](const std::string& text) {
    notes += (notes.empty() ? "" : "; ") + text;
  };
  if (line.empty()) note("the current directory");
  if (!line.empty() && !ends_with_folder_separator(line)) note("no final separator");
  switch (files.Kind(folder_named(folder))) {
    case PathKind::missing:
      note("missing");
      break;
    case PathKind::file:
      note("not a folder");
      break;
    case PathKind::folder:
      if (written_into) note("not writable");
      break;
    case PathKind::writable_folder:
      break;
  }
  if (!opens_for_lock) note("cannot be opened to lock it");
  return {label, line, notes};
}

// A first line may be anything, binary included: a long line is cut, so the report stays
// one line per item; the report shows control characters as escapes.
std::string printable(const std::string& text) {
  constexpr std::size_t kShown = 60;
  std::string shown = "\"";  // appended in steps, which GCC 12's -O3 does not misread
  shown += std::string_view(text).substr(0, kShown);
  shown += text.size() > kShown ? "\"..." : "\"";
  return shown;
}

// Why the station file's first line cannot be shown.
std::string first_line_problem(FileSystem& files, const std::string& path) {
  std::string err;
  if (!files.Open(path, &err)) return "cannot read: " + err;
  return "none: the file is empty";
}

std::string forecast_finding(const DayData& day, const DayCount& count) {
  const std::string& nome = day.forecast_file;
  if (!day.valori_previsione) {
    return nome + ", cannot read: " + day.forecast_error + "; no forecast curve";
  }
  return nome + ", " + std::to_string(count.forecast_values) + " of 24 hourly values";
}

// The station lines of the report; `listing_error` is why the measurement folder cannot be
// listed, "" when it can. Files are named as on the first day checked.
void describe_station(FileSystem& files, const Settings& settings, const Station& station,
                      const std::string& listing_error, const DayTexts& first_day,
                      CheckReport* report) {
  const std::string cartella = "measurement folder " + measurement_folder_shown(settings);
  if (!listing_error.empty()) {
    report->station =
        cartella + " cannot be listed: " + listing_error + "; a run would write no picture";
    return;
  }
  if (!station.primo_file.empty()) {
    const std::string path = settings.cartella_dati + station.primo_file;
    report->station_file = path;
    report->first_line =
        station.first_line_read ? printable(station.first_line) : first_line_problem(files, path);
  }
  report->station_recognised = station.famiglia_stazione != 0;
  if (station.famiglia_stazione != 0) {
    report->station = "family " + std::to_string(station.famiglia_stazione) +
                      ", files named like " +
                      nome_file_misura(station, settings.cartella_dati, first_day.chiave_mese,
                                       first_day.giorno_anno, 0, minute_texts()(60));
    return;
  }
  const std::string why = station.primo_file.empty() ? cartella + " holds no file"
                          : station.first_line_read  ? "no known station name begins the first line"
                                                     : "the first line cannot be read";
  report->station = "not recognised: " + why + "; no measured values would be drawn";
}

// A picture the report calls written is one the run's export would write, as far as the
// folders can tell beforehand; what stops a run before its charts (`stop`, "" for nothing)
// costs every one.
DayFinding day_finding(const ChartOutcome& chart, const Station& station, const std::string& stop) {
  const DayCount count = count_day(chart.day);
  DayFinding day;
  day.date = chart.day.data_grafico;
  day.forecast = forecast_finding(chart.day, count);
  if (station.famiglia_stazione != 0) day.measurements = count;
  for (const auto& [picture, finding] : {std::pair{&chart.files.publication, &day.publication},
                                         std::pair{&chart.files.archive, &day.archive}}) {
    finding->path = picture->empty() ? "" : *picture;
    finding->problem = stop.empty() ? chart.report.reason_unwritten(*picture) : stop;
  }
  return day;
}

// Whether a run could lock its forecast folder: one that is there but cannot be opened (one
// the run may write in but not read) ends the run before any picture.
bool lockable(FileSystem& files, const Settings& settings) {
  const std::string folder = folder_named(folder_to_lock(settings));
  const PathKind kind = files.Kind(folder);
  return kind == PathKind::missing || kind == PathKind::file || files.Lockable(folder);
}

std::vector<ChartJob> planned_charts(const Platform& platform, const Settings& settings,
                                     const std::optional<DayRange>& archive) {
  if (archive) return plan_archive(settings, *archive, {}, 1);
  return plan_run(settings, fill_day_table(platform.clock.Date()), {});
}

}  // namespace

bool verifica(const Platform& platform, const std::string& cartella_programma, std::ostream& out,
              const std::optional<DayRange>& archive) {
  const MinuteTexts minuti = minute_texts();
  const Settings settings = read_settings(cartella_programma, platform.files, platform.diagnostics);
  const std::vector<ChartJob> jobs = planned_charts(platform, settings, archive);
  size_every_drawer(platform);

  CheckReport report;
  report.archive = archive.has_value();
  report.settings_file = settings_file(settings);
  if (!settings.unreadable.empty()) {
    report.settings_problem =
        "cannot read: " + settings.unreadable + "; every folder is the current directory";
  }
  const bool can_lock = lockable(platform.files, settings);
  report.folders = {check_folder(platform.files, "forecast", settings.forecast_line,
                                 settings.cartella_previsioni, true, can_lock),
                    check_folder(platform.files, "measurement", settings.measurement_line,
                                 settings.cartella_dati, false),
                    check_folder(platform.files, "publication", settings.publication_line,
                                 settings.cartella_gif, !archive)};

  Station station;
  std::string listing_error;
  const bool listed =
      station_of_folder(platform.files, settings.cartella_dati, &station, &listing_error);
  describe_station(platform.files, settings, station, listed ? "" : listing_error, jobs.front().day,
                   &report);
  // The lock is taken before the measurement folder is listed.
  const std::string stop = !can_lock ? "the forecast folder cannot be opened for its lock"
                           : !listed ? "the measurement folder cannot be listed"
                                     : "";

  // One drawer: the dry-run file system keeps what is written for one writer at a time.
  DryRunFileSystem nothing_written(platform.files);
  std::vector<ChartWorkshop> drawer =
      workshops(platform, 1, nothing_written, settings, station, minuti);
  chart_pass(jobs, drawer, nullptr, nullptr, [&](ChartOutcome&& chart) {
    report.days.push_back(day_finding(chart, station, stop));
  });
  write_check_report(report, out);
  return report.pictures_written() == report.pictures_planned() && settings.clean &&
         !report.station_file_unrecognised();
}
