// A scratch folder per test, and a guard that runs code in another current directory.
#include "testsupport/temp_dir.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "kurvo_test_XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void TempDir::make_folder(const std::string& name) const { fs::create_directories(*this / name); }

void TempDir::write(const std::string& name, const std::string& content) const {
  std::ofstream file(*this / name, std::ios::binary);
  file << content;
  if (!file) throw std::runtime_error("cannot write " + name);
}

std::string TempDir::read(const std::string& name) const {
  std::ifstream file(*this / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool TempDir::exists(const std::string& name) const { return fs::exists(*this / name); }

std::vector<std::string> TempDir::list(const std::string& name) const {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(name.empty() ? path_ : *this / name)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

CurrentDirectory::CurrentDirectory(const std::string& directory)
    : previous_(fs::current_path().string()) {
  fs::current_path(directory);
}

CurrentDirectory::~CurrentDirectory() { fs::current_path(previous_); }

void make_station_folder(const TempDir& station) {
  station.make_folder("fc/previous_M3000F2_plots");
  station.make_folder("www");
  station.make_folder("data");
  station.write("kurvo_M3000F2.ini", "\nfc/\n\ndata/\n\nwww/\n");
}
