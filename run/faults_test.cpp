// The whole program against failing folders and bad input. Each case runs it in a station
// folder of its own, where every picture of the run already exists from an earlier run, and
// checks how the run ended, what it said, what became of each picture and what it left.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "testsupport/gif_reader.h"
#include "testsupport/run_program.h"
#include "testsupport/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Today is 17 July 2009, day 198: chart n is day 192 + n, all six in July.
constexpr const char* kToday = "--date 2009-07-17";
constexpr Colour kRed = RGB(255, 0, 0);
constexpr Colour kGreen = RGB(0, 255, 0);

std::string publication(int chart) { return "www/plotM" + std::to_string(chart) + ".gif"; }

std::string archive(int chart) {
  return "fc/previous_M3000F2_plots/" + std::to_string(2009192 + chart) + ".gif";
}

std::string bitmap(int chart) { return "fc/grafico" + std::to_string(chart) + ".bmp"; }

// The text `part` gives for charts 1 to 6, one after the other.
std::string for_each_chart(const std::function<std::string(int)>& part) {
  std::string all;
  for (int chart = 1; chart <= 6; ++chart) all += part(chart);
  return all;
}

std::string cannot_write(const std::string& picture, const std::string& reason) {
  return "kurvo_M3000F2: cannot write " + picture + ": " + reason + "\n";
}

// A measurement file of the station "Rome" with its value in columns 16 to 20 of line 5.
std::string measurement(const std::string& field, const std::string& line_end = "\n") {
  return "Rome (test)" + line_end + "2009-07-14" + line_end + line_end + line_end +
         "M(3000)F2      " + field + line_end;
}

// The same bytes on every run, NULs, CRs and LFs among them.
std::string random_bytes(std::size_t count) {
  std::mt19937 generator(20090714);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string bytes(count, '\0');
  for (char& b : bytes) b = static_cast<char>(byte(generator));
  return bytes;
}

// A file of 15 TiB that begins with "Rome" and holds nothing else: all but its first block
// is a hole, so it takes no room on the disk, and it has no line end.
void make_sparse(const std::string& path) {
  std::ofstream(path, std::ios::binary) << "Rome";
  fs::resize_file(path, std::uintmax_t{15} << 40);
}

// The picture each of the twelve paths held before the run.
std::string earlier_picture(const std::string& name) { return "earlier picture " + name; }

// A station folder for 14 July 2009 (chart 3): a forecast of 3.20 for every hour and one
// measurement, 2.95 at 13:45, whose dot is centred on column 172, row 153.
void make_station(const TempDir& station) {
  station.make_folder("fc/previous_M3000F2_plots");
  station.make_folder("data");
  station.make_folder("www");
  station.write("kurvo_M3000F2.ini", "forecast\nfc/\nmeasurements\ndata/\nweb\nwww/\n");
  std::string values;
  for (int hour = 0; hour < 24; ++hour) values += " 3.20";
  station.write("fc/072009.txt", "forecast\nhours\n" + values + "\n");
  station.write("data/RM041_2009195134500.TXT", measurement(" 2.95"));
  for (int chart = 1; chart <= 6; ++chart) {
    station.write(publication(chart), earlier_picture(publication(chart)));
    station.write(archive(chart), earlier_picture(archive(chart)));
  }
}

DecodedGif chart(const TempDir& station, const std::string& name) {
  return read_gif(station / name);
}

int count_of(const DecodedGif& picture, Colour colour) {
  return static_cast<int>(std::count(picture.pixels.begin(), picture.pixels.end(), colour));
}

// What became of a picture path: '-' nothing there, 'd' a folder, 'K' the earlier picture
// kept byte for byte, 'W' a complete 286 x 231 GIF, '?' anything else.
char fate(const TempDir& station, const std::string& name) {
  std::error_code error;
  if (fs::is_directory(station / name, error)) return 'd';
  if (!fs::exists(station / name, error)) return '-';
  if (station.read(name) == earlier_picture(name)) return 'K';
  try {
    const DecodedGif picture = chart(station, name);
    if (picture.width == 286 && picture.height == 231) return 'W';
  } catch (const std::runtime_error&) {
  }
  return '?';
}

