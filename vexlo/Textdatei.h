#pragma once
// Dateizugriff des Simulators: Eingaben als Bytes, Ausgaben als Windows-1252 mit CR LF, wie der
// echte Rechenkern sie schreibt.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Ganze Datei, in den Speicher abgebildet statt kopiert (die Referenzdateien eines Tages sind
// groß, gelesen wird jede nur einmal). Fehlt sie, ist sie keine gewöhnliche Datei (Verzeichnis,
// FIFO: würde blockieren) oder nicht lesbar, ist Gelesen() false.
class Dateiinhalt {
public:
    explicit Dateiinhalt(const std::string& name);
    ~Dateiinhalt();
    Dateiinhalt(const Dateiinhalt&) = delete;
    Dateiinhalt& operator=(const Dateiinhalt&) = delete;

    bool Gelesen() const { return gelesen_; }
    std::string_view Inhalt() const { return {daten_, groesse_}; }

private:
    bool gelesen_ = false;
    const char* daten_ = "";
    std::size_t groesse_ = 0;
    void* abbild_ = nullptr;
};

// Zeilen in UTF-8, geschrieben als Windows-1252, jede mit CR LF. false bei Schreibfehler.
bool TextdateiSchreiben(const std::string& name, const std::vector<std::string>& zeilen);
bool BytesSchreiben(const std::string& name, std::string_view bytes);
// Hängt Zeilen wie TextdateiSchreiben an; legt die Datei an, wenn sie fehlt.
bool TextdateiAnhaengen(const std::string& name, const std::vector<std::string>& zeilen);

// Ein bloßer Dateiname wird wie unter Windows ohne Rücksicht auf Groß-/Kleinschreibung im
// aktuellen Verzeichnis gefunden; Namen mit Pfad bleiben unverändert.
std::string NameAufloesen(const std::string& name);

// Zeilen eines Puffers; eine Zeile endet an CR LF, LF oder einem einzelnen CR.
class Zeilenleser {
public:
    explicit Zeilenleser(std::string_view inhalt) : rest_(inhalt) {}
    bool Naechste(std::string_view& zeile);
    long Zeilennummer() const { return nummer_; }

private:
    std::string_view rest_;
    long nummer_ = 0;
    // Nächstes LF und CR, vom Anfang von rest_ gezählt; nur neu gesucht, wenn überschritten,
    // damit auch Dateien mit einzelnem CR in linearer Zeit gelesen werden.
    std::size_t lf_ = 0;
    std::size_t cr_ = 0;
    bool gesucht_ = false;
};

// Länge in Zeichen (UTF-8-Codepunkte), für Spaltenbreiten mit Umlauten.
std::size_t Zeichenzahl(std::string_view utf8);
std::string Linksbuendig(std::string_view utf8, std::size_t breite);
std::string Rechtsbuendig(std::string_view utf8, std::size_t breite);
