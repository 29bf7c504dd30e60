#pragma once
// Laufwerkszuordnung für POSIX-Hosts, gemeinsam für Kestrav, kestrav-cmd und vexlo-sim.
// Z: ist "/", C: liegt unter ${XDG_DATA_HOME:-$HOME/.local/share}/kestrav/c, jeder Buchstabe X
// lässt sich mit KESTRAV_LAUFWERK_X setzen.
#include "platform/Text.h"

#include <map>
#include <optional>
#include <string>

class Laufwerke {
public:
    // Zuordnung aus den Umgebungsvariablen mit den Vorgaben für C: und Z:.
    static Laufwerke AusUmgebung();

    void Setzen(char16_t buchstabe, std::string hostwurzel);
    // Host-Wurzel eines Laufwerks (Buchstabe ohne Rücksicht auf Groß-/Kleinschreibung).
    std::optional<std::string> Wurzel(char16_t buchstabe) const;

    // Windows-Pfad -> Host-Pfad. Relative Pfade gelten zu basis (Windows-Form, etwa "z:\home\u").
    // Jede Komponente wird ohne Rücksicht auf Groß-/Kleinschreibung aufgelöst, wenn es keinen
    // genauen Treffer gibt; "." und ".." werden aufgelöst. nullopt bei unbekanntem Laufwerk.
    std::optional<std::string> NachHost(TextSicht windowsPfad, TextSicht basis = u"") const;

    // Host-Pfad -> Windows-Pfad über die längste passende Laufwerkswurzel (sonst Z:),
    // Laufwerksbuchstabe klein, "\" als Trenner.
    Text AusHost(const std::string& hostpfad) const;

private:
    std::map<char16_t, std::string> wurzeln_;
};
