#include "shell/Steuerelemente.h"

#include "platform/Laufzeitfehler.h"

#include <algorithm>

void Steuerelement::SetzeAktiviert(bool wert) {
    if (aktiviert_ == wert)
        return;
    aktiviert_ = wert;
    Melden();
}

void Steuerelement::SetzeSichtbar(bool wert) {
    if (sichtbar_ == wert)
        return;
    sichtbar_ = wert;
    Melden();
}

void Steuerelement::SetzeTooltip(Text wert) {
    tooltip_ = std::move(wert);
    Melden();
}

int Steuerelement::Beobachten(std::function<void()> beobachter) {
    beobachter_.emplace_back(naechsteKennung_, std::move(beobachter));
    return naechsteKennung_++;
}

void Steuerelement::BeobachterEntfernen(int kennung) {
    std::erase_if(beobachter_, [kennung](const auto& b) { return b.first == kennung; });
}

void Steuerelement::Melden() {
    for (auto& [kennung, b] : beobachter_)
        b();
}

void TextFeld::SetzeText(Text wert) {
    if (wert == text_)
        return;
    text_ = std::move(wert);
    Melden();
    if (beiAenderung)
        beiAenderung();
}

void Beschriftung::SetzeCaption(Text wert) {
    caption_ = std::move(wert);
    Melden();
}

void Kontrollkaestchen::SetzeWert(int wert) {
    if (wert < 0 || wert > 2)
        throw Laufzeitfehler(380, Name());
    if (wert == wert_)
        return;
    wert_ = wert;
    Melden();
    if (beiKlick)
        beiKlick();
}

void Kontrollkaestchen::SetzeCaption(Text wert) {
    caption_ = std::move(wert);
    Melden();
}

Optionsfeld::Optionsfeld(std::string name, Optionsgruppe& gruppe)
    : Steuerelement(std::move(name)), gruppe_(gruppe) {
    gruppe_.Aufnehmen(*this);
}

void Optionsfeld::Waehlen() {
    if (gewaehlt_)
        return;
    gruppe_.AndereAufheben(*this);
    gewaehlt_ = true;
    Melden();
    if (beiKlick)
        beiKlick();
}

void Optionsfeld::Aufheben() {
    if (!gewaehlt_)
        return;
    gewaehlt_ = false;
    Melden();
}

void Optionsfeld::SetzeCaption(Text wert) {
    caption_ = std::move(wert);
    Melden();
}

void Optionsgruppe::AndereAufheben(const Optionsfeld& gewaehlt) {
    for (Optionsfeld* f : felder_)
        if (f != &gewaehlt)
            f->Aufheben();
}

const Text& Listenfeld::Eintrag(int index) const {
    if (index < 0 || index >= Anzahl())
        throw Laufzeitfehler(381, Name());
    return eintraege_[static_cast<std::size_t>(index)];
}

void Listenfeld::Hinzufuegen(Text eintrag) {
    eintraege_.push_back(std::move(eintrag));
    Melden();
}

void Listenfeld::Entfernen(int index) {
    if (index < 0 || index >= Anzahl())
        throw Laufzeitfehler(5, Name());
    eintraege_.erase(eintraege_.begin() + index);
    // Wie das Listenfeld unter Windows: nach dem Entfernen ist nichts mehr gewählt.
    auswahl_ = -1;
    Melden();
}

void Listenfeld::Leeren() {
    eintraege_.clear();
    auswahl_ = -1;
    Melden();
}

void Listenfeld::SetzeAuswahl(int index) {
    if (index < -1 || index >= Anzahl())
        throw Laufzeitfehler(380, Name());
    auswahl_ = index;
    Melden();
}

void Listenfeld::SetzeText(const Text& text) {
    auto it = std::find_if(eintraege_.begin(), eintraege_.end(),
                           [&](const Text& e) { return GleichOhneGross(e, text); });
    auswahl_ = it == eintraege_.end() ? -1 : static_cast<int>(it - eintraege_.begin());
    Melden();
}

void Schaltflaeche::SetzeCaption(Text wert) {
    caption_ = std::move(wert);
    Melden();
}

void Schaltflaeche::Klicken() {
    if (beiKlick)
        beiKlick();
}

void Registerkarte::SetzeReiter(int index) {
    if (index < 0 || index >= static_cast<int>(reiter_.size()))
        throw Laufzeitfehler(380, Name());
    gewaehlt_ = index;
    Melden();
}

void Zeitgeber::SetzeIntervall(int ms) {
    intervall_ = ms;
    Melden();
}

void Zeitgeber::Ticken() {
    // Solange die Regel läuft (etwa mit offener Meldung), kommt kein weiteres Ereignis.
    if (!Aktiviert() || !beiTick || imTick_)
        return;
    imTick_ = true;
    try {
        beiTick();
    } catch (...) {
        imTick_ = false;
        throw;
    }
    imTick_ = false;
}

void Fortschrittsbalken::SetzeWert(int wert) {
    if (wert < 0 || wert > maximum_)
        throw Laufzeitfehler(380, Name());
    wert_ = wert;
    Melden();
}

void Fortschrittsbalken::SetzeMaximum(int wert) {
    if (wert <= 0)
        throw Laufzeitfehler(380, Name());
    maximum_ = wert;
    if (wert_ > maximum_)
        wert_ = maximum_;
    Melden();
}

void Fenster::SetzeCaption(Text wert) {
    caption_ = std::move(wert);
    Melden();
}

void Fenster::Zeigen() {
    angezeigt_ = true;
    Melden();
}

void Fenster::Schliessen() {
    angezeigt_ = false;
    Melden();
}

void Fenster::SetzeGroesse(int breiteTwips, int hoeheTwips) {
    breite_ = breiteTwips;
    hoehe_ = hoeheTwips;
    Melden();
}

void Fenster::SetzeZentriert(bool wert) {
    zentriert_ = wert;
    Melden();
}
