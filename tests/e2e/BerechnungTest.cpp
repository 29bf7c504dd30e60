// Ganze Läufe: Jobdatei Byte für Byte, Reihenfolge der Punkte, Aufräumen über zwei Läufe. Die
// Pause am Ende jedes Punktes zeigt der Demotag von kestrav-stapel.
#include "Laufumgebung.h"

namespace {

const std::string Vexlo = "c:\\programme\\vexlo\\";

std::string QelZeile(const std::string& programm, const std::string& punkt,
                     const std::string& qel = QelStandard + " +A$$$$$.atx",
                     const std::string& kennungen = "aaaa,bbbb") {
    return Vexlo + programm + " " + punkt + " " + kennungen + " +PRO " + qel + "\r\n";
}

std::string BoZeile(const std::string& programm, const std::string& virt, const std::string& punkt,
                    const std::string& bo = BoStandard + " +ACF$$$$$.atx") {
    const std::string stamm = punkt.substr(0, punkt.find('.'));
    return Vexlo + programm + " " + virt + " " + punkt + " +FE_ergebnis_" + stamm +
           "_list.txt +FS_ergebnis_" + stamm + "_sol.txt +FL_ergebnis_" + stamm + "_log.txt " + bo +
           "\r\n";
}

// Version 1 ohne Pause, ungewöhnliche Namen, leerer Beobachtungstag: je Punkt ein Stapel in der
// Reihenfolge der Liste, die virtuelle Station mit dem Jahr des ersten Punktes.
TEST_F(Laufumgebung, Version1JePunktEinStapelInListenreihenfolge) {
    form.zustand.Versionskennung = Text(u"1");
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
        EXPECT_EQ(starts[i].jobdatei, QelZeile("qel", punkte[i], "-e10 ", "aaaa,bbbb,ab.2") +
                                          BoZeile("bo1", "virtxxx.23o", punkte[i], BoStandard));
        EXPECT_EQ(t.prozesse.starts[i].stil, Fensterstil::MinimiertOhneFokus);
    }
}

// Vor jedem Lauf wird nach den dreizehn Mustern aufgeräumt, auch was die Engine hinterließ; der
// zweite Lauf findet dasselbe vor wie der erste und hängt keinen Schalter doppelt an.
TEST_F(Laufumgebung, AufraeumenVorJedemLaufUndKeineDoppeltenSchalter) {
    for (const char* name :
         {"a.koord", "b.CST", "_ergebnis_283.mini", "_ergebnis_np01_list.txt", "_ergebnis",
          "virt283.23o", "VIRT283.23O", "virtuell", "x.prt", "y.vrt", "BoJob.bat", "geoid.bog",
          "z.bo1", "q.err", "p_log.txt", "p_sol.txt", "p_list.txt", "Kestrav.bat"})
        Datei(name, "weg\r\n");
    std::set<std::string> erwartet = {"notiz.txt",     "x.ob",     "xvirt.23o",
                                      "ergebnis.mini", "xlog.txt", "kestrav.bak"};
    for (const auto& name : erwartet)
        Datei(name, "bleibt\r\n");
    Datei("igs20.atx", AntexBeispiel());
    t.prozesse.engine = [&, engine = t.prozesse.engine](const Text& stapel) {
        engine(stapel);
        for (const auto& name : {"virt283.23o", "_ergebnis_np012830_list.txt",
                                 "_ergebnis_np012830_sol.txt", "_ergebnis_2830.erg", "x.err"})
            Datei(name, "engine\r\n");
        Datei("_ergebnis_np012830_list.txt", "RovN\r\nnp01 1 2 3 high 1 95 12 7.5 1.8\r\n");
    };

    Berechnen();
    Berechnen();
    // Auch das Mini-Protokoll des zweiten Laufs beginnt mit seiner Kopfzeile.
    EXPECT_EQ(Inhalt("_ergebnis_283.mini").rfind("RovN", 0), 0u) << Inhalt("_ergebnis_283.mini");

    ASSERT_EQ(starts.size(), 2u);
    erwartet.insert(
        {"$$$$$.atx", "Kestrav.bat", "aaaa2830.23o", "bbbb2830.23o", "igs20.atx", "np012830.23o"});
    EXPECT_EQ(starts[0].dateien, erwartet);
    EXPECT_EQ(starts[1].dateien, erwartet);
    EXPECT_EQ(starts[0].jobdatei,
              QelZeile("qel2", "np012830.23o") + BoZeile("bo2", "virt283.23o", "np012830.23o"));
    EXPECT_EQ(starts[1].jobdatei, starts[0].jobdatei);
    // Alles Aufgeräumte liegt im Papierkorb, mit Herkunft und Zeit; Gleichnamige werden gezählt.
    EXPECT_EQ(BytesLesen(t.korb / "files" / "a.koord"), "weg\r\n");
    EXPECT_EQ(BytesLesen(t.korb / "files" / "_ergebnis_283.2.mini").rfind("RovN", 0), 0u);
    EXPECT_EQ(BytesLesen(t.korb / "info" / "VIRT283.23O.trashinfo")
                  .rfind("[Trash Info]\r\nPath=" + std::filesystem::canonical(t.arbeit).string() +
                             "/VIRT283.23O\r\nDeletionDate=20",
                         0),
              0u);
}

} // namespace
