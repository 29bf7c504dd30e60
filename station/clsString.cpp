#include "station/clsString.h"

#include <cstdint>
#include <new>

namespace {

constexpr std::size_t kAnfangskapazitaet = 100;
// lLaenge ist ein 32-Bit-Long: was darüber hinaus ginge, wäre ein Überlauf und wird übergangen.
constexpr unsigned long long kGroessteLaenge = INT32_MAX;

} // namespace

clsString::clsString() {
    Reset();
}

void clsString::Reset() {
    sPuffer.assign(kAnfangskapazitaet, u' ');
    lLaenge = 0;
    sZwischen.clear();
}

void clsString::Add(const Text& sString) {
    if (sString.empty())
        return;
    const std::size_t laenge = static_cast<std::size_t>(lLaenge);
    const unsigned long long neueLaenge = laenge + static_cast<unsigned long long>(sString.size());
    try {
        if (neueLaenge > sPuffer.size()) {
            unsigned long long kapazitaet = 2ULL * sPuffer.size() + sString.size();
            if (kapazitaet > kGroessteLaenge)
                return;
            // Nur beim Wachsen wird der gesammelte Text kopiert; die Kapazität verdoppelt sich
            // mindestens, also kostet das Sammeln insgesamt linear.
            sZwischen.assign(sPuffer, 0, laenge);
            Text neu(static_cast<std::size_t>(kapazitaet), u' ');
            neu.replace(0, laenge, sZwischen);
            sPuffer.swap(neu);
            sZwischen.clear();
        }
    } catch (const std::bad_alloc&) {
        sZwischen.clear();
        return;
    }
    sPuffer.replace(laenge, sString.size(), sString);
    lLaenge = static_cast<long>(neueLaenge);
}

Text clsString::Result() const {
    return sPuffer.substr(0, static_cast<std::size_t>(lLaenge));
}
