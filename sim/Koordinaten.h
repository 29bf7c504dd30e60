#pragma once
// Ausgabekoordinaten über PROJ: ETRS89/UTM Zone 32 mit Zonenkennziffer, ellipsoidische Höhe
// und Normalhöhe aus der EGM96-Geoidundulation (egm96_15.gtx aus proj-data).
#include "Geometrie.h"

#include <optional>
#include <string>

struct Lagekoordinaten {
    double rechtswert = 0; // Ostwert mit vorangestellter Zone: 32 500 000 m im Mittelmeridian
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

    std::optional<Lagekoordinaten> Utm32(const Vektor3& geozentrisch);
    // Normalhöhe = ellipsoidische Höhe - Geoidundulation; nullopt ohne Geoiddatei.
    std::optional<double> Normalhoehe(const Vektor3& geozentrisch);
    const std::string& Fehler() const { return fehler_; }

private:
    struct Zustand;
    Zustand* z_;
    std::string fehler_;
};

// Vollständiger Pfad der Geoiddatei in den Suchpfaden von PROJ (PROJ_DATA, PROJ_LIB, Vorgabe).
std::optional<std::string> GeoidGitterFinden();
