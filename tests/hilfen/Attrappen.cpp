#include "Attrappen.h"

#include "platform/Laufzeitfehler.h"
#include "shell/Steuerelemente.h"

#include <algorithm>

Antwort AttrappeDialoge::Zeigen(const Meldung& meldung) {
    Antwort antwort;
    if (!antworten.empty()) {
        antwort = antworten.front();
        antworten.pop_front();
    } else if (meldung.knoepfe == Knoepfe::OK) {
        antwort = Antwort::OK;
    } else {
        antwort = meldung.standardknopf == 2 ? Antwort::Nein : Antwort::Ja;
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
    std::size_t index = zeitgeber_.size() - 1;
    // Ein- und Ausschalten startet bzw. stoppt die Frist, wie ein echter Zeitgeber.
    zeitgeber.Beobachten([this, index] {
        Eintrag& e = zeitgeber_[index];
        bool an = e.zeitgeber->Aktiviert();
        if (an && e.faellig < 0)
            e.faellig = jetzt_ + e.zeitgeber->Intervall();
        else if (!an)
            e.faellig = -1;
    });
}

void AttrappeSchleife::Planen(long long zeitMs, std::function<void()> aktion) {
    geplant_.emplace(zeitMs, std::move(aktion));
}

void AttrappeSchleife::Ereignisse() {
    // Fällige Aktionen erst herausnehmen: eine Aktion darf selbst wieder Ereignisse() rufen.
    while (!geplant_.empty() && geplant_.begin()->first <= jetzt_) {
        auto aktion = std::move(geplant_.begin()->second);
        geplant_.erase(geplant_.begin());
        aktion();
    }
    ZeitgeberPruefen();
}

void AttrappeSchleife::ZeitgeberPruefen() {
    for (std::size_t i = 0; i < zeitgeber_.size(); ++i) {
        // Jeder versäumte Tick kommt, solange der Zeitgeber an bleibt.
        while (zeitgeber_[i].faellig >= 0 && zeitgeber_[i].faellig <= jetzt_) {
            zeitgeber_[i].faellig += std::max(1, zeitgeber_[i].zeitgeber->Intervall());
            zeitgeber_[i].zeitgeber->Ticken();
        }
    }
}

void AttrappeSchleife::Schlafen(int ms) {
    if (ms > 0)
        jetzt_ += ms;
}

void AttrappeSchleife::Vorruecken(long long ms) {
    long long ziel = jetzt_ + ms;
    for (;;) {
        long long naechstes = ziel + 1;
        if (!geplant_.empty())
            naechstes = std::min(naechstes, geplant_.begin()->first);
        for (const auto& e : zeitgeber_)
            if (e.faellig >= 0)
                naechstes = std::min(naechstes, e.faellig);
        if (naechstes > ziel)
            break;
        jetzt_ = std::max(jetzt_, naechstes);
        Ereignisse();
    }
    jetzt_ = ziel;
    Ereignisse();
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
    int id = naechsteId_++;
    endeBei_[id] = schleife_.JetztMs() + laufzeitMs;
    return id;
}

int AttrappeProzesse::ProgrammStarten(const Text& programm, const Text& argumente,
                                      Fensterstil stil) {
    starts.push_back({programm, argumente, stil});
    int id = naechsteId_++;
    endeBei_[id] = schleife_.JetztMs();
    return id;
}

int AttrappeProzesse::Exitcode(int taskId) {
    auto it = endeBei_.find(taskId);
    if (it == endeBei_.end())
        return 0;
    return schleife_.JetztMs() < it->second ? NOCH_AKTIV : 0;
}

void AttrappeProzesse::WarteAufEnde(int taskId, int maxMs) {
    auto it = endeBei_.find(taskId);
    long long rest = it == endeBei_.end() ? 0 : it->second - schleife_.JetztMs();
    if (rest > 0)
        schleife_.Schlafen(static_cast<int>(std::min<long long>(rest, maxMs)));
}

Text AttrappeProzesse::ZugeordnetesProgramm(const Text& datei) {
    auto it = zuordnungen.find(datei);
    return it == zuordnungen.end() ? Text() : it->second;
}
