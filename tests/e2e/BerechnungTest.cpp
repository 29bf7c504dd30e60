// Ganze Läufe: Jobdatei Byte für Byte, Reihenfolge der Punkte, Aufräumen, zwei Läufe
// hintereinander.
#include "Laufumgebung.h"

#include <algorithm>

namespace {

const std::string Vexlo = "c:\\programme\\vexlo\\";

std::string QelZeile(const std::string& programm, const std::string& punkt,
                     const std::string& qel = QelStandard + " +A$$$$$.atx") {
    return Vexlo + programm + " " + punkt + " aaaa,bbbb +PRO " + qel + "\r\n";
}

std::string BoZeile(const std::string& programm, const std::string& virt, const std::string& punkt,
                    const std::string& bo = BoStandard + " +ACF$$$$$.atx") {
    const std::string stamm = punkt.substr(0, punkt.find('.'));
    return Vexlo + programm + " " + virt + " " + punkt + " +FE_ergebnis_" + stamm +
           "_list.txt +FS_ergebnis_" + stamm + "_sol.txt +FL_ergebnis_" + stamm + "_log.txt " + bo +
           "\r\n";
}

struct JobdateiFall {
    const char* name;
    const char16_t* version;
    int bildschirmausgabe;
    std::string bytes;
    Fensterstil stil;
};

class JobdateiTest : public Laufumgebung, public ::testing::WithParamInterface<JobdateiFall> {};

TEST_P(JobdateiTest, BeispielpunktByteFuerByte) {
    const JobdateiFall& fall = GetParam();
    form.zustand.Versionskennung = fall.version;
    form.VexloBildschirmausgabe.SetzeWert(fall.bildschirmausgabe);
    Datei("igs20.atx", AntexBeispiel());

    Berechnen();

    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].jobdatei, fall.bytes);
    ASSERT_EQ(t.prozesse.starts.size(), 1u);
    EXPECT_EQ(t.prozesse.starts[0].programm, u"Kestrav.bat");
    EXPECT_EQ(t.prozesse.starts[0].stil, fall.stil);
    EXPECT_EQ(form.lauf.Jahreskennung, u"23");
    EXPECT_EQ(form.lauf.Referenzkennungen, u"aaaa,bbbb");
    EXPECT_EQ(form.lauf.Dateistamm, u"np012830");
    EXPECT_EQ(form.lauf.Tageskennung, u"283*");
    ErwarteMeldungenZuerst({UeberschreibenFrage()});
    ErwarteRuhezustand();
}

INSTANTIATE_TEST_SUITE_P(
    VersionUndPause, JobdateiTest,
    ::testing::Values(JobdateiFall{"Version2MitPause", u"2", 1,
                                   QelZeile("qel2", "np012830.23o") +
                                       BoZeile("bo2", "virt283.23o", "np012830.23o") + "pause\r\n",
                                   Fensterstil::NormalMitFokus},
                      JobdateiFall{"Version2", u"2", 0,
                                   QelZeile("qel2", "np012830.23o") +
                                       BoZeile("bo2", "virt283.23o", "np012830.23o"),
                                   Fensterstil::MinimiertOhneFokus},
                      JobdateiFall{"Version1MitPause", u"1", 1,
                                   QelZeile("qel", "np012830.23o") +
                                       BoZeile("bo1", "virt283.23o", "np012830.23o") + "pause\r\n",
                                   Fensterstil::NormalMitFokus},
                      JobdateiFall{"Version1", u"1", 0,
                                   QelZeile("qel", "np012830.23o") +
                                       BoZeile("bo1", "virt283.23o", "np012830.23o"),
                                   Fensterstil::MinimiertOhneFokus}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Laufumgebung, PunkteInListenreihenfolgeMitJahrDesErstenPunktes) {
    Neupunkte({u"zz012830.23o", u"aa012830.24o", u"abc.22o"});
    form.Referenzpunkte.Hinzufuegen(u"ab.23o");
    form.QelKorrAntenne.SetzeWert(2); // weder Frage noch Antennenschalter
    form.QelWeitereParameter.SetzeText(u"-e10 ");
    form.Beobachtungstag.SetzeText(u"   ");

    Berechnen();

    ASSERT_EQ(starts.size(), 3u);
    const char* punkte[] = {"zz012830.23o", "aa012830.24o", "abc.22o"};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(punkte[i]);
        EXPECT_EQ(starts[i].jobdatei, Vexlo + "qel2 " + punkte[i] +
                                          " aaaa,bbbb,ab.2 +PRO -e10 \r\n" +
                                          BoZeile("bo2", "virtxxx.23o", punkte[i], BoStandard));
        EXPECT_EQ(starts[i].fortschritt, i + 1);
        EXPECT_TRUE(starts[i].zeitgeberAn);
    }
    EXPECT_EQ(form.ProgressBar.Maximum(), 3);
    EXPECT_EQ(form.lauf.AktuellerNeupunkt, u"abc.22o");
    EXPECT_EQ(form.lauf.Dateistamm, u"abc");
    ErwarteRuhezustand();
}

