// Stand-ins for the platform in tests: a file system in memory, a clock that counts its
// readings, and a window built from them.
#pragma once

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "chart/gd_surface.h"
#include "output/gd_converter.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "run/form1.h"
#include "testsupport/recording_surface.h"

/// Text files held in memory under their file-system paths ("/" separated). A folder is
/// there when a file lies in it or `folders` names it (with whether it is writable); "." is
/// a writable folder unless `folders` says otherwise.
class MemoryFileSystem : public FileSystem {
 public:
  std::optional<std::string> current_directory = "/station";
  std::map<std::string, std::string> files;
  std::map<std::string, bool> folders;
  std::vector<std::string> opened;
  int listings = 0;

  std::optional<std::string> CurDir() override { return current_directory; }
  std::unique_ptr<TextFile> Open(const std::string& path, std::string* err) override;
  std::string Dir(const std::string& folder) override;
  bool Kill(const std::string& path, std::string* err) override;
  PathKind Kind(const std::string& path) override;
};

/// A clock that returns the days from `first` on, one more at every reading.
class AdvancingClock : public Clock {
 public:
  explicit AdvancingClock(std::chrono::year_month_day first) : next_(first) {}
  std::chrono::year_month_day Date() override;
  int readings = 0;

 private:
  std::chrono::sys_days next_;
};

/// A window on the real libgd surface and converter, with files in memory and a fixed day.
struct FakeWindow {
  explicit FakeWindow(std::chrono::year_month_day today = std::chrono::year{2009} /
                                                          std::chrono::July / 17);
  std::ostringstream diagnostics;
  GdSurface surface{diagnostics};
  GdConverter converter;
  MemoryFileSystem files;
  FixedClock clock;
  Form1 form;
};

/// A window that records what it draws, after start-up with the files in memory: minute
/// texts and day table filled for a run on `today`, and chart `chart` in progress (chart 3
/// of a run on 17 July 2009 is 14 July, day 195, month key 072009).
struct RecordingWindow {
  explicit RecordingWindow(std::chrono::year_month_day today = std::chrono::year{2009} /
                                                               std::chrono::July / 17,
                           int chart = 3);
  std::ostringstream diagnostics;
  RecordingSurface surface;
  GdConverter converter;
  MemoryFileSystem files;
  FixedClock clock;
  Form1 form;
};
