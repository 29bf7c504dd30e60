#include "Pruefhilfen.h"
#include "hilfen/RinexKopf.h"
#include "hilfen/TestUmgebung.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using Namen = std::vector<Text>;

const std::string Sapos = RinexKopf("SAPOS", "LGLN");
const std::string Mueller = RinexKopf("MUELLER", "VERMESSUNGSBUERO");
const Text Warnung = u"Es sind nur maximal 5 Referenzstationen zulässig!";

// Legt a0001230.12o, b0001230.12o, ... mit den Inhalten an, macht das Arbeitsverzeichnis aktuell
// und liest es ein.
void Einlesen(TestUmgebung& u, const std::vector<std::string>& inhalte) {
    for (std::size_t i = 0; i < inhalte.size(); ++i)
        u.Arbeitsdatei(std::string(1, static_cast<char>('a' + i)) + "0001230.12o", inhalte[i]);
    u.InsArbeitsverzeichnis();
    u.Formular().ResetRINEX.Klicken();
}

void Doppelklick(Listenfeld& liste, int index) {
    liste.SetzeAuswahl(index);
    liste.beiDoppelklick();
}

Text Anzahlen(Basisformular& form) {
    return form.AnzahlReferenzpunkteRINEX.Caption() + u"|" + form.AnzahlNeupunkteRINEX.Caption();
}

class Zuordnung : public ::testing::Test {
protected:
    TestUmgebung u;
    Basisformular& form = u.Formular();
};

} // namespace

TEST_F(Zuordnung, VerschiebtTrefferInIhrerReihenfolge) {
    // Die letzte Zeile von d enthält SAPOS, aber keine Zeile OBSERVER: keine Referenz.
    const std::string ohneObserver =
        RinexZeile("     2.11           OBSERVATION DATA    G (GPS)", "RINEX VERSION / TYPE") +
        RinexZeile("SAPOS", "COMMENT");
    Einlesen(
        u, {Sapos, Mueller, RinexKopf("MUELLER", "SAPOS-NDS"), ohneObserver, Sapos, Sapos, Sapos});
    // Nach dem Einlesen verschwunden bzw. durch einen Ordner ersetzt: unlesbar, keine Referenz.
    fs::remove(u.arbeit / "f0001230.12o");
    fs::remove(u.arbeit / "g0001230.12o");
    fs::create_directory(u.arbeit / "g0001230.12o");

    form.AutoZuordnungReferenz.Klicken();

    EXPECT_EQ(form.Referenzpunkte.Eintraege(),
              (Namen{u"a0001230.12o", u"c0001230.12o", u"e0001230.12o"}));
    EXPECT_EQ(form.Neupunkte.Eintraege(),
              (Namen{u"b0001230.12o", u"d0001230.12o", u"f0001230.12o", u"g0001230.12o"}));
    EXPECT_EQ(Anzahlen(form), u"Referenzpunkte: 3|Neupunkte: 4");
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
    EXPECT_TRUE(u.dialoge.protokoll.empty());
}

