#include "station/Zeilensuche.h"
#include "TempLaufwerke.h"

#include "hilfen/Faelle.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

constexpr std::size_t Leseblock = 64 * 1024;

std::string Kopfzeile(const std::string& inhalt, const std::string& label) {
    std::string zeile = inhalt;
    zeile.resize(60, ' ');
    zeile += label;
    zeile.resize(80, ' ');
    return zeile;
}

struct Suchfall {
    const char* name;
    std::string bytes;
    std::optional<std::string> erwartet; // Windows-1252
};

const std::string Version = Kopfzeile("     2.11", "RINEX VERSION / TYPE");
const std::string Observer = Kopfzeile("SAPOS               LGLN", "OBSERVER / AGENCY");
const std::string Ende = Kopfzeile("", "END OF HEADER");
const std::string Lang(Leseblock - 3, ' ');

class ErsteZeileMitTest : public ::testing::TestWithParam<Suchfall>, public TempLaufwerke {};

TEST_P(ErsteZeileMitTest, ErsteZeileMitObserver) {
    BytesSchreiben(c / "a.23o", GetParam().bytes);
    std::optional<Text> gefunden = ErsteZeileMit(*ds, u"a.23o", u"OBSERVER");
    std::optional<Text> erwartet;
    if (GetParam().erwartet)
        erwartet = AusWindows1252(*GetParam().erwartet);
    EXPECT_EQ(gefunden, erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, ErsteZeileMitTest,
    ::testing::Values(
        Suchfall{"EinzelnesCr", Version + "\r" + Observer + "\r" + Ende, Observer},
        // In RINEX-Dateien beendet auch LF allein eine Zeile.
        Suchfall{"ErsteVonZwei", "OBSERVER 1\nx\r\nOBSERVER 2\r\n", "OBSERVER 1"},
        Suchfall{"LangeLfZeileHinten", "x\n" + Lang + Lang + "OBSERVER" + Lang + "\nSAPOS\n",
                 Lang + Lang + "OBSERVER" + Lang},
        // Ohne OBSERVER zählt auch die letzte Zeile nicht, was immer sie enthält.
        Suchfall{"OhneObserver", Version + "\r\n" + Ende + "\r\nSAPOS", std::nullopt},
        // Der Suchtext reicht über die Blockgrenze des Lesers; die Zeile kommt ganz zurück.
        Suchfall{"UeberBlockgrenze", "x\r\n" + Lang + "OBSERVER\r\n", Lang + "OBSERVER"},
        // Eine lange Trefferzeile kommt ganz zurück, auch mit dem Treffer hinter der Blockgrenze.
        Suchfall{"LangeTrefferzeileHinten", "x\r" + Lang + Lang + "OBSERVER" + Lang,
                 Lang + Lang + "OBSERVER" + Lang},
        Suchfall{"TrefferOhneZeilenende", "x\r\nOBSERVER", "OBSERVER"}),
    Fallname);

TEST(ErsteZeileMit, FehlendeDateiIstKeinTreffer) {
    TempLaufwerke l;
    EXPECT_EQ(ErsteZeileMit(*l.ds, u"fehlt.23o", u"OBSERVER"), std::nullopt);
}

} // namespace
