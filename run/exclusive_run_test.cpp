#include "run/exclusive_run.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>

#include "testsupport/temp_dir.h"

namespace {

using namespace std::chrono_literals;

// A station folder with the sample's folder values.
class ExclusiveRun : public ::testing::Test {
 protected:
  ExclusiveRun() {
    dir.make_folder("fc/previous_M3000F2_plots");
    dir.make_folder("www");
  }

  std::unique_ptr<FolderLock> begin(std::chrono::milliseconds wait) { return begin(files, wait); }
  std::unique_ptr<FolderLock> begin(FileSystem& file_system, std::chrono::milliseconds wait) {
    CurrentDirectory in_station_folder(dir.path());
    Settings settings;
    settings.cartella_previsioni = "fc/";
    settings.cartella_gif = "www/";
    return begin_exclusive_run(file_system, settings, wait, diagnostics);
  }

  TempDir dir;
  PosixFileSystem files;
  std::ostringstream out;
  Diagnostics diagnostics{out};
};

TEST_F(ExclusiveRun, WaitsForTheRunHoldingTheForecastFolderThenGivesUpInOneLine) {
  const FolderLock other_run(dir / "fc", 0ms);
  ASSERT_EQ(other_run.outcome(), FolderLock::Outcome::held);
  dir.write("www/.plotM1.gif.abcdef", "being written by the other run");

  EXPECT_EQ(begin(100ms), nullptr);
  EXPECT_EQ(out.str(),
            "kurvo_M3000F2: forecast folder fc/ is still locked by another run after 100 ms; no "
            "picture written\n");
  EXPECT_TRUE(dir.exists("www/.plotM1.gif.abcdef"));
}

// Each folder loses the temporary files of what is written there, and the forecast folder the
// bitmaps a killed export left; nothing else.
TEST_F(ExclusiveRun, HoldsTheLockAndDeletesTheTemporaryFilesOfKilledRuns) {
  const std::vector<std::string> removed = {"www/.plotM1.gif.abcdef",
                                            "www/.plotM6.json.abcdef",
                                            "www/.plotM6.svg.abcdef",
                                            "www/.index.html.abcdef",
                                            "fc/.grafico6.bmp.Q1w2E3",
                                            "fc/.grafico0.bmp.Q1w2E3",
                                            "fc/previous_M3000F2_plots/.2009195.gif.zZ9yY8",
                                            "fc/previous_M3000F2_plots/.2009195.json.zZ9yY8",
                                            "fc/previous_M3000F2_plots/.2009195.svg.zZ9yY8",
                                            "fc/previous_M3000F2_plots/.index.html.zZ9yY8",
                                            "fc/grafico1.bmp",
                                            "fc/grafico0-2.bmp",
                                            "fc/grafico0-64.bmp",
                                            "fc/.grafico0-2.bmp.Q1w2E3"};
  const std::vector<std::string> kept = {"www/.grafico1.bmp.abcdef",
                                         "www/.index.htm.abcdef",
                                         "fc/.plotM1.svg.abcdef",
                                         "fc/.index.html.abcdef",
                                         "www/.2009195.gif.abcdef",
                                         "fc/.plotM1.gif.abcdef",
                                         "fc/.2009195.gif.abcdef",
                                         "fc/previous_M3000F2_plots/.200919.gif.abcdef",
                                         "fc/previous_M3000F2_plots/.plotM1.gif.abcdef",
                                         "fc/previous_M3000F2_plots/2009195.gif",
                                         "www/plotM1.gif",
                                         "fc/grafico7.bmp",
                                         "fc/grafico0-65.bmp",
                                         "fc/grafico0-1.bmp",
                                         "www/grafico1.bmp",
                                         "www/.plotM7.json.abcdef",
                                         "www/plotM1.json"};
  for (const std::string& name : removed) dir.write(name, "partial");
  for (const std::string& name : kept) dir.write(name, "kept");

  const std::unique_ptr<FolderLock> lock = begin(0ms);

  ASSERT_NE(lock, nullptr);
  EXPECT_EQ(lock->outcome(), FolderLock::Outcome::held);
  EXPECT_EQ(FolderLock(dir / "fc", 0ms).outcome(), FolderLock::Outcome::timed_out);
  EXPECT_EQ(out.str(), "");
  for (const std::string& name : removed) EXPECT_FALSE(dir.exists(name)) << name;
  for (const std::string& name : kept) EXPECT_TRUE(dir.exists(name)) << name;
}

// A missing forecast folder is for the exports to report; the run goes on.
TEST_F(ExclusiveRun, AMissingForecastFolderLetsTheRunGoOnSilently) {
  std::filesystem::remove_all(dir / "fc");
  const std::unique_ptr<FolderLock> lock = begin(0ms);
  ASSERT_NE(lock, nullptr);
  EXPECT_EQ(lock->outcome(), FolderLock::Outcome::folder_missing);
  EXPECT_EQ(out.str(), "");
}

// A forecast folder that cannot be opened to lock (here a link to itself; a folder of mode
// 0333 is another) would let runs draw over each other's bitmaps: the run writes nothing.
TEST_F(ExclusiveRun, AFolderThatCannotBeOpenedToLockStopsTheRun) {
  std::filesystem::remove_all(dir / "fc");
  std::filesystem::create_symlink("fc", dir / "fc");
  dir.write("www/.plotM1.gif.abcdef", "being written by another run");
  EXPECT_EQ(begin(0ms), nullptr);
  EXPECT_EQ(out.str(),
            "kurvo_M3000F2: cannot lock forecast folder fc/: Too many levels of symbolic links; no "
            "picture written\n");
  EXPECT_TRUE(dir.exists("www/.plotM1.gif.abcdef"));
}

// The real file system on a disk whose file system has no locks at all.
class LocklessFileSystem : public PosixFileSystem {
 public:
  std::unique_ptr<FolderLock> LockFolder(const std::string&, std::chrono::milliseconds) override {
    return std::make_unique<FolderLock>(FolderLock::Outcome::unavailable, "No locks available");
  }
};

// Where the file system cannot lock at all, running unlocked is all there is: the run goes on,
// with a warning, and, not knowing whether another run is writing, sweeps nothing.
TEST_F(ExclusiveRun, AFileSystemWithoutLocksLetsTheRunGoOnWithAWarning) {
  dir.write("www/.plotM1.gif.abcdef", "perhaps being written by another run");
  LocklessFileSystem lockless;
  const std::unique_ptr<FolderLock> lock = begin(lockless, 0ms);
  ASSERT_NE(lock, nullptr);
  EXPECT_EQ(lock->outcome(), FolderLock::Outcome::unavailable);
  EXPECT_EQ(out.str(),
            "kurvo_M3000F2: warning: cannot lock forecast folder fc/: No locks available; running "
            "without keeping other runs out\n");
  EXPECT_TRUE(dir.exists("www/.plotM1.gif.abcdef"));
}

}  // namespace
