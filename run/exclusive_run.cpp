// The start of a run that writes pictures: one run at a time per forecast folder, and the
// temporary files of killed runs removed.
#include "run/exclusive_run.h"

#include <string>

#include "output/output_files.h"

namespace {

void remove_leftovers(FileSystem& files, const Settings& settings, Diagnostics& diagnostics) {
  for (const WrittenNames& written :
       files_a_run_writes(settings.cartella_previsioni, settings.cartella_gif)) {
    for (const std::string& failure : files.RemoveLeftovers(written)) {
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
std::string folder_to_lock(const Settings& settings) {
  const std::string folder = folder_of(settings.cartella_previsioni);
  return folder.empty() ? "./" : folder;
}

std::unique_ptr<FolderLock> lock_forecast_folder(FileSystem& files, const Settings& settings,
                                                 std::chrono::milliseconds wait,
                                                 const std::string& when_stopped,
                                                 Diagnostics& diagnostics) {
  const std::string folder = folder_to_lock(settings);
  std::unique_ptr<FolderLock> lock = files.LockFolder(folder, wait);
  switch (lock->outcome()) {
    case FolderLock::Outcome::timed_out:
      diagnostics.Error("forecast folder " + folder + " is still locked by another run after " +
                        described(wait) + "; " + when_stopped);
      return nullptr;
    // A folder the run can write in but not open (mode 0333, say) would let two runs draw
    // over each other's bitmaps; only a file system without locks is run on unlocked.
    case FolderLock::Outcome::failed:
      diagnostics.Error("cannot lock forecast folder " + folder + ": " + lock->reason() + "; " +
                        when_stopped);
      return nullptr;
    case FolderLock::Outcome::unavailable:
      diagnostics.Warning("cannot lock forecast folder " + folder + ": " + lock->reason() +
                          "; running without keeping other runs out");
      break;
    case FolderLock::Outcome::held:
    case FolderLock::Outcome::folder_missing:
      break;
  }
  return lock;
}

// Only a run that holds the lock knows that no other run is writing the files swept.
std::unique_ptr<FolderLock> begin_exclusive_run(FileSystem& files, const Settings& settings,
                                                std::chrono::milliseconds wait,
                                                Diagnostics& diagnostics) {
  std::unique_ptr<FolderLock> lock =
      lock_forecast_folder(files, settings, wait, "no picture written", diagnostics);
  if (lock && lock->outcome() == FolderLock::Outcome::held) {
    remove_leftovers(files, settings, diagnostics);
  }
  return lock;
}
