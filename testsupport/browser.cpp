// Loads pages in headless Chromium for tests, as a visitor's browser would show them.
#include "testsupport/browser.h"

#include <sys/wait.h>

#include <cstdlib>

#include "testsupport/temp_dir.h"

namespace {

// Headless as root, with nothing fetched from outside and nothing kept between runs.
std::string browser(const TempDir& profile) {
  return "timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic "
         "--no-first-run --disable-background-networking --disable-component-update "
         "--disable-sync --hide-scrollbars --user-data-dir='" +
         profile.path() + "' --virtual-time-budget=5000";
}

bool succeeds(const std::string& command) {
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) && WEXITSTATUS(raw) == 0;
}

}  // namespace

bool browser_screenshot(const std::string& page, const BrowserView& view,
                        const std::string& screenshot) {
  TempDir profile;
  return succeeds(browser(profile) + (view.dark ? " --force-dark-mode" : "") +
                  " --window-size=" + std::to_string(view.width) + "," +
                  std::to_string(view.height) + " --screenshot='" + screenshot + "' 'file://" +
                  page + "' >/dev/null 2>&1 </dev/null");
}

std::string browser_dom(const std::string& page) {
  TempDir profile;
  TempDir output;
  if (!succeeds(browser(profile) + " --dump-dom 'file://" + page + "' >'" + (output / "dom") +
                "' 2>/dev/null </dev/null")) {
    return "";
  }
  return output.read("dom");
}
