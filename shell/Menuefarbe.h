#pragma once
// Hintergrundfarbe der Menüs des Hauptfensters.
#include <cstdint>

class Programm;

inline constexpr unsigned MenüfarbeWeiß = 0xFFFFFF;

// Modus 1: Menüleiste; Modus 2: Untermenü des Menüleisteneintrags Nr. Index (ab 1, mit dessen
// Untermenüs, wenn MitUntermenüs), Index 0 wie Modus 1; Modus 3: Systemmenü mit Untermenüs.
// true, wenn ein Menü gefärbt wurde.
bool SetzeMenüfarbe(Programm& programm, int Modus, unsigned Farbe, std::int16_t Index,
                    bool MitUntermenüs);
