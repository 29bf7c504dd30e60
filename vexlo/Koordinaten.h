#pragma once
// Ausgabekoordinaten über PROJ: ETRS89/UTM in einer Zone je Lauf mit Zonenkennziffer,
// ellipsoidische Höhe und Normalhöhe aus einem Höhenbezugsgitter (Geoid oder Quasigeoid).
#include "Geometrie.h"

#include <optional>
#include <string>
#include <vector>

struct Lagekoordinaten {
    double rechtswert = 0; // Ostwert mit vorangestellter Zone: 32 500 000 m im Mittelmeridian
                           // der Zone 32
    double hochwert = 0;
    double hoehe = 0; // ellipsoidisch (GRS80)
};

inline constexpr const char* kGeoidGitter = "egm96_15.gtx";

class Koordinatenrechner {
public:
    Koordinatenrechner();
    ~Koordinatenrechner();
    Koordinatenrechner(const Koordinatenrechner&) = delete;
    Koordinatenrechner& operator=(const Koordinatenrechner&) = delete;

    // zone 1 bis 60; nullopt, wenn der Punkt in dieser Zone nicht darstellbar ist.
    std::optional<Lagekoordinaten> Utm(const Vektor3& geozentrisch, int zone);
    // Normalhöhe = ellipsoidische Höhe - Undulation aus gitter; nullopt ohne lesbares Gitter.
    std::optional<double> Normalhoehe(const Vektor3& geozentrisch, const std::string& gitter);
    const std::string& Fehler() const { return fehler_; }

private:
    struct Zustand;
    Zustand* z_;
    std::string fehler_;
};

// Vollständiger Pfad von egm96_15.gtx in den Suchpfaden von PROJ (PROJ_DATA, PROJ_LIB, Vorgabe).
std::optional<std::string> GeoidGitterFinden();

// Zone eines Laufs: die der mittleren Länge der Referenzen (Grad Ost), 1 bis 60.
int UtmZone(double laengeGrad);
// Die Zone steht als Kommentar in der virtuellen Station, damit Bo sie ohne die Referenzen kennt.
std::string ZonenKommentar(int zone);
// 0, wenn keiner der Kommentare eine gültige Zone nennt.
int ZoneAusKommentaren(const std::vector<std::string>& kommentare);
