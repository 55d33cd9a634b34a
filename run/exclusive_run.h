// The start of a run that writes pictures: one run at a time per forecast folder, and the
// temporary files of killed runs removed.
#pragma once

#include <chrono>
#include <memory>

#include "platform/diagnostics.h"
#include "platform/file_system.h"
#include "run/settings.h"

/// How long a run waits for another run of the same forecast folder to end.
inline constexpr std::chrono::minutes kLongestWaitForOtherRun{10};

/// The folder a run locks: the forecast folder, "./" for the current directory.
std::string folder_to_lock(const Settings& settings);

/// Locks the forecast folder that the settings name, waiting up to `wait` for another run
/// holding it, then deletes the temporary files that killed runs left in the forecast,
/// archive and publication folders. Returns the lock, to be held to the end of the run;
/// nullptr, with an error on `diagnostics`, when another run held it for the whole wait or the
/// folder cannot be opened to lock it, and the run must then write nothing. Where the
/// folder's file system cannot lock at all the run goes on unlocked, with a warning; a
/// missing forecast folder is left for the exports to report.
std::unique_ptr<FolderLock> begin_exclusive_run(FileSystem& files, const Settings& settings,
                                                std::chrono::milliseconds wait,
                                                Diagnostics& diagnostics);
