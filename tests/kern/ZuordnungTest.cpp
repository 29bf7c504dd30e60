#include "RinexKopf.h"
#include "hilfen/DurchreichendesDateisystem.h"
#include "hilfen/TestUmgebung.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace fs = std::filesystem;

namespace {

using Namen = std::vector<Text>;

const std::string Sapos = RinexMitObserver("SAPOS", "LGLN");
const std::string Mueller = RinexMitObserver("MUELLER", "VERMESSUNGSBUERO");
const Text Warnung = u"Es sind nur maximal 5 Referenzstationen zulässig!";

class Zuordnung : public ::testing::Test {
protected:
    // Legt die Dateien an, macht das Arbeitsverzeichnis aktuell und liest es ein.
    void Einlesen(const std::vector<std::pair<std::string, std::string>>& dateien) {
        for (const auto& [name, inhalt] : dateien)
            u.Arbeitsdatei(name, inhalt);
        u.InsArbeitsverzeichnis();
        form.ResetRINEX.Klicken();
    }
    void Doppelklick(Listenfeld& liste, int index) {
        liste.SetzeAuswahl(index);
        liste.beiDoppelklick();
    }

    TestUmgebung u;
    Basisformular& form = u.Formular();
};

} // namespace

TEST_F(Zuordnung, VerschiebtTrefferInIhrerReihenfolge) {
    // Die letzte Zeile von d enthält SAPOS, aber keine Zeile OBSERVER: keine Referenz.
    const std::string ohneObserver =
        RinexZeile("     2.11           OBSERVATION DATA    G (GPS)", "RINEX VERSION / TYPE") +
        RinexZeile("SAPOS", "COMMENT");
    Einlesen({{"a0001230.12o", Sapos},
              {"b0001230.12o", Mueller},
              {"c0001230.12o", RinexMitObserver("MUELLER", "SAPOS-NDS")},
              {"d0001230.12o", ohneObserver},
              {"e0001230.12o", Sapos}});

    form.AutoZuordnungReferenz.Klicken();

    EXPECT_EQ(form.Referenzpunkte.Eintraege(),
              (Namen{u"a0001230.12o", u"c0001230.12o", u"e0001230.12o"}));
    EXPECT_EQ(form.Neupunkte.Eintraege(), (Namen{u"b0001230.12o", u"d0001230.12o"}));
    EXPECT_EQ(form.AnzahlReferenzpunkteRINEX.Caption(), u"Referenzpunkte: 3");
    EXPECT_EQ(form.AnzahlNeupunkteRINEX.Caption(), u"Neupunkte: 2");
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
    EXPECT_TRUE(u.dialoge.protokoll.empty());
    EXPECT_EQ(u.programmdienst.zeiger,
              (std::vector<Mauszeiger>{Mauszeiger::Sanduhr, Mauszeiger::Standard}));
}

struct Kopffall {
    const char* was;
    std::string inhalt;
    Text suchtext;
    bool referenz;
};

void PrintTo(const Kopffall& f, std::ostream* os) {
    *os << f.was;
}

class Kopfzeile : public ::testing::TestWithParam<Kopffall> {};

TEST_P(Kopfzeile, EntscheidetUeberReferenz) {
    const Kopffall& f = GetParam();
    TestUmgebung u;
    Basisformular& form = u.Formular();
    u.Arbeitsdatei("abcd1230.12o", f.inhalt);
    u.InsArbeitsverzeichnis();
    form.ResetRINEX.Klicken();
    form.IdSearchAutoZuordRefpunkt.SetzeText(f.suchtext);

    form.AutoZuordnungReferenz.Klicken();

    EXPECT_EQ(form.Referenzpunkte.Anzahl(), f.referenz ? 1 : 0);
    EXPECT_EQ(form.Neupunkte.Anzahl(), f.referenz ? 0 : 1);
}

