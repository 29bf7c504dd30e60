#include "station/Zeilensuche.h"
#include "TempLaufwerke.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

TEST(ErsteZeileMit, ErsteZeileMitObserver) {
    TempLaufwerke l;
    EXPECT_EQ(ErsteZeileMit(*l.ds, u"fehlt.23o", u"OBSERVER"), std::nullopt);
    // Knapp unter einem Leseblock (64 KiB): Treffer und Zeilen reichen über dessen Grenzen.
    const std::string lang(64 * 1024 - 3, ' ');
    const std::string langerTreffer = lang + lang + "OBSERVER" + lang;
    using F = std::tuple<const char*, std::string, std::optional<std::string>>;
    for (const auto& [name, bytes, erwartet] :
         {F{"EinzelnesCr", "VERSION\rOBSERVER / AGENCY\rEND OF HEADER", "OBSERVER / AGENCY"},
          // In RINEX-Dateien beendet auch LF allein eine Zeile.
          F{"ErsteVonZwei", "OBSERVER 1\nx\r\nOBSERVER 2\r\n", "OBSERVER 1"},
          F{"LangeLfZeileHinten", "x\n" + langerTreffer + "\nSAPOS\n", langerTreffer},
          // Ohne OBSERVER zählt auch die letzte Zeile nicht, was immer sie enthält.
          F{"OhneObserver", "VERSION\r\nEND OF HEADER\r\nSAPOS", std::nullopt},
          F{"UeberBlockgrenze", "x\r\n" + lang + "OBSERVER\r\n", lang + "OBSERVER"},
          F{"LangeTrefferzeileHinten", "x\r" + langerTreffer, langerTreffer},
          F{"TrefferOhneZeilenende", "x\r\nOBSERVER\xE4", "OBSERVER\xE4"}}) {
        BytesSchreiben(l.c / "a.23o", bytes);
        EXPECT_EQ(ErsteZeileMit(*l.ds, u"a.23o", u"OBSERVER"),
                  erwartet ? std::optional(AusWindows1252(*erwartet)) : std::nullopt)
            << name;
    }
}
