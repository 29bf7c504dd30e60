// Optionen in den echten Widgets ändern, mit "Ja" beenden: kestrav.ini steht danach Byte für Byte
// wie erwartet da, und ein zweiter Start zeigt genau diesen Stand.
#include "hilfen/TempVerzeichnis.h"
#include "hilfen/TestUmgebung.h"
#include "shell/Start.h"
#include "ui/Hauptfenster.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

namespace {

const std::string BoOhneSb = "-e10 +E+NS2,CU2,SQU,STY,AMB,TDM,SVA,PDA,BSU";

// Wie das Programm selbst: Formular, Fenster, Start, Anzeigen.
class Programmstart {
public:
    explicit Programmstart(const std::string& iniBytes) {
        env.EngineInstallieren(true);
        BytesSchreiben(env.programm / "kestrav.ini", iniBytes);
        fenster = std::make_unique<Hauptfenster>(form);
        FormularLaden(form);
        form.fenster.Zeigen();
        QApplication::processEvents();
    }
    ~Programmstart() {
        fenster.reset();
        QApplication::processEvents();
    }

    template <class W> W* Widget(const char* name) {
        W* w = fenster->findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Alles markieren und darüber tippen, wie ein Benutzer, der einen Wert ersetzt.
    void Eintippen(const char* feld, const char* text) {
        QLineEdit* w = Widget<QLineEdit>(feld);
        w->setFocus();
        w->selectAll();
        QTest::keyClicks(w, QString::fromUtf8(text));
    }
    void Klicken(const char* name) {
        QTest::mouseClick(Widget<QAbstractButton>(name), Qt::LeftButton);
    }
    // Nur der gewählte Reiter ist sichtbar; Mausklicks gehen an sichtbare Widgets.
    void Reiter(int index) {
        Widget<QTabWidget>("RegisterkarteKestrav")->setCurrentIndex(index);
        QApplication::processEvents();
    }

    TestUmgebung env;
    Basisformular& form = env.Formular();
    std::unique_ptr<Hauptfenster> fenster;
};

std::string Ausgeliefert() {
    return BytesLesen(std::filesystem::path(KESTRAV_SOURCE_DIR) / "data" / "kestrav.ini");
}

TEST(EinstellungenImFenster, BeendenMitJaSchreibtDieDateiUndDerNaechsteStartZeigtSie) {
    std::string gespeichert;
    {
        Programmstart p(Ausgeliefert());
        ASSERT_TRUE(p.env.dialoge.protokoll.empty());
        p.Reiter(1);
        p.Eintippen("VexloVersion", "1");
        for (const char* name : {"QelGLONASS", "QelSBAS", "QelKorrAntenne", "QelHöheEllips"})
            p.Klicken(name);
        p.Reiter(2);
        p.Eintippen("PDOP", "4");
        p.Eintippen("Satellitenanzahl", "7");
        p.Eintippen("LösungsQu", "fixed");
        for (const char* name : {"VexloBildschirmausgabe", "FehlerAnzeigen"})
            p.Klicken(name);
        EXPECT_EQ(p.Widget<QLineEdit>("QelWeitereParameter")->text(), "-e10 -SVR -SVS -A");
        EXPECT_EQ(p.fenster->windowTitle(), QString::fromUtf8("Kestrav für Qel1/Bo1 V5.0(2)"));

        p.env.dialoge.antworten = {Antwort::Ja};
        p.Widget<QAction>("EndeMenü")->trigger();
        EXPECT_EQ(p.env.programmdienst.beendet, 1);
        gespeichert = BytesLesen(p.env.programm / "kestrav.ini");
    }
    EXPECT_EQ(gespeichert, "VexloVersion = 1\r\n"
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
                           "Bo-weitereParameter = " +
                               BoOhneSb + "\r\n");

    Programmstart p(gespeichert);
    EXPECT_TRUE(p.env.dialoge.protokoll.empty());
    EXPECT_EQ(p.fenster->windowTitle(), QString::fromUtf8("Kestrav für Qel1/Bo1 V5.0(2)"));
    auto text = [&](const char* name) { return p.Widget<QLineEdit>(name)->text().toStdString(); };
    EXPECT_EQ(text("VexloVersion"), "1");
    EXPECT_EQ(text("QelWeitereParameter"), "-e10 -SVR -SVS -A");
    EXPECT_EQ(text("BoWeitereParameter"), BoOhneSb);
    EXPECT_EQ(text("PDOP") + text("Satellitenanzahl") + text("LösungsQu"), "47fixed");
    for (const char* an : {"QelGLONASS", "QelSBAS", "QelHöheEllips", "VexloBildschirmausgabe"})
        EXPECT_TRUE(p.Widget<QAbstractButton>(an)->isChecked()) << an;
    for (const char* aus :
         {"QelGPS", "QelGalileo", "QelKorrAntenne", "QelHöheDhhn", "FehlerAnzeigen"})
        EXPECT_FALSE(p.Widget<QAbstractButton>(aus)->isChecked()) << aus;
}

} // namespace
