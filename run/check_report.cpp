// The report of --check: what a run would find, day by day, and the pictures it would write.
#include "run/check_report.h"

#include <algorithm>
#include <cstddef>
#include <set>

#include "platform/diagnostics.h"

namespace {

using Row = std::vector<std::string>;

// Cells are shown escaped, since names and lines come from the folders. Columns two blanks apart,
// each as wide as its widest cell; counts are right-aligned. The last cell of a row runs on
// unpadded and widens no column, so a long remark does not push the other rows apart; no line ends
// in blanks.
void write_table(std::vector<Row> rows, const std::set<std::size_t>& right_aligned,
                 std::ostream& out) {
  for (Row& row : rows) {
    for (std::string& cell : row) cell = escaped(cell);
  }
  std::vector<std::size_t> widths;
  for (const Row& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t c = 0; c + 1 < row.size(); ++c) {
      widths[c] = std::max(widths[c], row[c].size());
    }
  }
  for (const Row& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
      const bool last = c + 1 == row.size();
      const std::string padding(last ? 0 : widths[c] - row[c].size(), ' ');
      if (c > 0) line += "  ";
      line += right_aligned.contains(c) ? padding + row[c] : row[c] + padding;
    }
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
  }
}

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

void write_settings_and_station(const CheckReport& report, std::ostream& out) {
  std::vector<Row> rows = {{"settings file", report.settings_file, report.settings_problem}};
  for (const FolderFinding& folder : report.folders) {
    rows.push_back({folder.label, quoted(folder.value), folder.notes});
  }
  rows.push_back({"station file", report.station_file.empty() ? "none" : report.station_file});
  if (!report.station_file.empty()) {
    rows.push_back({"first line", report.first_line});
  }
  rows.push_back({"station", report.station});
  write_table(rows, {}, out);
}

Row day_row(int chart, const DayFinding& day) {
  Row row = {std::to_string(chart), day.date};
  if (day.measurements) {
    const DayCount& m = *day.measurements;
    for (const int count : {m.files, m.values, m.not_available, m.no_value, m.skipped}) {
      row.push_back(std::to_string(count));
    }
    row.push_back(m.latest ? time_text(*m.latest) : "-");
  } else {
    row.insert(row.end(), 6, "-");
  }
  row.push_back(day.forecast);
  return row;
}

// An archive redraw numbers its days, a run its charts.
std::string number_heading(const CheckReport& report) { return report.archive ? "day" : "chart"; }

void write_days(const CheckReport& report, std::ostream& out) {
  std::vector<Row> rows = {{number_heading(report), "date", "files", "value", "N/A", "NO",
                            "skipped", "last UT", "forecast"}};
  for (std::size_t d = 0; d < report.days.size(); ++d) {
    rows.push_back(day_row(static_cast<int>(d) + 1, report.days[d]));
  }
  write_table(rows, {2, 3, 4, 5, 6}, out);
}

void write_pictures(const CheckReport& report, std::ostream& out) {
  std::vector<Row> rows = {{number_heading(report), "picture"}};
  for (std::size_t d = 0; d < report.days.size(); ++d) {
    for (const PictureFinding* picture : {&report.days[d].publication, &report.days[d].archive}) {
      if (picture->path.empty()) continue;
      rows.push_back({std::to_string(d + 1), picture->path,
                      picture->problem.empty() ? "" : "not written: " + picture->problem});
    }
  }
  write_table(rows, {}, out);
}

// A stray file that sorts first silences the station without failing a picture; the report
// ends by naming it, as the cause of the check's exit status.
void write_unrecognised_station(const CheckReport& report, std::ostream& out) {
  if (!report.station_file_unrecognised()) return;
  out << "but no station is recognised from " << escaped(report.station_file)
      << ": the charts would have no measured values\n";
}

}  // namespace

int CheckReport::pictures_written() const {
  int written = 0;
  for (const DayFinding& day : days) {
    for (const PictureFinding* picture : {&day.publication, &day.archive}) {
      written += !picture->path.empty() && picture->problem.empty() ? 1 : 0;
    }
  }
  return written;
}

int CheckReport::pictures_planned() const {
  int planned = 0;
  for (const DayFinding& day : days) {
    planned += (day.publication.path.empty() ? 0 : 1) + (day.archive.path.empty() ? 0 : 1);
  }
  return planned;
}

void write_check_report(const CheckReport& report, std::ostream& out) {
  write_settings_and_station(report, out);
  out << '\n';
  write_days(report, out);
  out << '\n';
  write_pictures(report, out);
  out << '\n';
  const int written = report.pictures_written();
  const int planned = report.pictures_planned();
  if (report.archive && planned == 1) {
    out << "the redraw would " << (written == 1 ? "" : "not ") << "write its picture\n";
    write_unrecognised_station(report, out);
    return;
  }
  const std::string of = report.archive ? std::to_string(planned) : "twelve";
  out << (report.archive ? "the redraw would write " : "a run would write ")
      << (written == planned ? "all " + of : std::to_string(written) + " of the " + of)
      << " pictures\n";
  write_unrecognised_station(report, out);
}
