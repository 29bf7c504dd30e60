// Optionen in den echten Widgets ändern, mit "Ja" beenden: kestrav.ini steht danach Byte für Byte
// wie erwartet da. Das Laden prüfen die Kern-Tests, den Weg vom Modell ins Widget der Binder-Test.
#include "Fenstertest.h"
#include "hilfen/TempVerzeichnis.h"
#include "shell/Start.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

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
