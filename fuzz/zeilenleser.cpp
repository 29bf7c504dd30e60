// Zeilenweises Lesen über den POSIX-Dateidienst gegen ein einfaches Modell: CR LF oder ein
// einzelnes CR beenden eine Zeile, ein einzelnes LF bleibt im Text, eine letzte Zeile ohne Ende
// zählt mit. Ein Vorspann legt die spannende Stelle auf Wunsch genau an die Blockgrenze des Lesers.
#include "Eingabe.h"
#include "FuzzLaufwerk.h"

#include <string>
#include <vector>

namespace {

constexpr std::size_t Leseblock = 64 * 1024;

std::vector<Text> ModellZeilen(const Text& inhalt) {
    std::vector<Text> zeilen;
    Text zeile;
    for (std::size_t i = 0; i < inhalt.size(); ++i) {
        if (inhalt[i] != u'\r') {
            zeile.push_back(inhalt[i]);
            continue;
        }
        zeilen.push_back(zeile);
        zeile.clear();
        if (i + 1 < inhalt.size() && inhalt[i + 1] == u'\n')
            ++i;
    }
    if (!zeile.empty())
        zeilen.push_back(zeile);
    return zeilen;
}

// Der Vorspann enthält kein CR, gehört also zur ersten Zeile; so bleibt das Modell billig.
std::vector<Text> ModellZeilen(const std::string& vorspann, std::string_view rest) {
    std::vector<Text> zeilen = ModellZeilen(AusWindows1252(rest));
    if (vorspann.empty())
        return zeilen;
    if (zeilen.empty())
        zeilen.emplace_back();
    zeilen.front().insert(0, AusWindows1252(vorspann));
    return zeilen;
}

} // namespace

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
