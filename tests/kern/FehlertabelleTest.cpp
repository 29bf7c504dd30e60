#include "shell/Fehlertabelle.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(Fehlertabelle, HundertachtzehnNummernAufsteigend) {
    auto tabelle = Fehlertabelle();
    ASSERT_EQ(tabelle.size(), 118u);
    // Die Suche verlässt sich auf die Reihenfolge.
    for (std::size_t i = 1; i < tabelle.size(); ++i)
        EXPECT_LT(tabelle[i - 1].nummer, tabelle[i].nummer) << "Zeile " << i;
}

struct Beschreibungsfall {
    long nummer;
    const char16_t* beschreibung;
};

class FehlerbeschreibungTest : public ::testing::TestWithParam<Beschreibungsfall> {};

TEST_P(FehlerbeschreibungTest, Wortgetreu) {
    EXPECT_EQ(FehlerbeschreibungZuNummer(GetParam().nummer), Text(GetParam().beschreibung));
}

INSTANTIATE_TEST_SUITE_P(
    Stichproben, FehlerbeschreibungTest,
    ::testing::Values(
        Beschreibungsfall{3, u"Return ohne GoSub"},
        Beschreibungsfall{5, u"Unzulässiger Prozeduraufruf! Fehler im Netzwerk! Wechseln Sie Ihr "
                             u"Verzeichnis!"},
        Beschreibungsfall{53, u"eventuell Datei nicht gefunden, falsche/ungenaue "
                              u"Referenz-Koordinaten/Antennenhöhe,\n"
                              u"Elevationswinkel zu klein, Antennentyp nicht in der Datei "
                              u"\"vexlo.apc\" vorgefunden,\n"
                              u"Programmpfad nicht gesetzt, Schreib/Lösch- und Leserechte nicht "
                              u"vergeben, falsche RINEX-Version"},
        Beschreibungsfall{58, u"Datei existiert bereits"},
        Beschreibungsfall{62, u"Einlesen hinter Dateiende oder Leerzeilen vorhanden"},
        Beschreibungsfall{75, u"Fehler beim Zugriff auf Pfad/Datei. Entfernen Sie eventellen \n"
                              u"Schreibschutz und erlauben Sie Schreib/Lösch- und Leserechte"},
        Beschreibungsfall{402, u"Das oberste gebundene Formular muß zuerst geschlossen oder "
                               u"ausgeblendet werden"},
        Beschreibungsfall{31001, u"Nicht genügend Speicher"},
        Beschreibungsfall{31037, u"Fehler beim Laden einer Datei"},
        // Nummern ohne Zeile, auch zwischen und jenseits der belegten.
        Beschreibungsfall{4, u"sonstiger Fehler"}, Beschreibungsfall{0, u"sonstiger Fehler"},
        Beschreibungsfall{-53, u"sonstiger Fehler"}, Beschreibungsfall{77, u"sonstiger Fehler"},
        Beschreibungsfall{31038, u"sonstiger Fehler"}));

TEST(Fehlerbericht, MitZeilenDerEngineFehlerdateien) {
    EXPECT_EQ(FehlerberichtText(FehlerbeschreibungZuNummer(58), u"\nE1 kein Satellit\nE2 Abbruch"),
              Text(u"Fehlerart: [Datei existiert bereits]!\n\n"
                   u"Bitte alle Dateien schließen, Daten bereinigen und die Berechnung neu starten!"
                   u"\n\nVexlo-Fehler:\nE1 kein Satellit\nE2 Abbruch"));
}

TEST(Fehlerbericht, OhneOderMitLeeremFehlerdateitextEndetMitDerBitte) {
    const Text erwartet = u"Fehlerart: [sonstiger Fehler]!\n\n"
                          u"Bitte alle Dateien schließen, Daten bereinigen und die Berechnung neu "
                          u"starten!";
    EXPECT_EQ(FehlerberichtText(FehlerbeschreibungZuNummer(4), u""), erwartet);
    EXPECT_EQ(FehlerberichtText(FehlerbeschreibungZuNummer(4), u"   "), erwartet);
}

TEST(Fehlerbericht, DreizeiligeBeschreibungStehtInDenKlammern) {
    Text text = FehlerberichtText(FehlerbeschreibungZuNummer(53), u"");
    ASSERT_EQ(text.rfind(u"Fehlerart: [eventuell Datei nicht gefunden", 0), 0u);
    auto ende = text.find(u"]!");
    ASSERT_NE(ende, Text::npos);
    EXPECT_EQ(std::count(text.begin(), text.begin() + static_cast<long>(ende), u'\n'), 2);
    EXPECT_EQ(text.substr(ende - 13, 15), Text(u"RINEX-Version]!"));
}
