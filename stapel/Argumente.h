#pragma once
#include <optional>
#include <string>
#include <vector>

struct Stapelargumente {
    std::optional<std::string> observer;
    std::vector<std::string> referenzen;
    bool ja = false;
    bool anzeigen = false;
    bool hilfe = false;
    long zeitlimit = 0; // Sekunden je Punkt, 0 = keins
    std::string einstellungen;
    std::string pfad;
};

// Liest die Befehlszeile; bei einem Fehler steht der deutsche Grund in fehler.
std::optional<Stapelargumente> ArgumenteLesen(const std::vector<std::string>& argumente,
                                              std::string& fehler);

extern const char* const STAPEL_HILFE;
