#include "Antex.h"

#include "Felder.h"
#include "Formatiert.h"
#include "Textdatei.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

std::string Kopf(std::string inhalt, const char* beschriftung) {
    inhalt.resize(60, ' ');
    inhalt += beschriftung;
    return inhalt;
}

std::string Spalte(const std::string& text, std::size_t breite) {
    std::string s = text.substr(0, breite);
    s.resize(breite, ' ');
    return s;
}

// Erfundene, glatte Richtungsabhängigkeit: einige Millimeter, zum Horizont hin wachsend.
std::string Zenitwerte(double staerke) {
    std::string zeile = "   NOAZI";
    for (int i = 0; i <= 18; ++i) {
        const double zenit = 5.0 * i;
        const double wert = -staerke * std::sin(zenit * std::numbers::pi / 180.0) * (zenit / 90.0);
        zeile += Formatiert("%8.2f", wert);
    }
    return zeile;
}

void FrequenzSchreiben(std::vector<std::string>& z, const char* frequenz, double nord, double ost,
                       double hoehe, double staerke) {
    z.push_back(Kopf(Formatiert("   %s", frequenz), "START OF FREQUENCY"));
    z.push_back(Kopf(Formatiert("%10.2f%10.2f%10.2f", nord, ost, hoehe), "NORTH / EAST / UP"));
    z.push_back(Zenitwerte(staerke));
    z.push_back(Kopf(Formatiert("   %s", frequenz), "END OF FREQUENCY"));
}

} // namespace

std::string AntennentypMitRadom(const std::string& typ) {
    std::string t = typ;
    if (OhneRand(Feld(t, 17, 4)).empty()) {
        t = Spalte(t, 16) + "NONE";
    }
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    return t;
}

std::optional<std::set<std::string>> AntexAntennenLesen(const std::string& name) {
    const Dateiinhalt datei(name);
    if (!datei.Gelesen())
        return std::nullopt;
    std::set<std::string> antennen;
    Zeilenleser zeilen(datei.Inhalt());
    std::string_view z;
    while (zeilen.Naechste(z)) {
        // Satellitenantennen stehen mit darin; ihre Typen gleichen keinem Empfängertyp.
        if (Beschriftung(z) != "TYPE / SERIAL NO")
            continue;
        std::string typ(Feld(z, 1, 20));
        antennen.insert(AntennentypMitRadom(typ));
    }
    return antennen;
}

std::vector<std::string> AntexZeilen(const std::vector<Antennenmodell>& antennen,
                                     const std::string& datum) {
    std::vector<std::string> z;
    z.push_back(Kopf("     1.4            M", "ANTEX VERSION / SYST"));
    z.push_back(Kopf("A", "PCV TYPE / REFANT"));
    z.push_back(Kopf("SYNTHETISCHE WERTE VON VEXLO-SIM, KEINE KALIBRIERUNG", "COMMENT"));
    z.push_back(Kopf("NUR FUER DIE KESTRAV-DEMODATEN", "COMMENT"));
    z.push_back(Kopf("", "END OF HEADER"));
    for (const Antennenmodell& a : antennen) {
        z.push_back(Kopf("", "START OF ANTENNA"));
        z.push_back(Kopf(Spalte(a.typ, 20), "TYPE / SERIAL NO"));
        z.push_back(Kopf(Spalte("FIELD", 20) + Spalte("VEXLO-SIM", 20) + "     0    " + datum,
                         "METH / BY / # / DATE"));
        z.push_back(Kopf("     0.0", "DAZI"));
        z.push_back(Kopf("     0.0  90.0   5.0", "ZEN1 / ZEN2 / DZEN"));
        z.push_back(Kopf("     2", "# OF FREQUENCIES"));
        FrequenzSchreiben(z, "G01", a.nordL1, a.ostL1, a.hoeheL1, 3.0);
        FrequenzSchreiben(z, "G02", a.nordL2, a.ostL2, a.hoeheL2, 4.5);
        z.push_back(Kopf("", "END OF ANTENNA"));
    }
    return z;
}
