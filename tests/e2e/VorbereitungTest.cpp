// Die Fragen vor dem Lauf: jedes "Nein" und die nicht unterstützte Version lassen das Fenster frei
// und das Arbeitsverzeichnis unberührt.
#include "run/Vorbereitung.h"
#include "Laufumgebung.h"

namespace {

struct AblehnungFall {
    const char* name;
    int korrektur;     // Wert von QelKorrAntenne
    const char* antex; // wo eine ANTEX-Datei liegt: "arbeit", "programm" oder nirgends ("")
    const char16_t* version;
    std::vector<Antwort> antworten;
    std::vector<Meldung> meldungen;
    bool gesperrt = false;                        // ein anderer Lauf hält das Verzeichnis
    std::vector<const char16_t*> unmoeglich = {}; // nicht in den Papierkorb
};

Meldung VersionMeldung(const Text& version) {
    return {u"Die Vexlo-Version <" + version + u"> wird nicht unterstützt!\nErlaubt sind 1 und 2.",
            u"Kestrav", Knoepfe::OK, Symbol::Ausrufezeichen, 1};
}

class AblehnungTest : public Laufumgebung, public ::testing::WithParamInterface<AblehnungFall> {};

TEST_P(AblehnungTest, FensterFreiUndNichtsGeloescht) {
    const AblehnungFall& fall = GetParam();
    form.QelKorrAntenne.SetzeWert(fall.korrektur);
    const Text qel = form.QelWeitereParameter.Wert();
    const Text bo = form.BoWeitereParameter.Wert();
    form.zustand.Versionskennung = fall.version;
    // Reste eines früheren Laufs, die das Aufräumen bzw. die Sammlung löschen würde. Eine alte
    // Sammeldatei zählt selbst als ANTEX-Datei, daher nur, wo ohnehin eine liegt.
    for (const auto& name : {"Kestrav.bat", "_ergebnis_283.mini", "virt283.23o"})
        Datei(name, "alt\r\n");
    if (fall.antex == std::string("arbeit")) {
        Datei("igs20.atx", AntexBeispiel());
        Datei("$$$$$.atx", "alt\r\n");
    } else if (fall.antex == std::string("programm")) {
        BytesSchreiben(t.programm / "antex.atx", AntexBeispiel());
    }
    const auto sperre =
        fall.gesperrt ? t.sperren->Nehmen(t.datei->AktuellesVerzeichnis()) : nullptr;
    t.papierkorb->unmoeglich.assign(fall.unmoeglich.begin(), fall.unmoeglich.end());
    const auto vorher = Verzeichnis();
    t.dialoge.antworten.assign(fall.antworten.begin(), fall.antworten.end());

    Berechnen();

    ErwarteMeldungen(fall.meldungen);
    EXPECT_EQ(Verzeichnis(), vorher);
    EXPECT_EQ(Inhalt("Kestrav.bat"), "alt\r\n");
    EXPECT_TRUE(t.prozesse.starts.empty());
    EXPECT_FALSE(form.bitteWarten.fenster.Angezeigt());
    EXPECT_EQ(form.QelKorrAntenne.Wert(), fall.korrektur);
    EXPECT_EQ(form.QelWeitereParameter.Wert(), qel);
    EXPECT_EQ(form.BoWeitereParameter.Wert(), bo);
    ErwarteRuhezustand();
}

const Antwort J = Antwort::Ja, N = Antwort::Nein;
const Meldung U = UeberschreibenFrage, K = OhneKorrekturFrage, A = OhneAntexdatenFrage;
const Meldung Gesperrt{Text(LaufsperreText), u"Kestrav", Knoepfe::OK, Symbol::Ausrufezeichen, 1};
const Meldung Endgueltig{
    u"Diese Dateien können nicht in den Papierkorb verschoben werden:\n"
    u"_ergebnis_283.mini\nvirt283.23o\n\nSollen sie endgültig gelöscht werden?",
    u"Kestrav", Knoepfe::JaNein, Symbol::Frage, 2};

const std::vector<const char16_t*> Reste = {u"_ergebnis_283.mini", u"virt283.23o"};

INSTANTIATE_TEST_SUITE_P(
    Faelle, AblehnungTest,
    ::testing::Values(
        AblehnungFall{"NeinZumUeberschreiben", 1, "arbeit", u"2", {N}, {U}},
        // Ohne Antwort gilt der Standardknopf, und der ist hier "Nein".
        AblehnungFall{"StandardknopfOhneKorrektur", 0, "arbeit", u"2", {}, {U, K}},
        AblehnungFall{"NeinOhneAntexdaten", 1, "", u"2", {J, N}, {U, A}},
        // Abgelehnt, bevor die mitgelieferte ANTEX-Datei kopiert würde.
        AblehnungFall{"Version15", 1, "programm", u"1.5", {J}, {U, VersionMeldung(u"1.5")}},
        // Noch vor der ersten Frage; die Sperre hält ein anderer Lauf.
        AblehnungFall{"VerzeichnisGesperrt", 1, "arbeit", u"2", {}, {Gesperrt}, true},
        // Was nicht in den Papierkorb kann, bleibt nach "Nein" wie alles andere.
        AblehnungFall{
            "NeinZumEndgueltigenLoeschen", 2, "", u"2", {J, N}, {U, Endgueltig}, false, Reste}),
    Fallname);

TEST_F(Laufumgebung, JaOhneKorrekturEntferntNurDieAntennenschalter) {
    form.QelKorrAntenne.SetzeWert(0);
    form.QelWeitereParameter.SetzeText(u"-e10 -A +A$$$$$.atx");
    form.BoWeitereParameter.SetzeText(AusUtf8(BoStandard) + u" +ACF$$$$$.atx");
    Datei("igs20.atx", AntexBeispiel());
    t.dialoge.antworten = {J, J};

    Berechnen();

    ErwarteMeldungen({U, K}, true);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].jobdatei.substr(0, starts[0].jobdatei.find("\r\n")),
              "c:\\programme\\vexlo\\qel2 np012830.23o aaaa,bbbb +PRO -e10 -A");
    EXPECT_EQ(starts[0].jobdatei.substr(starts[0].jobdatei.size() - BoStandard.size() - 2),
              BoStandard + "\r\n");
    // Ohne Korrektur wird nichts gesammelt.
    EXPECT_EQ(starts[0].sammeldatei, "");
}

TEST_F(Laufumgebung, JaOhneAntexdatenSchaltetDieKorrekturAb) {
    form.QelWeitereParameter.SetzeText(u"-e10 +A$$$$$.atx +A$$$$$.atx");
    t.dialoge.antworten = {J, J};

    Berechnen();

    ErwarteMeldungen({U, A}, true);
    EXPECT_EQ(form.QelKorrAntenne.Wert(), 0);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].jobdatei.find("$$$$$"), std::string::npos);
    EXPECT_FALSE(Vorhanden("$$$$$.atx"));
}

} // namespace
