// The settings file: whatever it holds, the three folder lines are lines 2, 4 and 6 as the
// plain splitter gives them (empty where missing), the folders the same with "\" read as "/",
// and a file of fewer than six lines is reported.
#include <algorithm>
#include <cstdint>

#include "fuzz/reference.h"
#include "run/settings.h"
#include "testsupport/fake_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = as_text(data, size);
  const std::vector<std::string> lines = reference_lines(text);
  const auto line = [&lines](std::size_t number) {
    return number <= lines.size() ? lines[number - 1] : std::string();
  };

  const auto folder = [&line](std::size_t number) {
    std::string folder = line(number);
    std::replace(folder.begin(), folder.end(), '\\', '/');
    return folder;
  };

  FakePlatform window;
  window.files.files["/station/kurvo_M3000F2.ini"] = text;
  const Settings settings = read_settings("/station", window.files, window.diagnostics);

  require(settings.forecast_line == line(2), "the forecast line is not line 2");
  require(settings.measurement_line == line(4), "the measurement line is not line 4");
  require(settings.publication_line == line(6), "the publication line is not line 6");
  require(settings.cartella_previsioni == folder(2), "the forecast folder is not line 2's");
  require(settings.cartella_dati == folder(4), "the measurement folder is not line 4's");
  require(settings.cartella_gif == folder(6), "the publication folder is not line 6's");
  // That warning comes before any other, and no other begins thus.
  const bool short_reported =
      window.diagnostics.str().rfind("kurvo_M3000F2: warning: settings file ", 0) == 0;
  require(short_reported == (lines.size() < 6), "a short settings file is reported wrongly");
  return 0;
}
