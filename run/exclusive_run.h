// The start of a run that writes pictures: one run at a time per forecast folder, and the
// temporary files of killed runs removed.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/diagnostics.h"
#include "platform/folder_lock.h"

/// How long a run waits for another run of the same forecast folder to end: a third of the
/// quarter hour between runs, and half the 10 minutes after which the systemd unit ends a
/// run, so that a blocked run always ends by itself, with its message and its metrics.
inline constexpr std::chrono::minutes kLongestWaitForOtherRun{5};

/// Locks the forecast folder that `cartella_previsioni` (a settings value) names, waiting up
/// to `wait` for another run holding it, then deletes the temporary files that killed runs
/// left in the forecast, archive and publication (`cartella_gif`) folders. Returns the lock,
/// to be held to the end of the run; nullptr, with an error on `diagnostics`, when another
/// run held it for the whole wait, and the run must then write nothing. Where the folder
/// cannot be locked the run goes on unlocked, with a warning; a missing forecast folder is
/// left for the exports to report.
std::unique_ptr<FolderLock> begin_exclusive_run(const std::string& cartella_previsioni,
                                                const std::string& cartella_gif,
                                                std::chrono::milliseconds wait,
                                                Diagnostics& diagnostics);
