#include "Zeitpunkt.h"

#include <cmath>

namespace {

// Tage seit 1970-01-01 im proleptischen Gregorianischen Kalender.
std::int64_t TageAusDatum(std::int64_t j, unsigned m, unsigned d) {
    j -= m <= 2;
    const std::int64_t era = (j >= 0 ? j : j - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(j - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void DatumAusTagen(std::int64_t z, int& j, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    j = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
}

const std::int64_t kGpsBeginn = TageAusDatum(1980, 1, 6);

bool IstSchaltjahr(int j) {
    return (j % 4 == 0 && j % 100 != 0) || j % 400 == 0;
}

} // namespace

Zeitpunkt ZeitAusKalender(const Kalenderzeit& k) {
    const std::int64_t tage =
        TageAusDatum(k.jahr, static_cast<unsigned>(k.monat), static_cast<unsigned>(k.tag)) -
        kGpsBeginn;
    const std::int64_t ms = std::llround(k.sekunde * 1000.0);
    return tage * kMillisekundenJeTag + (k.stunde * 3600LL + k.minute * 60LL) * 1000 + ms;
}

Kalenderzeit KalenderAusZeit(Zeitpunkt t) {
    std::int64_t tage = t / kMillisekundenJeTag;
    std::int64_t rest = t % kMillisekundenJeTag;
    if (rest < 0) {
        rest += kMillisekundenJeTag;
        --tage;
    }
    Kalenderzeit k;
    DatumAusTagen(tage + kGpsBeginn, k.jahr, k.monat, k.tag);
    k.stunde = static_cast<int>(rest / 3'600'000);
    k.minute = static_cast<int>(rest / 60'000 % 60);
    k.sekunde = static_cast<double>(rest % 60'000) / 1000.0;
    return k;
}

int TagDesJahres(const Kalenderzeit& k) {
    return static_cast<int>(
               TageAusDatum(k.jahr, static_cast<unsigned>(k.monat), static_cast<unsigned>(k.tag)) -
               TageAusDatum(k.jahr, 1, 1)) +
           1;
}

bool IstGueltig(const Kalenderzeit& k) {
    static constexpr int kTage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (k.jahr < 1980 || k.jahr > 2200 || k.monat < 1 || k.monat > 12)
        return false;
    const int tage = kTage[k.monat - 1] + (k.monat == 2 && IstSchaltjahr(k.jahr));
    return k.tag >= 1 && k.tag <= tage && k.stunde >= 0 && k.stunde <= 23 && k.minute >= 0 &&
           k.minute <= 59 && k.sekunde >= 0 && k.sekunde < 61;
}

int VierstelligesJahr(int jahr2) {
    return jahr2 >= 80 ? 1900 + jahr2 : 2000 + jahr2;
}

double Sekunden(Zeitpunkt t) {
    return static_cast<double>(t) / 1000.0;
}
