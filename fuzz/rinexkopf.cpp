// Suche der OBSERVER-Zeile im RINEX-Kopf: ZeileSuchen (erste Zeile mit dem Text, sonst die letzte)
// und die Suche der Zuordnung, die Zeilen beim Lesen prüft, gegen ein einfaches Modell. Ein
// Vorspann legt den Suchtext auf Wunsch über die Blockgrenze des Lesers.
#include "Eingabe.h"
#include "FuzzLaufwerk.h"
#include "Zeilenmodell.h"
#include "station/Zeilensuche.h"
#include "station/modKestrav.h"

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr std::size_t Leseblock = 64 * 1024;

std::optional<Text> ErsteMit(const std::vector<Text>& zeilen, const Text& suchtext) {
    for (const Text& zeile : zeilen)
        if (Enthaelt(zeile, suchtext))
            return zeile;
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    Eingabe eingabe(daten, groesse);
    const std::uint8_t steuer = eingabe.Byte();
    const Text suchtext = (steuer & 8) ? AusWindows1252(eingabe.Stueck()) : Text(u"OBSERVER");
    std::string vorspann;
    // Jede achte Eingabe an der Blockgrenze: der lange Vorspann kostet Zeit.
    if ((steuer & 7) == 1)
        vorspann.assign(Leseblock - (steuer >> 4) % 16, ' ');
    const std::string_view rest = eingabe.Rest();

    FuzzLaufwerk& laufwerk = FuzzLaufwerk::Instanz();
    Dateisystem& ds = laufwerk.Dateien();
    const Text pfad = laufwerk.Ablegen("kopf.23o", vorspann + std::string(rest));
    const std::vector<Text> zeilen = ModellZeilen(vorspann, rest);
    const std::optional<Text> erste = ErsteMit(zeilen, suchtext);

    const Text gesucht = ZeileSuchen(ds, pfad, suchtext);
    const Text erwartet = erste ? *erste : (zeilen.empty() ? Text() : zeilen.back());
    Pruefen(gesucht == erwartet, "ZeileSuchen: erste Zeile mit dem Text, sonst die letzte");

    Pruefen(ErsteZeileMit(ds, pfad, suchtext) == erste,
            "ErsteZeileMit: erste Zeile mit dem Text, sonst keine");
    return 0;
}
