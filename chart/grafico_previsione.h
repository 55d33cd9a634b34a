// The forecast value line read into the month's 24 hourly values.
#pragma once

#include <array>
#include <cstdint>
#include <string>

/// The 24 hourly values of a forecast value line, M(3000)F2 times 100, hour 0 first; 0 for
/// a field that holds no value.
std::array<std::int16_t, 24> valori_previsione(const std::string& riga_previsione);
