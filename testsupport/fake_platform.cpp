// Stand-ins for the platform in tests: a file system in memory, a clock that counts its
// readings, and a window built from them.
#include "testsupport/fake_platform.h"

std::unique_ptr<TextFile> MemoryFileSystem::Open(const std::string& path, std::string* err) {
  const std::string native = native_path(path);
  opened.push_back(native);
  const auto found = files.find(native);
  if (found == files.end()) {
    *err = "No such file or directory";
    return nullptr;
  }
  return std::make_unique<TextFile>(std::make_unique<std::istringstream>(found->second));
}

bool MemoryFileSystem::Kill(const std::string& path, std::string* err) {
  if (files.erase(native_path(path)) == 0) {
    *err = "No such file or directory";
    return false;
  }
  return true;
}

std::chrono::year_month_day AdvancingClock::Date() {
  ++readings;
  const std::chrono::year_month_day today{next_};
  next_ += std::chrono::days{1};
  return today;
}

FakeWindow::FakeWindow(std::chrono::year_month_day today)
    : clock(today), form(Platform{surface, converter, files, clock, diagnostics}) {}
