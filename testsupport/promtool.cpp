// Checks a metrics text with promtool, the checker of the Prometheus packages.
#include "testsupport/promtool.h"

#include <sys/wait.h>

#include <cstdlib>

#include "testsupport/temp_dir.h"

PromtoolVerdict promtool_check(const std::string& text) {
  TempDir dir;
  dir.write("metrics.prom", text);
  const std::string command =
      "promtool check metrics <'" + (dir / "metrics.prom") + "' >'" + (dir / "verdict") + "' 2>&1";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.read("verdict")};
}