std::string fates(const TempDir& station, std::string (*picture)(int)) {
  return for_each_chart([&](int n) { return std::string(1, fate(station, picture(n))); });
}

// The temporary files (dot-files) and bitmaps anywhere in the station folder, sorted.
std::vector<std::string> leftovers(const TempDir& station) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(station.path())) {
    const std::string name = entry.path().filename().string();
    if (name.front() == '.' || (name.starts_with("grafico") && name.ends_with(".bmp"))) {
      names.push_back(fs::relative(entry.path(), station.path()).generic_string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct FaultCase {
  std::string name;
  std::function<void(const TempDir&)> arrange;
  int status;
  // All of standard error; "<station>" stands for the station folder's absolute path.
  std::string err;
  // The fates of plotM1.gif ... plotM6.gif and of the archive pictures of the six days.
  std::string publication_fates;
  std::string archive_fates;
  std::function<void(const TempDir&)> also = [](const TempDir&) {};
};

// Names the case in test reports instead of dumping its bytes.
void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

void expect_the_measurement_of_13_45(const TempDir& station) {
  EXPECT_EQ(chart(station, publication(3)).at(172, 153), kRed);
}

void expect_no_measured_value(const TempDir& station) {
  for (int n = 1; n <= 6; ++n) {
    const DecodedGif picture = chart(station, publication(n));
    EXPECT_EQ(count_of(picture, kRed), 0) << n;
    EXPECT_EQ(count_of(picture, kGreen), 0) << n;
  }
}

std::vector<FaultCase> fault_cases() {
  return {
      {.name = "PublicationFolderMissing",
       .arrange = [](const TempDir& s) { fs::remove_all(s / "www"); },
       .status = 1,
       .err = for_each_chart(
           [](int n) { return cannot_write(publication(n), "No such file or directory"); }),
       .publication_fates = "------",
       .archive_fates = "WWWWWW"},
      {.name = "PublicationFolderIsAFile",
       .arrange =
           [](const TempDir& s) {
             fs::remove_all(s / "www");
             s.write("www", "a file, not a folder");
           },
       .status = 1,
       .err = for_each_chart([](int n) { return cannot_write(publication(n), "Not a directory"); }),
       .publication_fates = "------",
       .archive_fates = "WWWWWW",
       .also = [](const TempDir& s) { EXPECT_EQ(s.read("www"), "a file, not a folder"); }},
      {.name = "ArchiveFolderMissing",
       .arrange = [](const TempDir& s) { fs::remove_all(s / "fc/previous_M3000F2_plots"); },
       .status = 1,
       .err = for_each_chart(
           [](int n) { return cannot_write(archive(n), "No such file or directory"); }),
       .publication_fates = "WWWWWW",
       .archive_fates = "------",
       .also = expect_the_measurement_of_13_45},
      {
          .name = "ForecastFolderMissing",
          .arrange = [](const TempDir& s) { fs::remove_all(s / "fc"); },
          .status = 1,
          .err = "kurvo_M3000F2: warning: cannot read forecast file fc/072009.txt: No such file or "
                 "directory; the charts of month 072009 have no forecast curve\n" +
                 for_each_chart([](int n) {
                   const std::string reason =
                       "temporary bitmap " + bitmap(n) + " not written: No such file or directory";
                   return cannot_write(publication(n), reason) + cannot_write(archive(n), reason);
                 }),
          .publication_fates = "KKKKKK",
          .archive_fates = "------",
      },
      // An unmounted share looks like this: the run must not replace good pictures with
      // charts that lack every measurement.
      {.name = "MeasurementFolderMissing",
       .arrange = [](const TempDir& s) { fs::remove_all(s / "data"); },
       .status = 1,
       .err = "kurvo_M3000F2: cannot list measurement folder data/: No such file or directory; "
              "no picture is written\n",
       .publication_fates = "KKKKKK",
       .archive_fates = "KKKKKK"},
      {.name = "MeasurementFolderIsAFile",
       .arrange =
           [](const TempDir& s) {
             fs::remove_all(s / "data");
             s.write("data", "a file, not a folder");
           },
       .status = 1,
       .err = "kurvo_M3000F2: cannot list measurement folder data/: Not a directory; no picture "
              "is written\n",
       .publication_fates = "KKKKKK",
       .archive_fates = "KKKKKK"},
      {.name = "MeasurementFolderEmpty",
       .arrange =
           [](const TempDir& s) {
             fs::remove_all(s / "data");
             s.make_folder("data");
           },
       .status = 0,
       .err = "kurvo_M3000F2: warning: station not recognised: measurement folder data/ holds no "
              "file; no measured values are drawn\n",
       .publication_fates = "WWWWWW",
       .archive_fates = "WWWWWW",
       .also = expect_no_measured_value},
      // Every folder becomes the station folder, which holds no forecast, no measurement and
      // no archive folder: the six pictures are published there and none is archived.
      {.name = "SettingsFileIsAFolder",
       .arrange =
           [](const TempDir& s) {
             fs::remove(s / "kurvo_M3000F2.ini");
             s.make_folder("kurvo_M3000F2.ini");
           },
       .status = 1,
       .err = "kurvo_M3000F2: warning: cannot read settings file <station>/kurvo_M3000F2.ini: Is "
              "a directory; every folder is the current directory\n"
              "kurvo_M3000F2: warning: cannot read forecast file 072009.txt: No such file or "
              "directory; the charts of month 072009 have no forecast curve\n"
              "kurvo_M3000F2: warning: station not recognised: measurement folder ./ holds no "
              "file; no measured values are drawn\n" +
              for_each_chart([](int n) {
                return cannot_write(
                    "previous_M3000F2_plots/" + std::to_string(2009192 + n) + ".gif",
                    "No such file or directory");
              }),
       .publication_fates = "KKKKKK",
       .archive_fates = "KKKKKK",
       .also =
           [](const TempDir& s) {
             for (int n = 1; n <= 6; ++n) {
               const std::string name = "plotM" + std::to_string(n) + ".gif";
               EXPECT_EQ(fate(s, name), 'W') << name;
             }
           }},
      {
          .name = "PublicationPictureIsAFolder",
          .arrange =
              [](const TempDir& s) {
                fs::remove(s / publication(3));
                s.make_folder(publication(3));
              },
          .status = 1,
          .err = cannot_write(publication(3), "Is a directory"),
          .publication_fates = "WWdWWW",
          .archive_fates = "WWWWWW",
      },
      // The broken files sort after the good one, which stays the station file.
      {.name = "EmptyMeasurementFile",
       .arrange = [](const TempDir& s) { s.write("data/RM041_2009195140000.TXT", ""); },
       .status = 0,
       .err = "",
       .publication_fates = "WWWWWW",
       .archive_fates = "WWWWWW",
       .also = expect_the_measurement_of_13_45},
      {.name = "BinaryMeasurementFile",
       .arrange =
           [](const TempDir& s) {
             s.write("data/RM041_2009195140000.TXT", random_bytes(64 * 1024));
           },
       .status = 0,
       .err = "",
       .publication_fates = "WWWWWW",
       .archive_fates = "WWWWWW",
       .also = expect_the_measurement_of_13_45},
      {.name = "BinaryStationFile",
       .arrange =
           [](const TempDir& s) {
             s.write("data/RM041_2009001000000.TXT", random_bytes(64 * 1024));
           },
       .status = 0,
       .err = "kurvo_M3000F2: warning: station not recognised: no known station name begins the "
              "first line of data/RM041_2009001000000.TXT; no measured values are drawn\n",
       .publication_fates = "WWWWWW",
       .archive_fates = "WWWWWW",
       .also = expect_no_measured_value},
      // A 5 MB file of one line has no fifth line, so 15:00 (column 185) stays empty; a 5 MB
      // fifth line still gives the value at its start, 3.05 at 16:00 (column 195, row 145).
      {.name = "FiveMegabyteLines",
       .arrange =
           [](const TempDir& s) {
             const std::string five_megabytes(5 * 1000 * 1000, '3');
             s.write("data/RM041_2009195150000.TXT", five_megabytes);
             s.write("data/RM041_2009195160000.TXT", measurement(" 3.05" + five_megabytes));
           },
       .status = 0,
       .err = "",
       .publication_fates = "WWWWWW",
       .archive_fates = "WWWWWW",
       .also =
           [](const TempDir& s) {
             const DecodedGif picture = chart(s, publication(3));
             for (int row = 0; row < 231; ++row) EXPECT_NE(picture.at(185, row), kRed) << row;
             EXPECT_EQ(picture.at(195, 145), kRed);
             expect_the_measurement_of_13_45(s);
           }},
      // Lines that end in a carriage return alone, the station file's too, and a last line
      // without any end: 2.95 at 13:45 and 3.05 at 16:00 are both drawn.
      {.name = "CarriageReturnOnlyLines",
       .arrange =
           [](const TempDir& s) {
             s.write("data/RM041_2009195134500.TXT", measurement(" 2.95", "\r"));
             std::string last_line_unended = measurement(" 3.05", "\r");
             last_line_unended.pop_back();
             s.write("data/RM041_2009195160000.TXT", last_line_unended);
           },
       .status = 0,
       .err = "",
       .publication_fates = "WWWWWW",
       .archive_fates = "WWWWWW",
       .also =
           [](const TempDir& s) {
             EXPECT_EQ(chart(s, publication(3)).at(195, 145), kRed);
             expect_the_measurement_of_13_45(s);
           }},
      {.name = "GarbageForecastFields",
       .arrange =
           [](const TempDir& s) {
             s.write("fc/072009.txt", "\x01\xff\xfe garbage\n\n"s +
                                          " x.yz9.99-1.-2 +.12 9e99 ---- \0\0\0\0 N/A 1e308 &H7FFF"
                                          "&HFFFF 1.2.3 \t\t\t 99999 -9.99 ....."s +
                                          random_bytes(300) + "\n");
           },
       .status = 0,
       .err = "",
       .publication_fates = "WWWWWW",
       .archive_fates = "WWWWWW",
       .also = expect_the_measurement_of_13_45},
      // Opening a pipe would wait for a writer and a device would give lines without end;
      // neither is read, and the run ends with what the regular files hold.
      {.name = "PipeAndDeviceInPlaceOfFiles",
       .arrange =
           [](const TempDir& s) {
             ASSERT_EQ(::mkfifo((s / "data/RM041_2009195140000.TXT").c_str(), 0666), 0);
             fs::create_symlink("/dev/zero", s / "data/RM041_2009195141500.TXT");
             fs::remove(s / "fc/072009.txt");
             ASSERT_EQ(::mkfifo((s / "fc/072009.txt").c_str(), 0666), 0);
           },
       .status = 0,
       .err = "kurvo_M3000F2: warning: cannot read forecast file fc/072009.txt: not a regular "
              "file; the charts of month 072009 have no forecast curve\n",
       .publication_fates = "WWWWWW",
       .archive_fates = "WWWWWW",
       .also = expect_the_measurement_of_13_45},
      // A stray file that sorts first decides the station, as the first file always has: the
      // run warns and draws no measured value, the check fails naming the file, and once the
      // file is gone a redraw gives the archive its measurements back.
      {.name = "StrayFileSortsFirst",
       .arrange = [](const TempDir& s) { s.write("data/0", "hello\n"); },
       .status = 0,
       .err = "kurvo_M3000F2: warning: station not recognised: no known station name begins the "
              "first line of data/0; no measured values are drawn\n",
       .publication_fates = "WWWWWW",
       .archive_fates = "WWWWWW",
       .also =
           [](const TempDir& s) {
             expect_no_measured_value(s);
             const Outcome check = run_program(s, "--check "s + kToday);
             EXPECT_EQ(check.status, 1);
             EXPECT_TRUE(
                 check.out.ends_with("\na run would write all twelve pictures\nbut no "
                                     "station is recognised from data/0: the charts "
                                     "would have no measured values\n"))
                 << check.out;
             fs::remove(s / "data/0");
             EXPECT_EQ(run_program(s, "--archive 2009-07-12 2009-07-17").status, 0);
             EXPECT_EQ(chart(s, archive(3)).at(172, 153), kRed);
           }},
      // The station is recognised from a measurement of another year; every name of the six
      // days is tried and none exists.
      {.name = "StationFileButNoMeasurements",
       .arrange =
           [](const TempDir& s) {
             fs::remove(s / "data/RM041_2009195134500.TXT");
             s.write("data/RM041_2000001000000.TXT", measurement(" 2.95"));
           },
       .status = 0,
       .err = "",
       .publication_fates = "WWWWWW",
       .archive_fates = "WWWWWW",
       .also = expect_no_measured_value},
      // Sparse files of 15 TiB with no line end after "Rome": the station file, which sorts
      // first, and the first slot the trace tries (00:01 of chart 1's day). Each is read to
      // the budget only, so the run ends at once: the station is recognised from the first,
      // the second has no fifth line.
      {.name = "SparseStationFileOfFifteenTebibytes",
       .arrange = [](const TempDir& s) { make_sparse(s / "data/RM041_2000001000000.TXT"); },
       .status = 0,
       .err = "",
       .publication_fates = "WWWWWW",
       .archive_fates = "WWWWWW",
       .also = expect_the_measurement_of_13_45},
      {.name = "SparseFirstSlotOfFifteenTebibytes",
       .arrange = [](const TempDir& s) { make_sparse(s / "data/RM041_2009193000100.TXT"); },
       .status = 0,
       .err = "",
       .publication_fates = "WWWWWW",
       .archive_fates = "WWWWWW",
       .also = expect_the_measurement_of_13_45},
  };
}

std::string with_station_path(std::string text, const TempDir& station) {
  const std::string placeholder = "<station>";
  const std::string path = fs::canonical(station.path()).string();
  for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder)) {
    text.replace(at, placeholder.size(), path);
  }
  return text;
}

class Fault : public ::testing::TestWithParam<FaultCase> {};

// The run makes its six passes and ends by itself whatever fails; a picture it cannot
// replace keeps its earlier content, one it writes is complete, and no temporary file stays.
TEST_P(Fault, TheRunEndsByItselfAndLosesNoPicture) {
  const FaultCase& c = GetParam();
  TempDir station;
  make_station(station);
  c.arrange(station);

  const Outcome outcome = run_program(station, kToday);

  EXPECT_EQ(outcome.status, c.status);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(outcome.err, with_station_path(c.err, station));
  EXPECT_EQ(fates(station, publication), c.publication_fates);
  EXPECT_EQ(fates(station, archive), c.archive_fates);
  for (int n = 1; n <= 6; ++n) {
    if (fate(station, publication(n)) == 'W' && fate(station, archive(n)) == 'W') {
      EXPECT_EQ(station.read(archive(n)), station.read(publication(n))) << n;
    }
  }
  // Every export deletes its bitmap however it ended, and no write leaves a temporary file.
  EXPECT_EQ(leftovers(station), std::vector<std::string>{});
  c.also(station);
}

INSTANTIATE_TEST_SUITE_P(Program, Fault, ::testing::ValuesIn(fault_cases()),
                         [](const auto& info) { return info.param.name; });

// Runs the program as an ordinary user, whom the permission bits bind: as itself when it is
// one, else as "nobody", who is then given the station folder.
Outcome run_as_ordinary_user(const TempDir& station, const std::string& arguments) {
  if (::geteuid() != 0) return run_program(station, arguments);
  constexpr int kNobody = 65534;
  for (const auto& entry : fs::recursive_directory_iterator(station.path())) {
    EXPECT_EQ(::lchown(entry.path().c_str(), kNobody, kNobody), 0) << entry.path();
  }
  EXPECT_EQ(::chown(station.path().c_str(), kNobody, kNobody), 0);
  return run_program(station.path(), arguments,
                     "setpriv --reuid=" + std::to_string(kNobody) +
                         " --regid=" + std::to_string(kNobody) + " --clear-groups");
}

// A forecast folder the run may write in but not read (mode 0333) cannot be opened for its
// lock; run unlocked, two runs could draw over each other's bitmaps, so the run writes
// nothing and says why in one line.
TEST(Faults, AForecastFolderThatCannotBeOpenedForItsLockStopsTheRun) {
  TempDir station;
  make_station(station);
  ASSERT_EQ(::chmod((station / "fc").c_str(), 0333), 0);
  const Outcome outcome = run_as_ordinary_user(station, kToday);
  const Outcome check = run_as_ordinary_user(station, "--check "s + kToday);
  ::chmod((station / "fc").c_str(), 0755);

  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err,
            "kurvo_M3000F2: cannot lock forecast folder fc/: Permission denied; no picture "
            "written\n");
  EXPECT_EQ(fates(station, publication), "KKKKKK");
  EXPECT_EQ(fates(station, archive), "KKKKKK");
  EXPECT_EQ(leftovers(station), std::vector<std::string>{});
  EXPECT_EQ(check.status, 1);
  const std::size_t forecast = check.out.find("\nforecast ") + 1;
  const std::string forecast_line =
      check.out.substr(forecast, check.out.find('\n', forecast) - forecast);
  EXPECT_TRUE(forecast_line.starts_with("forecast       \"fc/\"  ")) << check.out;
  EXPECT_TRUE(forecast_line.ends_with("  cannot be opened to lock it")) << check.out;
  EXPECT_TRUE(check.out.ends_with("\na run would write 0 of the twelve pictures\n")) << check.out;
}

