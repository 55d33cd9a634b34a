#include "output/summary.h"

#include <gtest/gtest.h>

namespace {

Misura misura(int ora, CampoMisura::Tipo tipo, float valore = 0.0F) {
  return {ora, 0, {tipo, valore}};
}

TEST(Summary, SaysHowManyValuesTheDayHasAndTheirRange) {
  constexpr auto value = CampoMisura::Tipo::valore;
  constexpr auto not_available = CampoMisura::Tipo::non_disponibile;
  constexpr auto no_value = CampoMisura::Tipo::nessun_valore;
  const struct {
    std::vector<Misura> misure;
    std::string sentence;
  } cases[] = {
      {{}, "M(3000)F2 on 2026-06-30: no measured value."},
      {{misura(1, no_value)}, "M(3000)F2 on 2026-06-30: no measured value."},
      {{misura(1, value, 295)}, "M(3000)F2 on 2026-06-30: 1 measured value from 2.95 to 2.95."},
      {{misura(1, value, 312), misura(2, not_available), misura(3, value, 261),
        misura(4, value, 288)},
       "M(3000)F2 on 2026-06-30: 3 measured values from 2.61 to 3.12, 1 measurement not "
       "available."},
      {{misura(1, not_available), misura(2, not_available), misura(3, value, -12)},
       "M(3000)F2 on 2026-06-30: 1 measured value from -0.12 to -0.12, 2 measurements not "
       "available."},
  };
  for (const auto& c : cases) {
    DatiGiorno giorno;
    giorno.data_iso = "2026-06-30";
    giorno.misure = c.misure;
    EXPECT_EQ(summary(giorno), c.sentence);
  }
}

}  // namespace
