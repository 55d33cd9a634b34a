// The archive page: index.html in the archive folder, every archived day in a calendar per
// month, linking its picture, its SVG and its data.
#include "output/archive_page.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>

#include "output/html_parts.h"
#include "output/output_files.h"
#include "output/plotted_values.h"
#include "platform/clock.h"

namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year_month;
using std::chrono::year_month_day;

// The months side by side as the screen allows, a week to a row; a day's SVG and data
// links small under its number. No character here needs escaping in a text.
constexpr const char* kStyle =
    ".months{display:grid;grid-template-columns:repeat(auto-fill,minmax(17rem,1fr));"
    "gap:1rem 1.5rem;margin:0 0 1.5rem}"
    "table{border-collapse:collapse;width:100%;table-layout:fixed}"
    "caption{text-align:left;font-weight:bold;padding:0 0 .25rem}"
    "th{font-weight:normal;font-size:.8rem}"
    "td{text-align:center;vertical-align:top;height:2.8rem;padding:.2rem 0;"
    "border-top:1px solid #8884}"
    "td a{display:block}"
    ".none,.out{color:#888}"
    "small{display:block;font-size:.65rem}"
    "td a+a,small+a{font-size:.75rem}";

constexpr std::array<const char*, 7> kWeekdays = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

// The kinds of file the archive holds of a day, as bits.
constexpr unsigned kGif = 1;
constexpr unsigned kSvg = 2;
constexpr unsigned kJson = 4;

// The first day an archive file's name can give.
constexpr sys_days kFirstArchivable = sys_days{std::chrono::year{1900} / std::chrono::January / 1};

bool all_digits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int number(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = 10 * value + (c - '0');
  return value;
}

// The day and kind of an archive file's name, "2026184.gif"; nullopt for any other name.
std::optional<std::pair<sys_days, unsigned>> archive_file(std::string_view name) {
  const std::size_t point = name.find('.');
  if (point != 7 || !all_digits(name.substr(0, 7))) return std::nullopt;
  const std::string_view extension = name.substr(point);
  unsigned kind = 0;
  if (extension == ".gif") {
    kind = kGif;
  } else if (extension == ".svg") {
    kind = kSvg;
  } else if (extension == ".json") {
    kind = kJson;
  } else {
    return std::nullopt;
  }
  const std::chrono::year year{number(name.substr(0, 4))};
  const int day_of_year = number(name.substr(4, 3));
  if (year < std::chrono::year{1900} || day_of_year < 1 ||
      day_of_year > (year.is_leap() ? 366 : 365)) {
    return std::nullopt;
  }
  return std::pair{sys_days{year / std::chrono::January / 1} + days{day_of_year - 1}, kind};
}

std::string month_caption(year_month month) {
  return std::string(month_name(static_cast<unsigned>(month.month()))) + " " +
         std::to_string(static_cast<int>(month.year()));
}

// What one page shows of the days: the archived ones and the span from the oldest to the
// newest, in which a day without a GIF is shown as one.
class Calendar {
 public:
  explicit Calendar(const std::vector<ArchivedDay>& archived) : archived_(archived) {}

  // The months that hold an archived day, newest first, each year in a section: however
  // far apart the oldest and the newest day lie, the page grows with the archive alone.
  void months(XmlWriter& html) const {
    std::optional<year_month> previous;
    for (auto day = archived_.rbegin(); day != archived_.rend(); ++day) {
      const year_month_day date{day->day};
      const year_month month = date.year() / date.month();
      if (previous == month) continue;
      if (!previous || previous->year() != month.year()) {
        if (previous) end_year(html);
        html.Start("section");
        text_element(html, "h2", std::to_string(static_cast<int>(month.year())));
        html.Start("div");
        html.Attribute("class", "months");
      }
      month_table(html, month);
      previous = month;
    }
    end_year(html);
  }

 private:
  static void end_year(XmlWriter& html) {
    html.FullEnd();
    html.FullEnd();
  }

  void month_table(XmlWriter& html, year_month month) const {
    html.Start("table");
    text_element(html, "caption", month_caption(month));
    html.Start("thead");
    html.Start("tr");
    for (const char* weekday : kWeekdays) text_element(html, "th", weekday);
    html.FullEnd();
    html.FullEnd();
    html.Start("tbody");
    const sys_days first = sys_days{month / 1};
    const sys_days last = sys_days{month / std::chrono::last};
    // Weeks begin on Monday: the first row starts with the Monday on or before the 1st.
    sys_days cell = first - days{std::chrono::weekday{first}.iso_encoding() - 1};
    while (cell <= last) {
      html.Start("tr");
      for (int column = 0; column < 7; ++column, cell += days{1}) {
        day_cell(html, cell, cell >= first && cell <= last);
      }
      html.FullEnd();
    }
    html.FullEnd();
    html.FullEnd();
  }

  // A day of the month before the oldest archived day or after the newest shows its number
  // alone; a cell of the week outside the month is empty.
  void day_cell(XmlWriter& html, sys_days day, bool in_month) const {
    html.Start("td");
    if (in_month && day >= archived_.front().day && day <= archived_.back().day) {
      day_links(html, day, files_of(day));
    } else if (in_month) {
      html.Attribute("class", "out");
      html.Text(day_number(day));
    }
    html.FullEnd();
  }

  static std::string day_number(sys_days day) {
    return std::to_string(static_cast<unsigned>(year_month_day{day}.day()));
  }

  static void day_links(XmlWriter& html, sys_days day, unsigned files) {
    const std::string number = day_number(day);
    const std::string stem = archive_day_name(day);
    if ((files & kGif) != 0) {
      link(html, stem + ".gif", number);
    } else {
      html.Attribute("class", "none");
      html.Text(number);
      text_element(html, "small", "no picture");
    }
    if ((files & kSvg) != 0) link(html, stem + ".svg", "SVG");
    if ((files & kJson) != 0) link(html, stem + ".json", "JSON");
  }