// The station folder's name is taken as it is: a backslash in it is a character of the name,
// not a separator, and so is one in the metrics file's name. Only the settings file's folder
// values read "\" as "/".
TEST(Faults, ABackslashInTheStationFolderOrTheMetricsFileIsPartOfTheName) {
  TempDir parent;
  const std::string station = "r5\\rome";
  for (const char* folder : {"/fc/previous_M3000F2_plots", "/data", "/www"}) {
    fs::create_directories(parent / (station + folder));
  }
  parent.write(station + "/kurvo_M3000F2.ini", "\nfc\\\n\ndata\\\n\nwww\\\n");
  parent.write(station + "/data/RM041_2009195134500.TXT", measurement(" 2.95"));
  // Where the backslash read as a separator would lead: a settings file of its own.
  parent.make_folder("r5/rome/elsewhere");
  parent.write("r5/rome/kurvo_M3000F2.ini", "\nelsewhere/\n\nelsewhere/\n\nelsewhere/\n");

  const Outcome outcome = run_program(parent / station, "--date 2009-07-17 --metrics 'a\\b.prom'");

  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.err,
            "kurvo_M3000F2: warning: cannot read forecast file fc/072009.txt: No "
            "such file or directory; the charts of month 072009 have no forecast "
            "curve\n");
  EXPECT_EQ(parent.list(station),
            (std::vector<std::string>{"a\\b.prom", "data", "fc", "kurvo_M3000F2.ini", "www"}));
  EXPECT_EQ(parent.list(station + "/www").size(), 6u);
  EXPECT_EQ(parent.list(station + "/fc/previous_M3000F2_plots").size(), 6u);
  EXPECT_EQ(parent.list("r5/rome/elsewhere"), std::vector<std::string>{});
}

// A run started in a folder that has since been deleted cannot tell where its station is: it
// says so in one line, exits 1 and writes nothing, not even its metrics.
TEST(Faults, ACurrentDirectoryThatCannotBeNamedEndsTheRunWritingNothing) {
  TempDir parent;
  for (const char* arguments : {"--date 2009-07-17", "--check --date 2009-07-17"}) {
    parent.make_folder("gone");
    const std::string command = "cd '" + (parent / "gone") + "' && rmdir '" + (parent / "gone") +
                                "' && timeout 120 '" KURVO_EXECUTABLE "' " + arguments +
                                " --metrics '" + (parent / "run.prom") + "' 2>'" +
                                (parent / "err") + "' </dev/null";
    const int raw = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 1) << arguments << ": " << raw;
    EXPECT_EQ(parent.read("err"),
              "kurvo_M3000F2: cannot name the current directory, the station folder: No such "
              "file or directory; nothing is done\n")
        << arguments;
    EXPECT_EQ(parent.list(), std::vector<std::string>{"err"}) << arguments;
  }
}

}  // namespace
