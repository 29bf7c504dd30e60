#include "platform/Muster.h"

namespace {

// Gieriger Vergleich mit Rücksprung zum letzten "*": linear im Speicher, höchstens
// name × muster Schritte, ohne Rekursion (auch "*a*a*a*…b" bleibt harmlos).
bool PasstGenau(TextSicht name, TextSicht muster) {
    std::size_t n = 0, m = 0;
    std::size_t sternM = TextSicht::npos, sternN = 0;
    while (n < name.size()) {
        if (m < muster.size() && muster[m] == u'*') {
            sternM = m++;
            sternN = n;
        } else if (m < muster.size() &&
                   (muster[m] == u'?' || KleinZeichen(muster[m]) == KleinZeichen(name[n]))) {
            ++m;
            ++n;
        } else if (sternM != TextSicht::npos) {
            m = sternM + 1;
            n = ++sternN;
        } else {
            return false;
        }
    }
    while (m < muster.size() && muster[m] == u'*')
        ++m;
    return m == muster.size();
}

} // namespace

bool PasstZuMuster(TextSicht name, TextSicht muster) {
    if (PasstGenau(name, muster))
        return true;
    // Wie unter Windows darf ein abschließendes ".*" auch "keine Endung" bedeuten:
    // "*.*" passt auf "readme", "virt*.*" auf "virtuell".
    constexpr TextSicht kBeliebigeEndung = u".*";
    if (muster.size() >= kBeliebigeEndung.size() &&
        muster.substr(muster.size() - kBeliebigeEndung.size()) == kBeliebigeEndung)
        return PasstGenau(name, muster.substr(0, muster.size() - kBeliebigeEndung.size()));
    return false;
}

bool HatPlatzhalter(TextSicht pfad) {
    return pfad.find_first_of(u"*?") != TextSicht::npos;
}
