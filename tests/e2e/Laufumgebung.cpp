#include "Laufumgebung.h"

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

void Laufbereit(TestUmgebung& t, Basisformular& form) {
    form.zustand.VexloVerzeichnis = u"c:\\programme\\vexlo\\";
    form.zustand.Programmverzeichnis = u"c:\\programme\\kestrav\\";
    form.zustand.AntexSammeldatei = u"$$$$$.atx";
    form.zustand.Versionskennung = u"2";
    form.zustand.Arbeitsverzeichnis = u"c:\\daten\\tag1\\";
    t.InsArbeitsverzeichnis();
    form.Beobachtungstag.SetzeText(u"283*");
    form.CommandBerechnen.SetzeAktiviert(true);
}

Testlauf::Testlauf(const Huelle& huelle)
    : dateien(huelle ? huelle(t) : nullptr), umgebung{dateien ? *dateien : *t.datei,
                                                      t.prozesse,
                                                      t.schleife,
                                                      t.dialoge,
                                                      t.programmdienst,
                                                      t.system,
                                                      *t.papierkorb,
                                                      *t.sperren},
      form(umgebung) {
    Laufbereit(t, form);
    form.Referenzpunkte.Hinzufuegen(u"aaaa2830.23o");
    form.Referenzpunkte.Hinzufuegen(u"bbbb2830.23o");
    Neupunkte({u"np012830.23o"});

    t.prozesse.engine = [this](const Text& stapeldatei) {
        Stapelstart s;
        s.jobdatei = Inhalt(NachUtf8(stapeldatei));
        if (Vorhanden("$$$$$.atx"))
            s.sammeldatei = Inhalt("$$$$$.atx");
        s.dateien = Verzeichnis();
        starts.push_back(std::move(s));
    };
}

std::set<std::string> Testlauf::Verzeichnis() const {
    std::set<std::string> namen;
    // Versteckte Dateien wie die Sperrdatei des Laufs sieht auch die Logik nicht.
    for (const auto& eintrag : fs::directory_iterator(t.arbeit))
        if (eintrag.path().filename().string()[0] != '.')
            namen.insert(eintrag.path().filename().string());
    return namen;
}

void Testlauf::Neupunkte(std::initializer_list<const char16_t*> namen) {
    form.Neupunkte.Leeren();
    for (const char16_t* name : namen) {
        form.Neupunkte.Hinzufuegen(name);
        Datei(NachUtf8(name), "RINEX\r\n");
    }
    for (const Text& name : form.Referenzpunkte.Eintraege())
        Datei(NachUtf8(name), "RINEX\r\n");
}

void Testlauf::ErwarteRuhezustand() const {
    EXPECT_EQ(form.EndeFrame.Caption() + form.EndeMenü.Caption(), u"EndeEnde");
    for (const Steuerelement* s : std::initializer_list<const Steuerelement*>{
             &form.CommandBerechnen, &form.cmdBerechnen, &form.KestravHilfeMenü, &form.QelHilfeMenü,
             &form.Info, &form.RegisterkarteKestrav, &form.FrameBenutzereinstellungen,
             &form.FrameFehler})
        EXPECT_TRUE(s->Aktiviert()) << s->Name();
    EXPECT_EQ(form.ProgressBar.Wert(), 0);
    EXPECT_FALSE(form.TimerAbbruch.Aktiviert());
}

void Testlauf::ErwarteAbgebrochen() const {
    EXPECT_FALSE(form.bitteWarten.fenster.Angezeigt());
    EXPECT_EQ(form.QelWeitereParameter.Wert(), AusUtf8(QelStandard));
    EXPECT_EQ(form.BoWeitereParameter.Wert(), AusUtf8(BoStandard));
    ErwarteRuhezustand();
}

// Eine Meldung als eine Zeile, damit Abweichungen lesbar erscheinen.
static std::string Zeile(const Meldung& m) {
    return NachUtf8(m.titel + u" | " + m.text) + " | " +
           std::to_string(static_cast<int>(m.knoepfe)) + "," +
           std::to_string(static_cast<int>(m.symbol)) + "," + std::to_string(m.standardknopf);
}

void Testlauf::ErwarteMeldungen(const std::vector<Meldung>& erwartet, bool nurZuerst) const {
    std::vector<std::string> soll, ist;
    for (const Meldung& m : erwartet)
        soll.push_back(Zeile(m));
    for (const GezeigteMeldung& gezeigt : t.dialoge.protokoll)
        if (!nurZuerst || ist.size() < soll.size())
            ist.push_back(Zeile(gezeigt.meldung));
    EXPECT_EQ(ist, soll);
}
