#include "Koordinaten.h"

#include "ProjBibliothek.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

// Wie PROJ selbst EPSG:4978 nach EPSG:258zz rechnet: ohne Datumsübergang (WGS84 = ETRS89).
std::string UtmPipeline(int zone) {
    return "+proj=pipeline +step +inv +proj=cart +ellps=WGS84 +step +proj=utm +zone=" +
           std::to_string(zone) + " +ellps=GRS80";
}

constexpr const char* kZonenText = "UTM-ZONE ";

// Ohne Suchpfad lädt PROJ seine Datenbank nicht; sie wird für Pipelines nicht gebraucht und
// kostete je Aufruf mehr als die ganze übrige Rechnung.
constexpr const char* kKeinSuchpfad = "/nonexistent/vexlo-sim";

std::vector<std::string> Suchpfade() {
    std::vector<std::string> pfade;
    for (const char* variable : {"PROJ_DATA", "PROJ_LIB"}) {
        if (const char* wert = std::getenv(variable)) {
            std::string rest = wert;
            std::size_t anfang = 0;
            while (anfang <= rest.size()) {
                const std::size_t ende = rest.find(':', anfang);
                const std::string teil = rest.substr(anfang, ende - anfang);
                if (!teil.empty())
                    pfade.push_back(teil);
                if (ende == std::string::npos)
                    break;
                anfang = ende + 1;
            }
        }
    }
    pfade.push_back(VEXLO_PROJ_DATENVERZEICHNIS);
    return pfade;
}

} // namespace

std::optional<std::string> GeoidGitterFinden() {
    std::error_code fehler;
    for (const std::string& pfad : Suchpfade()) {
        const std::filesystem::path datei = std::filesystem::path(pfad) / kGeoidGitter;
        if (std::filesystem::is_regular_file(datei, fehler))
            return datei.string();
    }
    return std::nullopt;
}

struct Koordinatenrechner::Zustand {
    const ProjBibliothek* proj = nullptr;
    PJ_CONTEXT* kontext = nullptr;
    PJ* utm = nullptr;
    int utmZone = 0;
    PJ* geoid = nullptr;
    std::string geoidGitter;
};

Koordinatenrechner::Koordinatenrechner() : z_(new Zustand) {
    z_->proj = ProjLaden();
    if (!z_->proj) {
        fehler_ = std::string("PROJ library ") + VEXLO_PROJ_BIBLIOTHEK + " not available";
        return;
    }
    const ProjBibliothek& p = *z_->proj;
    z_->kontext = p.context_create();
    // Die fehlende Datenbank meldet PROJ sonst auf stderr, obwohl sie nicht gebraucht wird;
    // PROJ 9.1 meldet das über den Standardkontext, daher beide.
    for (PJ_CONTEXT* k : {z_->kontext, static_cast<PJ_CONTEXT*>(nullptr)})
        p.log_func(k, nullptr, [](void*, int, const char*) {});
    const char* pfad = kKeinSuchpfad;
    p.context_set_search_paths(z_->kontext, 1, &pfad);
}

Koordinatenrechner::~Koordinatenrechner() {
    if (z_->proj) {
        if (z_->geoid)
            z_->proj->destroy(z_->geoid);
        if (z_->utm)
            z_->proj->destroy(z_->utm);
        z_->proj->context_destroy(z_->kontext);
    }
    delete z_;
}

namespace {
PJ_COORD Koordinate(const Vektor3& x) {
    PJ_COORD c;
    c.v[0] = x[0];
    c.v[1] = x[1];
    c.v[2] = x[2];
    c.v[3] = 0;
    return c;
}
} // namespace

std::optional<Lagekoordinaten> Koordinatenrechner::Utm(const Vektor3& x, int zone) {
    if (!z_->proj)
        return std::nullopt;
    if (zone < 1 || zone > 60) {
        fehler_ = "invalid UTM zone " + std::to_string(zone);
        return std::nullopt;
    }
    if (z_->utm && z_->utmZone != zone) {
        z_->proj->destroy(z_->utm);
        z_->utm = nullptr;
    }
    if (!z_->utm) {
        z_->utm = z_->proj->create(z_->kontext, UtmPipeline(zone).c_str());
        z_->utmZone = zone;
    }
    if (!z_->utm) {
        fehler_ = "PROJ cannot set up the UTM transformation";
        return std::nullopt;
    }
    const PJ_COORD ergebnis = z_->proj->trans(z_->utm, PJ_FWD, Koordinate(x));
    const double ost = ergebnis.xyz.x;
    const double nord = ergebnis.xyz.y;
    const double hoehe = ergebnis.xyz.z;
    if (!std::isfinite(ost) || !std::isfinite(nord) || !std::isfinite(hoehe) || ost <= 0 ||
        ost >= 1'000'000.0) {
        fehler_ = "position cannot be expressed in UTM zone " + std::to_string(zone);
        return std::nullopt;
    }
    return Lagekoordinaten{zone * 1'000'000.0 + ost, nord, hoehe};
}

std::optional<double> Koordinatenrechner::Normalhoehe(const Vektor3& x, const std::string& gitter) {
    if (!z_->proj)
        return std::nullopt;
    if (z_->geoidGitter != gitter) {
        if (z_->geoid)
            z_->proj->destroy(z_->geoid);
        z_->geoidGitter = gitter;
        // Leerzeichen trennten in der Pipeline die Angaben; ein solcher Pfad bleibt ungenutzt.
        const std::string pipeline = "+proj=pipeline +step +inv +proj=cart +ellps=WGS84 "
                                     "+step +proj=vgridshift +multiplier=-1 +grids=" +
                                     gitter;
        z_->geoid = gitter.find_first_of(" \t") == std::string::npos
                        ? z_->proj->create(z_->kontext, pipeline.c_str())
                        : nullptr;
    }
    if (!z_->geoid) {
        fehler_ = "geoid model " + gitter + " not available";
        return std::nullopt;
    }
    const PJ_COORD ergebnis = z_->proj->trans(z_->geoid, PJ_FWD, Koordinate(x));
    if (!std::isfinite(ergebnis.xyz.z)) {
        fehler_ = "position outside the geoid model";
        return std::nullopt;
    }
    return ergebnis.xyz.z;
}

int UtmZone(double laengeGrad) {
    const double l = std::fmod(std::fmod(laengeGrad + 180.0, 360.0) + 360.0, 360.0);
    return std::clamp(static_cast<int>(l / 6.0) + 1, 1, 60);
}

std::string ZonenKommentar(int zone) {
    return kZonenText + std::to_string(zone);
}

int ZoneAusKommentaren(const std::vector<std::string>& kommentare) {
    for (const std::string& k : kommentare) {
        if (k.rfind(kZonenText, 0) != 0)
            continue;
        const std::string rest = k.substr(std::string_view(kZonenText).size());
        if (rest.size() < 1 || rest.size() > 2 ||
            rest.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const int zone = std::stoi(rest);
        if (zone >= 1 && zone <= 60)
            return zone;
    }
    return 0;
}
