// One English sentence that says what a day's chart shows, for readers who cannot see it.
#include "output/summary.h"

#include <algorithm>
#include <cstdio>

namespace {

// M(3000)F2 times 100 as the value it stands for, with two decimals.
std::string value_text(float hundredths) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", static_cast<double>(hundredths) / 100.0);
  return text;
}

std::string counted(int count, const std::string& one, const std::string& many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string summary(const DatiGiorno& giorno) {
  int values = 0;
  int not_available = 0;
  float lowest = 0.0F;
  float highest = 0.0F;
  for (const Misura& misura : giorno.misure) {
    if (misura.campo.tipo == CampoMisura::Tipo::non_disponibile) ++not_available;
    if (misura.campo.tipo != CampoMisura::Tipo::valore) continue;
    lowest = values == 0 ? misura.campo.valore : std::min(lowest, misura.campo.valore);
    highest = values == 0 ? misura.campo.valore : std::max(highest, misura.campo.valore);
    ++values;
  }
  std::string sentence = "M(3000)F2 on " + giorno.data_iso + ": ";
  sentence += values == 0 ? "no measured value"
                          : counted(values, "measured value", "measured values") + " from " +
                                value_text(lowest) + " to " + value_text(highest);
  if (not_available > 0) {
    sentence += ", " + counted(not_available, "measurement", "measurements") + " not available";
  }
  return sentence + ".";
}
