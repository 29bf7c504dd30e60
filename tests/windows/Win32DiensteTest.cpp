// Die Win32-Dienste gegen echte Dateien in einem Temp-Ordner: Fehlernummern, Reihenfolge der
// Auflistung, Bytes, Sperre, Papierkorb und Prozesse.
#include "hilfen/TempVerzeichnis.h"
#include "hilfen/TestUmgebung.h"
#include "platform/Laufzeitfehler.h"
#include "platform/win32/Win32Dateisystem.h"
#include "platform/win32/Win32Papierkorb.h"
#include "platform/win32/Win32Prozesse.h"
#include "platform/win32/Win32Sperren.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace fs = std::filesystem;

class Win32Dienste : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(temp / "ordner.23o");
        BytesSchreiben(temp / "da.txt", "x");
        BytesSchreiben(temp / "ziel.txt", "y");
        BytesSchreiben(temp / "fest.txt", "z");
        fs::permissions(temp / "fest.txt",
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    void TearDown() override {
        fs::permissions(temp / "fest.txt", fs::perms::owner_write, fs::perm_options::add);
    }
    Text P(const std::string& name) const { return (temp / name).u16string(); }
    int Nummer(const std::function<void()>& schritt) {
        try {
            schritt();
        } catch (const Laufzeitfehler& f) {
            return f.nummer();
        }
        return 0;
    }

    TempVerzeichnis temp;
    Win32Dateisystem ds;
};

TEST_F(Win32Dienste, FehlernummernWieUnterPosix) {
    const std::tuple<const char*, std::function<void()>, int> faelle[] = {
        {"fehlende Datei", [&] { ds.Lesen(P("fehlt.txt")); }, 53},
        {"fehlendes Verzeichnis", [&] { ds.Lesen(P("weg\\a.txt")); }, 76},
        {"Verzeichnis lesen", [&] { ds.Lesen(P("ordner.23o")); }, 75},
        {"schreibgeschützt löschen", [&] { ds.Loeschen(P("fest.txt")); }, 70},
        {"schreibgeschützt schreiben", [&] { ds.Schreiben(P("fest.txt"), u"a", false); }, 70},
        {"schreibgeschützt ersetzen", [&] { ds.SicherErsetzen(P("fest.txt"), u"a"); }, 70},
        {"Ziel vorhanden", [&] { ds.Umbenennen(P("da.txt"), P("ziel.txt")); }, 58},
        {"Quelle fehlt", [&] { ds.Umbenennen(P("fehlt.txt"), P("neu.txt")); }, 53},
        {"Doppelpunkt im Namen", [&] { ds.Schreiben(P("a") + u":b.txt", u"a", false); }, 52},
        {"Muster ohne Treffer", [&] { ds.Loeschen(P("*.xyz")); }, 53},
        {"Muster im fehlenden Verzeichnis", [&] { ds.Loeschen(P("weg\\*.txt")); }, 76},
        {"Verzeichnis löschen", [&] { ds.Loeschen(P("ordner.23o")); }, 53},
    };
    for (const auto& [fall, schritt, nummer] : faelle)
        EXPECT_EQ(Nummer(schritt), nummer) << fall;
    EXPECT_EQ(BytesLesen(temp / "fest.txt"), "z");
    EXPECT_EQ(BytesLesen(temp / "ziel.txt"), "y");
}

// Großformen Einheit für Einheit, Punktnamen und Verzeichnisse nie, das Muster nie über den
// 8.3-Kurznamen (LANG~1.23O passte zu "*.??o").
TEST_F(Win32Dienste, AuflistungInNtfsOrdnung) {
    for (const char* name : {"np_", "NPB", "npa", "np^", "x.23o", "lang.23obs", ".punkt"})
        BytesSchreiben(temp / name, "");
    EXPECT_EQ(ds.Auflisten(P("*")),
              (std::vector<Text>{u"da.txt", u"fest.txt", u"lang.23obs", u"npa", u"NPB", u"np^",
                                 u"np_", u"x.23o", u"ziel.txt"}));
    EXPECT_EQ(ds.Auflisten(P("*.??o")), std::vector<Text>{u"x.23o"});
    EXPECT_EQ(ds.Auflisten(P("weg\\*")), std::vector<Text>{});
}

