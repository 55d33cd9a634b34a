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
  return std::make_unique<TextFile>(found->second);
}

// The files directly in `folder` ("/" separated); names are compared in byte order, as the
// real listing does.
std::string MemoryFileSystem::Dir(const std::string& folder) {
  ++listings;
  const std::string prefix = native_path(folder);
  for (const auto& [path, content] : files) {
    if (path.rfind(prefix, 0) != 0) continue;
    const std::string name = path.substr(prefix.size());
    if (!name.empty() && name.front() != '.' && name.find('/') == std::string::npos) return name;
  }
  return "";
}

bool MemoryFileSystem::Kill(const std::string& path, std::string* err) {
  if (files.erase(native_path(path)) == 0) {
    *err = "No such file or directory";
    return false;
  }
  return true;
}

PathKind MemoryFileSystem::Kind(const std::string& path) {
  const std::string native = native_path(path);
  if (files.contains(native)) return PathKind::file;
  if (const auto folder = folders.find(native); folder != folders.end()) {
    return folder->second ? PathKind::writable_folder : PathKind::folder;
  }
  const std::string prefix = native + "/";
  for (const auto& [file, content] : files) {
    if (file.rfind(prefix, 0) == 0) return PathKind::writable_folder;
  }
  return native == "." ? PathKind::writable_folder : PathKind::missing;
}

std::chrono::year_month_day AdvancingClock::Date() {
  ++readings;
  const std::chrono::year_month_day today{next_};
  next_ += std::chrono::days{1};
  return today;
}

FakeWindow::FakeWindow(std::chrono::year_month_day today)
    : clock(today), form(Platform{surface, converter, files, clock, diagnostics}) {}

RecordingWindow::RecordingWindow(std::chrono::year_month_day today, int chart)
    : clock(today), form(Platform{surface, converter, files, clock, diagnostics}) {
  form.riempi_minuti();
  form.riempi_tabella_giorni();
  form.indice_giorno = static_cast<std::int16_t>(chart);
}
