// What a run, an archive redraw and the check share after their settings: the window's
// geometry on every drawer, the station recognised once, and the drawers' workshops.
#pragma once

#include <optional>
#include <vector>

#include "chart/riconosci_stazione.h"
#include "run/chart_pass.h"
#include "run/run_outcome.h"
#include "run/settings.h"

/// Sizes the window of every drawer and sets the chart units as its scale.
void size_every_drawer(const Platform& platform);

/// The station of the run, from the measurement folder listed once, noted in `*outcome` as
/// the start of its charts. nullopt, with an error naming the folder, when the folder cannot
/// be listed: then the run writes no picture.
std::optional<Station> station_of_run(const Platform& platform, const Settings& settings,
                                      RunOutcome* outcome);

/// A workshop for each of the first `count` drawers of `platform`, all reading and writing
/// through `files`.
std::vector<ChartWorkshop> workshops(const Platform& platform, std::size_t count, FileSystem& files,
                                     const Settings& settings, const Station& station,
                                     const MinuteTexts& minuti);
