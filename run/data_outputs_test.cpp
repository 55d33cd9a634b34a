// The data files and the metrics, written by the program beside and after its pictures.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "testsupport/xml_tree.h"

#include "testsupport/node_exporter.h"
#include "testsupport/promtool.h"
#include "testsupport/run_program.h"
#include "testsupport/temp_dir.h"

namespace {

using Json = nlohmann::ordered_json;
using Names = std::vector<std::string>;

// A station whose 14 July 2009 (chart 3 of a run on 17 July) has a value at 13:00 and 13:15,
// a "N/A" at 13:45 and a "NO" at 14:00; its forecast line holds two of the 24 fields.
class DataOutputs : public ::testing::Test {
 protected:
  DataOutputs() {
    make_station_folder(station);
    station.write("fc/072009.txt", "\n\n 3.20 2.95\n");
    station.write("data/RM041_2009195130000.TXT", "Rome  station \n\n\n\nM(3000)F2       2.95\n");
    station.write("data/RM041_2009195131500.TXT", "Rome\n\n\n\nM(3000)F2       2.90\n");
    station.write("data/RM041_2009195134500.TXT", "Rome\n\n\n\nM(3000)F2        N/A\n");
    station.write("data/RM041_2009195140000.TXT", "Rome\n\n\n\nM(3000)F2        NO\n");
  }

  // The line of `metric` with the folder label and `labels` after it, in `text`.
  std::string series(const std::string& metric, const std::string& labels = "") const {
    return "\nkurvo_m3000f2_" + metric + "{folder=\"" + station.path() + "\"" + labels + "} ";
  }

  TempDir station;
};

TEST_F(DataOutputs, JsonBesideEveryPictureHoldsTheValuesOfTheFiles) {
  const Outcome outcome = run_program(station, "--date 2009-07-17 --json");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(station.list("www"), (Names{"plotM1.gif", "plotM1.json", "plotM2.gif", "plotM2.json",
                                        "plotM3.gif", "plotM3.json", "plotM4.gif", "plotM4.json",
                                        "plotM5.gif", "plotM5.json", "plotM6.gif", "plotM6.json"}));

  const std::string text = station.read("www/plotM3.json");
  EXPECT_NE(text.find("\"value\": 2.95\n"), std::string::npos) << text;
  const Json document = Json::parse(text);
  Json forecast = Json::array();
  for (int hour = 0; hour < 24; ++hour) {
    forecast.push_back({{"hour", hour}, {"value", hour == 0 ? 3.2 : hour == 1 ? 2.95 : 0.0}});
  }
  EXPECT_EQ(document.at("date"), "2009-07-14");
  EXPECT_EQ(document.at("station"), "Rome  station");
  EXPECT_EQ(document.at("forecast"), forecast);
  EXPECT_EQ(document.at("measurements"), Json::parse(R"([
      {"time": "13:00", "value": 2.95, "joined": false},
      {"time": "13:15", "value": 2.9, "joined": false},
      {"time": "13:45", "status": "N/A"}, {"time": "14:00", "status": "NO"}])"));
  EXPECT_EQ(document.at("newest"), "13:15");
  EXPECT_EQ(document.at("summary").get<std::string>().rfind(
                "M(3000)F2 on 14 July 2009: 2 measurements from 13:00 to 13:15 UT, ranging from "
                "2.90 to 2.95, and 1 not available; the forecast ranges from 0.00 to 3.20; ",
                0),
            0u)
      << document.at("summary");
  EXPECT_EQ(station.read("fc/previous_M3000F2_plots/2009195.json"), text);

  const Json empty_day = Json::parse(station.read("www/plotM1.json"));
  EXPECT_EQ(empty_day.at("date"), "2009-07-12");
  EXPECT_EQ(empty_day.at("measurements"), Json::array());
  EXPECT_TRUE(empty_day.at("newest").is_null());
}

TEST_F(DataOutputs, JsonFollowsItsPictureAndAFailedOneFailsTheRun) {
  std::filesystem::remove_all(station / "www");
  station.make_folder("fc/previous_M3000F2_plots/2009195.json");
  const Outcome outcome = run_program(station, "--date 2009-07-17 --json");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.err.find("kurvo_M3000F2: cannot write fc/previous_M3000F2_plots/2009195.json: "
                             "Is a directory\n"),
            std::string::npos)
      << outcome.err;
  EXPECT_EQ(outcome.err.find("www/plotM3.json"), std::string::npos) << outcome.err;
  EXPECT_EQ(station.list("fc/previous_M3000F2_plots"),
            (Names{"2009193.gif", "2009193.json", "2009194.gif", "2009194.json", "2009195.gif",
                   "2009195.json", "2009196.gif", "2009196.json", "2009197.gif", "2009197.json",
                   "2009198.gif", "2009198.json"}));
}

