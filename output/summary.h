// One English sentence that says what a day's chart shows, for readers who cannot see it.
#pragma once

#include <string>

#include "chart/dati_giorno.h"

/// The chart of `giorno` in words: the day, how many measurements hold a value and their
/// range, and how many are marked not available. Values have two decimals.
std::string summary(const DatiGiorno& giorno);