std::string Binaer() {
    std::string b;
    for (int runde = 0; runde < 64; ++runde)
        for (int z = 0; z < 256; ++z)
            b.push_back(static_cast<char>(z));
    return b;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Kopfzeile,
    ::testing::Values(Kopffall{"Beobachter", Sapos, u"SAPOS", true},
                      Kopffall{"Kleinschreibung", Sapos, u"sapos", false},
                      Kopffall{"Label", Mueller, u"AGENCY", true},
                      Kopffall{"LeererSuchtext", Mueller, u"", true},
                      Kopffall{"LeererSuchtextOhneObserver", RinexDatei({}), u"", false},
                      Kopffall{"NichtGetrimmt", Sapos, u" SAPOS", false},
                      Kopffall{"KommentarZuerstMitTreffer",
                               RinexDatei({RinexZeile("OBSERVER WAR SAPOS", "COMMENT"),
                                           RinexZeile("MUELLER", "OBSERVER / AGENCY")}),
                               u"SAPOS", true},
                      Kopffall{"KommentarZuerstOhneTreffer",
                               RinexDatei({RinexZeile("OBSERVER GEWECHSELT", "COMMENT"),
                                           RinexZeile("SAPOS", "OBSERVER / AGENCY")}),
                               u"SAPOS", false},
                      Kopffall{"LeereDatei", "", u"", false},
                      Kopffall{"Binaer", Binaer(), u"", false}),
    [](const auto& info) { return std::string(info.param.was); });

TEST_F(Zuordnung, UnlesbareDateienSindKeineReferenz) {
    Einlesen({{"a0001230.12o", Sapos},
              {"b0001230.12o", Sapos},
              {"c0001230.12o", Sapos},
              {"d0001230.12o", Binaer()},
              {"e0001230.12o", Sapos}});
    // Nach dem Einlesen verschwunden, durch einen Ordner ersetzt bzw. ohne Leserecht.
    fs::remove(u.arbeit / "a0001230.12o");
    fs::remove(u.arbeit / "b0001230.12o");
    fs::create_directory(u.arbeit / "b0001230.12o");
    fs::permissions(u.arbeit / "c0001230.12o", fs::perms::none);
    const bool cLesbar = std::ifstream(u.arbeit / "c0001230.12o").is_open(); // etwa als root

    form.AutoZuordnungReferenz.Klicken();

    Namen neu{u"a0001230.12o", u"b0001230.12o", u"d0001230.12o"};
    Namen ref{u"e0001230.12o"};
    if (cLesbar)
        ref.insert(ref.begin(), u"c0001230.12o");
    else
        neu.insert(neu.begin() + 2, u"c0001230.12o");
    EXPECT_EQ(form.Neupunkte.Eintraege(), neu);
    EXPECT_EQ(form.Referenzpunkte.Eintraege(), ref);
    EXPECT_EQ(u.programmdienst.zeiger.back(), Mauszeiger::Standard);
}

TEST_F(Zuordnung, SechsReferenzenWarnenBeiJedemSchritt) {
    std::vector<std::pair<std::string, std::string>> dateien;
    for (char c = 'a'; c <= 'f'; ++c)
        dateien.push_back({std::string(1, c) + "0001230.12o", Sapos});
    dateien.push_back({"x0001230.12o", Mueller});
    dateien.push_back({"y0001230.12o", Mueller});
    Einlesen(dateien);
    std::vector<Mauszeiger> zeigerBeiWarnung;
    u.dialoge.waehrendOffen = [&](const Meldung&) {
        zeigerBeiWarnung.push_back(u.programmdienst.zeiger.back());
    };

    form.AutoZuordnungReferenz.Klicken();
    EXPECT_EQ(form.Referenzpunkte.Anzahl(), 6);
    ASSERT_EQ(u.dialoge.protokoll.size(), 1u);
    const Meldung& m = u.dialoge.protokoll[0].meldung;
    EXPECT_EQ(m.text, Warnung);
    EXPECT_EQ(m.titel, u"Kestrav");
    EXPECT_EQ(m.knoepfe, Knoepfe::OK);
    EXPECT_EQ(m.symbol, Symbol::Information);
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
    // Die Sanduhr bleibt, solange die Warnung offen ist.
    EXPECT_EQ(zeigerBeiWarnung, std::vector<Mauszeiger>{Mauszeiger::Sanduhr});
    EXPECT_EQ(u.programmdienst.zeiger.back(), Mauszeiger::Standard);

    // Löschen warnt nie, auch wenn sechs bleiben.
    form.chkDelRINEX.SetzeWert(1);
    Doppelklick(form.Neupunkte, 1);
    EXPECT_EQ(u.dialoge.protokoll.size(), 1u);
    form.chkDelRINEX.SetzeWert(0);

    Doppelklick(form.Neupunkte, 0);      // 7 Referenzen
    Doppelklick(form.Referenzpunkte, 0); // 6
    EXPECT_EQ(u.dialoge.Texte(), (Namen{Warnung, Warnung, Warnung}));
    Doppelklick(form.Referenzpunkte, 0); // 5
    EXPECT_EQ(u.dialoge.protokoll.size(), 3u);
    EXPECT_EQ(form.AnzahlReferenzpunkteRINEX.Caption(), u"Referenzpunkte: 5");
    EXPECT_EQ(form.AnzahlNeupunkteRINEX.Caption(), u"Neupunkte: 2");
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
}