TEST_F(DataOutputs, MetricsOfASuccessfulRunPassPromtool) {
  const Outcome outcome = run_program(station, "--date 2009-07-17 --metrics run.prom");
  ASSERT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(station.list(), (Names{"data", "fc", "kurvo_M3000F2.ini", "run.prom", "www"}));
  const std::string metrics = "\n" + station.read("run.prom");

  using namespace std::chrono;
  const auto newest = sys_days{2009y / July / 14} + 13h + 15min;
  for (const std::string& line : {
           series("run_success") + "1\n",
           series("pictures_written") + "12\n",
           series("pictures_failed") + "0\n",
           series("station_recognised") + "1\n",
           series("measurements", ",chart=\"3\",kind=\"value\"") + "2\n",
           series("measurements", ",chart=\"3\",kind=\"na\"") + "1\n",
           series("measurements", ",chart=\"3\",kind=\"no\"") + "1\n",
           series("measurements", ",chart=\"4\",kind=\"value\"") + "0\n",
           series("forecast_values", ",chart=\"6\"") + "2\n",
           series("newest_measurement_timestamp_seconds") +
               std::to_string(duration_cast<seconds>(newest.time_since_epoch()).count()) + "\n",
       }) {
    EXPECT_NE(metrics.find(line), std::string::npos) << line << " in" << metrics;
  }
  const PromtoolVerdict verdict = promtool_check(metrics.substr(1));
  EXPECT_EQ(verdict.status, 0) << verdict.output;
}

TEST_F(DataOutputs, MetricsAreWrittenAfterAFailedRunToo) {
  std::filesystem::remove_all(station / "www");
  EXPECT_EQ(run_program(station, "--date 2009-07-17 --metrics run.prom").status, 1);
  std::string metrics = "\n" + station.read("run.prom");
  EXPECT_NE(metrics.find(series("run_success") + "0\n"), std::string::npos) << metrics;
  EXPECT_NE(metrics.find(series("pictures_written") + "6\n"), std::string::npos);
  EXPECT_NE(metrics.find(series("pictures_failed") + "6\n"), std::string::npos);

  std::filesystem::remove_all(station / "data");
  EXPECT_EQ(run_program(station, "--date 2009-07-17 --metrics run.prom").status, 1);
  metrics = "\n" + station.read("run.prom");
  EXPECT_NE(metrics.find(series("pictures_failed") + "12\n"), std::string::npos) << metrics;
  EXPECT_NE(metrics.find(series("station_recognised") + "0\n"), std::string::npos);
  EXPECT_EQ(metrics.find("newest"), std::string::npos);
  const PromtoolVerdict verdict = promtool_check(metrics.substr(1));
  EXPECT_EQ(verdict.status, 0) << verdict.output;
}

TEST_F(DataOutputs, AMetricsFileThatCannotBeWrittenFailsTheRunButNoPicture) {
  const Outcome outcome = run_program(station, "--date 2009-07-17 --metrics missing/run.prom");
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.err,
            "kurvo_M3000F2: cannot write metrics file missing/run.prom: No such file or "
            "directory\n");
  EXPECT_EQ(station.list("www").size(), 6u);
}

