// Loads pages in headless Chromium for tests, as a visitor's browser would show them.
#pragma once

#include <string>

/// How the browser shows a page: its window size and colour scheme.
struct BrowserView {
  int width = 1000;
  int height = 1700;
  bool dark = false;  // the reader's system asks for dark mode
};

/// Loads `page`, a file's absolute path or an http:// address, with a fresh profile and the network
/// closed, lets it run for five seconds of virtual time so that its pictures load, and writes what
/// the window shows as the PNG file `screenshot`. False when the browser fails.
bool browser_screenshot(const std::string& page, const BrowserView& view,
                        const std::string& screenshot);

/// The document of `page` (a file's absolute path or an http:// address) as the browser, shown
/// as `view`, holds it after loading, serialised; "" when the
/// browser fails.
std::string browser_dom(const std::string& page, const BrowserView& view = {});

/// What the JavaScript `expression`, whose value is a string, gives in the file `page` once
/// it has loaded into a frame of exactly the view's size (headless Chromium makes no window
/// narrower than 500 pixels, a frame can be as narrow as a phone): a page beside it, removed
/// after, frames it, so that the page's own addresses resolve as they do for it. "" when the
/// browser fails.
std::string browser_evaluate(const std::string& page, const std::string& expression,
                             const BrowserView& view = {});
