#include "Rinex.h"

#include <cmath>
#include <cstdio>

std::string SatellitText(Satellit s) {
    char puffer[8];
    std::snprintf(puffer, sizeof puffer, "%c%02d", s.system, s.nummer % 100);
    return puffer;
}

bool NaeherungBrauchbar(const RinexKopf& kopf) {
    const auto& x = kopf.naeherung;
    const double r = std::sqrt(x[0] * x[0] + x[1] * x[1] + x[2] * x[2]);
    return r > 6.0e6 && r < 7.0e6;
}
