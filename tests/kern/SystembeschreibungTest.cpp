#include "shell/Systembeschreibung.h"
#include "platform/Laufzeitfehler.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

// Produkttypen und Prozessorarchitekturen, wie die Versionsfunktionen sie liefern.
enum { Arbeitsplatz = 1, Server = 3, X86 = 0, Itanium = 6, X64 = 9 };

Versionsdaten NT(int haupt, int neben, int typ, int architektur, std::uint32_t suite = 0,
                 std::uint32_t produktinfo = 0, Text servicepack = {}) {
    return {.plattform = 2,
            .hauptversion = haupt,
            .nebenversion = neben,
            .servicepack = servicepack,
            .produkttyp = typ,
            .suitemaske = suite,
            .prozessorarchitektur = architektur,
            .produktinfo = produktinfo};
}

template <class T> Versionsdaten Mit(Versionsdaten d, T Versionsdaten::*feld, T wert) {
    d.*feld = wert;
    return d;
}

// Stichproben der Zweige, die am leichtesten falsch werden: Reihenfolge der Prüfungen,
// fehlende Tabellenzeilen, Kommata und Leerzeichen an den Nahtstellen. nullopt: Laufzeitfehler.
TEST(Systembeschreibung, Stichproben) {
    constexpr auto verweigert = &Versionsdaten::wow64AbfrageVerweigert;
    const std::pair<Versionsdaten, std::optional<Text>> faelle[] = {
        {NT(5, 1, Arbeitsplatz, X64, 0x100, 0, u"Service Pack 3"),
         u"Windows XP Professional, 32-bit (Service Pack 3)"},
        {Mit(Mit(NT(5, 1, Arbeitsplatz, X86, 0x200), &Versionsdaten::tabletPc, 1),
             &Versionsdaten::mediaCenter, 1),
         u"Windows XP Media Center Edition, 32-bit"},
        {NT(6, 1, Arbeitsplatz, X64, 0, 48, u"Service Pack 1"),
         u"Windows 7 , 64-bit (Service Pack 1)"},
        {Mit(NT(5, 2, Server, X64, 0x0002), &Versionsdaten::serverR2, 1),
         u"Windows Server 2003 R2, Enterprise x64 Edition, 64-bit"},
        {NT(5, 2, Server, Itanium), u"Windows Server 2003, "},
        {{.plattform = 3, .servicepack = Text(u"SP 2\0Rest", 9)}, u"Windows CE (SP 2)"},
        {NT(10, 0, Arbeitsplatz, X64), u""},
        // Eine verweigerte Architekturabfrage ist nur ein Fehler, wo sie gebraucht wird (XP fragt
        // nicht).
        {Mit(NT(6, 1, Arbeitsplatz, X64), verweigert, true), std::nullopt},
        {Mit(NT(5, 2, Server, X86), verweigert, true), std::nullopt},
        {Mit(NT(5, 1, Arbeitsplatz, X86), verweigert, true), u"Windows XP Professional, 32-bit"},
    };
    for (std::size_t i = 0; i < std::size(faelle); ++i) {
        if (faelle[i].second)
            EXPECT_EQ(Systembeschreibung(faelle[i].first), *faelle[i].second) << i;
        else
            EXPECT_THROW(Systembeschreibung(faelle[i].first), Laufzeitfehler) << i;
    }
}

} // namespace
