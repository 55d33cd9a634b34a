// The start of a run that writes pictures: one run at a time per forecast folder, and the
// temporary files of killed runs removed.
#include "run/exclusive_run.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace {

// The files a run writes: a folder value of the settings, and the fnmatch(3) pattern of the
// names written after it. A run killed while writing one leaves a temporary file that the
// next run recognises from this table alone, so every file a run writes belongs in it.
struct WrittenFiles {
  std::string folder;
  std::string names;
};

std::vector<WrittenFiles> files_a_run_writes(const std::string& cartella_previsioni,
                                             const std::string& cartella_gif) {
  const std::string archivio = cartella_previsioni + "previous_M3000F2_plots\\";
  return {
      {cartella_gif, "plotM[1-6].gif"},
      {cartella_gif, "plotM[1-6].json"},
      {cartella_gif, "plotM[1-6].svg"},
      {cartella_gif, "index.html"},
      {cartella_previsioni, "grafico[0-6].bmp"},
      {archivio, "[0-9][0-9][0-9][0-9][0-9][0-9][0-9].gif"},
      {archivio, "[0-9][0-9][0-9][0-9][0-9][0-9][0-9].json"},
      {archivio, "[0-9][0-9][0-9][0-9][0-9][0-9][0-9].svg"},
      {archivio, "index.html"},
  };
}

// Each folder is listed once for all its names: the archive holds years of files.
void remove_leftovers(const std::string& cartella_previsioni, const std::string& cartella_gif,
                      Diagnostics& diagnostics) {
  std::vector<std::pair<std::string, std::vector<std::string>>> by_folder;
  for (const WrittenFiles& written : files_a_run_writes(cartella_previsioni, cartella_gif)) {
    const auto same = [&written](const auto& folder) { return folder.first == written.folder; };
    auto folder = std::find_if(by_folder.begin(), by_folder.end(), same);
    if (folder == by_folder.end()) folder = by_folder.insert(by_folder.end(), {written.folder, {}});
    folder->second.push_back(written.names);
  }
  for (const auto& [folder, names] : by_folder) {
    for (const std::string& failure : remove_leftover_temporaries(folder, names)) {
      diagnostics.Warning("cannot delete a killed run's temporary file " + failure);
    }
  }
}

// The wait in whole minutes, as a run waits, or else in milliseconds.
std::string described(std::chrono::milliseconds wait) {
  if (wait % std::chrono::minutes{1} == std::chrono::milliseconds::zero()) {
    return std::to_string(std::chrono::duration_cast<std::chrono::minutes>(wait).count()) +
           " minutes";
  }
  return std::to_string(wait.count()) + " ms";
}

}  // namespace

// The lock is on the folder of the temporary bitmaps, which runs of one forecast folder share
// by name: two station folders that name the same forecast folder take turns too.
std::unique_ptr<FolderLock> begin_exclusive_run(const std::string& cartella_previsioni,
                                                const std::string& cartella_gif,
                                                std::chrono::milliseconds wait,
                                                Diagnostics& diagnostics) {
  std::string folder = folder_of(native_path(cartella_previsioni));
  if (folder.empty()) folder = "./";
  auto lock = std::make_unique<FolderLock>(folder, wait);
  switch (lock->outcome()) {
    case FolderLock::Outcome::timed_out:
      diagnostics.Error("forecast folder " + folder + " is still locked by another run after " +
                        described(wait) + "; no picture written");
      return nullptr;
    case FolderLock::Outcome::unavailable:
      diagnostics.Warning("cannot lock forecast folder " + folder + ": " + lock->reason() +
                          "; running without keeping other runs out");
      break;
    case FolderLock::Outcome::held:
    case FolderLock::Outcome::folder_missing:
      break;
  }
  remove_leftovers(cartella_previsioni, cartella_gif, diagnostics);
  return lock;
}
