// Optionen in den echten Widgets ändern, mit "Ja" beenden: kestrav.ini steht danach Byte für Byte
// wie erwartet da. Das Laden prüfen die Kern-Tests, den Weg vom Modell ins Widget der Binder-Test.
#include "Fenstertest.h"
#include "evaluation/Qualitaet.h"
#include "hilfen/Prozesslauf.h"
#include "hilfen/TempVerzeichnis.h"
#include "shell/Start.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <clocale>
#include <tuple>

namespace fs = std::filesystem;

TEST_F(Fenstertest, EinstellungenBeimBeendenByteGenauGespeichert) {
    // Wie das Programm selbst: Engine und ausgelieferte kestrav.ini, Start, Anzeigen.
    env.EngineInstallieren(true);
    BytesSchreiben(env.programm / "kestrav.ini",
                   BytesLesen(std::filesystem::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini"));
    FormularLaden(form);
    form.fenster.Zeigen();
    QApplication::processEvents();
    ASSERT_TRUE(env.dialoge.protokoll.empty());
    // Nur der gewählte Reiter ist sichtbar; Eingaben gehen an sichtbare Widgets.
    auto reiter = [&](int i) {
        Widget<QTabWidget>("RegisterkarteKestrav")->setCurrentIndex(i);
        QApplication::processEvents();
    };
    auto eintippen = [&](const char* name, const char* text) {
        auto* w = Widget<QLineEdit>(name);
        w->setFocus();
        w->selectAll();
        QTest::keyClicks(w, QString::fromUtf8(text));
    };
    auto klicken = [&](std::initializer_list<const char*> namen) {
        for (const char* name : namen)
            QTest::mouseClick(Widget<QAbstractButton>(name), Qt::LeftButton);
    };
    reiter(1);
    eintippen("VexloVersion", "1");
    klicken({"QelGLONASS", "QelSBAS", "QelKorrAntenne", "QelHöheEllips"});
    reiter(2);
    eintippen("PDOP", "4");
    eintippen("Satellitenanzahl", "7");
    eintippen("LösungsQu", "fixed");
    klicken({"VexloBildschirmausgabe", "FehlerAnzeigen"});
    EXPECT_EQ(Widget<QLineEdit>("QelWeitereParameter")->text(), "-e10 -SVR -SVS -A");
    EXPECT_EQ(fenster->windowTitle(), QString::fromUtf8("Kestrav für Qel1/Bo1 V5.0(2)"));

    env.dialoge.antworten = {Antwort::Ja};
    Aktion("EndeMenü")->trigger();
    EXPECT_EQ(BytesLesen(env.programm / "kestrav.ini"),
              "VexloVersion = 1\r\n"
              "ANTEX-Antennkorrektur = 0\r\n"
              "H\xF6hensystem = 2\r\n"
              "ignoriere Beobachtungen von = -SVR -SVS\r\n"
              "Warnung L\xF6sungsqualit\xE4t = fixed\r\n"
              "mittl. Satelittenanzahl = 7\r\n"
              "Beobachtungszeit = 5\r\n"
              "PDOP = 4\r\n"
              "Ambiquities gel\xF6st f\xFCr = 90\r\n"
              "Anzeige Berechnung = 1\r\n"
              "Anzeige Ergebnis = 1\r\n"
              "Anzeige Warnung = 0\r\n"
              "Pr\xFC"
              "fung Qel-Logfile = 1\r\n"
              "Qel-weitereParameter = -e10 -SVR -SVS -A\r\n"
              "Bo-weitereParameter = -e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU\r\n");
}

// Ein deutscher Desktop (Dezimalkomma): Fenster und kestrav-stapel lesen Zahlen mit Punkt gleich.
// PDOP 6.5 gegen die Grenze 6 ist eine Marke; "PDOP = 7.5" lädt als 8, also ist 8 keine.
TEST_F(Fenstertest, ZahlenMitPunktAufDeutschemDesktopInFensterUndStapel) {
    const std::string vorher = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale-gen de_DE.UTF-8 fehlt";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    env.EngineInstallieren(true);
    BytesSchreiben(env.vexlo / "qel2", "#!/bin/sh\nprintf 'Qel ok\\r\\n' > qellog.txt\n");
    BytesSchreiben(env.vexlo / "bo2", "#!/bin/sh\nprintf 'Kopf\\r\\n%s 1 2 3 high 1 95 12 7.5 "
                                      "%s\\r\\n' \"${2%%.*}\" \"$(cat ../pdop)\" > \"${3#+FE}\"\n"
                                      "printf 'NHN-H\\366he [m]: 5\\r\\n' > \"${4#+FS}\"\n");
    for (const char* skript : {"qel2", "bo2"})
        fs::permissions(env.vexlo / skript, fs::perms::owner_all, fs::perm_options::add);
    const std::string kopf = "     2.11           OBSERVATION DATA    M (MIXED)           RINEX "
                             "VERSION / TYPE\r\n";
    for (const char* referenz : {"aaaa2830.23o", "bbbb2830.23o", "cccc2830.23o"})
        env.Arbeitsdatei(referenz, kopf + "SAPOS" + std::string(55, ' ') + "OBSERVER / AGENCY\r\n");
    env.Arbeitsdatei("np012830.23o", kopf);
    env.Arbeitsdatei("igs.atx", std::string(60, ' ') + "END OF HEADER\r\nANT\r\n");
    const std::string ausgeliefert =
        BytesLesen(fs::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini");

    for (const auto& [grenze, pdop, warnungen] :
         {std::tuple{"6", "6.5", 1}, std::tuple{"7.5", "8", 0}}) {
        SCOPED_TRACE(grenze);
        std::string ini = ausgeliefert;
        ini.replace(ini.find("PDOP = 6"), 8, std::string("PDOP = ") + grenze);
        BytesSchreiben(env.programm / "kestrav.ini", ini);
        BytesSchreiben(env.arbeit.parent_path() / "pdop", pdop);
        FormularLaden(form);
        const Grenzwerte grenzen{form.LösungsQu.Wert(), form.AmbiguitiesFixedFor.Wert(),
                                 form.OccupationTime.Wert(), form.Satellitenanzahl.Wert(),
                                 form.PDOP.Wert()};
        const Text zeile = u"np01 1 2 3 high 1 95 12 7.5 " + AusUtf8(pdop);
        EXPECT_EQ(ErgebniszeilePruefen(zeile, grenzen).warnungen, warnungen);

        const Prozesslauf lauf =
            ProzessAusfuehren({{KESTRAV_BIN_DIR "/kestrav-stapel", "--einstellungen",
                                (env.programm / "kestrav.ini").string(), env.arbeit.string()},
                               env.arbeit,
                               {{"KESTRAV_LAUFWERK_C", env.laufwerkC.string()},
                                {"KESTRAV_CMD", KESTRAV_BIN_DIR "/kestrav-cmd"},
                                {"LANG", "de_DE.UTF-8"},
                                {"LC_ALL", "de_DE.UTF-8"},
                                {"DISPLAY", ""},
                                {"WAYLAND_DISPLAY", ""}}});
        EXPECT_EQ(lauf.exitcode, warnungen) << lauf.ausgabe << lauf.fehler;
    }
    std::setlocale(LC_ALL, vorher.c_str());
}
