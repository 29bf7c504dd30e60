#include "Attrappen.h"

#include "platform/Laufzeitfehler.h"
#include "shell/Steuerelemente.h"

#include <algorithm>

Antwort AttrappeDialoge::Zeigen(const Meldung& meldung) {
    Antwort antwort = meldung.knoepfe == Knoepfe::OK ? Antwort::OK
                      : meldung.standardknopf == 2   ? Antwort::Nein
                                                     : Antwort::Ja;
    if (!antworten.empty()) {
        antwort = antworten.front();
        antworten.pop_front();
    }
    protokoll.push_back({meldung, antwort});
    if (waehrendOffen)
        waehrendOffen(meldung);
    return antwort;
}

Text AttrappeDialoge::DateiOeffnen(const Dateiauswahl& auswahl) {
    dateiprotokoll.push_back(auswahl);
    if (dateiantworten.empty())
        return Text();
    Text t = dateiantworten.front();
    dateiantworten.pop_front();
    return t;
}

std::vector<Text> AttrappeDialoge::Texte() const {
    std::vector<Text> texte;
    for (const auto& m : protokoll)
        texte.push_back(m.meldung.text);
    return texte;
}

void AttrappeSchleife::ZeitgeberAnmelden(Zeitgeber& zeitgeber) {
    zeitgeber_.push_back({&zeitgeber, zeitgeber.Aktiviert() ? jetzt_ + zeitgeber.Intervall() : -1});
    // Ein- und Ausschalten startet bzw. stoppt die Frist, wie ein echter Zeitgeber.
    zeitgeber.Beobachten([this, index = zeitgeber_.size() - 1] {
        Eintrag& e = zeitgeber_[index];
        if (!e.zeitgeber->Aktiviert())
            e.faellig = -1;
        else if (e.faellig < 0)
            e.faellig = jetzt_ + e.zeitgeber->Intervall();
    });
}

void AttrappeSchleife::Ereignisse() {
    // Fällige Aktionen erst herausnehmen: eine Aktion darf selbst wieder Ereignisse() rufen.
    while (!geplant_.empty() && geplant_.begin()->first <= jetzt_) {
        auto aktion = std::move(geplant_.begin()->second);
        geplant_.erase(geplant_.begin());
        aktion();
    }
    // Jeder versäumte Tick kommt, solange der Zeitgeber an bleibt. Über den Index, denn ein Tick
    // darf weitere Zeitgeber anmelden.
    for (std::size_t i = 0; i < zeitgeber_.size(); ++i) {
        while (zeitgeber_[i].faellig >= 0 && zeitgeber_[i].faellig <= jetzt_) {
            zeitgeber_[i].faellig += std::max(1, zeitgeber_[i].zeitgeber->Intervall());
            zeitgeber_[i].zeitgeber->Ticken();
        }
    }
}

void AttrappeSchleife::Vorruecken(long long ms) {
    // Millisekunde für Millisekunde: Zeitgeber und geplante Aktionen kommen pünktlich.
    for (const long long ziel = jetzt_ + ms; jetzt_ < ziel;) {
        ++jetzt_;
        Ereignisse();
    }
}

bool AttrappeProgramm::Menuefarbe(int modus, unsigned rgb, int index, bool mitUntermenues) {
    menuefarben.push_back(std::to_string(modus) + "," + std::to_string(rgb) + "," +
                          std::to_string(index) + "," + (mitUntermenues ? "1" : "0"));
    return true;
}

Text AttrappeSysteminfo::Beschreibung() {
    if (verweigert)
        throw Laufzeitfehler(5, "Versionsabfrage verweigert");
    return beschreibung;
}

int AttrappeProzesse::StapelStarten(const Text& stapeldatei, Fensterstil stil) {
    starts.push_back({stapeldatei, Text(), stil});
    if (engine)
        engine(stapeldatei);
    endeBei_[naechsteId_] = schleife_.JetztMs() + laufzeitMs;
    return naechsteId_++;
}

// Andere Programme enden sofort: eine unbekannte Nummer gilt als beendet.
int AttrappeProzesse::ProgrammStarten(const Text& programm, const Text& argumente,
                                      Fensterstil stil) {
    starts.push_back({programm, argumente, stil});
    return naechsteId_++;
}

int AttrappeProzesse::Exitcode(int taskId) {
    return schleife_.JetztMs() < endeBei_[taskId] ? NOCH_AKTIV : 0;
}

void AttrappeProzesse::WarteAufEnde(int taskId, int maxMs) {
    const long long rest = endeBei_[taskId] - schleife_.JetztMs();
    if (rest > 0)
        schleife_.Schlafen(static_cast<int>(std::min<long long>(rest, maxMs)));
}
