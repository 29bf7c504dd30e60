// Eine Regel läuft, sobald das Programm einen Wert setzt, genau wie bei einer Eingabe des
// Benutzers: beide gehen durch denselben Setter. Das Laden der Einstellungen verlässt sich darauf,
// dass ein unveränderter Wert keine Regel auslöst und ein unzulässiger ein Fehler ist.
#include "Pruefhilfen.h"
#include "shell/Steuerelemente.h"

TEST(RegelBeimSetzen, NurBeiEchterAenderungUndUnzulaessigeWerteSindFehler380) {
    TextFeld version{"VexloVersion"};
    Kontrollkaestchen kasten{"QelGPS"};
    Optionsgruppe gruppe;
    Optionsfeld ellips{"QelHöheEllips", gruppe};
    int regeln = 0;
    version.beiAenderung = kasten.beiKlick = ellips.beiKlick = [&] { ++regeln; };
    version.SetzeText(u"7");
    version.SetzeText(u"7");
    kasten.SetzeWert(1);
    ErwarteLaufzeitfehler(380, [&] { kasten.SetzeWert(3); });
    ellips.Waehlen();
    ellips.Waehlen();
    EXPECT_EQ(regeln, 3);
    EXPECT_EQ(kasten.Wert(), 1);
}
