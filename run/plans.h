// The charts a run and an archive redraw plan, as jobs for the chart pass.
#pragma once

#include <vector>

#include "output/beside_pictures.h"
#include "run/chart_pass.h"
#include "run/command_line.h"
#include "run/day_table.h"
#include "run/settings.h"

/// The six charts of a run: chart n is the day of element n of `tabella_giorni`, published as
/// plotM<n>.gif and archived under its day, with the files `beside` asks for.
std::vector<ChartJob> plan_run(const Settings& settings, const DayTable& tabella_giorni,
                               BesideOutputs beside);

/// The days of a redraw of `days`, each archived under its day alone, with the files
/// `beside` asks for, for a pass on `drawers` drawers: day k is drawn by drawer k mod
/// `drawers`, through that drawer's own bitmap.
std::vector<ChartJob> plan_archive(const Settings& settings, const DayRange& days,
                                   BesideOutputs beside, int drawers);
