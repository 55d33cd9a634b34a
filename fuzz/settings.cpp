// The settings file: whatever it holds, the three folders are lines 2, 4 and 6 as the plain
// splitter gives them (empty where missing), and a file of fewer than six lines is reported.
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

  FakePlatform window;
  window.files.files["/station/kurvo_M3000F2.ini"] = text;
  const Settings settings = read_settings(window.files, window.diagnostics);

  require(settings.cartella_previsioni == line(2), "the forecast folder is not line 2");
  require(settings.cartella_dati == line(4), "the measurement folder is not line 4");
  require(settings.cartella_gif == line(6), "the publication folder is not line 6");
  // That warning comes before any other, and no other begins thus.
  const bool short_reported =
      window.diagnostics.str().rfind("kurvo_M3000F2: warning: settings file ", 0) == 0;
  require(short_reported == (lines.size() < 6), "a short settings file is reported wrongly");
  return 0;
}
