#pragma once
// Gemeinsame Datei- und Textroutinen aller Teilsysteme.
#include "platform/Dateisystem.h"
#include "platform/Text.h"

#include <vector>

class Listenfeld;

// Legt an oder leert und schreibt text + CR LF. Fehler gehen an den Aufrufer (Laufzeitfehler).
void DateiSchreiben(Dateisystem& ds, const Text& datei, const Text& text);
// Stellt text als neue erste Zeile vor den Inhalt (letztes CR LF des alten Inhalts fällt weg).
void DateiZeileVoranstellen(Dateisystem& ds, const Text& datei, const Text& text);
// Hängt text + CR LF an (legt die Datei bei Bedarf an).
void DateiAnhaengen(Dateisystem& ds, const Text& datei, const Text& text);
// Erste Zeile mit suchtext; ohne Treffer die letzte Zeile; leere oder nicht lesbare Datei "".
Text ZeileSuchen(Dateisystem& ds, const Text& datei, const Text& suchtext);
// Zeile n (ab 1); "" wenn die Datei fehlt, zu kurz ist oder n < 1.
Text ZeileLesen(Dateisystem& ds, const Text& datei, long n);
// n-tes Feld (ab 1) am Trenner, getrimmt; "" wenn es fehlt.
Text FeldAusZeile(const Text& text, long n, const Text& trenner);
// Folgen von Leerzeichen zu einem, außen getrimmt (nur Code 32).
Text LeerzeichenBereinigen(const Text& text);
// Wirft nie.
bool DateiExistiert(Dateisystem& ds, const Text& datei);
// Wählt den Eintrag gleichen Textes; true, wenn danach ein Eintrag gewählt ist. Wirft nie.
bool ListeneintragWaehlen(Listenfeld& liste, const Text& text);
// Ganzer Inhalt; "" wenn die Verzeichnissuche nichts findet oder das Lesen scheitert. Wirft nie.
Text DateiLesen(Dateisystem& ds, const Text& datei);
// Verzeichnisteil mit "\" am Ende.
Text VerzeichnisVonPfad(const Text& pfad);
// Namen passender gewöhnlicher Dateien; ohne Treffer genau ein leeres Element.
std::vector<Text> DateienAuflisten(Dateisystem& ds, const Text& verzeichnis, const Text& muster);
// Sekunden als hh:mm:ss (Stunden nicht auf 24 begrenzt).
Text ZeitFormatieren(long sekunden);
// Kleinschreibung und bekannte Netzfreigaben durch Laufwerkswurzeln ersetzt.
Text PfadNormieren(const Text& pfad);
