// What a run and an archive redraw share after their settings: the station, recognised once
// from the measurement folder.
#pragma once

#include <optional>

#include "chart/riconosci_stazione.h"
#include "run/run_outcome.h"
#include "run/settings.h"

/// The station of the run, from the measurement folder listed once, noted in `*outcome`
/// along with the start of its charts. nullopt, with an error naming the folder, when the
/// folder cannot be listed: then the run writes no picture.
std::optional<Station> station_of_run(const Platform& platform, const Settings& settings,
                                      RunOutcome* outcome);
