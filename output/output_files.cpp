// The names of every file a run writes, in one place.
#include "output/output_files.h"

#include <string_view>

#include "platform/text_ops.h"

namespace {

using namespace std::string_literals;

const std::string kArchiveFolder = "previous_M3000F2_plots/"s;  // in the forecast folder
const std::string kBitmap = "grafico"s;                         // n ".bmp", in the forecast folder
const std::string kPublicationPicture = "plotM"s;  // n ".gif", in the publication folder
const std::string kStationPage = "index.html"s;    // in the publication folder
const std::string kArchivePage = "index.html"s;    // in the archive folder
// An archive picture's name: four-digit year and three-digit day of year.
const std::string kDayOfYearPattern = "[0-9][0-9][0-9][0-9][0-9][0-9][0-9]"s;
// What is written beside each picture, with the picture.
const char* const kPictureKinds[] = {".gif", ".json", ".svg"};

// Characters 3 to 6 of the month key are the year.
std::string archive_picture(const std::string& cartella_previsioni, const DayTexts& day) {
  return archive_folder(cartella_previsioni) + Mid(day.chiave_mese, 3, 4) + day.giorno_anno +
         ".gif";
}

std::string bitmap(const std::string& cartella_previsioni, const std::string& name) {
  return cartella_previsioni + kBitmap + name + ".bmp";
}

// The bitmap names after "grafico": the charts' 0 to 6, and the further drawers' "0-2" up to
// "0-64".
std::vector<std::string> bitmap_patterns() {
  std::vector<std::string> names = {kBitmap + "[0-6].bmp"};
  for (int drawer = 2; drawer <= kMostDrawers; ++drawer) {
    names.push_back(kBitmap + "0-" + std::to_string(drawer) + ".bmp");
  }
  return names;
}

}  // namespace

ChartFiles run_chart_files(const std::string& cartella_previsioni, const std::string& cartella_gif,
                           int numero, const DayTexts& day) {
  return {bitmap(cartella_previsioni, std::to_string(numero)),
          cartella_gif + kPublicationPicture + std::to_string(numero) + ".gif",
          archive_picture(cartella_previsioni, day)};
}

ChartFiles archive_chart_files(const std::string& cartella_previsioni, const DayTexts& day,
                               int drawer) {
  const std::string name = drawer == 1 ? "0" : "0-" + std::to_string(drawer);
  return {bitmap(cartella_previsioni, name), "", archive_picture(cartella_previsioni, day)};
}

std::string beside(const std::string& picture, const char* extension) {
  return picture.substr(0, picture.size() - std::string_view(".gif").size()) + extension;
}

std::string station_page_file(const std::string& cartella_gif) {
  return cartella_gif + kStationPage;
}

std::string archive_folder(const std::string& cartella_previsioni) {
  return cartella_previsioni + kArchiveFolder;
}

std::string archive_day_name(std::chrono::sys_days day) {
  const std::chrono::year year = std::chrono::year_month_day{day}.year();
  const auto day_of_year =
      (day - std::chrono::sys_days{year / std::chrono::January / 1}).count() + 1;
  return zero_padded(static_cast<int>(year), 4) + zero_padded(static_cast<int>(day_of_year), 3);
}

std::string archive_page_file(const std::string& cartella_previsioni) {
  return archive_folder(cartella_previsioni) + kArchivePage;
}

std::vector<WrittenNames> files_a_run_writes(const std::string& cartella_previsioni,
                                             const std::string& cartella_gif) {
  WrittenNames publication{cartella_gif, {kStationPage}, {}};
  WrittenNames archive{archive_folder(cartella_previsioni), {kArchivePage}, {}};
  for (const char* kind : kPictureKinds) {
    publication.kept.push_back(kPublicationPicture + "[1-6]" + kind);
    archive.kept.push_back(kDayOfYearPattern + kind);
  }
  return {publication, archive, {cartella_previsioni, {}, bitmap_patterns()}};
}