TEST_F(Win32Dienste, Windows1252MitCrLfUndZeilen) {
    ds.Schreiben(P("t.txt"), u"Höhe €\r\n", false);
    ds.Schreiben(P("t.txt"), u"a\rb\nc", true);
    EXPECT_EQ(BytesLesen(temp / "t.txt"), "H\xF6he \x80\r\na\rb\nc");
    std::vector<Text> zeilen;
    ds.ZeilenLesen(P("t.txt"), [&](const Text& z) { return zeilen.push_back(z), true; });
    EXPECT_EQ(zeilen, (std::vector<Text>{u"Höhe €", u"a", u"b\nc"}));
    ds.SicherErsetzen(P("t.txt"), u"neu\r\n");
    EXPECT_EQ(ds.Lesen(P("t.txt")), u"neu\r\n");
    EXPECT_EQ(ds.Auflisten(P("*.tmp")), std::vector<Text>{});
}

TEST_F(Win32Dienste, SperreGiltAuchImSelbenProzessUndVerschwindet) {
    Win32Sperren sperren;
    auto erste = sperren.Nehmen(temp.Pfad().u16string());
    ASSERT_NE(erste, nullptr);
    EXPECT_EQ(sperren.Nehmen(temp.Pfad().u16string()), nullptr);
    EXPECT_EQ(ds.Auflisten(P("*")).size(), 3u); // die Sperrdatei ist versteckt
    erste.reset();
    EXPECT_FALSE(fs::exists(temp / ".kestrav-lauf"));
    EXPECT_NE(sperren.Nehmen(temp.Pfad().u16string()), nullptr);
}

TEST_F(Win32Dienste, PapierkorbNimmtDieDatei) {
    Win32Papierkorb korb;
    ASSERT_TRUE(korb.Moeglich(P("da.txt")));
    korb.Verschieben(P("da.txt"));
    EXPECT_FALSE(fs::exists(temp / "da.txt"));
    EXPECT_FALSE(korb.Moeglich(P("da.txt")));
    EXPECT_EQ(Nummer([&] { korb.Verschieben(P("da.txt")); }), 53);
}

TEST_F(Win32Dienste, StapelLaeuftWartetUndEndet) {
    Win32Prozesse prozesse;
    ds.VerzeichnisWechseln(temp.Pfad().u16string());
    ds.LaufwerkWechseln(temp.Pfad().u16string());
    ds.Schreiben(P("lauf.bat"), u"@ping -n 2 127.0.0.1 > nul\r\n@exit /b 7\r\n", false);
    const int id = prozesse.StapelStarten(u"lauf.bat", Fensterstil::MinimiertOhneFokus);
    EXPECT_EQ(prozesse.Exitcode(id), NOCH_AKTIV);
    for (int i = 0; i < 300 && prozesse.Exitcode(id) == NOCH_AKTIV; ++i)
        prozesse.WarteAufEnde(id, 100);
    EXPECT_EQ(prozesse.Exitcode(id), 7);

    // Die Elternwache beendet den Stapel samt ping.
    prozesse.ElternwacheSetzen(true);
    ds.Schreiben(P("lang.bat"), u"@ping -n 30 127.0.0.1 > nul\r\n", false);
    const int lang = prozesse.StapelStarten(u"lang.bat", Fensterstil::MinimiertOhneFokus);
    prozesse.StapelBeenden(lang, 5000);
    EXPECT_NE(prozesse.Exitcode(lang), NOCH_AKTIV);
}

TEST(Win32Stapelzeile, BefehlszeichenVonCmdSindUnsicher) {
    Win32Prozesse prozesse;
    for (TextSicht name : {u"a&b.23o", u"a|b", u"a<b", u"a>b", u"a^b", u"%PATH%.23o", u"a!b",
                           u"(a).23o", u"a\tb", u"a\u007Fb"})
        EXPECT_FALSE(prozesse.InStapelzeileSicher(name)) << NachUtf8(name);
    for (TextSicht name : {u"np012830.23o", u"Höhe 1;$x.23o", u"a'b,c=d.23o"})
        EXPECT_TRUE(prozesse.InStapelzeileSicher(name)) << NachUtf8(name);
}

// Mit den Prozessen von Windows kommen solche Namen nie in die Neupunktliste, also nie in eine
// Stapeldatei.
TEST(Win32Stapelzeile, BefehlszeichenImNamenErreichenDieListeNicht) {
    TestUmgebung u;
    Win32Prozesse prozesse;
    Umgebung umgebung{*u.datei,         prozesse, u.schleife,    u.dialoge,
                      u.programmdienst, u.system, *u.papierkorb, *u.sperren};
    for (const char* name :
         {"np012830.23o", "x&echo PWNED2830.23o", "%PATH%2830.23o", "(a)!2830.23o"})
        u.Arbeitsdatei(name, "");
    u.InsArbeitsverzeichnis();
    Basisformular form(umgebung);
    form.ResetRINEX.Klicken();
    EXPECT_EQ(form.Neupunkte.Eintraege(), std::vector<Text>{u"np012830.23o"});
}
