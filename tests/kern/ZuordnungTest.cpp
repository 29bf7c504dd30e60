#include "Pruefhilfen.h"
#include "RinexKopf.h"
#include "hilfen/DurchreichendesDateisystem.h"
#include "hilfen/TestUmgebung.h"

#include <filesystem>
#include <map>

namespace fs = std::filesystem;

namespace {

using Namen = std::vector<Text>;

const std::string Sapos = RinexMitObserver("SAPOS", "LGLN");
const std::string Mueller = RinexMitObserver("MUELLER", "VERMESSUNGSBUERO");
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
    Einlesen(u, {Sapos, Mueller, RinexMitObserver("MUELLER", "SAPOS-NDS"), ohneObserver, Sapos,
                 Sapos, Sapos});
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
    EXPECT_EQ(u.programmdienst.zeiger,
              (std::vector<Mauszeiger>{Mauszeiger::Sanduhr, Mauszeiger::Standard}));
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
    const Fall faelle[] = {
        {Sapos, u"SAPOS", true},
        {Sapos, u"sapos", false},
        {Mueller, u"", true},
        {RinexDatei({}), u"", false},
        {Sapos, u" SAPOS", false},
        {RinexDatei({RinexZeile("OBSERVER WAR SAPOS", "COMMENT"),
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
    std::vector<Mauszeiger> zeigerBeiWarnung;
    u.dialoge.waehrendOffen = [&](const Meldung&) {
        zeigerBeiWarnung.push_back(u.programmdienst.zeiger.back());
    };

    form.AutoZuordnungReferenz.Klicken();
    EXPECT_EQ(form.Referenzpunkte.Anzahl(), 6);
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    EXPECT_EQ(Teile(u.dialoge.protokoll[0].meldung),
              std::tuple(Warnung, Text(u"Kestrav"), Knoepfe::OK, Symbol::Information));
    // Die Sanduhr bleibt, solange die Warnung offen ist.
    EXPECT_EQ(zeigerBeiWarnung, std::vector<Mauszeiger>{Mauszeiger::Sanduhr});
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
    form.chkDelRINEX.SetzeWert(1);
    form.Neupunkte.SetzeAuswahl(-1);
    form.Neupunkte.beiDoppelklick();
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());
    EXPECT_EQ(Anzahlen(form), u"Referenzpunkte: 2|Neupunkte: 1");
}

TEST_F(Zuordnung, NameSchonInDerAnderenListeWirdNurGewaehlt) {
    for (Text name : {u"a0001230.12o", u"b0001230.12o", u"c0001230.12o"})
        form.Referenzpunkte.Hinzufuegen(name);
    form.Neupunkte.Hinzufuegen(u"B0001230.12O");

    Doppelklick(form.Neupunkte, 0);

    EXPECT_EQ(form.Neupunkte.Eintraege(), Namen{u"B0001230.12O"});
    EXPECT_EQ(form.Referenzpunkte.Anzahl(), 3);
    EXPECT_EQ(form.Referenzpunkte.Auswahl(), 1);
    // Die Regel des Knopfes gilt trotzdem.
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
}

TEST_F(Zuordnung, PfeileZeigenDieRichtung) {
    form.Referenzpunkte.beiMausbewegung();
    EXPECT_EQ(form.Richtungspfeil1.Caption() + form.Richtungspfeil3.Caption(), u"<<");
    form.Neupunkte.beiMausbewegung();
    EXPECT_EQ(form.Richtungspfeil1.Caption() + form.Richtungspfeil2.Caption(), u">>");
}

namespace {

// Zählt die zeilenweise gelieferten Zeilen je Datei.
class ZaehlendesDateisystem : public DurchreichendesDateisystem {
public:
    using DurchreichendesDateisystem::DurchreichendesDateisystem;
    std::map<Text, long> zeilen;

    void ZeilenLesen(const Text& p, const std::function<bool(const Text&)>& jeZeile) override {
        echt_.ZeilenLesen(p, [&](const Text& zeile) {
            ++zeilen[p];
            return jeZeile(zeile);
        });
    }
};

} // namespace

// Nur Versions- und OBSERVER-Zeile, nicht Kopfende und Epochen dahinter.
TEST(Zuordnungskosten, NurBisZurObserverZeileGelesen) {
    TestUmgebung u;
    ZaehlendesDateisystem zaehler(*u.datei);
    u.umgebung =
        std::make_unique<Umgebung>(Umgebung{zaehler, u.prozesse, u.schleife, u.dialoge,
                                            u.programmdienst, u.system, *u.papierkorb, *u.sperren});
    Einlesen(u, {Sapos});
    u.Formular().AutoZuordnungReferenz.Klicken();
    EXPECT_EQ(u.Formular().Referenzpunkte.Anzahl(), 1);
    EXPECT_EQ(zaehler.zeilen[u"a0001230.12o"], 2);
}
