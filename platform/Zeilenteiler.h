#pragma once
#include "platform/Text.h"

#include <functional>
#include <string_view>

// Zerlegt eine Datei, die blockweise gelesen wird, in Zeilenstücke: CR LF oder ein einzelnes CR
// beenden eine Zeile, ein einzelnes LF bleibt im Zeilentext. Das LF eines CR LF darf im nächsten
// Block stehen. Jedes Stück ist nach Windows-1252 dekodiert.
class Zeilenteiler {
public:
    explicit Zeilenteiler(const std::function<bool(TextSicht, bool)>& jeStueck)
        : jeStueck_(jeStueck) {}
    // Nächster Block; false, sobald der Empfänger aufhören will.
    bool Block(std::string_view bytes);
    // Dateiende: eine angefangene Zeile ohne Zeilenende bekommt ihr Ende.
    void Ende();

private:
    const std::function<bool(TextSicht, bool)>& jeStueck_;
    bool nachCr_ = false;
    bool angefangen_ = false; // die Zeile hat schon Stücke ohne Ende bekommen
    Text stueck_;
};
