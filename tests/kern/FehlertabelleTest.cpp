#include "shell/Fehlertabelle.h"

#include <gtest/gtest.h>

TEST(Fehlertabelle, HundertachtzehnNummernAufsteigend) {
    auto tabelle = Fehlertabelle();
    ASSERT_EQ(tabelle.size(), 118u);
    // Die Suche verlässt sich auf die Reihenfolge.
    for (std::size_t i = 1; i < tabelle.size(); ++i)
        EXPECT_LT(tabelle[i - 1].nummer, tabelle[i].nummer) << "Zeile " << i;
}

// Stichproben der Zeilen mit Umbrüchen, Tippfehlern und Umlauten, dazu Nummern ohne Zeile.
TEST(Fehlertabelle, BeschreibungenWortgetreu) {
    const std::pair<long, Text> faelle[] = {
        {53,
         u"eventuell Datei nicht gefunden, falsche/ungenaue Referenz-Koordinaten/Antennenhöhe,\n"
         u"Elevationswinkel zu klein, Antennentyp nicht in der Datei \"vexlo.apc\" "
         u"vorgefunden,\nProgrammpfad nicht gesetzt, Schreib/Lösch- und Leserechte nicht "
         u"vergeben, falsche RINEX-Version"},
        {75, u"Fehler beim Zugriff auf Pfad/Datei. Entfernen Sie eventellen \n"
             u"Schreibschutz und erlauben Sie Schreib/Lösch- und Leserechte"},
        {4, u"sonstiger Fehler"},
        {31038, u"sonstiger Fehler"},
    };
    for (const auto& [nummer, beschreibung] : faelle)
        EXPECT_EQ(FehlerbeschreibungZuNummer(nummer), beschreibung) << nummer;
}

TEST(Fehlerbericht, OhneOderMitLeeremFehlerdateitextEndetMitDerBitte) {
    for (const char16_t* fehlerdatei : {u"", u"   "})
        EXPECT_EQ(FehlerberichtText(u"X", fehlerdatei),
                  u"Fehlerart: [X]!\n\nBitte alle Dateien schließen, Daten bereinigen und die "
                  u"Berechnung neu starten!");
}
