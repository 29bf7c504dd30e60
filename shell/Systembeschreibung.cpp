#include "shell/Systembeschreibung.h"

#include "platform/Laufzeitfehler.h"

namespace {

constexpr std::uint32_t SuiteEnterprise = 0x0002;
constexpr std::uint32_t SuiteDatacenter = 0x0080;
constexpr std::uint32_t SuitePersonal = 0x0200;
constexpr std::uint32_t SuiteBlade = 0x0400;
constexpr std::uint32_t SuiteStorageServer = 0x2000;
constexpr std::uint32_t SuiteComputeCluster = 0x4000;

constexpr int ArchitekturX86 = 0;
constexpr int ArchitekturItanium = 6;
constexpr int ArchitekturX64 = 9;

bool Arbeitsplatz(const Versionsdaten& d) {
    return d.produkttyp == 1;
}
bool Suite(const Versionsdaten& d, std::uint32_t bit) {
    return (d.suitemaske & bit) != 0;
}

// Nur NT 5.2 und NT 6 fragen die Architektur; dort ist eine verweigerte Abfrage ein Fehler.
int Architektur(const Versionsdaten& d) {
    if (d.wow64AbfrageVerweigert)
        throw Laufzeitfehler(5, "IsWow64Process");
    return d.prozessorarchitektur;
}

Text Bitbreite(int architektur) {
    if (architektur == ArchitekturX64)
        return u", 64-bit";
    if (architektur == ArchitekturX86)
        return u", 32-bit";
    return Text();
}

Text Windows9x(const Versionsdaten& d) {
    const auto build = d.build;
    if (d.nebenversion == 0) {
        if (build == 950)
            return u"Windows 95";
        if (build >= 951 && build <= 1080)
            return u"Windows 95 SP1";
        if (build > 1080)
            return u"Windows 95 OSR2";
    } else if (d.nebenversion == 10) {
        if (build == 1998)
            return u"Windows 98";
        if (build >= 1999 && build <= 2182)
            return u"Windows 98 SP1";
        if (build >= 2183)
            return u"Windows 98 SE";
    } else if (d.nebenversion == 90) {
        return u"Windows ME";
    }
    return Text();
}

Text Windows2000(const Versionsdaten& d) {
    if (Arbeitsplatz(d))
        return u"Windows 2000 Professional";
    if (Suite(d, SuiteDatacenter))
        return u"Windows 2000 Datacenter Server";
    if (Suite(d, SuiteEnterprise))
        return u"Windows 2000 Advanced Server";
    return u"Windows 2000 Server";
}

// XP fragt die Architektur nicht ab und gilt daher immer als 32 Bit.
Text WindowsXp(const Versionsdaten& d) {
    Text name;
    if (d.mediaCenter)
        name = u"Windows XP Media Center Edition";
    else if (d.starterEdition)
        name = u"Windows XP Starter Edition";
    else if (d.tabletPc)
        name = u"Windows XP Tablet PC Edition";
    else if (Suite(d, SuitePersonal))
        name = u"Windows XP Home Edition";
    else
        name = u"Windows XP Professional";
    return name + Bitbreite(ArchitekturX86);
}

Text Server2003Edition(const Versionsdaten& d, int architektur) {
    if (architektur == ArchitekturItanium) {
        if (Suite(d, SuiteDatacenter))
            return u"Datacenter Edition for Itanium-based Systems";
        if (Suite(d, SuiteEnterprise))
            return u"Enterprise Edition for Itanium-based Systems";
        return Text();
    }
    if (architektur == ArchitekturX64) {
        if (Suite(d, SuiteDatacenter))
            return u"Datacenter x64 Edition";
        if (Suite(d, SuiteEnterprise))
            return u"Enterprise x64 Edition";
        return u"Standard x64 Edition";
    }
    if (Suite(d, SuiteComputeCluster))
        return u"Compute Cluster Edition";
    if (Suite(d, SuiteDatacenter))
        return u"Datacenter Edition";
    if (Suite(d, SuiteEnterprise))
        return u"Enterprise Edition";
    if (Suite(d, SuiteBlade))
        return u"Web Edition";
    return u"Standard Edition";
}

Text WindowsServer2003(const Versionsdaten& d) {
    const int architektur = Architektur(d);
    Text name;
    if (d.serverR2)
        name = u"Windows Server 2003 R2, ";
    else if (d.suitemaske == SuiteStorageServer)
        name = u"Windows Storage Server 2003";
    else if (Arbeitsplatz(d) && architektur == ArchitekturX64)
        name = u"Windows XP Professional x64 Edition";
    else
        name = u"Windows Server 2003, ";
    if (!Arbeitsplatz(d))
        name += Server2003Edition(d, architektur);
    return name + Bitbreite(architektur);
}

Text Nt6Edition(std::uint32_t produktinfo) {
    switch (produktinfo) {
    case 1:
        return u"Ultimate Edition";
    case 2:
        return u"Home Basic Edition";
    case 3:
        return u"Home Premium Edition";
    case 4:
        return u"Enterprise Edition";
    case 6:
        return u"Business Edition";
    case 7:
        return u"Standard Edition";
    case 8:
        return u"Datacenter Edition";
    case 9:
        return u"Small Business Server";
    case 10:
        return u"Enterprise Edition";
    case 11:
        return u"Starter Edition";
    case 12:
        return u"Datacenter Edition (core installation)";
    case 13:
        return u"Standard Edition (core installation)";
    case 14:
        return u"Enterprise Edition (core installation)";
    case 15:
        return u"Enterprise Edition for Itanium-based Systems";
    case 17:
        return u"Web Server Edition";
    case 18:
        return u"Cluster Server Edition";
    case 25:
        return u"Small Business Server Premium Edition";
    default:
        return Text();
    }
}

// Unbekannte Nebenversionen (neuere Windows melden sich als 6.2) bekommen keinen Namen, aber
// Edition und Bitbreite.
Text WindowsNt6(const Versionsdaten& d) {
    Text name;
    if (d.nebenversion == 0)
        name = Arbeitsplatz(d) ? u"Windows Vista " : u"Windows Server 2008 ";
    else if (d.nebenversion == 1)
        name = Arbeitsplatz(d) ? u"Windows 7 " : u"Windows Server 2008 R2 ";
    name += Nt6Edition(d.produktinfo);
    return name + Bitbreite(Architektur(d));
}

Text WindowsNt(const Versionsdaten& d) {
    switch (d.hauptversion) {
    case 3:
        return u"Windows NT 3.x";
    case 4:
        return u"Windows NT 4.x";
    case 5:
        if (d.nebenversion == 0)
            return Windows2000(d);
        if (d.nebenversion == 1)
            return WindowsXp(d);
        if (d.nebenversion == 2)
            return WindowsServer2003(d);
        return Text();
    case 6:
        return WindowsNt6(d);
    default:
        return Text();
    }
}

Text Grundbeschreibung(const Versionsdaten& d) {
    switch (d.plattform) {
    case 0:
        return u"Windows 3.1";
    case 1:
        return Windows9x(d);
    case 2:
        return WindowsNt(d);
    case 3:
        return u"Windows CE";
    default:
        return Text();
    }
}

} // namespace

Text Systembeschreibung(const Versionsdaten& daten) {
    Text beschreibung = Grundbeschreibung(daten);
    const Text servicepack = daten.servicepack.substr(0, daten.servicepack.find(u'\0'));
    if (!servicepack.empty())
        beschreibung += u" (" + servicepack + u")";
    return beschreibung;
}