TEST_F(Zuordnung, BefehlsknopfErstAbDreiReferenzenUndEinemNeupunkt) {
    Einlesen({{"a0001230.12o", Sapos},
              {"b0001230.12o", Sapos},
              {"c0001230.12o", Mueller},
              {"d0001230.12o", Mueller}});
    form.AutoZuordnungReferenz.Klicken();
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());

    Doppelklick(form.Neupunkte, 0);
    EXPECT_EQ(form.Referenzpunkte.Eintraege(),
              (Namen{u"a0001230.12o", u"b0001230.12o", u"c0001230.12o"}));
    EXPECT_EQ(form.AnzahlReferenzpunkteRINEX.Caption(), u"Referenzpunkte: 3");
    EXPECT_EQ(form.AnzahlNeupunkteRINEX.Caption(), u"Neupunkte: 1");
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());

    // Ohne Neupunkt bleibt er aus.
    Doppelklick(form.Neupunkte, 0);
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());

    // Die automatische Auswahl schaltet ihn nie ab.
    Doppelklick(form.Referenzpunkte, 3);
    ASSERT_TRUE(form.CommandBerechnen.Aktiviert());
    form.AutoZuordnungReferenz.Klicken();
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
}

TEST_F(Zuordnung, LoescheMessungEntferntNurAusDerListe) {
    Einlesen({{"a0001230.12o", Sapos},
              {"b0001230.12o", Sapos},
              {"c0001230.12o", Sapos},
              {"d0001230.12o", Mueller}});
    form.AutoZuordnungReferenz.Klicken();
    ASSERT_TRUE(form.CommandBerechnen.Aktiviert());
    form.chkDelRINEX.SetzeWert(1);

    Doppelklick(form.Referenzpunkte, 1);

    EXPECT_EQ(form.Referenzpunkte.Eintraege(), (Namen{u"a0001230.12o", u"c0001230.12o"}));
    EXPECT_EQ(form.Neupunkte.Eintraege(), Namen{u"d0001230.12o"});
    EXPECT_EQ(form.AnzahlReferenzpunkteRINEX.Caption(), u"Referenzpunkte: 2");
    EXPECT_FALSE(form.CommandBerechnen.Aktiviert());
    EXPECT_TRUE(fs::exists(u.arbeit / "b0001230.12o"));

    Doppelklick(form.Neupunkte, 0);
    EXPECT_EQ(form.Neupunkte.Anzahl(), 0);
    EXPECT_EQ(form.AnzahlNeupunkteRINEX.Caption(), u"Neupunkte: 0");
    EXPECT_EQ(form.Referenzpunkte.Anzahl(), 2);
    EXPECT_TRUE(u.dialoge.protokoll.empty());
}

TEST_F(Zuordnung, DoppelklickOhneAuswahlAendertNurDenKnopf) {
    for (bool loeschen : {false, true}) {
        form.chkDelRINEX.SetzeWert(loeschen ? 1 : 0);
        for (Listenfeld* liste : {&form.Neupunkte, &form.Referenzpunkte}) {
            form.CommandBerechnen.SetzeAktiviert(true);
            liste->beiDoppelklick();
            EXPECT_FALSE(form.CommandBerechnen.Aktiviert()) << liste->Name();
            EXPECT_EQ(form.Neupunkte.Anzahl() + form.Referenzpunkte.Anzahl(), 0);
            EXPECT_EQ(form.AnzahlNeupunkteRINEX.Caption(), u"Neupunkte");
            EXPECT_EQ(form.AnzahlReferenzpunkteRINEX.Caption(), u"Referenzpunkte");
        }
    }
    EXPECT_TRUE(u.dialoge.protokoll.empty());
}

