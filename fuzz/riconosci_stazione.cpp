// Station recognition from the station file's first line: the family is 0 to 6, and not 0
// exactly when the line begins with a known station name; the names of the measurement
// files of a recognised family then have the documented shape.
#include <cstdint>

#include "chart/riconosci_stazione.h"
#include "fuzz/reference.h"
#include "testsupport/chart_day.h"

namespace {

// The documented beginnings of the first line and the families they name.
struct Known {
  const char* beginning;
  int family;
};
constexpr Known kKnown[] = {{"Gibi", 1}, {"Mosc", 1}, {"Tucu", 2}, {"Bahi", 3},
                            {"Rome", 4}, {"La_S", 5}, {"Mali", 6}};

int expected_family(const std::string& text) {
  const std::vector<std::string> lines = reference_lines(text);
  if (lines.empty()) return 0;
  for (const Known& known : kKnown) {
    if (lines[0].substr(0, 4) == known.beginning) return known.family;
  }
  return 0;
}

// The documented name of the file of 14 July 2009 (day 195) at `hour`:`minute`.
std::string expected_name(int family, int hour, int minute) {
  static const char* const kPrefixes[] = {"", "TUJ2O_", "BBJ3R_", "RM041_", "SP044_", "ML10L_"};
  char name[64];
  if (family == 1) {
    std::snprintf(name, sizeof name, "09195%c%02d.TXT", 'A' + hour, minute);
  } else {
    std::snprintf(name, sizeof name, "%s2009195%02d%02d%s", kPrefixes[family - 1], hour, minute,
                  family <= 3 ? ".TXT" : "00.TXT");
  }
  return std::string("/station/data/") + name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = as_text(data, size);
  ChartDay window;
  window.files.files["/station/data/AAA_station.TXT"] = text;

  const Station stazione = window.stazione();
  const int family = stazione.famiglia_stazione;
  require(stazione.primo_file == "AAA_station.TXT", "the station file is not the one read");
  require(family >= 0 && family <= 6, "a family out of 0 to 6");
  require(family == expected_family(text), "the family does not follow the first line");
  if (family == 0) return 0;

  for (int hour = 0; hour <= 23; ++hour) {
    for (int minute_index : {1, 30, 59, 60}) {
      require(nome_file_misura(stazione, "/station/data/", "072009", "195", hour,
                               window.minuti(minute_index)) ==
                  expected_name(family, hour, minute_index % 60),
              "a measurement file name of the wrong shape");
    }
  }
  return 0;
}
