#include "Laufumgebung.h"

#include <algorithm>

namespace fs = std::filesystem;

std::string AntexBeispiel(const std::string& antenne1, const std::string& antenne2) {
    const std::string b60(60, ' ');
    return "     1.4            M                                       ANTEX VERSION / SYST\r\n"
           "Eigener Kommentar                                           COMMENT             \r\n" +
           b60 + "END OF HEADER       \r\n" + b60 + "START OF ANTENNA    \r\n" + antenne1 +
           "                                                        TYPE / SERIAL NO    \r\n" +
           b60 + "END OF ANTENNA      \r\n" + b60 + "START OF ANTENNA    \r\n" + antenne2 +
           "                                                        TYPE / SERIAL NO    \r\n" +
           b60 + "END OF ANTENNA      \r\n";
}

Laufumgebung::Laufumgebung() : form(t.Formular()) {
    form.zustand.VexloVerzeichnis = u"c:\\programme\\vexlo\\";
    form.zustand.Programmverzeichnis = u"c:\\programme\\kestrav\\";
    form.zustand.AntexSammeldatei = u"$$$$$.atx";
    form.zustand.Versionskennung = u"2";
    form.zustand.Arbeitsverzeichnis = u"c:\\daten\\tag1\\";
    t.InsArbeitsverzeichnis();
    form.Referenzpunkte.Hinzufuegen(u"aaaa2830.23o");
    form.Referenzpunkte.Hinzufuegen(u"bbbb2830.23o");
    form.Beobachtungstag.SetzeText(u"283*");
    form.CommandBerechnen.SetzeAktiviert(true);
    Neupunkte({u"np012830.23o"});

    t.prozesse.engine = [this](const Text& stapeldatei) {
        Stapelstart s;
        s.jobdatei = Inhalt(NachUtf8(stapeldatei));
        if (Vorhanden("$$$$$.atx"))
            s.sammeldatei = Inhalt("$$$$$.atx");
        s.dateien = Verzeichnis();
        s.fortschritt = form.ProgressBar.Wert();
        s.zeitgeberAn = form.TimerAbbruch.Aktiviert();
        starts.push_back(std::move(s));
    };
}

std::vector<std::string> Laufumgebung::Verzeichnis() const {
    std::vector<std::string> namen;
    for (const auto& eintrag : fs::directory_iterator(t.arbeit))
        namen.push_back(eintrag.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

void Laufumgebung::Neupunkte(std::initializer_list<const char16_t*> namen) {
    form.Neupunkte.Leeren();
    for (const char16_t* name : namen) {
        form.Neupunkte.Hinzufuegen(name);
        Datei(NachUtf8(name), "RINEX\r\n");
    }
    for (const Text& name : form.Referenzpunkte.Eintraege())
        Datei(NachUtf8(name), "RINEX\r\n");
}

void Laufumgebung::ErwarteRuhezustand() const {
    EXPECT_EQ(form.EndeFrame.Caption() + form.EndeMenü.Caption(), u"EndeEnde");
    for (const Steuerelement* s : std::initializer_list<const Steuerelement*>{
             &form.CommandBerechnen, &form.cmdBerechnen, &form.KestravHilfeMenü, &form.QelHilfeMenü,
             &form.Info, &form.RegisterkarteKestrav, &form.FrameBenutzereinstellungen,
             &form.FrameFehler})
        EXPECT_TRUE(s->Aktiviert()) << s->Name();
    EXPECT_EQ(form.ProgressBar.Wert(), 0);
    EXPECT_FALSE(form.TimerAbbruch.Aktiviert());
}

void Laufumgebung::ErwarteAbgebrochen() const {
    EXPECT_FALSE(form.bitteWarten.fenster.Angezeigt());
    EXPECT_EQ(form.QelWeitereParameter.Wert(), AusUtf8(QelStandard));
    EXPECT_EQ(form.BoWeitereParameter.Wert(), AusUtf8(BoStandard));
    ErwarteRuhezustand();
}

void Laufumgebung::ErwarteMeldungen(const std::vector<Meldung>& erwartet, bool nurZuerst) const {
    const auto& protokoll = t.dialoge.protokoll;
    if (!nurZuerst) {
        EXPECT_EQ(protokoll.size(), erwartet.size());
    }
    ASSERT_GE(protokoll.size(), erwartet.size());
    for (std::size_t i = 0; i < erwartet.size(); ++i) {
        const Meldung& m = protokoll[i].meldung;
        SCOPED_TRACE(NachUtf8(erwartet[i].text));
        EXPECT_EQ(NachUtf8(m.text), NachUtf8(erwartet[i].text));
        EXPECT_EQ(NachUtf8(m.titel), NachUtf8(erwartet[i].titel));
        EXPECT_EQ(m.knoepfe, erwartet[i].knoepfe);
        EXPECT_EQ(m.symbol, erwartet[i].symbol);
        EXPECT_EQ(m.standardknopf, erwartet[i].standardknopf);
    }
}

Meldung UeberschreibenFrage() {
    return {u"Alle Ergebnisdateien werden jetzt überschrieben!   ", u"Vexlo Neuberechnung",
            Knoepfe::JaNein, Symbol::Frage, 1};
}

Meldung OhneKorrekturFrage() {
    return {u"Die Korrektur der Antennenphasenzentren wurde nicht ausgelöst!\nBitte beachten Sie, "
            u"daß bei unterschiedlich genutzten Antenntypen,\nKorrekturen der "
            u"Antennenphasenzentren angebracht werden müssen!\nBerechnung trotzdem starten ?",
            u"Vexlo Neuberechnung", Knoepfe::JaNein, Symbol::Frage, 2};
}

Meldung OhneAntexdatenFrage() {
    return {u"ANTEX-Antennendaten wurden nicht im Arbeitsverzeichnis vorgefunden.\nEs wird ohne "
            u"Korrektur der Antennenphasenzentren gerechnet.\nDadurch sind Ungenauigkeiten in der "
            u"Lage unter 1cm und bis zu einigen cm in der Höhe möglich!\nBerechnung starten?",
            u"Korrektur Antennenphasenzentren", Knoepfe::JaNein, Symbol::Frage, 2};
}

Meldung AbbruchMeldung() {
    return {u"Bitte schließen Sie auch die Vexlo-Berechnungsfenster!   ", u"Kestrav", Knoepfe::OK,
            Symbol::Information, 1};
}
