#include "shell/Menuefarbe.h"

#include "platform/Programm.h"

bool SetzeMenüfarbe(Programm& programm, int Modus, unsigned Farbe, std::int16_t Index,
                    bool MitUntermenüs) {
    if (Modus < 1 || Modus > 3)
        return false;
    // Index 0 heißt die Leiste selbst, dann ohne Untermenüs.
    if (Modus == 2 && Index == 0)
        return programm.Menuefarbe(1, Farbe, 0, false);
    if (Modus == 2 && Index < 0)
        return false;
    return programm.Menuefarbe(Modus, Farbe, Index, MitUntermenüs);
}
