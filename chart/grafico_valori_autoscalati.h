// The measured-value trace: the day's measurement files read, and drawn as light-red dots
// joined where two follow closely, with light-green ticks where the station had no value.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/dati_giorno.h"
#include "chart/riconosci_stazione.h"
#include "chart/surface.h"
#include "platform/file_system.h"

/// The value field of `riga`, a measurement file's fifth line; blanks around "N/A" and
/// "NO" are allowed, and anything else reads as a value.
CampoMisura leggi_campo_misura(const std::string& riga);

/// Reads every measurement file of the day `giorno` of the recognised `stazione` into
/// `dati->misure`, in the trace's order; files without a fifth line are counted in
/// `dati->file_senza_valore`.
void leggi_misure(FileSystem& files, const GiornoDaLeggere& giorno, const Stazione& stazione,
                  const Minuti& minuti, DatiGiorno* dati);

/// The last plotted point before a dot, which the trace joins the dot to: its x and its value
/// rounded, in chart units.
struct JoinedPoint {
  int x = 0;
  std::int16_t value = 0;
};

/// Where the trace puts one measurement: its x in chart units and, for a value whose dot is
/// joined, the point the line goes back to.
struct TracePlacement {
  int x = 0;
  std::optional<JoinedPoint> joined_to;
};

/// The placement of each of `misure`, which must be in the trace's order (hour by hour,
/// minutes 01 to 59 and then 00): a value is joined to the last value before it when its x
/// is 2 or 3 more than that value's and that value rounds to something other than 0; "N/A"
/// and "NO" are never joined and leave the last value as it is. The drawing and every output
/// that says which dots are joined take the joins from here.
std::vector<TracePlacement> trace_placements(const std::vector<Misura>& misure);

/// Draws the day's measurements: a dot per value, joined to the dot before it where it lies
/// two or three x units later, and a tick at the bottom for "N/A".
void grafico_valori_autoscalati(Surface& surface, const DatiGiorno& dati);
