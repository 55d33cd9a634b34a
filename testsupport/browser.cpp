// Loads pages in headless Chromium for tests, as a visitor's browser would show them.
#include "testsupport/browser.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "testsupport/temp_dir.h"
#include "testsupport/xml_tree.h"

namespace {

// Headless as root, with nothing fetched from outside and nothing kept between runs; a page
// may look into another file's page it frames, for `browser_evaluate`.
std::string browser(const TempDir& profile) {
  return "timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic "
         "--allow-file-access-from-files "
         "--no-first-run --disable-background-networking --disable-component-update "
         "--disable-sync --hide-scrollbars --user-data-dir='" +
         profile.path() + "' --virtual-time-budget=5000";
}

// A file's path as a file: address; an http:// address as it is.
std::string address(const std::string& page) {
  return page.rfind("http://", 0) == 0 ? page : "file://" + page;
}

std::string shown_as(const BrowserView& view) {
  return std::string(view.dark ? " --force-dark-mode" : "") +
         " --window-size=" + std::to_string(view.width) + "," + std::to_string(view.height);
}

bool succeeds(const std::string& command) {
  const int raw = std::system(command.c_str());
  return WIFEXITED(raw) && WEXITSTATUS(raw) == 0;
}

// The expression as a JavaScript string literal.
std::string quoted(const std::string& expression) {
  std::string literal = "'";
  for (const char c : expression) {
    if (c == '\\' || c == '\'') literal += '\\';
    literal += c;
  }
  return literal + "'";
}

}  // namespace

bool browser_screenshot(const std::string& page, const BrowserView& view,
                        const std::string& screenshot) {
  TempDir profile;
  return succeeds(browser(profile) + shown_as(view) + " --screenshot='" + screenshot + "' '" +
                  address(page) + "' >/dev/null 2>&1 </dev/null");
}

std::string browser_dom(const std::string& page, const BrowserView& view) {
  TempDir profile;
  TempDir output;
  if (!succeeds(browser(profile) + shown_as(view) + " --dump-dom '" + address(page) + "' >'" +
                (output / "dom") + "' 2>/dev/null </dev/null")) {
    return "";
  }
  return output.read("dom");
}

std::string browser_evaluate(const std::string& page, const std::string& expression,
                             const BrowserView& view) {
  const std::filesystem::path path(page);
  const std::string frame = "<iframe id=\"page\" src=\"" + path.filename().string() +
                            "\" width=\"" + std::to_string(view.width) + "\" height=\"" +
                            std::to_string(view.height) + "\" style=\"border:0\"></iframe>";
  const std::string probe =
      "<!DOCTYPE html><html><body style=\"margin:0\">" + frame +
      "<script>const page = document.getElementById('page'); page.onload = () => "
      "document.body.setAttribute('data-probe', page.contentWindow.eval(" +
      quoted(expression) + "));</script></body></html>";
  const std::filesystem::path copy = path.parent_path() / ".probe.html";
  std::ofstream(copy, std::ios::binary) << probe;
  const std::string dom = browser_dom(copy.string(), view);
  std::filesystem::remove(copy);

  const std::string marker = " data-probe=";
  for (const std::string& element : elements_of(dom, true)) {
    if (element.rfind("body", 0) != 0) continue;
    const std::size_t found = element.find(marker);
    if (found == std::string::npos) continue;
    const std::string value = element.substr(found + marker.size());
    return value.substr(0, value.find(" : "));
  }
  return "";
}
