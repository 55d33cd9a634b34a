// The start of a run that writes pictures: one run at a time per forecast folder, and the
// temporary files of killed runs removed.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/diagnostics.h"
#include "platform/file_system.h"
#include "run/settings.h"

/// How long a run waits for another run of the same forecast folder to end: a third of the
/// quarter hour between runs, and half the 10 minutes after which the systemd unit ends a
/// run, so that a blocked run always ends by itself, with its message and its metrics.
inline constexpr std::chrono::minutes kLongestWaitForOtherRun{5};

/// The folder a run locks: the forecast folder, "./" for the current directory.
std::string folder_to_lock(const Settings& settings);

/// Locks the forecast folder that the settings name, waiting up to `wait` for another run
/// holding it. Returns the lock; nullptr, with an error on `diagnostics` that ends with
/// `when_stopped` (what the run gives up), when another run held it for the whole wait or the
/// folder cannot be opened to lock it (not readable, say). Only where the folder's file system
/// cannot lock at all does the run go on unlocked, with a warning; a missing forecast folder is
/// left for the exports to report.
std::unique_ptr<FolderLock> lock_forecast_folder(FileSystem& files, const Settings& settings,
                                                 std::chrono::milliseconds wait,
                                                 const std::string& when_stopped,
                                                 Diagnostics& diagnostics);

/// Locks the forecast folder as `lock_forecast_folder` does, then, holding the lock, deletes
/// what killed runs left in the forecast, archive and publication folders. The lock is to be
/// held to the end of the run; without it (nullptr) the run must write nothing.
std::unique_ptr<FolderLock> begin_exclusive_run(FileSystem& files, const Settings& settings,
                                                std::chrono::milliseconds wait,
                                                Diagnostics& diagnostics);
