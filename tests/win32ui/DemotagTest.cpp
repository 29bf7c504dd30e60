// Der Demotag durch das Fenster: echte Dienste von Windows, echte Steuerelemente, nur die
// Meldungen beantwortet eine Attrappe (jeweils der Standardknopf). Vorbereitung und Vergleich der
// Ausgabedateien mit Linux macht tests/win32ui/demotag.sh.
#include "hilfen/Attrappen.h"
#include "platform/win32/Breit.h"
#include "shell/Basisformular.h"
#include "shell/Start.h"
#include "ui/win32/Win32Dienste.h"
#include "ui/win32/Win32Hauptfenster.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Demotag, DurchDasFenster) {
    const wchar_t* erste = _wgetenv(L"KESTRAV_DEMOTAG"); // die erste Demodatei, Windows-Pfad
    if (!erste)
        GTEST_SKIP() << "nur über tests/win32ui/demotag.sh";
    Win32Dienste dienste;
    AttrappeDialoge dialoge;
    Umgebung umgebung = dienste.MitDialogen(dialoge);
    Basisformular form(umgebung);
    Win32Hauptfenster fenster(form);
    FormularLaden(form);
    form.fenster.Zeigen();
    ASSERT_TRUE(dialoge.protokoll.empty()) << "Meldung beim Start";

    auto klicken = [&](const Steuerelement& element) {
        SendMessageW(fenster.Binder().Finde(element.Name()), BM_CLICK, 0, 0);
    };
    // Kein Editor für Ergebnis und Warnungen: er bliebe nach dem Test offen.
    for (Kontrollkaestchen* anzeigen : {&form.ErgebnisAnzeigen, &form.FehlerAnzeigen})
        if (anzeigen->Wert() == 1)
            klicken(*anzeigen);
    dialoge.dateiantworten.push_back(AusBreit(erste));
    klicken(form.AuswahlArbeitsverzeichnis);
    klicken(form.AutoZuordnungReferenz);
    klicken(form.CommandBerechnen);

    ASSERT_FALSE(dialoge.protokoll.empty());
    EXPECT_EQ(dialoge.protokoll.front().meldung.titel, u"Vexlo Neuberechnung");
    const Meldung& ende = dialoge.protokoll.back().meldung;
    EXPECT_EQ(ende.titel, u"Achtung Warnungen!");
    EXPECT_EQ(ende.text, u"3 Neupunktkoordinaten mit 9 Warnungen berechnet!\n"
                         u"Siehe Datei <_ergebnis_283.mini>!");
    EXPECT_EQ(form.ProgressBar.Wert(), 0);
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
}
