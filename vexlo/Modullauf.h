#pragma once
// Gerüst eines Laufs von Qel oder Bo, in beiden Rechenkernen gleich: die Fehlerdatei eines
// früheren Laufs entfernen, rechnen, eine Ausnahme als Fehler des Laufs melden statt abzustürzen,
// danach Protokoll und Fehlerdatei schreiben. Das Rechnen selbst bleibt Sache des Rechenkerns.
#include "Schalter.h"

#include <string>
#include <utility>
#include <vector>

// Protokoll von Qel; Kestrav sucht dort nach dem Lauf "FATAL ERROR:".
inline constexpr const char* kQelProtokoll = "qellog.txt";

class Modullauf {
public:
    virtual ~Modullauf() = default;
    // kopfzeile eröffnet das Protokoll. Rückgabe 0 nach Erfolg, sonst 1.
    int Ausfuehren(const std::string& kopfzeile);

protected:
    explicit Modullauf(const char* fehlerdateiName) : fehlerdateiName_(fehlerdateiName) {}

    std::vector<std::string> log_;
    std::vector<std::string> fehlerdatei_;
    const char* const fehlerdateiName_;

    virtual bool Rechnen() = 0;
    // Meldet einen Fehler so, wie das Modul es auch sonst tut.
    virtual void FehlerMelden(const std::string& text) = 0;
    virtual void DateienSchreiben(bool erfolg) = 0;
};

class QelModullauf : public Modullauf {
public:
    explicit QelModullauf(QelAuftrag auftrag) : Modullauf("qel.err"), a_(std::move(auftrag)) {}

protected:
    QelAuftrag a_;

    void Info(const std::string& text) { log_.push_back(text); }
    void Fatal(const std::string& text);
    void FehlerMelden(const std::string& text) override { Fatal(text); }
    // qel.err nur nach einem gescheiterten Lauf: Warnungen eines gelungenen stehen im Protokoll.
    void DateienSchreiben(bool erfolg) override;
};

class BoModullauf : public Modullauf {
public:
    // Fehlende Namen von Ergebnisliste, Lösung und Protokoll folgen dem Neupunkt, sonst "bo".
    BoModullauf(std::string aufrufname, BoAuftrag auftrag);

protected:
    std::string aufrufname_;
    BoAuftrag a_;

    // Immer false, damit Rechenschritte mit "return Fehler(...)" abbrechen.
    virtual bool Fehler(const std::string& text);
    void FehlerMelden(const std::string& text) override { Fehler(text); }
    // bo.err auch nach einem Lauf mit Ergebnis, etwa wenn die Normalhöhe fehlt.
    void DateienSchreiben(bool erfolg) override;
};
