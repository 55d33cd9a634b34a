// The chart pass: each chart's day read, drawn, exported and cleared, and the files beside its
// pictures written.
#include "run/chart_pass.h"

#include "chart/draw_chart.h"
#include "output/salva_figura.h"
#include "platform/clock.h"

namespace {

DayToRead day_to_read(const ChartJob& job, const Settings& settings) {
  return {settings.cartella_previsioni, settings.cartella_dati, job.day.chiave_mese,
          job.day.giorno_anno,          job.day.data_grafico,   job.day.date};
}

std::string why_not_recognised(const ChartWorkshop& workshop) {
  if (workshop.station.primo_file.empty()) {
    return "measurement folder " + measurement_folder_shown(workshop.settings) + " holds no file";
  }
  return "no known station name begins the first line of " + workshop.settings.cartella_dati +
         workshop.station.primo_file;
}

}  // namespace

ChartOutcome make_chart(const ChartJob& job, ChartWorkshop& workshop) {
  DayData day = read_day(workshop.files, day_to_read(job, workshop.settings), workshop.station,
                         workshop.minuti);
  draw_chart(workshop.surface, day);
  ExportReport report =
      salva_figura(workshop.surface, workshop.converter, workshop.files, job.files);
  workshop.surface.Cls();
  write_beside_pictures(workshop.files, day, job.files, job.beside, &report);
  return {std::move(day), job.files, std::move(report)};
}

// Every chart is made whatever failed before, so one bad export never costs the other days
// their pictures.
std::vector<ChartOutcome> chart_pass(const std::vector<ChartJob>& jobs, ChartWorkshop& workshop,
                                     PassReporter* reporter) {
  std::vector<ChartOutcome> outcomes;
  outcomes.reserve(jobs.size());
  const int total = static_cast<int>(jobs.size());
  for (const ChartJob& job : jobs) {
    if (reporter != nullptr) reporter->Starting(static_cast<int>(outcomes.size()) + 1, total, job);
    outcomes.push_back(make_chart(job, workshop));
    if (reporter != nullptr) reporter->Finished(outcomes.back(), workshop);
  }
  if (reporter != nullptr) reporter->Done();
  return outcomes;
}

void PassReporter::Starting(int number, int total, const ChartJob& job) {
  if (!progress_) return;
  diagnostics_.Progress("day " + std::to_string(number) + " of " + std::to_string(total) + ", " +
                        format_date(job.day.date));
}

// A missing forecast is told once per month and an unrecognised station once per pass, in
// the order the chart reads them, then what the export could not write.
void PassReporter::Finished(const ChartOutcome& outcome, const ChartWorkshop& workshop) {
  const DayData& day = outcome.day;
  if (!day.valori_previsione) {
    diagnostics_.WarningOnce("forecast " + day.file_previsioni,
                             "cannot read forecast file " + day.forecast_file + ": " +
                                 day.forecast_error + "; the charts of month " +
                                 day.file_previsioni + " have no forecast curve");
  }
  if (workshop.station.famiglia_stazione == 0) {
    diagnostics_.WarningOnce("station", "station not recognised: " + why_not_recognised(workshop) +
                                            "; no measured values are drawn");
  }
  report_unwritten(outcome.report.unwritten);
  if (!outcome.report.bitmap_left.empty()) {
    diagnostics_.Warning("cannot delete " + outcome.report.bitmap_left);
  }
  report_unwritten(outcome.report.unwritten_beside);
}

void PassReporter::report_unwritten(const std::vector<UnwrittenFile>& unwritten) {
  for (const UnwrittenFile& file : unwritten) {
    diagnostics_.Error("cannot write " + file.path + ": " + file.reason);
  }
}

void PassReporter::Done() { diagnostics_.EndProgress(); }
