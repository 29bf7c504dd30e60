#pragma once
#include <exception>
#include <string>

// Laufzeitfehler mit der Nummer der deutschen Fehlertabelle (53 Datei nicht gefunden,
// 76 Pfad nicht gefunden, 70 Zugriff verweigert, 75 Pfad/Datei-Zugriffsfehler, 61 Datenträger
// voll, 58 Datei existiert bereits, 52 Dateiname falsch, 57 Geräte-E/A-Fehler, 62 Einlesen hinter
// Dateiende, 5 unzulässiger Aufruf, 6 Überlauf, 380 unzulässiger Eigenschaftswert).
class Laufzeitfehler : public std::exception {
public:
    explicit Laufzeitfehler(int nummer, std::string detail = {})
        : nummer_(nummer), detail_(std::move(detail)) {
        meldung_ = "Laufzeitfehler " + std::to_string(nummer_);
        if (!detail_.empty())
            meldung_ += ": " + detail_;
    }
    int nummer() const noexcept { return nummer_; }
    const std::string& detail() const noexcept { return detail_; }
    const char* what() const noexcept override { return meldung_.c_str(); }

private:
    int nummer_;
    std::string detail_;
    std::string meldung_;
};
