// What a run and an archive redraw share after their settings.
#include "run/run_start.h"

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
  outcome->charts_made = true;
  outcome->station_recognised = station.famiglia_stazione != 0;
  return station;
}