  // The days are looked up in order, month by month, so a search stays cheap.
  unsigned files_of(sys_days day) const {
    const auto found =
        std::lower_bound(archived_.begin(), archived_.end(), day,
                         [](const ArchivedDay& archived, sys_days d) { return archived.day < d; });
    if (found == archived_.end() || found->day != day) return 0;
    return (found->gif ? kGif : 0U) | (found->svg ? kSvg : 0U) | (found->json ? kJson : 0U);
  }

  const std::vector<ArchivedDay>& archived_;
};

// The program and a digest of what the page shows, which the page carries in its head so that
// a run can tell that the page on disk shows the same without building it again. A change of
// the program's version, the station, the link or any archived day's files changes it.
std::string generator(const ArchivePageContent& content) {
  std::string shown = content.station + '\n' + content.station_page.value_or("") + '\n';
  shown.reserve(shown.size() + 5 * content.days.size());
  for (const ArchivedDay& day : content.days) {
    const auto number = static_cast<std::uint32_t>(day.day.time_since_epoch().count());
    shown.append(reinterpret_cast<const char*>(&number), sizeof number);
    shown +=
        static_cast<char>((day.gif ? kGif : 0U) | (day.svg ? kSvg : 0U) | (day.json ? kJson : 0U));
  }
  char digest[24];
  std::snprintf(digest, sizeof digest, "%016zx", std::hash<std::string>{}(shown));
  return std::string("kurvo_M3000F2 ") + KURVO_VERSION + ", archive " + digest;
}

std::string span_sentence(const std::vector<ArchivedDay>& archived) {
  const auto span = (archived.back().day - archived.front().day).count() + 1;
  const auto with_gif = std::count_if(archived.begin(), archived.end(),
                                      [](const ArchivedDay& day) { return day.gif; });
  std::string sentence = "Every day from " + format_date(archived.front().day) + " to " +
                         format_date(archived.back().day) +
                         ", newest first: " + std::to_string(span) + (span == 1 ? " day" : " days");
  if (span > with_gif) sentence += ", " + std::to_string(span - with_gif) + " without a picture";
  return sentence +
         ". Each day links its chart (GIF) and, where the archive holds them, its SVG and its "
         "data (JSON).";
}

}  // namespace

// Four bytes a file, so that years of archive take little more memory than their listing.
void ArchivedDays::Add(std::string_view name) {
  if (const auto file = archive_file(name)) {
    files_.push_back(static_cast<std::uint32_t>((file->first - kFirstArchivable).count()) << 3 |
                     file->second);
  }
}

// The listing comes in no order: the kinds of each day are gathered in a table over the span
// from the oldest day to the newest, which orders the days in one pass instead of a sort.
std::vector<ArchivedDay> ArchivedDays::Days() const {
  if (files_.empty()) return {};
  const auto [oldest, newest] = std::minmax_element(files_.begin(), files_.end());
  const std::uint32_t first_day = *oldest >> 3;
  std::vector<std::uint8_t> kinds((*newest >> 3) - first_day + 1);
  for (const std::uint32_t file : files_) kinds[(file >> 3) - first_day] |= file & 7U;
  std::vector<ArchivedDay> archived;
  for (std::size_t n = 0; n < kinds.size(); ++n) {
    if (kinds[n] == 0) continue;
    archived.push_back({kFirstArchivable + days{first_day + n}, (kinds[n] & kGif) != 0,
                        (kinds[n] & kSvg) != 0, (kinds[n] & kJson) != 0});
  }
  return archived;
}

std::string archive_page(const ArchivePageContent& content) {
  const std::string title = "M(3000)F2 archive, " + content.station;
  XmlWriter html("");
  start_page(html, {title, kStyle, 0, generator(content)});
  html.Start("body");
  text_element(html, "h1", title);
  if (content.station_page) {
    html.Start("p");
    link(html, *content.station_page, "The station page: the last six days");
    html.FullEnd();
  }
  if (content.days.empty()) {
    text_element(html, "p", "No day is archived yet.");
  } else {
    text_element(html, "p", span_sentence(content.days));
    Calendar(content.days).months(html);
  }
  html.FullEnd();
  return html.Finish();
}

// The generator meta element stands in the first lines of the head, as `start_page` writes it.
bool archive_page_current(FileSystem& files, const std::string& path,
                          const ArchivePageContent& content) {
  std::string err;
  const std::unique_ptr<TextFile> page = files.Open(path, &err);
  if (!page) return false;
  const std::string expected = "<meta name=\"generator\" content=\"" + generator(content) + "\"";
  std::string line;
  for (int lines = 0; lines < 10 && page->ReadLine(&line); ++lines) {
    if (line.rfind(expected, 0) == 0) return true;
  }
  return false;
}

// Years of archive make a page of a megabyte, which changes once a day or so: building and
// flushing it at every run would cost more than the listing.
bool update_archive_page(FileSystem& files, const std::string& cartella_previsioni,
                         const std::string& station, bool linked, std::string* err) {
  ArchivedDays archived;
  if (!files.List(
          archive_folder(cartella_previsioni),
          [&archived](std::string_view name) { archived.Add(name); }, err)) {
    *err = "cannot list its folder: " + *err;
    return false;
  }
  ArchivePageContent content{station, archived.Days(), std::nullopt};
  if (linked) content.station_page = kStationPageFromArchivePage;
  const std::string path = archive_page_file(cartella_previsioni);
  if (archive_page_current(files, path, content)) return true;
  const std::string page = archive_page(content);
  return files.WriteFile(path, page.data(), page.size(), Durability::kFlushed, err);
}
