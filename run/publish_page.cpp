// The station page of a run: the six charts as the run published them, written after them.
#include <chrono>
#include <optional>

#include "output/chart_svg.h"
#include "output/page.h"
#include "output/salva_figura.h"
#include "output/summary.h"
#include "run/command_line.h"
#include "run/form1.h"

namespace {

// When the newest measurement of the days was taken: the latest file with a fifth line,
// as the check's last time is.
std::optional<std::chrono::sys_seconds> newest_measurement(
    const std::array<DatiGiorno, 6>& giorni) {
  std::optional<std::chrono::sys_seconds> newest;
  for (const DatiGiorno& giorno : giorni) {
    const std::optional<std::chrono::year_month_day> day = parse_date(giorno.data_iso);
    if (!day) continue;
    for (const Misura& misura : giorno.misure) {
      const std::chrono::sys_seconds taken = std::chrono::sys_days{*day} +
                                             std::chrono::hours{misura.ora} +
                                             std::chrono::minutes{misura.minuto};
      if (!newest || taken > *newest) newest = taken;
    }
  }
  return newest;
}

}  // namespace

bool Form1::write_page(const std::array<DatiGiorno, 6>& giorni) {
  PageContent content;
  content.station = station_title(giorni[5]);
  content.run_time = clock_.Now();
  for (int n = 1; n <= 6; ++n) {
    const DatiGiorno& giorno = giorni[n - 1];
    const std::string gif =
        percorsi_figura(cartella_previsioni, cartella_gif, n, chiave_mese(n), giorno_anno(n))
            .pubblicazione;
    const std::string picture = outputs_.svg ? svg_beside(gif) : gif;
    content.charts[n - 1] = {giorno.data_iso, picture.substr(cartella_gif.size()), std::nullopt,
                             summary(giorno)};
  }
  content.newest_measurement = newest_measurement(giorni);

  const std::string page = station_page(content);
  const std::string path = cartella_gif + "index.html";
  std::string err;
  if (!files_.WriteFile(path, page.data(), page.size(), Durability::kFlushed, &err)) {
    diagnostics_.Error("cannot write " + native_path(path) + ": " + err);
    return false;
  }
  return true;
}