TEST_F(Laufumgebung, AufraeumenNachDenDreizehnMustern) {
    const std::vector<std::string> bleiben = {
        "aaaa2830.23o", "bbbb2830.23o", "igs20.atx",     "notiz.txt",  "np012830.23o",
        "x.ob",         "xvirt.23o",    "ergebnis.mini", "qellog.txt", "kestrav.bak"};
    const std::vector<std::string> weg = {
        "a.koord",   "b.CST",       "_ergebnis_283.mini", "_ergebnis_np01_list.txt",
        "_ergebnis", "virt283.23o", "VIRT283.23O",        "virtuell",
        "x.prt",     "y.vrt",       "BoJob.bat",          "geoid.bog",
        "z.bo1",     "q.err",       "p_log.txt",          "p_sol.txt",
        "p_list.txt"};
    for (const auto& name : weg)
        Datei(name, "alt\r\n");
    Datei("Kestrav.bat", "alter Stapel\r\n");
    Datei("igs20.atx", AntexBeispiel());
    for (const auto& name :
         {"notiz.txt", "x.ob", "xvirt.23o", "ergebnis.mini", "qellog.txt", "kestrav.bak"})
        Datei(name, "bleibt\r\n");

    Berechnen();

    ASSERT_EQ(starts.size(), 1u);
    std::vector<std::string> erwartet = bleiben;
    erwartet.push_back("$$$$$.atx");
    erwartet.push_back("Kestrav.bat");
    std::sort(erwartet.begin(), erwartet.end());
    EXPECT_EQ(starts[0].dateien, erwartet);
    EXPECT_NE(starts[0].jobdatei, "alter Stapel\r\n");
    ErwarteRuhezustand();
}

TEST_F(Laufumgebung, ZweiLaeufeOhneDoppelteSchalterUndOhneAlteErgebnisse) {
    Datei("igs20.atx", AntexBeispiel());
    auto engine = t.prozesse.engine;
    t.prozesse.engine = [&](const Text& stapel) {
        engine(stapel);
        // Was eine Engine hinterlässt, muss der nächste Lauf vor dem ersten Start entfernen.
        for (const auto& name : {"virt283.23o", "_ergebnis_np012830_list.txt",
                                 "_ergebnis_np012830_sol.txt", "_ergebnis_2830.erg", "x.err"})
            Datei(name, "engine\r\n");
    };

    Berechnen();
    Berechnen();

    ASSERT_EQ(starts.size(), 2u);
    const std::string beispiel =
        QelZeile("qel2", "np012830.23o") + BoZeile("bo2", "virt283.23o", "np012830.23o");
    EXPECT_EQ(starts[0].jobdatei, beispiel);
    EXPECT_EQ(starts[1].jobdatei, beispiel);
    EXPECT_EQ(starts[1].dateien, starts[0].dateien);
    EXPECT_EQ(starts[1].sammeldatei, starts[0].sammeldatei);
    const auto texte = t.dialoge.Texte();
    EXPECT_EQ(std::count(texte.begin(), texte.end(), UeberschreibenFrage().text), 2);
    ErwarteRuhezustand();
}

} // namespace
