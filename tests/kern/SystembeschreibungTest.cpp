#include "shell/Systembeschreibung.h"
#include "platform/Laufzeitfehler.h"

#include <gtest/gtest.h>

namespace {

constexpr int NT = 2;
constexpr int Arbeitsplatz = 1;
constexpr int Server = 3;
constexpr int X86 = 0;
constexpr int Itanium = 6;
constexpr int X64 = 9;

struct Fall {
    const char* name;
    Versionsdaten daten;
    const char16_t* beschreibung;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class SystembeschreibungTest : public ::testing::TestWithParam<Fall> {};

TEST_P(SystembeschreibungTest, Beschreibung) {
    EXPECT_EQ(Systembeschreibung(GetParam().daten), Text(GetParam().beschreibung));
}

INSTANTIATE_TEST_SUITE_P(
    Versionen, SystembeschreibungTest,
    ::testing::Values(Fall{"XpSp3",
                           {.plattform = NT,
                            .hauptversion = 5,
                            .nebenversion = 1,
                            .build = 2600,
                            .servicepack = u"Service Pack 3",
                            .produkttyp = Arbeitsplatz,
                            .suitemaske = 0x100,
                            .prozessorarchitektur = X64},
                           u"Windows XP Professional, 32-bit (Service Pack 3)"},
                      Fall{"XpHomeVorMediaCenter",
                           {.plattform = NT,
                            .hauptversion = 5,
                            .nebenversion = 1,
                            .produkttyp = Arbeitsplatz,
                            .suitemaske = 0x200,
                            .tabletPc = 1,
                            .mediaCenter = 1},
                           u"Windows XP Media Center Edition, 32-bit"},
                      Fall{"Windows7ProfessionalOhneTabellenzeile",
                           {.plattform = NT,
                            .hauptversion = 6,
                            .nebenversion = 1,
                            .build = 7601,
                            .servicepack = u"Service Pack 1",
                            .produkttyp = Arbeitsplatz,
                            .prozessorarchitektur = X64,
                            .produktinfo = 48},
                           u"Windows 7 , 64-bit (Service Pack 1)"},
                      Fall{"Windows7Ultimate",
                           {.plattform = NT,
                            .hauptversion = 6,
                            .nebenversion = 1,
                            .servicepack = u"Service Pack 1",
                            .produkttyp = Arbeitsplatz,
                            .prozessorarchitektur = X64,
                            .produktinfo = 1},
                           u"Windows 7 Ultimate Edition, 64-bit (Service Pack 1)"},
                      Fall{"Server2008CoreX86",
                           {.plattform = NT,
                            .hauptversion = 6,
                            .nebenversion = 0,
                            .produkttyp = Server,
                            .prozessorarchitektur = X86,
                            .produktinfo = 12},
                           u"Windows Server 2008 Datacenter Edition (core installation), 32-bit"},
                      Fall{"NeueresWindowsAls62",
                           {.plattform = NT,
                            .hauptversion = 6,
                            .nebenversion = 2,
                            .build = 9200,
                            .produkttyp = Arbeitsplatz,
                            .prozessorarchitektur = X64,
                            .produktinfo = 4},
                           u"Enterprise Edition, 64-bit"},
                      Fall{"Windows2000OhneBitbreite",
                           {.plattform = NT,
                            .hauptversion = 5,
                            .nebenversion = 0,
                            .servicepack = u"Service Pack 4",
                            .produkttyp = Arbeitsplatz,
                            .prozessorarchitektur = X86},
                           u"Windows 2000 Professional (Service Pack 4)"},
                      Fall{"Windows2000Datacenter",
                           {.plattform = NT,
                            .hauptversion = 5,
                            .nebenversion = 0,
                            .produkttyp = Server,
                            .suitemaske = 0x0082},
                           u"Windows 2000 Datacenter Server"},
                      Fall{"XpProfessionalX64",
                           {.plattform = NT,
                            .hauptversion = 5,
                            .nebenversion = 2,
                            .servicepack = u"Service Pack 2",
                            .produkttyp = Arbeitsplatz,
                            .prozessorarchitektur = X64},
                           u"Windows XP Professional x64 Edition, 64-bit (Service Pack 2)"},
                      Fall{"Server2003R2EnterpriseX64",
                           {.plattform = NT,
                            .hauptversion = 5,
                            .nebenversion = 2,
                            .produkttyp = Server,
                            .suitemaske = 0x0002,
                            .serverR2 = 1,
                            .prozessorarchitektur = X64},
                           u"Windows Server 2003 R2, Enterprise x64 Edition, 64-bit"},
                      Fall{"Server2003WebEditionX86",
                           {.plattform = NT,
                            .hauptversion = 5,
                            .nebenversion = 2,
                            .produkttyp = Server,
                            .suitemaske = 0x0400,
                            .prozessorarchitektur = X86},
                           u"Windows Server 2003, Web Edition, 32-bit"},
                      Fall{"Server2003ItaniumOhneEditionOhneBitbreite",
                           {.plattform = NT,
                            .hauptversion = 5,
                            .nebenversion = 2,
                            .produkttyp = Server,
                            .prozessorarchitektur = Itanium},
                           u"Windows Server 2003, "},
                      Fall{"StorageServerNurBeiGenauDiesemBit",
                           {.plattform = NT,
                            .hauptversion = 5,
                            .nebenversion = 2,
                            .produkttyp = Server,
                            .suitemaske = 0x2000,
                            .prozessorarchitektur = X86},
                           u"Windows Storage Server 2003Standard Edition, 32-bit"},
                      Fall{"Windows98Se",
                           {.plattform = 1,
                            .hauptversion = 4,
                            .nebenversion = 10,
                            .build = 2222,
                            .servicepack = u" A"},
                           u"Windows 98 SE ( A)"},
                      Fall{"ServicepackEndetAmNul",
                           {.plattform = 3, .servicepack = Text(u"SP 2\0Rest", 9)},
                           u"Windows CE (SP 2)"},
                      Fall{"UnbekanntBleibtLeer", {.plattform = NT, .hauptversion = 10}, u""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Systembeschreibung, VerweigerteArchitekturabfrageIstEinFehlerNurWoSieGebrauchtWird) {
    Versionsdaten w7{.plattform = NT,
                     .hauptversion = 6,
                     .nebenversion = 1,
                     .produkttyp = Arbeitsplatz,
                     .prozessorarchitektur = X64,
                     .wow64AbfrageVerweigert = true};
    EXPECT_THROW(Systembeschreibung(w7), Laufzeitfehler);
    Versionsdaten s2003{.plattform = NT,
                        .hauptversion = 5,
                        .nebenversion = 2,
                        .produkttyp = Server,
                        .wow64AbfrageVerweigert = true};
    EXPECT_THROW(Systembeschreibung(s2003), Laufzeitfehler);
    // XP fragt die Architektur nicht.
    Versionsdaten xp{.plattform = NT,
                     .hauptversion = 5,
                     .nebenversion = 1,
                     .produkttyp = Arbeitsplatz,
                     .wow64AbfrageVerweigert = true};
    EXPECT_EQ(Systembeschreibung(xp), Text(u"Windows XP Professional, 32-bit"));
}

} // namespace
