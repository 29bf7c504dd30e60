// Eine Regel läuft, sobald das Programm einen Wert setzt, genau wie bei einer Eingabe des
// Benutzers: beide gehen durch denselben Setter. Das Laden der Einstellungen verlässt sich darauf.
#include "Pruefhilfen.h"
#include "shell/Steuerelemente.h"

TEST(RegelBeimSetzen, TextfeldRegelLaeuftAuchVerschachteltUndDieAeussereSiehtDenNeuenText) {
    TextFeld version{"VexloVersion"};
    std::vector<Text> gesehen;
    Text uebernommen;
    // Wie die Versionsregel: unzulässig wird "2", das setzt den Text und löst die Regel erneut aus.
    version.beiAenderung = [&] {
        gesehen.push_back(version.Wert());
        if (version.Wert() != u"1" && version.Wert() != u"2")
            version.SetzeText(u"2");
        uebernommen = version.Wert();
    };
    version.SetzeText(u"7");
    version.SetzeText(u"2"); // unverändert: kein Change
    EXPECT_EQ(gesehen, (std::vector<Text>{u"7", u"2"}));
    EXPECT_EQ(uebernommen, Text(u"2"));
}

TEST(RegelBeimSetzen, KontrollkaestchenUndOptionsfeld) {
    Kontrollkaestchen kasten{"QelGPS"};
    int klicks = 0;
    kasten.beiKlick = [&] { ++klicks; };
    kasten.SetzeWert(1);
    kasten.SetzeWert(0);
    ErwarteLaufzeitfehler(380, [&] { kasten.SetzeWert(3); });
    EXPECT_EQ(klicks, 2);
    EXPECT_EQ(kasten.Wert(), 0);

    Optionsgruppe gruppe;
    Optionsfeld dhhn{"QelHöheDhhn", gruppe};
    Optionsfeld ellips{"QelHöheEllips", gruppe};
    ellips.beiKlick = [&] { ++klicks; };
    dhhn.Waehlen();
    ellips.Waehlen();
    ellips.Waehlen(); // schon gewählt: kein zweiter Klick
    EXPECT_EQ(klicks, 3);
    EXPECT_FALSE(dhhn.Gewaehlt());
}
