// A scratch folder per test, and a guard that runs code in another current directory.
#pragma once

#include <string>
#include <vector>

/// A fresh folder under the system's temporary folder, removed with its contents.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  /// The folder's absolute path, without a final separator.
  const std::string& path() const { return path_; }
  /// The absolute path of `name` inside the folder.
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

  void make_folder(const std::string& name) const;
  void write(const std::string& name, const std::string& content) const;
  /// The content of the file `name`; "" when it cannot be read.
  std::string read(const std::string& name) const;
  bool exists(const std::string& name) const;
  /// The names in the subfolder `name` ("" for the folder itself), sorted.
  std::vector<std::string> list(const std::string& name = "") const;

 private:
  std::string path_;
};

/// Lays out a station folder in `station`: the settings file naming fc/, data/ and www/ as
/// the forecast, measurement and publication folders, and those folders, with the archive
/// folder in fc/. The forecast and measurement files are the test's own.
void make_station_folder(const TempDir& station);

/// Makes `directory` the current directory for the guard's lifetime.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::string& directory);
  ~CurrentDirectory();
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;

 private:
  std::string previous_;
};
