// Zeilenweises Lesen über den POSIX-Dateidienst gegen ein einfaches Modell: CR LF oder ein
// einzelnes CR beenden eine Zeile, ein einzelnes LF bleibt im Text, eine letzte Zeile ohne Ende
// zählt mit. Ein Vorspann legt die spannende Stelle auf Wunsch genau an die Blockgrenze des Lesers.
#include "Eingabe.h"
#include "FuzzLaufwerk.h"
#include "Zeilenmodell.h"

#include <string>
#include <vector>

constexpr std::size_t Leseblock = 64 * 1024;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Eingabe eingabe(daten, groesse);
    const std::uint8_t steuer = eingabe.Byte();
    const std::size_t hoechstens = eingabe.Byte(); // 0: alle Zeilen
    std::string vorspann;
    // Jede achte Eingabe an der Blockgrenze: der lange Vorspann kostet Zeit.
    if ((steuer & 7) == 1)
        vorspann.assign(Leseblock - (steuer >> 3) % 8, 'v');
    const std::string_view rest = eingabe.Rest();

    FuzzLaufwerk& laufwerk = FuzzLaufwerk::Instanz();
    const Text pfad = laufwerk.Ablegen("zeilen.txt", vorspann + std::string(rest));
    std::vector<Text> gelesen;
    laufwerk.Dateien().ZeilenLesen(pfad, [&](const Text& zeile) {
        gelesen.push_back(zeile);
        return hoechstens == 0 || gelesen.size() < hoechstens;
    });

    const std::vector<Text> alle = ModellZeilen(vorspann, rest);
    std::vector<Text> erwartet = alle;
    if (hoechstens != 0 && erwartet.size() > hoechstens)
        erwartet.resize(hoechstens);
    Pruefen(gelesen == erwartet, "Zeilen wie im Modell, Abbruch nach der gewünschten Zeile");

    // Dieselben Zeilen in Stücken, keins länger als ein Leseblock, nur das letzte darf leer sein.
    std::vector<Text> zusammengesetzt;
    Text zeile;
    laufwerk.Dateien().ZeilenstueckeLesen(pfad, [&](TextSicht stueck, bool zeilenende) {
        Pruefen(stueck.size() <= Leseblock, "Stück höchstens ein Leseblock");
        Pruefen(zeilenende || !stueck.empty(), "nur das letzte Stück einer Zeile ist leer");
        zeile.append(stueck);
        if (zeilenende) {
            zusammengesetzt.push_back(zeile);
            zeile.clear();
        }
        return true;
    });
    Pruefen(zeile.empty() && zusammengesetzt == alle, "Stücke ergeben die Zeilen");
    return 0;
}
