// The month's forecast curve: 24 hourly values from line 3 of the forecast file, read into
// the day's data and drawn as white dots joined in hour order.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "chart/dati_giorno.h"
#include "chart/surface.h"
#include "platform/file_system.h"

/// The 24 hourly values of a forecast value line, M(3000)F2 times 100, hour 0 first; 0 for
/// a field that holds no value.
std::array<std::int16_t, 24> valori_previsione(const std::string& riga_previsione);

/// Reads the forecast file of the month `giorno.file_previsioni` into `dati`: its name, and
/// its values or why it cannot be read.
void leggi_previsione(FileSystem& files, const GiornoDaLeggere& giorno, DatiGiorno* dati);

/// Draws the day's forecast as 24 white dots joined in hour order; nothing when the
/// forecast could not be read.
void grafico_previsione(Surface& surface, const DatiGiorno& dati);
