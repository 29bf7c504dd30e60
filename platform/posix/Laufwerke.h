#pragma once
// Laufwerkszuordnung für POSIX-Hosts, gemeinsam für Kestrav, kestrav-cmd und vexlo-sim.
// Z: ist "/", C: liegt unter ${XDG_DATA_HOME:-$HOME/.local/share}/kestrav/c, jeder Buchstabe X
// lässt sich mit KESTRAV_LAUFWERK_X setzen.
#include "platform/Text.h"
#include "platform/Windowspfad.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

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

    // Ein Host-Verzeichnis, wie Dateidialog oder Befehlszeile es genannt haben. Die Logik schreibt
    // Arbeits- und Programmverzeichnis klein; liegen "CASE/Tag1" und "case/tag1" nebeneinander,
    // führt ein Windows-Pfad, der ohne Rücksicht auf Groß-/Kleinschreibung in dieses Verzeichnis
    // zeigt, trotzdem genau dorthin. Kopien einer Zuordnung teilen sich, was gemerkt ist.
    void Merken(const std::string& hostverzeichnis) const;

private:
    struct Gemerkt {
        AbsoluterPfad windows; // Komponenten klein
        std::string host;
    };
    const Gemerkt* LaengsterGemerkter(const AbsoluterPfad& pfad) const;

    std::map<char16_t, std::string> wurzeln_;
    std::shared_ptr<std::vector<Gemerkt>> gemerkt_ = std::make_shared<std::vector<Gemerkt>>();
};
