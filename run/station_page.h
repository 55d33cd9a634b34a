// The station page of a run, built from its six charts' outcomes after the last of them.
#pragma once

#include <chrono>
#include <vector>

#include "output/beside_pictures.h"
#include "run/chart_pass.h"
#include "run/run_outcome.h"
#include "run/settings.h"

/// Writes index.html in the publication folder for the six `charts` of a run made at
/// `run_time`, showing of each what the run wrote: its SVG when `outputs` asks for SVGs and
/// it was written, else its GIF, or, when the GIF was not written, that the chart could not be
/// updated; and a link to its data when they were written. Before it, brings the archive page
/// up to date, and links the two pages when the publication folder reaches the archive folder.
/// False, with an error, when one of the pages cannot be written.
bool write_station_page(const Platform& platform, const Settings& settings,
                        const std::vector<ChartOutcome>& charts, BesideOutputs outputs,
                        std::chrono::sys_seconds run_time);