// The metrics file is the operator's to name. "-" is standard output; a link is followed and
// stays a link, the file it leads to replaced (or made); a FIFO and a device are written into,
// a FIFO that no process reads failing at once; a socket or a folder is refused in one line.
// Neither costs a picture.
TEST_F(DataOutputs, MetricsGoWhereTheirNameLeadsAndReplaceNothingButAFile) {
  const std::string run = "--date 2009-07-17 --metrics ";
  const auto expect_metrics = [](const std::string& text, const std::string& where) {
    EXPECT_TRUE(text.starts_with("# HELP kurvo_m3000f2_run_timestamp_seconds ")) << where << text;
    EXPECT_EQ(promtool_check(text).status, 0) << where;
  };

  const Outcome to_output = run_program(station, run + "-");
  EXPECT_EQ(to_output.status, 0) << to_output.err;
  EXPECT_EQ(to_output.err, "");
  expect_metrics(to_output.out, "standard output");

  station.make_folder("collector");
  station.write("collector/run.prom", "old metrics");
  std::filesystem::create_symlink("collector/run.prom", station / "link.prom");
  std::filesystem::create_symlink("collector/new.prom", station / "dangling.prom");
  for (const char* link : {"link.prom", "dangling.prom"}) {
    EXPECT_EQ(run_program(station, run + link).status, 0) << link;
    EXPECT_TRUE(std::filesystem::is_symlink(station / link)) << link;
    expect_metrics(station.read(link), link);
  }
  EXPECT_EQ(station.list("collector"), (Names{"new.prom", "run.prom"}));

  ASSERT_EQ(::mkfifo((station / "fifo").c_str(), 0666), 0);
  const Outcome unread = run_program(station, run + "fifo");
  EXPECT_EQ(unread.status, 1);
  EXPECT_EQ(unread.err,
            "kurvo_M3000F2: cannot write metrics file fifo: no process reads the FIFO\n");
  const int reader = ::open((station / "fifo").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  EXPECT_EQ(run_program(station, run + "fifo").status, 0);
  std::string through_fifo(64 * 1024, '\0');
  const ssize_t got = ::read(reader, through_fifo.data(), through_fifo.size());
  ::close(reader);
  through_fifo.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  expect_metrics(through_fifo, "fifo");

  // The superuser makes a device of its own, so that a fault cannot replace the system's.
  const std::string device = station / "null";
  if (::geteuid() == 0) {
    ASSERT_EQ(::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)), 0);
  } else {
    std::filesystem::create_symlink("/dev/null", device);
  }
  EXPECT_EQ(run_program(station, run + "null").status, 0);
  EXPECT_TRUE(std::filesystem::is_character_file(device));

  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socket_path = station / "socket";
  ASSERT_LT(socket_path.size(), sizeof address.sun_path);
  std::copy(socket_path.begin(), socket_path.end(), address.sun_path);
  ASSERT_EQ(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const Outcome refused = run_program(station, run + "socket");
  ::close(socket);
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err,
            "kurvo_M3000F2: cannot write metrics file socket: neither a regular file, a FIFO nor a "
            "character device\n");
  EXPECT_TRUE(std::filesystem::is_socket(socket_path));
  const Outcome folder = run_program(station, run + "www");
  EXPECT_EQ(folder.status, 1);
  EXPECT_EQ(folder.err, "kurvo_M3000F2: cannot write metrics file www: Is a directory\n");
  EXPECT_EQ(station.list("www").size(), 6u);
}

