// The measured-value trace: the day's measurement files read, and drawn as light-red dots
// joined where two follow closely, with light-green ticks where the station had no value.
#pragma once

#include <string>

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

/// Draws the day's measurements: a dot per value, joined to the dot before it where it lies
/// two or three x units later, and a tick at the bottom for "N/A".
void grafico_valori_autoscalati(Surface& surface, const DatiGiorno& dati);