TEST_F(Zuordnung, NameSchonInDerAnderenListeWirdNurGewaehlt) {
    for (Text name : {u"a0001230.12o", u"b0001230.12o", u"c0001230.12o"})
        form.Referenzpunkte.Hinzufuegen(name);
    form.Neupunkte.Hinzufuegen(u"B0001230.12O");

    Doppelklick(form.Neupunkte, 0);

    EXPECT_EQ(form.Neupunkte.Eintraege(), Namen{u"B0001230.12O"});
    EXPECT_EQ(form.Referenzpunkte.Anzahl(), 3);
    EXPECT_EQ(form.Referenzpunkte.Auswahl(), 1);
    EXPECT_EQ(form.AnzahlNeupunkteRINEX.Caption(), u"Neupunkte: 1");
    // Die Regel des Knopfes gilt trotzdem.
    EXPECT_TRUE(form.CommandBerechnen.Aktiviert());
}

TEST_F(Zuordnung, PfeileZeigenDieRichtung) {
    form.Referenzpunkte.beiMausbewegung();
    for (Beschriftung* p : {&form.Richtungspfeil1, &form.Richtungspfeil2, &form.Richtungspfeil3})
        EXPECT_EQ(p->Caption(), u"<");
    form.Neupunkte.beiMausbewegung();
    for (Beschriftung* p : {&form.Richtungspfeil1, &form.Richtungspfeil2, &form.Richtungspfeil3})
        EXPECT_EQ(p->Caption(), u">");
}

namespace {

// Reicht alles an das echte Dateisystem durch und zählt, was gelesen wird.
class ZaehlendesDateisystem : public DurchreichendesDateisystem {
public:
    using DurchreichendesDateisystem::DurchreichendesDateisystem;

    std::map<Text, int> ganzGelesen;
    std::map<Text, int> zeilenweiseGelesen;
    std::map<Text, long> gelieferteZeilen;

    Text Lesen(const Text& p) override {
        ++ganzGelesen[p];
        return echt_.Lesen(p);
    }
    void ZeilenLesen(const Text& p, const std::function<bool(const Text&)>& jeZeile) override {
        ++zeilenweiseGelesen[p];
        echt_.ZeilenLesen(p, [&](const Text& zeile) {
            ++gelieferteZeilen[p];
            return jeZeile(zeile);
        });
    }
};

std::string MitDaten(std::string kopf, int zeilen) {
    for (int i = 0; i < zeilen; ++i)
        kopf += "  22345678.123 8  22345678.456 8  22345678.789 8\r\n";
    return kopf;
}

} // namespace

TEST(Zuordnungskosten, JedeDateiHoechstensEinmalUndNurBisZurObserverZeile) {
    TestUmgebung u;
    ZaehlendesDateisystem zaehler(*u.datei);
    Umgebung umgebung{zaehler, u.prozesse, u.schleife, u.dialoge, u.programmdienst, u.system};
    Basisformular form(umgebung);
    const int datenzeilen = 20000;
    u.Arbeitsdatei("a0001230.12o", MitDaten(RinexDatei({}), datenzeilen));
    u.Arbeitsdatei("b0001230.12o", MitDaten(Sapos, datenzeilen));
    u.Arbeitsdatei("c0001230.12o", MitDaten(Mueller, datenzeilen));
    u.Arbeitsdatei("d0001230.12o", MitDaten(Sapos, datenzeilen));
    u.Arbeitsdatei("e0001230.12o", MitDaten(Sapos, datenzeilen));
    u.InsArbeitsverzeichnis();
    form.ResetRINEX.Klicken();

    form.AutoZuordnungReferenz.Klicken();

    EXPECT_EQ(form.Referenzpunkte.Eintraege(),
              (Namen{u"b0001230.12o", u"d0001230.12o", u"e0001230.12o"}));
    EXPECT_TRUE(zaehler.ganzGelesen.empty());
    for (const char16_t* name :
         {u"a0001230.12o", u"b0001230.12o", u"c0001230.12o", u"d0001230.12o", u"e0001230.12o"})
        EXPECT_EQ(zaehler.zeilenweiseGelesen[name], 1) << NachUtf8(name);
    // Ohne OBSERVER-Zeile bis zum Ende, sonst nur Versions- und OBSERVER-Zeile.
    EXPECT_GT(zaehler.gelieferteZeilen[u"a0001230.12o"], datenzeilen);
    EXPECT_EQ(zaehler.gelieferteZeilen[u"b0001230.12o"], 2);
    EXPECT_EQ(zaehler.gelieferteZeilen[u"c0001230.12o"], 2);
}