// Every day a chart can show lies from 1900-01-01 to 9999-12-31. A run on 1900-01-06 draws the
// first six, a run on 9999-12-31 the last six, and a redraw reaches both ends; the page, the
// data files and the metrics name each day and its newest measurement alike.
TEST(Dates, TheFirstAndTheLastDaysAreDrawnAndNamedByEveryOutput) {
  TempDir station;
  make_station_folder(station);
  station.write("data/RM041_1900001123000.TXT", "Rome\n\n\n\nM(3000)F2       2.95\n");
  station.write("data/RM041_9999365234500.TXT", "Rome\n\n\n\nM(3000)F2       3.05\n");
  const std::string outputs = " --json --page --metrics run.prom";
  struct Case {
    const char* today;
    const char* first_chart;  // its archive picture
    const char* newest_day;   // the newest measurement's chart: plotM1 or plotM6
    const char* newest;
    long long newest_seconds;
  };
  const Case cases[] = {
      {"1900-01-06", "1900001", "plotM1", "1900-01-01 12:30", -2208943800LL},
      {"9999-12-31", "9999360", "plotM6", "9999-12-31 23:45", 253402299900LL},
  };
  for (const Case& c : cases) {
    const Outcome outcome = run_program(station, "--date " + std::string(c.today) + outputs);
    ASSERT_EQ(outcome.status, 0) << c.today << ": " << outcome.err;
    EXPECT_TRUE(station.exists("fc/previous_M3000F2_plots/" + std::string(c.first_chart) + ".gif"));
    const Names page = elements_of(station.read("www/index.html"), true);
    EXPECT_NE(std::find(page.begin(), page.end(),
                        "p : Newest measurement taken " + std::string(c.newest) + " UT."),
              page.end())
        << c.today;
    const Json data = Json::parse(station.read("www/" + std::string(c.newest_day) + ".json"));
    EXPECT_EQ(data.at("date"), std::string(c.newest).substr(0, 10));
    EXPECT_EQ(data.at("newest"), std::string(c.newest).substr(11));
    EXPECT_NE(station.read("run.prom")
                  .find("\nkurvo_m3000f2_newest_measurement_timestamp_seconds{"
                        "folder=\"" +
                        station.path() + "\"} " + std::to_string(c.newest_seconds) + "\n"),
              std::string::npos)
        << c.today;
  }
  EXPECT_EQ(run_program(station, "--archive 1900-01-01 1900-01-01").status, 0);
  EXPECT_EQ(run_program(station, "--archive 9999-12-31 9999-12-31").status, 0);
  EXPECT_TRUE(station.exists("fc/previous_M3000F2_plots/1900001.gif"));
  EXPECT_TRUE(station.exists("fc/previous_M3000F2_plots/9999365.gif"));
}

// The file system and the station may bring any bytes: here a station folder named in
// Latin-1 ("r\xE9me", an "\xE9" as the byte E9) and a station line with such a byte and an
// overlong "<". Every output carries the same UTF-8 text for them, each stray byte one U+FFFD,
// and the metrics reach a monitoring server whole.
TEST(TextFromFiles, EveryOutputCarriesTheSameValidUtf8) {
  TempDir parent;
  const std::string station = "r\xE9me";
  for (const char* folder : {"/fc/previous_M3000F2_plots", "/data", "/www"}) {
    std::filesystem::create_directories(parent / (station + folder));
  }
  parent.write(station + "/kurvo_M3000F2.ini", "\nfc/\n\ndata/\n\nwww/\n");
  parent.write(station + "/fc/072009.txt", "\n\n 3.20 2.95\n");
  parent.write(station + "/data/RM041_2009195134500.TXT",
               "Rome \xE9t\xC0\xBC\n\n\n\nM(3000)F2       2.95\n");
  TempDir collector;

  const Outcome outcome =
      run_program(parent / station, "--date 2009-07-17 --svg --json --page --metrics '" +
                                        (collector / "station.prom") + "'");
  ASSERT_EQ(outcome.status, 0) << outcome.err;

  const std::string fffd = "\xEF\xBF\xBD";
  const std::string line = "Rome " + fffd + "t" + fffd + fffd;
  EXPECT_EQ(Json::parse(parent.read(station + "/www/plotM3.json")).at("station"), line);
  const Names svg = elements_of(parent.read(station + "/www/plotM3.svg"));
  EXPECT_EQ(svg.at(1), "title : M(3000)F2, " + line + ", 14/07/2009");
  const Names page = elements_of(parent.read(station + "/www/index.html"), true);
  EXPECT_NE(std::find(page.begin(), page.end(), "h1 : M(3000)F2, " + line), page.end());

  const std::string success =
      "kurvo_m3000f2_run_success{folder=\"" + parent.path() + "/r" + fffd + "me\"} 1\n";
  const std::string metrics = collector.read("station.prom");
  EXPECT_NE(metrics.find("\n" + success), std::string::npos) << metrics;
  const PromtoolVerdict verdict = promtool_check(metrics);
  EXPECT_EQ(verdict.status, 0) << verdict.output;
  const std::string scraped = node_exporter_scrape(collector.path());
  EXPECT_NE(scraped.find("\nnode_textfile_scrape_error 0\n"), std::string::npos) << scraped;
  EXPECT_NE(scraped.find("\n" + success), std::string::npos) << scraped;
}

}  // namespace
