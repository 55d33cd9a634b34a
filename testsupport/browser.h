// Loads pages in headless Chromium for tests, as a visitor's browser would show them.
#pragma once

#include <string>

/// How the browser shows a page: its window size and colour scheme.
struct BrowserView {
  int width = 1000;
  int height = 1700;
  bool dark = false;  // the reader's system asks for dark mode
};

/// Loads the file `page` with a fresh profile and the network closed, lets it run for five
/// seconds of virtual time so that its pictures load, and writes what the window shows as
/// the PNG file `screenshot`. False when the browser fails.
bool browser_screenshot(const std::string& page, const BrowserView& view,
                        const std::string& screenshot);

/// The document of `page` as the browser holds it after loading, serialised; "" when the
/// browser fails.
std::string browser_dom(const std::string& page);
