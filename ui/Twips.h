#pragma once
// Die Maße des Entwurfs sind Twips (1/1440 Zoll); die Oberflächen rechnen in Pixeln
// ihrer logischen Auflösung.
#include <cmath>

inline int PixelAusTwips(int twips, double logischeDpi) {
    return static_cast<int>(std::lround(twips * logischeDpi / 1440.0));
}

inline int TwipsAusPixel(int pixel, double logischeDpi) {
    return static_cast<int>(std::lround(pixel * 1440.0 / logischeDpi));
}
