// The value field of a measurement file, as the measured-value trace reads it.
#pragma once

#include <string>

/// What characters 16 to 20 of a measurement file's fifth line hold.
struct CampoMisura {
  enum class Tipo {
    valore,           // a measured value
    non_disponibile,  // "N/A": the station had no value
    nessun_valore,    // "NO"
  };
  Tipo tipo;
  /// For a value: M(3000)F2 times 100, 0 where the field reads as no number.
  float valore;
};

/// The value field of `riga`, a measurement file's fifth line; blanks around "N/A" and
/// "NO" are allowed, and anything else reads as a value.
CampoMisura leggi_campo_misura(const std::string& riga);