// Nur die erste Zeile mit OBSERVER zählt, und in ihr der Suchtext genau so geschrieben.
TEST(Kopfzeile, EntscheidetUeberReferenz) {
    struct Fall {
        std::string inhalt;
        Text suchtext;
        bool referenz;
    };
    std::string binaer(16384, '\0');
    for (std::size_t i = 0; i < binaer.size(); ++i)
        binaer[i] = static_cast<char>(i);
    // Ein Tag aus LF-Dateien wird zugeordnet wie einer aus CR-LF-Dateien: der Suchtext in einem
    // Kommentar vor der OBSERVER-Zeile macht keine Referenz.
    const auto nurLf = [](std::string d) {
        for (std::size_t i; (i = d.find("\r\n")) != std::string::npos;)
            d.erase(i, 1);
        return d;
    };
    const std::string icc = RinexZeile("coordenades ajust ICC", "COMMENT");
    const Fall faelle[] = {
        {nurLf(RinexMit({icc, RinexZeile("MATA", "OBSERVER / AGENCY")})), u"ICC", false},
        {nurLf(RinexMit({icc, RinexZeile("ICC", "OBSERVER / AGENCY")})), u"ICC", true},
        {Sapos, u"sapos", false},
        {Mueller, u"", true},
        {RinexMit({}), u"", false},
        {Sapos, u" SAPOS", false},
        {RinexMit({RinexZeile("OBSERVER WAR SAPOS", "COMMENT"),
                   RinexZeile("MUELLER", "OBSERVER / AGENCY")}),
         u"SAPOS", true},
        {binaer, u"", false},
    };
    for (const Fall& f : faelle) {
        TestUmgebung u;
        Einlesen(u, {f.inhalt});
        u.Formular().IdSearchAutoZuordRefpunkt.SetzeText(f.suchtext);
        u.Formular().AutoZuordnungReferenz.Klicken();
        EXPECT_EQ(u.Formular().Referenzpunkte.Anzahl(), f.referenz ? 1 : 0)
            << &f - faelle << " " << NachUtf8(f.suchtext);
    }
}

TEST_F(Zuordnung, SechsReferenzenWarnenBeiJedemSchritt) {
    Einlesen(u, {Sapos, Sapos, Sapos, Sapos, Sapos, Sapos, Mueller, Mueller});

    form.AutoZuordnungReferenz.Klicken();
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    EXPECT_EQ(Teile(u.dialoge.protokoll[0].meldung),
              std::tuple(Warnung, Text(u"Kestrav"), Knoepfe::OK, Symbol::Information));
    EXPECT_EQ(u.programmdienst.zeiger.back(), Mauszeiger::Standard);

    // Löschen warnt nie, auch wenn sechs bleiben; jedes Verschieben warnt, solange mehr als fünf.
    form.chkDelRINEX.SetzeWert(1);
    Doppelklick(form.Neupunkte, 1);
    form.chkDelRINEX.SetzeWert(0);
    Doppelklick(form.Neupunkte, 0);      // 7 Referenzen
    Doppelklick(form.Referenzpunkte, 0); // 6
    Doppelklick(form.Referenzpunkte, 0); // 5
    EXPECT_EQ(u.dialoge.Texte(), (Namen{Warnung, Warnung, Warnung}));
    EXPECT_EQ(Anzahlen(form), u"Referenzpunkte: 5|Neupunkte: 2");
}

// Unter drei Referenzen schaltet die automatische Auswahl den Knopf nicht ab; ein Doppelklick ohne
// Auswahl schaltet ihn ab und ändert sonst nichts, auch mit "lösche Messung".
TEST_F(Zuordnung, KnopfNachAutomatikUndDoppelklickOhneAuswahl) {
    Einlesen(u, {Sapos, Sapos, Mueller});
    form.CommandBerechnen.SetzeAktiviert(true);
    form.AutoZuordnungReferenz.Klicken();
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
    form.CommandBerechnen.SetzeAktiviert(false);
    form.AutoZuordnungReferenz.Klicken();
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert()); // zwei Referenzen reichen nicht
    form.chkDelRINEX.SetzeWert(1);
    form.Neupunkte.SetzeAuswahl(-1);
    form.Neupunkte.beiDoppelklick();
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());
    EXPECT_EQ(Anzahlen(form), u"Referenzpunkte: 2|Neupunkte: 1");
}

TEST_F(Zuordnung, PfeileZeigenDieRichtung) {
    form.Referenzpunkte.beiMausbewegung();
    EXPECT_EQ(form.Richtungspfeil1.Caption() + form.Richtungspfeil3.Caption(), u"<<");
    form.Neupunkte.beiMausbewegung();
    EXPECT_EQ(form.Richtungspfeil1.Caption() + form.Richtungspfeil2.Caption(), u">>");
}
