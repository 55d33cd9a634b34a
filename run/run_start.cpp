// What a run, an archive redraw and the check share after their settings.
#include "run/run_start.h"

#include "chart/geometria.h"

void size_every_drawer(const Platform& platform) {
  for (const Drawer& drawer : platform.drawers) {
    impostazioni_dimensioni_e_scala_del_form(drawer.surface);
  }
}

// A folder that cannot be listed (an unmounted share, say) would give charts without
// measurements that replace good pictures in the archive; the run stops before any.
std::optional<Station> station_of_run(const Platform& platform, const Settings& settings,
                                      RunOutcome* outcome) {
  Station station;
  std::string err;
  if (!station_of_folder(platform.files, settings.cartella_dati, &station, &err)) {
    platform.diagnostics.Error("cannot list measurement folder " +
                               measurement_folder_shown(settings) + ": " + err +
                               "; no picture is written");
    return std::nullopt;
  }
  outcome->ChartsBegin(station.famiglia_stazione != 0);
  return station;
}

std::vector<ChartWorkshop> workshops(const Platform& platform, std::size_t count, FileSystem& files,
                                     const Settings& settings, const Station& station,
                                     const MinuteTexts& minuti) {
  std::vector<ChartWorkshop> found;
  for (std::size_t k = 0; k < count && k < platform.drawers.size(); ++k) {
    found.push_back({platform.drawers[k].surface, platform.drawers[k].converter, files, settings,
                     station, minuti});
  }
  return found;
}
